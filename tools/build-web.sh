#!/usr/bin/env bash
# Builds the game as a static site, compiled to WebAssembly with Emscripten in Release (the preset
# web), installing what is missing first, and leaves the whole site in build-web/site/: put that
# folder on any web server or static host. With --tests it builds the preset web-tests instead: the
# site with the core's test programs, which run under Node, and installs the browser test's npm
# client from its lockfile (ctest --preset web-tests).
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

case "${1:-}" in
  "")
    tools/install-deps.sh web
    preset=web
    ;;
  --tests)
    tools/install-deps.sh web-test
    preset=web-tests
    # The browser test's client, exactly as the lockfile pins it, installed again when it changes.
    npm_folder=tests/e2e/web
    if [ ! "$npm_folder/node_modules/.package-lock.json" -nt "$npm_folder/package-lock.json" ]; then
      npm ci --prefix "$npm_folder" --no-audit --no-fund
    fi
    ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
echo "Built $(preset_dir "$preset")/site/"
