#!/usr/bin/env bash
# Cross-builds the Windows program in Release, installing what is missing first, and leaves
# build-windows/kordavelmix.exe with its piece images in build-windows/images/: copy both to any
# Windows (64-bit) and start the program. With --tests it also builds the test programs and the
# frame benchmark, which run under Wine (ctest --test-dir build-windows).
set -euo pipefail
cd "$(dirname "$0")/.."

tests=OFF
case "${1:-}" in
  "") ;;
  --tests) tests=ON ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

if [ "$tests" = ON ]; then
  tools/install-deps.sh test
else
  tools/install-deps.sh windows
fi
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKORDAVELMIX_TESTS=$tests -DKORDAVELMIX_BENCH=$tests >/dev/null
cmake --build build-windows -j"$(nproc)"
echo "Built build-windows/kordavelmix.exe and build-windows/images/"
