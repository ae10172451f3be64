#!/usr/bin/env bash
# Builds the whole test suite, the Qt front end and its tests included, with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it. Any report fails the run: the build stops at the first
# finding instead of recovering. Leaks are checked at every program's exit, the game started by the
# end-to-end tests included; tools/lsan.supp names the few that belong to system libraries.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDAVELMIX_SANITIZE=ON \
  -DKORDAVELMIX_GUI=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/../tools/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
