# shellcheck shell=bash
# A private X server for the tools and the end-to-end tests, the one way they all start one: Xvfb
# on a display it picks itself, optionally under a window manager, stopped again when the shell
# that started it exits. Sourced by tests/e2e/lib.sh and by the start-up, screenshot and benchmark
# tools.
#
#   start_xserver [SIZE [WM]]
#       starts Xvfb with a screen of SIZE ("WIDTHxHEIGHT", 1024x768 when empty) in this shell, and
#       the window manager WM (none, the default, or openbox), waits until both are ready and
#       exports DISPLAY; says what went wrong on stderr and returns 1 if either does not come up.
#       Both are stopped when the shell exits, after what the shell already does on exit, so that a
#       script's own clean-up ends the programs on the display while it is still there: a script
#       that sets a trap on EXIT sets it before.
#   with_xserver SIZE COMMAND [ARGUMENT...]
#       runs one command, or shell function, with DISPLAY on a server of its own without a window
#       manager, which is gone again when the command ends; the status is the command's.
#
# A script may give Xvfb options of its own in the array xserver_options before it starts one.

xserver_options=()
xserver_pids=()
xserver_folder=""
# What the shell did on exit before it started a server.
xserver_earlier_exit=""

# Ends the window manager, then the server, and forgets them.
stop_xserver() {
  local i
  for ((i = ${#xserver_pids[@]} - 1; i >= 0; i--)); do
    kill "${xserver_pids[i]}" 2>/dev/null || true
    wait "${xserver_pids[i]}" 2>/dev/null || true
  done
  xserver_pids=()
  if [ -n "$xserver_folder" ]; then
    rm -rf "$xserver_folder"
  fi
}

start_xserver() {
  local size=${1:-1024x768} wm=${2:-none} number="" on_exit
  case "$wm" in
    none | openbox) ;;
    *)
      echo "unknown window manager $wm" >&2
      return 1
      ;;
  esac
  if [ -z "$xserver_folder" ]; then
    on_exit=$(trap -p EXIT)
    eval "set -- $on_exit"
    xserver_earlier_exit=${3:-}
    trap 'eval "$xserver_earlier_exit"; stop_xserver' EXIT
    xserver_folder=$(mktemp -d)
  fi

  # Xvfb writes the number of the free display it took into the pipe once it accepts clients, and
  # closes it; a server that ends at start closes it without a word. It runs with -noreset: a
  # server that reset whenever its last client left would drop every connection being made at that
  # moment, so that the window manager, connecting just as the first xprop below leaves, or a game
  # started just as an xdotool call ends, would fail to open the display.
  mkfifo "$xserver_folder/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" "${xserver_options[@]}" -nolisten tcp -noreset \
    3>"$xserver_folder/display" </dev/null >"$xserver_folder/xvfb.log" 2>&1 &
  xserver_pids+=($!)
  read -r -t 10 number <"$xserver_folder/display" || true
  rm "$xserver_folder/display"
  if [ -z "$number" ]; then
    echo "Xvfb did not start: $(tail -3 "$xserver_folder/xvfb.log")" >&2
    return 1
  fi
  export DISPLAY=":$number"

  if [ "$wm" = openbox ]; then
    openbox --sm-disable </dev/null >"$xserver_folder/openbox.log" 2>&1 &
    xserver_pids+=($!)
    # A window manager that has taken the screen names its check window on the root window.
    if ! timeout 30 bash -c 'until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null |
      grep -q "window id"; do sleep 0.1; done'; then
      echo "openbox did not start: $(tail -3 "$xserver_folder/openbox.log")" >&2
      return 1
    fi
  fi
}

with_xserver() {
  local size=$1
  shift
  # The subshell has its own exit and its own server: the caller's clean-up is not run there.
  (
    trap - EXIT
    xserver_pids=()
    xserver_folder=""
    start_xserver "$size" || exit 1
    "$@"
  )
}
