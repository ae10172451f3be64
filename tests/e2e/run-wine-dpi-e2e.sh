#!/usr/bin/env bash
# Plays the Windows program under Wine on a display of a high resolution, with real pointer and
# key events:
#
#   run-wine-dpi-e2e.sh --exe PROGRAM --dpi DPI [--wm none|openbox] [--artifacts DIR]
#
# PROGRAM is kordavelmix.exe, with its images folder beside it. In a fresh Wine prefix the game is
# started once at Wine's own 96 dpi, for the rows its score lines occupy and the size of its About
# box, and then again with the desktop's LogPixels set to DPI. There the window must open at
# (50, 50) x DPI / 96 with the outer size 850 x 500 x DPI / 96 (its X window is the client area and
# the menu bar, inside a frame as wide at the bottom as at the sides); the board must be square
# and fill the client height up to the rounding to whole cells; the heading and the two count
# lines must occupy the rows of the 96-dpi run scaled by DPI / 96, without overlapping; a drag
# with real pointer events must land on the square under the pointer and the computer answer it;
# the About box must open, scaled like the window; and Exit must end the program. DIR receives
# the screenshots and Wine's trace of the game's calls. Every wait is bounded; everything started
# here is stopped on exit.
set -euo pipefail

exe=""
dpi=""
e2e_name="wine dpi e2e"
# The window at 192 dpi, 1700 x 1000 from (100, 100), fits on this screen.
screen_size=1920x1200
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tests/e2e/wine-lib.sh
source "$(dirname "$0")/wine-lib.sh"

read_options --exe:required --dpi:required --wm --artifacts -- "$@"
[ -f "$exe" ] || fail "no program at '$exe'"
[[ "$dpi" =~ ^[0-9]+$ ]] && [ "$dpi" -gt 96 ] || fail "give --dpi above 96"
e2e_name="wine e2e at $dpi dpi (window manager: $wm)"
prepare_artifacts

# Game pixels to device pixels at the run's resolution, rounded up as the game rounds them.
device() {
  echo $((($1 * dpi + 95) / 96))
}
# A device measure against the 96-dpi one: within a few game pixels of it scaled.
scaled_near() {
  local measured=$1 at96=$2 slack=$3
  [ $((measured * 96 - at96 * dpi)) -le $((slack * dpi)) ] &&
    [ $((at96 * dpi - measured * 96)) -le $((slack * dpi)) ]
}

# The bands of rows of the score panel (from the given column of the client area, right of the
# board, to its right edge, below the menu bar) that hold pixels of exactly the colour "r g b",
# as "top bottom" lines, counted from the top of the board.
panel_rows() {
  local left=$((client_x + $1)) top=$((client_y + menu_height))
  local width=$((client_x + client_width - left)) height=$((client_height - menu_height))
  local r g b previous=-2 first=-1 row
  read -r r g b <<<"$2"
  while read -r row; do
    if [ "$row" -ne $((previous + 1)) ]; then
      [ "$first" -lt 0 ] || echo "$first $previous"
      first=$row
    fi
    previous=$row
  done < <(convert "$screen" -crop "${width}x${height}+${left}+${top}" +repage \
    -fill black +opaque "rgb($r,$g,$b)" -fill white -opaque "rgb($r,$g,$b)" \
    -scale "1x${height}!" -threshold 0 -depth 8 txt:- | sed -n 's/^0,\([0-9]*\):.*#FFFFFF.*/\1/p')
  [ "$first" -lt 0 ] || echo "$first $previous"
}

# The score lines as three bands of rows: the green heading, then the blue count lines.
score_rows() {
  local panel_left=$1
  { panel_rows "$panel_left" "0 255 0"; panel_rows "$panel_left" "0 0 255"; } | paste -sd ' '
}

