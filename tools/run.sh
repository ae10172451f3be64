#!/usr/bin/env bash
# Builds Kordavelmix and starts it, installing what is missing first. The game runs from the
# repository root, where it finds its piece images.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target kordavelmix
exec build/app/qt/kordavelmix
