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

icon_sizes=(16 22 24 32 48 64 128 256)
sound_kinds=(exclamation asterisk question beep)
# Where the window's outer frame belongs and how large it is: x, y, width, height.
expected_frame="50 50 850 500"

sound_program=""
e2e_name="e2e"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

read_options --build --prefix --sound-program:required --wm --artifacts -- "$@"
[ -x "$sound_program" ] || fail "no sound program at '$sound_program'"
# The programs run from other folders below.
sound_program=$(realpath "$sound_program")
e2e_name="e2e (window manager: $wm)"
prepare_artifacts
e2e_on_exit() {
  if [ -n "$artifacts" ] && [ -f "$work/game.log" ]; then
    cp "$work/game.log" "$artifacts/"
  fi
}

# --- The installation -----------------------------------------------------------------------

locate_installation
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
  [ -f "$data/$image" ] || fail "no piece image $image installed"
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

start_x

# --- The game starts from an unrelated folder -----------------------------------------------

mkdir "$work/elsewhere"
(cd "$work/elsewhere" && QT_QPA_PLATFORM=xcb exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
wait_for 20 find_window || fail "no window titled Kordavelmix"
# The desktop ties the running window to its menu entry by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
grep -qx "StartupWMClass=$wm_class" "$desktop" ||
  fail "the window's class '$wm_class' is not the desktop entry's StartupWMClass"

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

wait_for_board

# --- Playing with the pointer ---------------------------------------------------------------

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
