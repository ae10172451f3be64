#!/usr/bin/env bash
# Builds Kordavelmix and starts it, installing what is missing first. The game runs from the
# repository root, where it finds its piece images.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/install-deps.sh run
cmake --workflow --preset game
exec "$(preset_dir game)/app/qt/kordavelmix"
