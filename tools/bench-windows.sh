#!/usr/bin/env bash
# Builds the Windows program's frame benchmark (the preset windows-tests) and runs it under Wine on
# a private Xvfb screen, so that a frame includes its transfer to the X server as a window on a
# desktop does; the screen holds the largest frame measured, that of a 192-dpi display. The
# figures depend on the machine; `nproc` and the first lines of `lscpu` come first.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tools/xserver.sh
source tools/xserver.sh

tools/build-windows.sh --tests >/dev/null
echo "nproc: $(nproc)"
lscpu | grep -E '^(Model name|CPU\(s\)|Hypervisor)' || true
wine --version 2>/dev/null
# From the build folder, where the piece images lie beside the program. Wine's server is stopped
# before the X server goes.
bench_under_wine() {
  local status=0
  "$OLDPWD/tools/wine-run.sh" "$PWD/wine" bench/kordavelmix_win32_bench.exe || status=$?
  WINEPREFIX="$PWD/wine" wineserver -k || true
  return $status
}
cd "$(preset_dir windows-tests)" || exit 1
with_xserver 1920x1200 bench_under_wine
