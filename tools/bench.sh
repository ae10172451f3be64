#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them with repetitions, reporting the median of each
# figure and each goal beside its figure. Extra arguments go to the benchmark program (for example
# --benchmark_filter=WholeTurn). The figures depend on the machine: quote them with `nproc` and
# the first lines of `lscpu`, which this script prints first.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKORDAVELMIX_BENCH=ON -DKORDAVELMIX_GUI=OFF \
  -DKORDAVELMIX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target kordavelmix_bench

echo "nproc: $(nproc)"
lscpu | grep -E '^(Model name|CPU\(s\)|Thread|Core|Socket|CPU max MHz|Hypervisor)' || true
"$build/bench/kordavelmix_bench" --benchmark_repetitions=10 \
  --benchmark_report_aggregates_only=true "$@"
