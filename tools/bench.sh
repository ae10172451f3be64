#!/usr/bin/env bash
# Builds the game and its benchmarks in Release with the Qt front end (the preset bench) and runs
# everything the speed goals name, each figure printed beside its goal: the game's own work and
# whole frames (Google Benchmark, with repetitions, medians reported), then start-up time,
# resident memory and X resources (tools/startup.sh). Frames are painted on a private Xvfb screen
# through Qt's xcb platform, so a frame includes its transfer to the X server as on a desktop.
# Extra arguments go to the benchmark program (for example --benchmark_filter=Frame). The figures
# depend on the machine: quote them with `nproc` and the first lines of `lscpu`, which this script
# prints first.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tools/xserver.sh
source tools/xserver.sh

cmake --preset bench >/dev/null
cmake --build --preset bench
build=$(preset_dir bench)

echo "nproc: $(nproc)"
lscpu | grep -E '^(Model name|CPU\(s\)|Thread|Core|Socket|CPU max MHz|Hypervisor)' || true
# A screen larger than the largest frame measured, so that no window is cut to the screen.
QT_QPA_PLATFORM=xcb with_xserver 3840x2400 "$build/bench/kordavelmix_bench" \
  --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
echo
tools/startup.sh "$build/app/qt/kordavelmix"
