#!/usr/bin/env bash
# Cross-builds the Windows program in Release, installing what is missing first, and leaves
# build-windows/kordavelmix.exe with its piece images in build-windows/images/: copy both to any
# Windows (64-bit) and start the program. With --tests it also builds the test programs and the
# frame benchmark, which run under Wine (ctest --test-dir build-windows); a build folder that has
# them keeps them.
set -euo pipefail
cd "$(dirname "$0")/.."

options=()
case "${1:-}" in
  "")
    tools/install-deps.sh windows
    if [ ! -f build-windows/CMakeCache.txt ]; then
      options=(-DKORDAVELMIX_TESTS=OFF -DKORDAVELMIX_BENCH=OFF)
    fi
    ;;
  --tests)
    tools/install-deps.sh test
    options=(-DKORDAVELMIX_TESTS=ON -DKORDAVELMIX_BENCH=ON)
    ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release "${options[@]}" >/dev/null
cmake --build build-windows -j"$(nproc)"
echo "Built build-windows/kordavelmix.exe and build-windows/images/"
