#!/usr/bin/env bash
# Takes docs/screenshot.png: starts a private X server, runs the built game from the repository
# root, optionally plays one move with the mouse, and captures the window.
#
#   tools/screenshot.sh [--move] [build-dir]     (build-dir defaults to build)
#
# Needs Xvfb, xdotool and ImageMagick. Stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."

move=false
if [ "${1:-}" = "--move" ]; then
  move=true
  shift
fi
build_dir="${1:-build}"
game="$build_dir/app/qt/kordavelmix"
[ -x "$game" ] || { echo "no game at $game: build it first" >&2; exit 1; }

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done

pids=()
runtime_dir=$(mktemp -d)
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$runtime_dir"
}
trap cleanup EXIT
# A private runtime folder, as a desktop session would give the game.
export XDG_RUNTIME_DIR="$runtime_dir"

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

QT_QPA_PLATFORM=xcb "$game" &
pids=($! "${pids[@]}")
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kordavelmix$' | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"

if $move; then
  # The window opens 850 x 500 with a 19-pixel menu bar: the board is 481 high, cells 60 wide.
  # The player's man on row 5, column 0 steps to row 4, column 1.
  menu=19
  cell=60
  xdotool mousemove --window "$window" $((cell / 2)) $((menu + 5 * cell + cell / 2)) mousedown 1
  xdotool mousemove --window "$window" $((cell + cell / 2 - 10)) $((menu + 4 * cell + cell / 2))
  xdotool mousemove --window "$window" $((cell + cell / 2)) $((menu + 4 * cell + cell / 2)) \
    mouseup 1
  xdotool mousemove 1000 700
  sleep 1
fi

mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/screenshot.png
echo "docs/screenshot.png: ${WIDTH}x${HEIGHT}"
