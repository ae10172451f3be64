#!/usr/bin/env bash
# Builds Kordavelmix and runs every test, installing what is missing first: the whole suite (the
# preset test; the benchmarks are built too, so that they keep compiling), then the Windows program
# and its tests cross-built and run under Wine (windows-tests), then the site with the core's tests
# compiled to WebAssembly and run under Node, and the site played in headless Chromium
# (web-tests), then the suite again under AddressSanitizer and UndefinedBehaviorSanitizer (asan),
# then a short fuzzing run from the seed corpus (fuzz), the Debian package's round trip (built,
# installed, played on a real X server, purged), and last every package built a second time and
# compared byte for byte.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/install-deps.sh test
cmake --workflow --preset test

tools/build-windows.sh --tests
ctest --preset windows-tests

tools/build-web.sh --tests
ctest --preset web-tests

tools/sanitize.sh
# The fuzzer's progress goes to a log; its closing lines, or the whole tail on a failure, are shown.
if tools/fuzz.sh 30 >fuzz.log 2>&1; then
  grep -E '^(Done|stat::)' fuzz.log
else
  tail -n 60 fuzz.log
  exit 1
fi

tools/e2e.sh
tools/check-reproducible.sh
