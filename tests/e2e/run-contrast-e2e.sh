#!/usr/bin/env bash
# Turns GNOME's high-contrast setting on and off while the installed game runs on a private X
# server, and checks the window's pixels:
#
#   run-contrast-e2e.sh (--build BUILD_DIR | --prefix PREFIX) [--artifacts DIR] [--screenshot FILE]
#
# --build installs BUILD_DIR into a temporary prefix first; --prefix takes an installation that is
# already there (for example /usr, from the Debian package). DIR receives the screenshots and the
# game's output, for a look after a failure; FILE receives the game's window in high contrast after
# the move, as a PNG without time stamps, so that the same frame gives the same bytes.
#
# GNOME's settings live in a file of the run's own, with no desktop session: the gsettings command
# writes it and the game watches it. After one move, with the computer's path on the board, the
# setting is turned on: the light and the dark squares must then stand 3:1 apart, a piece's edge
# 3:1 from its dark square, the path 3:1 from either square and the panel's text 7:1 from the
# panel. Turned off again, the game's own colours must come back. Every wait is bounded;
# everything started here is stopped on exit.
set -euo pipefail

# The least contrast ratios of high contrast, as WCAG counts them: of shapes against each other and
# against what is behind them, and of text against its background.
shape_contrast=3
text_contrast=7

screenshot=""
e2e_name="contrast e2e"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

read_options --build --prefix --artifacts --screenshot -- "$@"
prepare_artifacts
locate_installation
e2e_on_exit() {
  if [ -n "$artifacts" ] && [ -f "$work/game.log" ]; then
    cp "$work/game.log" "$artifacts/"
  fi
}

export GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
high_contrast() {
  gsettings set "$contrast_schema" "$contrast_key" "$1"
}
# The game starts with the setting off, in the file it will watch.
high_contrast false

# The contrast ratio of two colours given as "red green blue", as WCAG counts it, cut (not rounded)
# to two decimals, so that a ratio just short of a limit does not pass for it.
contrast_ratio() {
  awk -v a="$1" -v b="$2" '
    function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    function luminance(rgb, p) {
      split(rgb, p, " ")
      return 0.2126 * linear(p[1]) + 0.7152 * linear(p[2]) + 0.0722 * linear(p[3]) + 0.05
    }
    BEGIN {
      x = luminance(a)
      y = luminance(b)
      printf "%.2f\n", int(100 * (x > y ? x / y : y / x)) / 100
    }'
}
# Fails the run unless two colours stand at least the given ratio apart; prints the ratio.
expect_contrast() {
  local what=$1 least=$2 ratio
  ratio=$(contrast_ratio "$3" "$4")
  awk -v ratio="$ratio" -v least="$least" 'BEGIN { exit !(ratio >= least) }' ||
    fail "$what: ($3) against ($4) is $ratio:1, less than $least:1"
  echo "$e2e_name: $what $ratio:1"
}

start_x
(cd "$work" && QT_QPA_PLATFORM=xcb exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
wait_for 20 find_window || fail "no window titled Kordavelmix"
wait_for_board

drag 5 6 4 7
expect_board step 5,6:empty 4,7:white 2,1-3,0:red

# Points of the board: the light square in the corner, the corner of the dark square under the
# player's man on 5,0, that man's left edge and the middle of the computer's path.
read -r light_x light_y <<<"$(square_centre 0 0)"
read -r man_x man_y <<<"$(square_centre 5 0)"
read -r from_x from_y <<<"$(square_centre 2 1)"
read -r to_x to_y <<<"$(square_centre 3 0)"
dark_point="$((man_x - cell / 2 + 2)),$((man_y - cell / 2 + 2))"
edge_point="$((man_x - cell / 2 + cell / 8 + 1)),$man_y"
path_point="$(((from_x + to_x) / 2)),$(((from_y + to_y) / 2))"
# 0 if a new screenshot shows the light square in the game's own colour.
game_colours() {
  take_screenshot "$1"
  near "$(colours_at "$light_x,$light_y")" "$light_square"
}
other_colours() {
  ! game_colours "$1"
}

high_contrast true
wait_for 5 other_colours high-contrast || fail "the frame kept the game's colours in high contrast"
{
  read -r light
  read -r dark
  read -r edge
  read -r path
} < <(colours_at "$light_x,$light_y" "$dark_point" "$edge_point" "$path_point")
expect_contrast "light and dark squares" "$shape_contrast" "$light" "$dark"
expect_contrast "a piece's edge on its dark square" "$shape_contrast" "$edge" "$dark"
expect_contrast "the path on a light square" "$shape_contrast" "$path" "$light"
expect_contrast "the path on a dark square" "$shape_contrast" "$path" "$dark"

# The panel right of the board: its commonest colour, and its text in the colour that stands out
# most from it.
panel_x=$((client_x + 8 * cell + 2))
panel_y=$((client_y + menu_height))
mapfile -t panel_colours < <(convert "$screen" -crop \
  "$((client_x + client_width - panel_x))x$((client_height - menu_height))+$panel_x+$panel_y" \
  +repage -depth 8 -format %c histogram:info:- |
  sed -n 's/^ *\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p' |
  sort -rn | cut -d' ' -f2-)
panel=${panel_colours[0]}
text=$(for colour in "${panel_colours[@]}"; do
  echo "$(contrast_ratio "$panel" "$colour") $colour"
done | sort -rn | head -1 | cut -d' ' -f2-)
expect_contrast "the panel's text" "$text_contrast" "$text" "$panel"
if [ -n "$screenshot" ]; then
  convert "$screen" -crop "${client_width}x${client_height}+$client_x+$client_y" +repage \
    -define png:exclude-chunks=date,time \
    "$screenshot"
fi

high_contrast false
wait_for 5 game_colours game-colours || fail "the game's colours did not come back"
echo "$e2e_name: passed"
