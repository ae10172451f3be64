#!/usr/bin/env bash
# Builds the Windows program's frame benchmark and runs it under Wine on a private Xvfb screen, so
# that a frame includes its transfer to the X server as a window on a desktop does. The figures
# depend on the machine; `nproc` and the first lines of `lscpu` come first.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build-windows.sh --tests >/dev/null
echo "nproc: $(nproc)"
lscpu | grep -E '^(Model name|CPU\(s\)|Hypervisor)' || true
wine --version 2>/dev/null
# From the build folder, where the piece images lie beside the program. Wine's server is stopped
# before the X server goes.
cd build-windows
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c \
  '../tools/wine-run.sh "$PWD/wine" bench/kordavelmix_win32_bench.exe; status=$?
   WINEPREFIX="$PWD/wine" wineserver -k; exit $status'
