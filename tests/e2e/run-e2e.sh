#!/usr/bin/env bash
# Plays the installed game end to end on a private X server, with real pointer and key events, as
# a player who has just installed it would:
#
#   run-e2e.sh (--build BUILD_DIR | --prefix PREFIX) --sound-program PROGRAM
#              [--wm none|openbox] [--artifacts DIR]
#
# --build installs BUILD_DIR into a temporary prefix first; --prefix takes an installation that is
# already there (for example /usr, from the Debian package). PROGRAM is e2e_play_sound, built
# beside this test, which plays each of the game's four sounds alone. DIR receives the
# screenshots and the game's output, for a look after a failure.
#
# The script checks that the installation holds its program, desktop entry, description and
# icons; starts the program from an unrelated working directory; finds its window by title and
# checks its outer frame; drags pieces and checks from screenshots that they moved, that the
# computer answered with its path in red, and that the next press hides the path; opens the About
# box with Alt+/ and closes it with Esc; and quits through the menu. The game's audio goes to a
# file: a refused move, a step and a capture must each play exactly the sound of its kind, and the
# four kinds must differ. Every wait is bounded; everything started here is stopped on exit.
set -euo pipefail

app_id=io.github.kordavelmix.Kordavelmix
icon_sizes=(16 22 24 32 48 64 128 256)
piece_images=(White Black White_king Black_king)
sound_kinds=(exclamation asterisk question beep)
window_title='^Kordavelmix$'
about_title='^О программе Kordavelmix$'
# Where the window's outer frame belongs and how large it is: x, y, width, height.
expected_frame="50 50 850 500"
# The colours of the frame the game draws, as "red green blue".
light_square="250 230 110"
dark_square="200 110 65"

build=""
prefix=""
sound_program=""
wm=none
artifacts=""

fail() {
  echo "e2e (window manager: $wm): $*" >&2
  exit 1
}

while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2 ;;
    --prefix) prefix=$2 ;;
    --sound-program) sound_program=$2 ;;
    --wm) wm=$2 ;;
    --artifacts) artifacts=$2 ;;
    *) fail "unknown argument $1" ;;
  esac
  shift 2
done
if { [ -z "$build" ] && [ -z "$prefix" ]; } || { [ -n "$build" ] && [ -n "$prefix" ]; }; then
  fail "give either --build or --prefix"
