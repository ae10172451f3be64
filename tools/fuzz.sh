#!/usr/bin/env bash
# Builds the fuzz target with clang (the preset fuzz) and runs it for a bounded time (seconds,
# default 60), starting from the committed seed corpus. New inputs the fuzzer finds go to a work
# corpus in the build folder, never into fuzz/corpus. An input that breaks the game is kept in the
# build folder's artifacts/; commit it as fuzz/corpus/crash-<name> and the regression tests replay
# it.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
build=$(preset_dir fuzz)

mkdir -p "$build/work-corpus" "$build/artifacts"
"$build/fuzz/kordavelmix_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$build/work-corpus" fuzz/corpus
