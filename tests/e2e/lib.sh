# shellcheck shell=bash
# The pieces the end-to-end scripts share, sourced by each: the script's options read from its
# arguments, bounded waits, everything started stopped on exit, a private X server with an optional
# window manager (tools/xserver.sh), screenshots read pixel by pixel, the board read off them, and
# pieces dragged with real pointer events.
#
# Before sourcing, a script sets e2e_name (the start of its messages); after it, it reads its
# arguments with read_options. It may define e2e_on_exit, run first on exit. It starts the game
# with its output in $work/game.log, sets game_pid, and calls find_window and then wait_for_board,
# which set window, client_x and client_y (the screen point of the window's client area, its menu
# bar included), client_width, client_height, menu_height and cell.

# Window names are Russian: xdotool reads them, and Wine names files, in the locale's encoding.
export LC_ALL=C.UTF-8

# The desktop id, the piece images and the colours of the frame the game draws, as "red green
# blue", from the game's source.
# shellcheck source=tools/facts.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/facts.sh"
light_square=$(colour_rgb White)
dark_square=$(colour_rgb Dark)
panel_grey=$(colour_rgb Panel)
# shellcheck source=tools/xserver.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xserver.sh"

# The names of the game's window and of its About box, as patterns for xdotool.
window_title='^Kordavelmix$'
about_title='^О программе Kordavelmix$'

# The options that the pieces below read, as they stand until the arguments say otherwise: the
# build folder or the installation played, the window manager and the folder that receives the
# screenshots and logs.
build=""
prefix=""
wm=none
artifacts=""

fail() {
  echo "$e2e_name: $*" >&2
  exit 1
}

# Fails the run for a wrong argument, with the script's usage: the lines of its opening comment
# from the one that starts with the script's name to the next empty one.
usage_error() {
  fail "$1; usage:"$'\n'"$(sed -n "/^#   $(basename "$0") /,/^#\$/{/^#\$/!s/^#//p}" "$0")"
}

# Reads the script's arguments by its options: read_options OPTION... -- "$@". Each OPTION is an
# option's name as given, such as --sound-program, whose value, the argument after it, goes into
# the variable of that name without the dashes and with "_" for "-" (sound_program). Written
# --name:required, the option must be given a value that is not empty; written --name:switch, it
# takes no value and sets its variable to true. An unknown option, a missing value or a missing
# required one fails the run with the script's usage.
read_options() {
  local -A kinds=()
  local option variable
  while [ "$1" != -- ]; do
    option=${1%:*}
    kinds[$option]=value
    if [[ "$1" == *:* ]]; then
      kinds[$option]=${1##*:}
    fi
    shift
  done
  shift
  while [ $# -gt 0 ]; do
    option=$1
    [ -n "${kinds[$option]:-}" ] || usage_error "unknown option $option"
    variable=$(option_variable "$option")
    if [ "${kinds[$option]}" = switch ]; then
      printf -v "$variable" true
      shift
    else
      [ $# -ge 2 ] || usage_error "$option takes a value"
      printf -v "$variable" '%s' "$2"
      shift 2
    fi
  done
  for option in "${!kinds[@]}"; do
    variable=$(option_variable "$option")
    if [ "${kinds[$option]}" = required ] && [ -z "${!variable:-}" ]; then
      usage_error "$option must be given"
    fi
  done
}
# The variable of an option: sound_program for --sound-program.
option_variable() {
  local name=${1#--}
  echo "${name//-/_}"
}

# Everything a script starts, stopped in reverse order on exit.
work=$(mktemp -d)
pids=()
cleanup() {
  local i
  if declare -F e2e_on_exit >/dev/null; then
    e2e_on_exit || true
  fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
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

# Prepares the artifacts folder, if one is given, for this run's screenshots.
prepare_artifacts() {
  if [ -n "$artifacts" ]; then
    mkdir -p "$artifacts"
    rm -f "$artifacts"/*.png "$artifacts"/*.log
  fi
}

# Starts the private X server, with the screen screen_size ("WIDTHxHEIGHT") if the script sets one,
# under the window manager wm, and exports DISPLAY.
start_x() {
  start_xserver "${screen_size:-}" "$wm" || fail "no X server (window manager: $wm)"
}

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

# --- The installed game ---------------------------------------------------------------------

# Sets prefix, game and data from build (installed into a prefix of the run's own first) or
# prefix (an installation already there, such as /usr from the Debian package): the program in
# games/, where Debian puts games, or in bin/, and its data folder.
locate_installation() {
  if { [ -z "$build" ] && [ -z "$prefix" ]; } || { [ -n "$build" ] && [ -n "$prefix" ]; }; then
    fail "give either --build or --prefix"
  fi
  if [ -n "$build" ]; then
    prefix="$work/prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
  fi
  prefix=$(realpath "$prefix")
  game="$prefix/games/kordavelmix"
  [ -x "$game" ] || game="$prefix/bin/kordavelmix"
  [ -x "$game" ] || fail "no program in $prefix/games or $prefix/bin"
  data="$prefix/share/kordavelmix"
}

# --- The game's window ----------------------------------------------------------------------

game_running() {
  kill -0 "$game_pid" 2>/dev/null
}

# The first visible window whose name matches the pattern, or nothing.
window_named() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true
}

# Sets window to the game's visible window; fails the run if the game has ended.
window=""
find_window() {
  window=$(window_named "$window_title")
  [ -n "$window" ] && return 0
  game_running || fail "the game ended at start: $(tail -3 "$work/game.log")"
  return 1
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

# How many pixels of the rectangle (x, y, width, height) of the last screenshot have exactly the
# colour given as "r g b".
pixels_of_colour() {
  local r g b
  read -r r g b <<<"$5"
  convert "$screen" -crop "$3x$4+$1+$2" +repage -fill black +opaque "rgb($r,$g,$b)" \
    -fill white -opaque "rgb($r,$g,$b)" -format '%[fx:round(mean*w*h)]' info:
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

# Sets menu_height: the board starts below the menu bar, which is as high as the rows above the
# first light square at the client area's left edge.
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

# Waits for the first frame of the board and sets menu_height and cell from it.
wait_for_board() {
  read_client
  first_frame() {
    take_screenshot start
    board_top
  }
  wait_for 10 first_frame || fail "no board drawn below the menu bar"
  cell=$(((client_height - menu_height) / 8))
}

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
