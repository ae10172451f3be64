#!/usr/bin/env bash
# Builds the game as a static site, compiled to WebAssembly with Emscripten in Release (the preset
# web), installing what is missing first, and leaves the whole site in build-web/site/, with the
# SHA256 sums of its files in build-web/SHA256SUMS: put that folder on any web server or static
# host. The same commit builds the same site, byte for byte. With --tests it builds the preset
# web-tests instead: the site with the core's test programs, which run under Node, and installs
# the browser test's npm client from its lockfile (ctest --preset web-tests). A build folder may be
# given in place of the preset's.
#
#   tools/build-web.sh [--tests] [BUILD_DIR]
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

preset=web
if [ "${1:-}" = --tests ]; then
  preset=web-tests
  shift
fi
if [ $# -gt 1 ] || [[ "${1:-}" == -* ]]; then
  echo "usage: $0 [--tests] [BUILD_DIR]" >&2
  exit 2
fi
build=${1:-$(preset_dir "$preset")}

if [ "$preset" = web ]; then
  tools/install-deps.sh web
else
  tools/install-deps.sh web-test
  # The browser test's client.
  npm_tools tests/e2e/web
fi

cmake --preset "$preset" -B "$build" >/dev/null
cmake --build "$build"
write_sums "$build/site" "$build/SHA256SUMS"
echo "Built $build/site/ and its $build/SHA256SUMS"
