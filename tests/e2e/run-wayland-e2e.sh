#!/usr/bin/env bash
# Starts the installed game natively on a real Wayland compositor, as on a Wayland desktop:
#
#   run-wayland-e2e.sh (--build BUILD_DIR | --prefix PREFIX) [--artifacts DIR]
#
# --build installs BUILD_DIR into a temporary prefix first; --prefix takes an installation that is
# already there (for example /usr, from the Debian package). DIR receives the screenshot and the
# game's output, for a look after a failure.
#
# Weston runs headless with its software renderer, and with its debug protocols so that a client
# may take a screenshot, in a runtime folder of this run's own. The game, started with Qt's Wayland
# platform from an unrelated working directory, must announce its desktop id as its app id (read
# from the Wayland protocol trace), show its board on the screenshot, and print nothing on stderr
# but that trace. Every wait is bounded; everything started here is stopped on exit.
set -euo pipefail

socket=kordavelmix-e2e

e2e_name="wayland e2e"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

read_options --build --prefix --artifacts -- "$@"
prepare_artifacts
locate_installation
e2e_on_exit() {
  if [ -n "$artifacts" ]; then
    cp "$work"/game.* "$work"/weston.log "$artifacts/" 2>/dev/null || true
  fi
}

# --- The compositor -------------------------------------------------------------------------

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
  --socket="$socket" --debug >"$work/weston.log" 2>&1 &
pids+=($!)
compositor_ready() {
  [ -S "$XDG_RUNTIME_DIR/$socket" ]
}
wait_for 10 compositor_ready || fail "weston did not start: $(tail -3 "$work/weston.log")"
export WAYLAND_DISPLAY=$socket

# --- The game, natively -----------------------------------------------------------------------

mkdir "$work/elsewhere" "$work/shots"
(cd "$work/elsewhere" && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 exec "$game") \
  >"$work/game.out" 2>"$work/game.err" &
game_pid=$!
pids+=("$game_pid")

announced=""
app_id_announced() {
  announced=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$work/game.err" |
    tail -1)
  [ -n "$announced" ] && return 0
  game_running || fail "the game ended at start: $(grep -v '^\[' "$work/game.err" | tail -3)"
  return 1
}
wait_for 15 app_id_announced || fail "the game announced no app id"
[ "$announced" = "$app_id" ] || fail "the game announced the app id '$announced', not '$app_id'"

# weston-screenshooter writes the whole output into its working directory.
board_on_screenshot() {
  rm -f "$work/shots"/*.png
  (cd "$work/shots" && weston-screenshooter) >/dev/null 2>&1 || return 1
  screen=$(ls "$work/shots"/*.png 2>/dev/null | head -1)
  [ -n "$screen" ] || return 1
  [ "$(pixels_of_colour 0 0 1024 768 "$light_square")" -ge 20000 ] &&
    [ "$(pixels_of_colour 0 0 1024 768 "$dark_square")" -ge 20000 ]
}
wait_for 10 board_on_screenshot || fail "no board on the screenshot"
if [ -n "$artifacts" ]; then
  cp "$screen" "$artifacts/screen.png"
fi

kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
noise=$(grep -v '^\[' "$work/game.err" || true)
[ -z "$noise" ] || fail "the game wrote to stderr: $noise"
echo "$e2e_name: passed"
