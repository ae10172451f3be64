#!/usr/bin/env bash
# Builds the fuzz target with clang and runs it for a bounded time (seconds, default 60), starting
# from the committed seed corpus. New inputs the fuzzer finds go to a work corpus in the build
# directory, never into fuzz/corpus. An input that breaks the game is kept in
# build-fuzz/artifacts/; commit it as fuzz/corpus/crash-<name> and the regression tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build-fuzz

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORDAVELMIX_FUZZ=ON -DKORDAVELMIX_GUI=OFF -DKORDAVELMIX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target kordavelmix_fuzz

mkdir -p "$build/work-corpus" "$build/artifacts"
"$build/fuzz/kordavelmix_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$build/work-corpus" fuzz/corpus
