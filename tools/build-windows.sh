#!/usr/bin/env bash
# Cross-builds the Windows program in Release (the preset windows), installing what is missing
# first, and leaves kordavelmix.exe with its piece images in images/ in the build folder: copy
# both to any Windows (64-bit) and start the program. With --tests it builds the preset
# windows-tests instead: the program with the test programs and the frame benchmark, which run
# under Wine (ctest --preset windows-tests).
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

case "${1:-}" in
  "")
    tools/install-deps.sh windows
    preset=windows
    ;;
  --tests)
    tools/install-deps.sh test
    preset=windows-tests
    ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
build=$(preset_dir "$preset")
echo "Built $build/kordavelmix.exe and $build/images/"
