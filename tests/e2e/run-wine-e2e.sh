#!/usr/bin/env bash
# Plays the Windows program end to end under Wine on a private X server, with real pointer and
# key events:
#
#   run-wine-e2e.sh --exe PROGRAM [--wm none|openbox] [--artifacts DIR]
#
# PROGRAM is kordavelmix.exe, with its images folder beside it. DIR receives the screenshots and
# Wine's trace of the game's calls, for a look after a failure.
#
# The script makes a fresh Wine prefix (no Mono or Gecko prompts; "Times New Roman" drawn by
# Liberation Serif, as Wine has no font of that name), copies the program into a folder whose path
# holds Cyrillic letters and spaces and starts it from an unrelated working directory. It checks
# the window's title and place, the board, the pieces, the grey panel and the colours of its three
# lines; drags pieces and checks that they follow the pointer and move, that the computer answers
# with its path in red, that a press hides the path, and that a release outside the window is a
# refused drop; that a step, a refused drop and a capture call MessageBeep with exactly the types
# of their sounds; that a quiet move while a capture is
# due shows the box "Ошибка" with its text; that Alt+"/" and Alt+"?" open the About box and Enter
# and Esc close it; that New game asks its question and No keeps the position while Yes resets
# it; that narrowing the window snaps it back by the size rule; and that Exit from the menu ends
# the program with status 0. Wine turns every MessageBeep into the same X bell, so the sounds and
# the message boxes are read from Wine's trace of the calls themselves. Every wait is bounded;
# everything started here is stopped on exit.
set -euo pipefail

error_title='^Ошибка$'
question_title='^Новая игра$'

# Under Wine the X window holds the client area and the menu bar. The frame of the overlapped
# window (4 pixels at the sides and the bottom, 23 at the top with the caption) lies around it,
# drawn by the window manager or by nobody, so the outer rectangle (50, 50, 850, 500) puts this X
# window at x y width height:
expected_client="54 73 842 473"

exe=""
e2e_name="wine e2e"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tests/e2e/wine-lib.sh
source "$(dirname "$0")/wine-lib.sh"

read_options --exe:required --wm --artifacts -- "$@"
[ -f "$exe" ] || fail "no program at '$exe'"
e2e_name="wine e2e (window manager: $wm)"
prepare_artifacts

start_x
make_prefix

# --- The game, from a folder a player might have unpacked it to -----------------------------

