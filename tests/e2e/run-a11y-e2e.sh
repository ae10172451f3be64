#!/usr/bin/env bash
# Plays the installed game with the keyboard alone on a private X server, inside a D-Bus session
# of its own, and reads it from outside through AT-SPI as a screen reader does (a11y_play.py); with
# --orca, with Orca running, whose speech is read from its debug log:
#
#   run-a11y-e2e.sh --build BUILD_DIR [--orca] [--artifacts DIR]
#
# BUILD_DIR is installed into a temporary prefix first. DIR receives the game's and Orca's output,
# for a look after a failure.
set -euo pipefail

orca=false
e2e_name="e2e (AT-SPI)"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

read_options --build:required --orca:switch --artifacts -- "$@"
$orca && e2e_name="e2e (AT-SPI, Orca)"
prepare_artifacts
e2e_on_exit() {
  if [ -n "$artifacts" ]; then
    cp "$work"/*.log "$work"/orca.out "$artifacts/" 2>/dev/null || true
  fi
}

locate_installation
start_x

options=(--game "$game" --log "$work/game.log")
if $orca; then
  mkdir -p "$work/orca"
  options+=(--orca "$work/orca.out" --orca-prefs "$work/orca")
fi
# Debian's own Python, where python3-pyatspi is installed.
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/a11y_play.py" "${options[@]}" \
  2> >(grep -v '^dbus-daemon\|^SpiRegistry daemon' >&2)
