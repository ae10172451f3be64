#!/usr/bin/env bash
# Runs a Windows program under Wine, the way CTest runs the cross-built tests:
#
#   wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
#
# PREFIX is the Wine prefix, made on first use (by one caller at a time), with the score panel's
# font. No window of Wine's own asks for Mono or Gecko, and Wine's own diagnostics stay off; the
# program's output and exit status are Wine's.
set -euo pipefail
# shellcheck source=tools/wine-fonts.sh
source "$(dirname "$0")/wine-fonts.sh"

prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  replace_times_font
) 9>"$prefix.lock"
exec wine "$@"