game_dir="$work/Игры и забавы/Кордавелмикс 1.0"
mkdir -p "$game_dir/images" "$work/elsewhere"
cp "$exe" "$game_dir/kordavelmix.exe"
cp "$(dirname "$exe")"/images/*.png "$game_dir/images/"
start_game "$game_dir/kordavelmix.exe" "$work/elsewhere"

client_in_place() {
  read_client
  [ "$client_x $client_y $client_width $client_height" = "$expected_client" ]
}
wait_for 5 client_in_place || fail "the window's client area is at" \
  "'$client_x $client_y $client_width $client_height', not '$expected_client'"
# The creation message moved the window to (50, 50), 850 x 500, repainting.
move_is "$(calls_of MoveWindow | head -1)" 50 50 850 500 1 ||
  fail "the window was not placed at (50, 50) with 850 x 500: MoveWindow($(calls_of MoveWindow))"

wait_for_board

# --- The frame: board, pieces, panel and score ----------------------------------------------

board_side=$((client_height - menu_height))
colour=$(panel_colour)
near "$colour" "$panel_grey" || fail "the panel is $colour, not grey"
# The heading in green from 30 pixels right of the board, the two counts in blue below it, each
# well drawn in its own band.
heading=$(pixels_of_colour $((client_x + board_side + 30)) $((client_y + menu_height + 10)) 300 60 \
  "0 255 0")
players=$(pixels_of_colour $((client_x + board_side + 5)) $((client_y + menu_height + 70)) 300 50 \
  "0 0 255")
cpus=$(pixels_of_colour $((client_x + board_side + 5)) $((client_y + menu_height + 120)) 300 50 \
  "0 0 255")
[ "$heading" -ge 300 ] || fail "the green heading is not drawn ($heading green pixels)"
[ "$players" -ge 300 ] && [ "$cpus" -ge 200 ] ||
  fail "the blue count lines are not drawn ($players and $cpus blue pixels)"

# --- Playing: sounds are MessageBeep calls ---------------------------------------------------

play_first_move

# The next press hides the path; dropping the man where it stands is refused.
forget_beeps
read -r x y <<<"$(square_centre 4 7)"
xdotool mousemove "$x" "$y" mousedown 1
expect_board press 2,1-3,0:clear 2,1:empty 3,0:black 4,7:white
xdotool mouseup 1
expect_beeps $exclamation
expect_board refused 4,7:white 5,6:empty

# A press that picks up a man takes the mouse: released outside the window, the drop lies off the
# board and is refused, and the man is back on its square instead of staying on the pointer.
forget_beeps
read -r x y <<<"$(square_centre 4 7)"
xdotool mousemove "$x" "$y" mousedown 1 sleep 0.05 \
  mousemove 5 $((client_y + client_height + 100)) sleep 0.05 mouseup 1
expect_beeps $exclamation
read -r x y <<<"$(square_centre 3 6)"
xdotool mousemove "$x" "$y" sleep 0.1
expect_board "released outside" 4,7:white 3,6:empty

# Three more steps set up a capture: the man on 4,5 may jump the computer's man on 3,6.
for move in "5 0 4 1" "6 7 5 6" "5 6 4 5"; do
  forget_beeps
  read -r from_row from_col to_row to_col <<<"$move"
  drag "$from_row" "$from_col" "$to_row" "$to_col"
  expect_beeps $asterisk
done
expect_board "set-up" 4,5:white 3,6:black 2,7-3,6:red

# The text of a wide string as Wine's trace prints it: ASCII as itself, a line feed as \n, any
# other character as a backslash and four hex digits.
traced_text() {
  local text=$1 out="" ch code i
  for ((i = 0; i < ${#text}; i++)); do
    ch=${text:i:1}
    printf -v code '%d' "'$ch"
    if [ "$code" -eq 10 ]; then
      out+='\n'
    elif [ "$code" -ge 32 ] && [ "$code" -lt 127 ]; then
      out+=$ch
    else
      printf -v ch '\\%04x' "$code"
      out+=$ch
    fi
  done
  printf '%s' "$out"
}

# Waits for the message box titled by the pattern; checks that the game's last MessageBoxW call
# showed the text under the caption with the style (hex), owned by a window (modal to it).
box=""
expect_box() {
  local title=$1 text=$2 caption=$3 style=$4 call
  find_box() {
    box=$(window_named "$title")
    [ -n "$box" ]
  }
  wait_for 5 find_box || fail "no box titled '$caption'"
  call=$(calls_of MessageBoxW | tail -1)
  [[ "$call" == *" L\"$(traced_text "$text")\","*" L\"$(traced_text "$caption")\",$style" ]] ||
    fail "the box '$caption' was shown as MessageBoxW($call)"
  [[ "$call" != 00000000,* ]] || fail "the box '$caption' has no owner window"
}
box_closed() {
  [ -z "$(window_named "$1")" ]
}
# Sends keys to a box or dialog. Without a window manager the keyboard follows the pointer.
keys_to() {
  local target=$1
  shift
  if [ "$wm" = none ]; then
    read_box "$target"
    xdotool mousemove $((box_x + box_width / 2)) $((box_y + 5)) sleep 0.2
  fi
  xdotool key "$@"
}

# A quiet move while the capture is due: refused with the "Ошибка" box, the position kept.
forget_beeps
drag 5 2 4 3
expect_box "$error_title" $'Неверный ход.\nВы должны бить шашку противника.' "Ошибка" 00000000
take_screenshot error
keys_to "$box" Return
wait_for 5 box_closed "$error_title" || fail "Enter did not close the box Ошибка"
expect_board "refused capture" 5,2:white 4,3:empty 4,5:white 3,6:black
expect_beeps

# The capture.
drag 4 5 2 7
expect_beeps $simple_beep
expect_board capture 4,5:empty 3,6:empty 2,7:white

# --- The keyboard shortcuts and the About box -----------------------------------------------

about=""
find_about() {
  about=$(window_named "$about_title")
  [ -n "$about" ]
}
for keys in "alt+slash Return" "alt+question Escape"; do
  read -r shortcut closer <<<"$keys"
  focus_game
  xdotool key "$shortcut"
  wait_for 5 find_about || fail "$shortcut opened no About box"
  take_screenshot "about-$shortcut"
  read_box "$about"
  drawn_at $((box_x + 3)) $((box_y + box_height - 3)) || fail "the About box is not drawn"
  keys_to "$about" "$closer"
  wait_for 5 box_closed "$about_title" || fail "$closer did not close the About box"
done

# --- The menu: New game and Exit ------------------------------------------------------------

new_game_answer() {
  [ "$(sed -n 's/.*Ret  user32\.MessageBoxW() retval=\([0-9a-f]*\).*/\1/p' "$work/trace.log" |
    tail -1)" = "$1" ]
}
question=$'Вы хотите начать новую игру?'
# No (IDNO, 7): the button after the default Yes.
game_menu Down
expect_box "$question_title" "$question" "Новая игра" 00000024
keys_to "$box" Tab Return
wait_for 5 new_game_answer 00000007 || fail "the question was not answered No"
wait_for 5 box_closed "$question_title" || fail "the question stayed open"
expect_board "no new game" 4,5:empty 3,6:empty 2,7:white
# Yes (IDYES, 6), the default button: the opening position again.
game_menu Down
expect_box "$question_title" "$question" "Новая игра" 00000024
keys_to "$box" Return
wait_for 5 new_game_answer 00000006 || fail "the question was not answered Yes"
wait_for 5 box_closed "$question_title" || fail "the question stayed open"
expect_board "new game" 5,6:white 5,0:white 2,7:black 2,1:black 4,5:empty

# Narrowing the window below the panel's width: the size rule moves it back to the outer width
# of the client height + 350 and the outer height of the client height, without repainting.
# (Wine carries out the move for Windows but leaves the X window at the size it was given, so the
# move itself is what is checked.)
client_height_before=$((client_height - menu_height))
moves_before=$(calls_of MoveWindow | wc -l)
xdotool windowsize "$window" 500 "$client_height"
snapped() {
  [ "$(calls_of MoveWindow | wc -l)" -gt "$moves_before" ]
}
wait_for 5 snapped || fail "narrowing the window did not snap it back"
move=$(calls_of MoveWindow | tail -n +$((moves_before + 1)) | head -1)
move_is "$move" 50 50 $((client_height_before + 350)) "$client_height_before" 0 ||
  fail "the size rule moved the window with MoveWindow($move)"

exit_by_menu
echo "$e2e_name: passed"
