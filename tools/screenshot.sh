#!/usr/bin/env bash
# Takes docs/screenshot.png: starts a private X server, runs the built game from the repository
# root, optionally plays one move with the mouse, and captures the window. With --windows it runs
# the Windows program under Wine, in a Wine prefix of its own, and takes
# docs/screenshot-windows.png; with --dpi DPI as well, on a desktop of that resolution (Wine's
# LogPixels), docs/screenshot-windows-DPI.png. With --web it takes docs/screenshot-web.png of the
# built site in headless Chromium after the first move, docs/screenshot-web-phone.png of the same
# on a phone held upright, and docs/screenshot-web-keyboard.png of a man carried with the keys,
# through the browser test (which needs the npm client that tools/build-web.sh --tests installs).
#
#   tools/screenshot.sh [--move] [--windows [--dpi DPI] | --web] [build-dir]
#
# build-dir defaults to the build folder of the preset game, or of windows with --windows. Needs
# Xvfb, xdotool and ImageMagick, and Wine for --windows. Stops everything it started.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tools/xserver.sh
source tools/xserver.sh
# shellcheck source=tools/facts.sh
source tools/facts.sh
# shellcheck source=tools/wine-fonts.sh
source tools/wine-fonts.sh

move=false
windows=false
web=false
dpi=""
while [ $# -gt 0 ]; do
  case "$1" in
    --move) move=true ;;
    --windows) windows=true ;;
    --web) web=true ;;
    --dpi)
      dpi=$2
      shift
      ;;
    *) break ;;
  esac
  shift
done
if $web; then
  build_dir="${1:-$(preset_dir web)}"
  [ -f "$build_dir/site/index.html" ] || { echo "no site in $build_dir: build it first" >&2; exit 1; }
  mkdir -p docs
  node tests/e2e/web/e2e.mjs --site "$build_dir/site" --stage "$build_dir/stage" --source . \
    --screenshot docs/screenshot-web.png --phone-screenshot docs/screenshot-web-phone.png \
    --keyboard-screenshot docs/screenshot-web-keyboard.png
  echo "docs/screenshot-web.png docs/screenshot-web-phone.png docs/screenshot-web-keyboard.png"
  exit 0
fi
if [ -n "$dpi" ] && { ! $windows || ! [[ "$dpi" =~ ^[0-9]+$ ]]; }; then
  echo "--dpi takes a number of dots per inch, and --windows" >&2
  exit 2
fi
# The X server's usual screen, or with --dpi a larger one, which the window at 192 dpi, 1700 x 1000
# from (100, 100), fits on.
screen_size=""
if $windows; then
  build_dir="${1:-$(preset_dir windows)}"
  game="$build_dir/kordavelmix.exe"
  shot=docs/screenshot-windows${dpi:+-$dpi}.png
  [ -z "$dpi" ] || screen_size=1920x1200
else
  build_dir="${1:-$(preset_dir game)}"
  game="$build_dir/app/qt/kordavelmix"
  shot=docs/screenshot.png
fi
[ -f "$game" ] || { echo "no game at $game: build it first" >&2; exit 1; }

game_pid=""
runtime_dir=$(mktemp -d)
# The game and Wine's server go before the X server does.
cleanup() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  if $windows; then
    wineserver -k 2>/dev/null || true
  fi
  rm -rf "$runtime_dir"
}
trap cleanup EXIT
# A private runtime folder, as a desktop session would give the game.
export XDG_RUNTIME_DIR="$runtime_dir"

start_xserver "$screen_size"

if $windows; then
  # A fresh prefix with "Times New Roman", which Wine lacks, drawn by Liberation Serif.
  export WINEPREFIX="$runtime_dir/wine" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
  wineboot -i >/dev/null 2>&1
  replace_times_font
  if [ -n "$dpi" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1
  fi
  # The game started by a new server reads the settings as the prefix keeps them.
  wineserver -w
  wine "$game" &
else
  QT_QPA_PLATFORM=xcb "$game" &
fi
game_pid=$!
window=$(timeout 40 xdotool search --sync --onlyvisible --name "^$title\$" | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"

if $move; then
  # Below the menu bar, as high as the rows above the board's first light square, the board is as
  # high as the rest of the window. The player's man on row 5, column 0 steps to row 4, column 1.
  light=$(colour_rgb White)
  menu=$(import -window root -crop "1x80+$((X + 2))+$Y" +repage -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | grep -n -m1 "^$light\$" |
    cut -d: -f1)
  menu=$((${menu:-20} - 1))
  cell=$(((HEIGHT - menu) / 8))
  top=$((Y + menu))
  xdotool mousemove $((X + cell / 2)) $((top + 5 * cell + cell / 2)) mousedown 1 sleep 0.1 \
    mousemove $((X + cell + cell / 2 - 10)) $((top + 4 * cell + cell / 2)) sleep 0.1 \
    mousemove $((X + cell + cell / 2)) $((top + 4 * cell + cell / 2)) sleep 0.1 mouseup 1
  xdotool mousemove 1000 700
  sleep 1
fi

mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
echo "$shot: ${WIDTH}x${HEIGHT}"
