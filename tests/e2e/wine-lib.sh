# What the end-to-end scripts of the Windows program share, sourced after lib.sh: a Wine prefix
# of the run's own, the game started under Wine with a trace of the calls the checks read, the
# sounds, window moves and repaints read from that trace, the game's menu, and one opening move.

# shellcheck source=tools/wine-fonts.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-fonts.sh"

export WINEPREFIX="$work/prefix"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
# The MessageBeep types of the sounds, as Wine's trace prints them.
asterisk=00000040
exclamation=00000030
simple_beep=ffffffff

e2e_on_exit() {
  if [ -n "$artifacts" ] && [ -f "$work/trace.log" ]; then
    grep -E 'user32\.(MessageBeep|MessageBoxW|MoveWindow)' "$work/trace.log" \
      >"$artifacts/calls.log" || true
  fi
  if [ -d "$WINEPREFIX" ]; then
    timeout 10 wineserver -k 2>/dev/null || true
  fi
}

# Makes the prefix: no Mono or Gecko prompts, "Times New Roman" (which Wine lacks) drawn by
# Liberation Serif, and a trace of only the calls the checks read. Needs the X server.
make_prefix() {
  timeout 60 wineboot -i >"$work/wineboot.log" 2>&1 ||
    fail "wineboot did not make the prefix: $(tail -5 "$work/wineboot.log")"
  replace_times_font
  wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
    /d 'user32.MessageBeep;user32.MessageBoxW;user32.MoveWindow;user32.InvalidateRect' /f \
    >/dev/null 2>&1
}

# Starts the program (a Unix or a Windows path) from the working directory given and waits for its
# window; sets game_pid. Its output goes to $work/game.log, the trace to $work/trace.log.
start_game() {
  local program=$1 folder=$2
  (cd "$folder" && WINEDEBUG=-all,+relay exec wine "$program") >"$work/game.log" \
    2>"$work/trace.log" &
  game_pid=$!
  pids+=("$game_pid")
  # The first start in a new prefix takes a while.
  wait_for 40 find_window || fail "no window titled Kordavelmix"
}

# Every call of one function in the trace since the game started, its arguments one call a line.
calls_of() {
  sed -n "s/.*Call user32\.$1(\(.*\)) ret=.*/\1/p" "$work/trace.log"
}

# Whether a MoveWindow call's arguments (hex, as traced) are the given x, y, width, height and
# repaint flag. The integer arguments travel in 64-bit registers, of which the call reads only the
# low half.
move_is() {
  local hwnd x y width height repaint
  IFS=, read -r hwnd x y width height repaint <<<"$1"
  [ -n "$hwnd" ] && [ -n "$repaint" ] || return 1
  [ "$((16#${x: -8}))" -eq "$2" ] && [ "$((16#${y: -8}))" -eq "$3" ] &&
    [ "$((16#${width: -8}))" -eq "$4" ] && [ "$((16#${height: -8}))" -eq "$5" ] &&
    [ "$((16#${repaint: -8}))" -eq "$6" ]
}

beeps_seen=0
# Forgets the calls so far: the next expect_beeps looks only at later ones.
forget_beeps() {
  beeps_seen=$(calls_of MessageBeep | wc -l)
}
# The types of the MessageBeep calls since forget_beeps, on one line.
new_beeps() {
  calls_of MessageBeep | tail -n +$((beeps_seen + 1)) | paste -sd ' '
}
beeps_are() {
  [ "$(new_beeps)" = "$*" ]
}
expect_beeps() {
  wait_for 5 beeps_are "$@" || fail "expected MessageBeep with '$*', the game called it with" \
    "'$(new_beeps)'"
}

# The colour of the panel in the last screenshot, "red green blue", 10 pixels in from the lower
# right corner of the client area.
panel_colour() {
  colours_at "$((client_x + client_width - 10)),$((client_y + client_height - 10))"
}

# Keys go to the game's window: the one with the focus, or, without a window manager, the one
# under the pointer.
focus_game() {
  if [ "$wm" = openbox ]; then
    xdotool windowactivate --sync "$window"
  fi
  xdotool mousemove $((client_x + client_width - 20)) $((client_y + client_height - 20)) sleep 0.2
}

# Opens the "Игра" menu by a click on its title and picks an item with the keys given: Down to
# the first item, Up round to the last.
game_menu() {
  focus_game
  xdotool mousemove $((client_x + 18)) $((client_y + menu_height / 2)) sleep 0.2 click 1 \
    sleep 0.5 key "$1" sleep 0.2 key Return
}

# The opening step: the man on row 5, column 6 follows the pointer to row 4, column 7 with the
# step's sound, and the computer answers at once with its path in red.
play_first_move() {
  local x1 y1 x2 y2
  expect_board start 5,6:white 5,0:white 2,1:black 2,7:black 4,7:empty 3,0:empty
  forget_beeps
  read -r x1 y1 <<<"$(square_centre 5 6)"
  read -r x2 y2 <<<"$(square_centre 3 4)"
  xdotool mousemove "$x1" "$y1" mousedown 1 sleep 0.05 mousemove "$x2" "$y2"
  expect_board "carrying" 5,6:empty 3,4:white
  read -r x2 y2 <<<"$(square_centre 4 7)"
  xdotool mousemove "$x2" "$y2" sleep 0.05 mouseup 1
  expect_beeps $asterisk
  expect_board step 5,6:empty 4,7:white 2,1-3,0:red 3,0:black
}

# Exit, the last item of the "Игра" menu, ends the program with status 0.
exit_by_menu() {
  local status=0
  game_menu Up
  game_ended() {
    ! game_running
  }
  wait_for 10 game_ended || fail "Выход did not end the game"
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the game ended with status $status"
}