# How far the board's square colours reach from its top-left corner, in device pixels: down its
# left edge and along its top edge (just inside, where no piece covers the squares).
board_reach() {
  local axis=$1 crop index=0 last=-1 colour
  if [ "$axis" = down ]; then
    crop="1x$((client_height - menu_height))+$((client_x + 1))+$((client_y + menu_height))"
  else
    crop="${client_width}x1+${client_x}+$((client_y + menu_height + 1))"
  fi
  while IFS= read -r colour; do
    if near "$colour" "$light_square" || near "$colour" "$dark_square"; then
      last=$index
    fi
    index=$((index + 1))
  done < <(convert "$screen" -crop "$crop" +repage -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p')
  echo $((last + 1))
}

open_about() {
  focus_game
  xdotool key alt+slash
  find_about() {
    about=$(window_named "$about_title")
    [ -n "$about" ]
  }
  wait_for 5 find_about || fail "Alt+/ opened no About box"
  about_drawn() {
    take_screenshot "about-$1"
    read_box "$about"
    drawn_at $((box_x + 3)) $((box_y + box_height - 3))
  }
  wait_for 5 about_drawn "$1" || fail "the About box is not drawn"
  if [ "$wm" = none ]; then
    xdotool mousemove $((box_x + box_width / 2)) $((box_y + 5)) sleep 0.2
  fi
  xdotool key Escape
  about_closed() {
    [ -z "$(window_named "$about_title")" ]
  }
  wait_for 5 about_closed || fail "Esc did not close the About box"
}

start_x
make_prefix
# A program started while the server that made the prefix still runs may draw the bold italic
# score upright; one started by a new server reads the font settings as the prefix keeps them.
wineserver -w
game_dir="$work/game"
mkdir -p "$game_dir/images"
cp "$exe" "$game_dir/kordavelmix.exe"
cp "$(dirname "$exe")"/images/*.png "$game_dir/images/"

# --- At 96 dpi: the rows of the score lines and the size of the About box --------------------

start_game "$game_dir/kordavelmix.exe" "$game_dir"
wait_for_board
rows_96=$(score_rows "$(board_reach across)")
open_about 96
about_96="$box_width $box_height"
exit_by_menu
# The next program reads the desktop's resolution when it starts.
wineserver -w
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

# --- At the high resolution ------------------------------------------------------------------

start_game "$game_dir/kordavelmix.exe" "$game_dir"
x0=$(device 50)
y0=$(device 50)
outer_width=$(device 850)
outer_height=$(device 500)
move_is "$(calls_of MoveWindow | head -1)" "$x0" "$y0" "$outer_width" "$outer_height" 1 ||
  fail "the window was not placed at ($x0, $y0) with $outer_width x $outer_height:" \
    "MoveWindow($(calls_of MoveWindow | head -1))"
wait_for_board
border=$((client_x - x0))
outer="$((client_width + 2 * border)) $((client_y - y0 + client_height + border))"
[ "$outer" = "$outer_width $outer_height" ] ||
  fail "the window's outer size is $outer, not $outer_width $outer_height (X window at" \
    "$client_x,$client_y, $client_width x $client_height)"

# The board: a square as high as the client area but for the rounding down to whole cells,
# which leaves at most a cell's rounding (8 game pixels) below it.
client_rows=$((client_height - menu_height))
down=$(board_reach down)
across=$(board_reach across)
[ $((client_rows - down)) -ge 0 ] && [ $((client_rows - down)) -le "$(device 8)" ] ||
  fail "the board reaches $down of the client area's $client_rows rows"
[ $((down - across)) -le 1 ] && [ $((across - down)) -le 1 ] ||
  fail "the board is $across x $down device pixels, not square"

# The score lines: each band of rows where the 96-dpi run had it, scaled, and in the same order.
rows=$(score_rows "$across")
read -r -a bands <<<"$rows"
read -r -a bands_96 <<<"$rows_96"
[ ${#bands[@]} -eq 6 ] && [ ${#bands_96[@]} -eq 6 ] ||
  fail "the score lines occupy the rows '$rows' (at 96 dpi '$rows_96'), not three bands"
for i in 0 1 2 3 4 5; do
  scaled_near "${bands[i]}" "${bands_96[i]}" 3 ||
    fail "the score lines occupy the rows '$rows', at 96 dpi '$rows_96'"
done
[ "${bands[1]}" -lt "${bands[2]}" ] && [ "${bands[3]}" -lt "${bands[4]}" ] ||
  fail "the score lines overlap: rows '$rows'"

# A move with the pointer, and the computer's answer.
play_first_move

# The About box, as much larger as the display's pixels are smaller.
open_about "$dpi"
read -r about_width_96 about_height_96 <<<"$about_96"
scaled_near "$box_width" "$about_width_96" 20 && scaled_near "$box_height" "$about_height_96" 20 ||
  fail "the About box is $box_width x $box_height, at 96 dpi $about_96"

take_screenshot "$dpi-dpi"
exit_by_menu
echo "$e2e_name: window $outer_width x $outer_height at ($x0, $y0); board $across x $down of" \
  "$client_rows client rows; score rows (heading, player, computer) $rows, at 96 dpi $rows_96;" \
  "About box $box_width x $box_height, at 96 dpi $about_96"
echo "$e2e_name: passed"
