#!/usr/bin/env bash
# Plays the Windows program under Wine with the keyboard alone and reads it from another process
# through Active Accessibility, as a screen reader does:
#
#   run-wine-a11y-e2e.sh --exe PROGRAM --client CLIENT --colours COLOURS [--artifacts DIR]
#
# PROGRAM is kordavelmix.exe with its images folder beside it; CLIENT is a11y_client.exe, an
# accessibility client of the test's own that reads the client area's object with
# AccessibleObjectFromWindow and hears the game's WinEvents out of context; COLOURS is
# swap_colours.exe, which changes the system's colours as a contrast theme does. DIR receives the
# client's lines and the game's output, for a look after a failure.
#
# The script first changes the system's colours and checks that the game draws its whole frame
# again, in its own colours while high contrast is off (Wine cannot turn it on). It checks the table «Доска», its 64 cells named as the position stands and the score's
# lines; plays four moves with keys sent by xdotool and checks the focus events on the cells the
# cursor reaches, the held piece's cell selected, and the live region's event with each turn's
# words; then a quiet move while a capture is due, which opens «Ошибка», closed by Enter. Every
# wait is bounded; everything started here is stopped on exit.
set -euo pipefail

exe=""
client=""
colours=""
e2e_name="wine e2e (accessibility)"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tests/e2e/wine-lib.sh
source "$(dirname "$0")/wine-lib.sh"

read_options --exe:required --client:required --colours:required --artifacts -- "$@"
[ -f "$exe" ] || fail "no program at '$exe'"
[ -f "$client" ] || fail "no accessibility client at '$client'"
[ -f "$colours" ] || fail "no program to change the colours at '$colours'"
prepare_artifacts
a11y_on_exit() {
  if [ -n "$artifacts" ]; then
    cp "$work/client.log" "$artifacts/" 2>/dev/null || true
  fi
}
trap 'a11y_on_exit; cleanup' EXIT

start_x
make_prefix
mkdir -p "$work/game/images"
cp "$exe" "$work/game/kordavelmix.exe"
cp "$(dirname "$exe")"/images/*.png "$work/game/images/"
start_game "$work/game/kordavelmix.exe" "$work/game"
wait_for_board

# The system's colours change (WM_SYSCOLORCHANGE): the game asks for its whole client area to be
# drawn again, as Wine's trace of InvalidateRect (the window, no rectangle, no erase) shows, and
# with high contrast off the frame is the game's own, the grey panel included.
whole_repaints() {
  calls_of InvalidateRect | grep -cE ',0+,[0-9a-f]*00000000$' || true
}
repaints_before=$(whole_repaints)
WINEDEBUG=-all wine "$colours" || fail "the system's colours did not change"
repainted() {
  [ "$(whole_repaints)" -gt "$repaints_before" ]
}
wait_for 5 repainted || fail "the game did not draw its frame again when the colours changed"
expect_board "the colours' change" 5,6:white 2,1:black 4,7:empty 3,0:empty
colour=$(panel_colour)
near "$colour" "$panel_grey" || fail "after the colours' change the panel is $colour, not grey"

# The client, beside the game, once it has read the tree and listens.
(WINEDEBUG=-all exec wine "$client") >"$work/client.log" 2>/dev/null &
client_pid=$!
pids+=("$client_pid")
client_ready() {
  grep -qx ready "$work/client.log"
}
wait_for 30 client_ready || fail "the client did not start: $(cat "$work/client.log")"

# What a screen reader finds at the start: the table, its cells row by row, the score's lines.
said() {
  grep -qxF "$1" "$work/client.log"
}
expect_said() {
  wait_for 5 said "$1" || fail "the client did not hear «$1»; it heard: $(tail -8 "$work/client.log")"
}
expect_said "table Доска 68"
start=("-b-b-b-b" "b-b-b-b-" "-b-b-b-b" ".-.-.-.-" "-.-.-.-." "w-w-w-w-" "-w-w-w-w" "w-w-w-w-")
declare -A words=([w]="белая шашка" [b]="черная шашка" [.]="пусто" [-]="светлое поле")
files=abcdefgh
for row in {0..7}; do
  for col in {0..7}; do
    piece=${start[row]:col:1}
    expect_said "cell $((row * 8 + col + 1)) ${files:col:1}$((8 - row)), ${words[$piece]}"
  done
done
for line in "Счет: " "Игрок: 12" "AI: 12"; do
  expect_said "line $line"
done

keys() {
  local key
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.2
  done
}

# The first move square by square, from c3: the focus follows the cursor, the picked-up man's cell
# is selected, and the drop's words come through the live region.
focus_game
keys Right
expect_said "focus d3, светлое поле"
keys Right space
expect_said "focus e3, белая шашка"
expect_said "selected e3, белая шашка"
keys Up Left
expect_said "focus e4, светлое поле"
expect_said "focus d4, пусто"
keys Return
expect_said "live Вы: e3-d4. Компьютер: b6-a5."

# Three more moves, each from where the cursor stands, with the words of each turn.
keys Down Down Right Right space Up Left Return
expect_said "live Вы: f2-e3. Компьютер: a7-b6."
keys Up Left space Up Left Return
expect_said "live Вы: d4-c5. Компьютер: b6:d4:f2:h4. Игрок: 9, AI: 12."
keys Down Down Down Right Right Right Right Right space Up Left Return
expect_said "live Вы: h2-g3. Компьютер: h4:f2. Игрок: 8, AI: 12."

# A quiet move while a capture is due: the «Ошибка» box, closed by Enter.
keys Left Left Left Left Left Left space Up Right Return
expect_said "dialog Ошибка"
window_closed() {
  [ -z "$(window_named '^Ошибка$')" ]
}
keys Return
wait_for 5 window_closed || fail "Enter did not close «Ошибка»"
client_done() {
  ! kill -0 "$client_pid" 2>/dev/null
}
wait_for 10 client_done || fail "the client did not end"
wait "$client_pid" || fail "the client ended with status $?"
echo "$e2e_name: passed"
