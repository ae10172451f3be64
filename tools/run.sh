#!/usr/bin/env bash
# Builds Kordavelmix and starts it, installing what is missing first. The game runs from the
# repository root, where it finds its piece images.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh run
cmake -S . -B build-game -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDAVELMIX_TESTS=OFF
cmake --build build-game -j"$(nproc)" --target kordavelmix
exec build-game/app/qt/kordavelmix
