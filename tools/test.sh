#!/usr/bin/env bash
# Builds Kordavelmix and runs every test, installing what is missing first: the whole suite (the
# benchmarks are built too, so that they keep compiling), then the Windows program and its tests
# cross-built and run under Wine, then the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short fuzzing run from the seed corpus, and last the Debian
# package's round trip: built, installed, played on a real X server, purged.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDAVELMIX_TESTS=ON -DKORDAVELMIX_BENCH=ON
cmake --build build -j"$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

tools/build-windows.sh --tests
(cd build-windows && ctest --output-on-failure -j"$(nproc)")

tools/sanitize.sh
# The fuzzer's progress goes to a log; its closing lines, or the whole tail on a failure, are shown.
if tools/fuzz.sh 30 >fuzz.log 2>&1; then
  grep -E '^(Done|stat::)' fuzz.log
else
  tail -n 60 fuzz.log
  exit 1
fi

tools/e2e.sh