fi
[ -x "$sound_program" ] || fail "no sound program at '$sound_program'"
# The programs run from other folders below.
sound_program=$(realpath "$sound_program")
case "$wm" in none | openbox) ;; *) fail "unknown window manager $wm" ;; esac
if [ -n "$artifacts" ]; then
  mkdir -p "$artifacts"
  rm -f "$artifacts"/*.png "$artifacts"/game.log
fi

# Everything this run starts, stopped in reverse order on exit.
work=$(mktemp -d)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  if [ -n "$artifacts" ] && [ -f "$work/game.log" ]; then
    cp "$work/game.log" "$artifacts/"
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Runs the command until it succeeds, for at most the given seconds.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# --- The installation -----------------------------------------------------------------------

if [ -n "$build" ]; then
  prefix="$work/prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
fi
prefix=$(realpath "$prefix")
game="$prefix/bin/kordavelmix"
data="$prefix/share/kordavelmix"
[ -x "$game" ] || fail "no program at $game"
desktop="$prefix/share/applications/$app_id.desktop"
[ -f "$desktop" ] || fail "no desktop entry at $desktop"
grep -qx "Exec=kordavelmix" "$desktop" || fail "the desktop entry does not start kordavelmix"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
[ -f "$prefix/share/metainfo/$app_id.metainfo.xml" ] || fail "no metainfo installed"
for size in "${icon_sizes[@]}"; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -f "$icon" ] || fail "no ${size} px icon at $icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "$icon is not $size px"
done
for image in "${piece_images[@]}"; do
  [ -f "$data/images/$image.png" ] || fail "no piece image $image.png installed"
done

# --- Sound to a file ------------------------------------------------------------------------

# The sound library plays through ALSA (even where a sound server runs), and ALSA's default
# device is pointed at a WAV file by a private configuration; each sound opens the device afresh
# and so rewrites the file.
export CANBERRA_DRIVER=alsa
unset ALSA_CONFIG_PATH
export HOME="$work/home"
mkdir -p "$HOME"
sound="$work/sound.wav"
cat >"$HOME/.asoundrc" <<EOF
pcm.!default {
  type file
  slave.pcm "null"
  file "$sound"
  format "wav"
}
EOF
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One recording of each kind as the front end's sound player plays it. It runs in the installed
# data folder, where it finds the game's own crowning sound.
for kind in "${sound_kinds[@]}"; do
  rm -f "$sound"
  (cd "$data" && "$sound_program" "$kind")
  [ -s "$sound" ] || fail "the $kind sound wrote no audio"
  peak=$(sox "$sound" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }')
  awk -v peak="$peak" 'BEGIN { exit !(peak > 0.05) }' || fail "the $kind sound is silent"
  mv "$sound" "$work/$kind.wav"
done
for ((i = 0; i < ${#sound_kinds[@]}; i++)); do
  for ((j = i + 1; j < ${#sound_kinds[@]}; j++)); do
    if cmp -s "$work/${sound_kinds[i]}.wav" "$work/${sound_kinds[j]}.wav"; then
      fail "the ${sound_kinds[i]} and ${sound_kinds[j]} sounds are the same"
    fi
  done
done

# Waits until the game has played exactly the recorded sound of the kind, since the last
# forget_sound.
sound_is() {
  cmp -s "$sound" "$work/$1.wav"
}
expect_sound() {
  local heard
  wait_for 5 sound_is "$1" && return 0
  heard=$(stat -c %s "$sound" 2>/dev/null || echo no)
  fail "expected the $1 sound; heard $heard bytes of something else"
}
forget_sound() {
  rm -f "$sound"
}

# --- The X server and the window manager ----------------------------------------------------

# The server picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
display_ready() {
  [ -s "$work/display" ]
}
wait_for 10 display_ready || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(cat "$work/display")"
export DISPLAY

if [ "$wm" = openbox ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
  }
  wait_for 10 wm_ready || fail "openbox did not start"
fi

# --- The game starts from an unrelated folder -----------------------------------------------

mkdir "$work/elsewhere"
(cd "$work/elsewhere" && QT_QPA_PLATFORM=xcb exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
game_running() {
  kill -0 "$game_pid" 2>/dev/null
}
window=""
find_window() {
  window=$(xdotool search --onlyvisible --name "$window_title" 2>/dev/null | head -1) || true
  [ -n "$window" ] && return 0
  game_running || fail "the game ended at start: $(tail -3 "$work/game.log")"
  return 1
}
wait_for 20 find_window || fail "no window titled Kordavelmix"
# The desktop ties the running window to its menu entry by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
grep -qx "StartupWMClass=$wm_class" "$desktop" ||
  fail "the window's class '$wm_class' is not the desktop entry's StartupWMClass"

# Sets box_x, box_y, box_width and box_height to a window's place on the screen and its size,
# without the frame a window manager draws around it.
read_box() {
  local info
  info=$(xwininfo -id "$1")
  box_x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
  box_y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
  box_width=$(awk '/  Width:/ { print $2 }' <<<"$info")
  box_height=$(awk '/  Height:/ { print $2 }' <<<"$info")
}
# The game window's client area (menu bar and board): client_x, client_y, client_width,
# client_height.
read_client() {
  read_box "$window"
  client_x=$box_x
  client_y=$box_y
  client_width=$box_width
  client_height=$box_height
}

# The outer frame, "x y width height": the client area grown by the frame the window manager
# drew around it, if any.
frame_geometry() {
  local left=0 right=0 top=0 bottom=0 extents
  read_client
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null |
    grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*$' || true)
  if [ -n "$extents" ]; then
    IFS=', ' read -r left right top bottom <<<"$extents"
  fi
  echo "$((client_x - left)) $((client_y - top)) $((client_width + left + right))" \
    "$((client_height + top + bottom))"
}
frame_in_place() {
  [ "$(frame_geometry)" = "$expected_frame" ]
}
wait_for 5 frame_in_place ||
  fail "the window's frame is at '$(frame_geometry)', not '$expected_frame' (x y width height)"

# --- Screenshots and the board --------------------------------------------------------------

screen="$work/screen.png"
shot=0
# Takes a screenshot; keeps a copy named after the step among the artifacts.
take_screenshot() {
  import -window root "$screen"
  if [ -n "$artifacts" ]; then
    shot=$((shot + 1))
    cp "$screen" "$artifacts/$(printf '%02d' "$shot")-$1.png"
  fi
}

# "red green blue" of each screen point given as x,y, one line each, from the last screenshot.
colours_at() {
  local format="" point channel
  for point in "$@"; do
    for channel in r g b; do
      format+="%[fx:round(255*p{$point}.$channel)] "
    done
    format+="\n"
  done
  convert "$screen" -format "$format" info:
}

# 0 if the colour "r g b" is within a small distance of the expected one.
near() {
  local r g b er eg eb
  read -r r g b <<<"$1"
  read -r er eg eb <<<"$2"
  [ $(((r - er) ** 2 + (g - eg) ** 2 + (b - eb) ** 2)) -le 300 ]
}

# 0 if the screen point of the last screenshot is light, as a menu's or a dialog's background is;
# a tool that cannot capture them shows a black box there.
drawn_at() {
  local r g b
  read -r r g b <<<"$(colours_at "$1,$2")"
  [ "$r" -ge 200 ] && [ "$g" -ge 200 ] && [ "$b" -ge 200 ]
}

# What a colour shows: white or black piece, the red path, an empty dark or light square.
kind_of() {
  local r g b
  read -r r g b <<<"$1"
  if [ "$r" -ge 230 ] && [ "$g" -le 40 ] && [ "$b" -le 40 ]; then
    echo red
  elif near "$1" "$dark_square"; then
    echo empty
  elif near "$1" "$light_square"; then
    echo light
  elif [ "$r" -ge 170 ] && [ "$g" -ge 170 ] && [ "$b" -ge 150 ]; then
    echo white
  elif [ "$r" -le 110 ] && [ "$g" -le 110 ] && [ "$b" -le 110 ]; then
    echo black
  else
    echo "other($r,$g,$b)"
  fi
}

# The board starts below the menu bar, which is as high as the rows above the first light square.
read_client
menu_height=""
board_top() {
  local y=0 colour
  while IFS= read -r colour; do
    if near "$colour" "$light_square"; then
      menu_height=$y
      return 0
    fi
    y=$((y + 1))
  done < <(convert "$screen" -crop "1x60+$((client_x + 2))+$client_y" +repage -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p')
  return 1
}
first_frame() {
  take_screenshot start
  board_top
}
wait_for 10 first_frame || fail "no board drawn below the menu bar"
cell=$(((client_height - menu_height) / 8))

# Screen point of a square's centre, "x y".
square_centre() {
  echo "$((client_x + $2 * cell + cell / 2)) $((client_y + menu_height + $1 * cell + cell / 2))"
}

# Checks what the board shows. Each item is "row,col:what", what being white or black (a piece,
# looked at a quarter square below the centre, clear of any path line) or empty (a dark square
# with nothing on it); or "row,col-row,col:red" or ":clear" for the path of a move between two
# squares, looked at a quarter, a half and three quarters of the way.
board_matches() {
  local points=() wanted=() spec squares what row col row2 col2 x y x2 y2 colour kind i=0 part
  for spec in "$@"; do
    squares=${spec%%:*}
    what=${spec##*:}
    if [[ "$squares" == *-* ]]; then
      IFS=',-' read -r row col row2 col2 <<<"$squares"
      read -r x y <<<"$(square_centre "$row" "$col")"
      read -r x2 y2 <<<"$(square_centre "$row2" "$col2")"
      for part in 1 2 3; do
        points+=("$((x + (x2 - x) * part / 4)),$((y + (y2 - y) * part / 4))")
        wanted+=("$spec")
      done
    else
      IFS=',' read -r row col <<<"$squares"
      read -r x y <<<"$(square_centre "$row" "$col")"
      case "$what" in white | black) y=$((y + cell / 4)) ;; esac
      points+=("$x,$y")
      wanted+=("$spec")
    fi
  done
  local matched=0
  seen=""
  while IFS= read -r colour; do
    kind=$(kind_of "$colour")
    spec=${wanted[i]}
    what=${spec##*:}
    seen+=" ${spec%%:*}:$kind"
    if [ "$what" = "$kind" ] || { [ "$what" = clear ] && [ "$kind" != red ]; }; then
      matched=$((matched + 1))
    fi
    i=$((i + 1))
  done < <(colours_at "${points[@]}")
  [ "$matched" -eq "${#points[@]}" ]
}
screenshot_matches() {
  take_screenshot "$1"
  board_matches "${@:2}"
}
# Waits until the board shows what board_matches checks; the first argument names the step.
expect_board() {
  wait_for 5 screenshot_matches "$@" ||
    fail "after $1 the board should show '${*:2}', it shows '${seen# }'"
}

# --- Playing with the pointer ---------------------------------------------------------------

# Drags the piece on one square to another, through a point between them, as a hand would.
drag() {
  local x1 y1 x2 y2
  read -r x1 y1 <<<"$(square_centre "$1" "$2")"
  read -r x2 y2 <<<"$(square_centre "$3" "$4")"
  xdotool mousemove "$x1" "$y1" mousedown 1 sleep 0.05 \
    mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) sleep 0.05 \
    mousemove "$x2" "$y2" sleep 0.05 mouseup 1
}

expect_board start 5,6:white 5,0:white 2,1:black 2,7:black 4,7:empty 3,0:empty

# A step: the man moves, and the computer answers at once; its path is drawn in red.
forget_sound
drag 5 6 4 7
expect_sound asterisk
expect_board step 5,6:empty 4,7:white 2,1-3,0:red 3,0:black

# The next press hides the path; dropping the man where it stands is refused.
forget_sound
read -r x y <<<"$(square_centre 4 7)"
xdotool mousemove "$x" "$y" mousedown 1
expect_board press 2,1-3,0:clear 2,1:empty 3,0:black 4,7:white
xdotool mouseup 1
expect_sound exclamation
expect_board refused 4,7:white 5,6:empty

# Three more steps set up a capture: the man on 4,5 jumps the computer's man on 3,6.
for move in "5 0 4 1" "6 7 5 6" "5 6 4 5"; do
  forget_sound
  read -r from_row from_col to_row to_col <<<"$move"
  drag "$from_row" "$from_col" "$to_row" "$to_col"
  expect_sound asterisk
done
expect_board "set-up" 4,5:white 3,6:black 2,7-3,6:red
forget_sound
drag 4 5 2 7
expect_sound beep
expect_board capture 4,5:empty 3,6:empty 2,7:white

# --- The About box and the menu -------------------------------------------------------------

# Keys go to the window with the input focus.
if [ "$wm" = openbox ]; then
  xdotool windowactivate --sync "$window"
else
  xdotool windowfocus --sync "$window"
fi
xdotool key alt+slash
about=$(timeout 5 xdotool search --sync --onlyvisible --name "$about_title" | head -1) ||
  fail "Alt+/ opened no About box"
# The dialog must be on the screenshot as drawn, not as a black box.
take_screenshot about
read_box "$about"
drawn_at $((box_x + 3)) $((box_y + 3)) || fail "the About box is not on the screenshot"
xdotool key Escape
about_closed() {
  ! xdotool search --onlyvisible --name "$about_title" >/dev/null
}
wait_for 5 about_closed || fail "Esc did not close the About box"

# Quit: click the "Игра" menu's title at the left of the menu bar, then its last item, "Выход".
xdotool mousemove $((client_x + 25)) $((client_y + menu_height / 2)) click 1
popup=""
find_popup() {
  local candidate
  for candidate in $(xdotool search --onlyvisible --classname kordavelmix 2>/dev/null); do
    if [ "$candidate" != "$window" ] && [ "$candidate" != "$about" ]; then
      popup=$candidate
      return 0
    fi
  done
  return 1
}
wait_for 5 find_popup || fail "clicking the menu bar opened no menu"
take_screenshot menu
read_box "$popup"
drawn_at $((box_x + 3)) $((box_y + 3)) || fail "the menu is not on the screenshot"
# "Выход" is the last item, below "Новая игра" and a separator.
xdotool mousemove $((box_x + 30)) $((box_y + box_height - 12)) click 1
game_ended() {
  ! game_running
}
wait_for 5 game_ended || fail "Выход did not end the game"
wait "$game_pid" || fail "the game ended with status $?"
echo "e2e (window manager: $wm): passed"
