#!/usr/bin/env bash
# Builds the site (tools/build-web.sh), serves it on 127.0.0.1 and prints the address to open; where
# a desktop is at hand it opens the page in the desktop's browser too. Ctrl+C stops the server.
#
#   tools/run-web.sh [port]
#
# The port defaults to a free one.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/build-web.sh
site=$(preset_dir web)/site
port=${1:-$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')}

# Python's own server sends .wasm as application/wasm, which the browser's streaming compilation
# needs.
python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
trap 'exit 0' INT TERM
serving() {
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null
}
for _ in $(seq 50); do
  serving && break
  kill -0 "$server" 2>/dev/null || { echo "the server did not start on port $port" >&2; exit 1; }
  sleep 0.1
done
serving || { echo "the server did not answer on port $port" >&2; exit 1; }

address="http://127.0.0.1:$port/"
echo "Kordavelmix is served at $address (Ctrl+C stops it)"
if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && command -v xdg-open >/dev/null; then
  xdg-open "$address" >/dev/null 2>&1 || true
fi
wait "$server"
