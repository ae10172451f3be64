#!/usr/bin/env bash
# Checks that the built program runs on a bare Windows: linked statically, it imports only
# USER32, GDI32, GDI+ and KERNEL32, Active Accessibility's OLEACC and COM's OLE32 and OLEAUT32,
# which every Windows since XP has, and the C runtime msvcrt that comes with them. A DLL beyond these (a MinGW runtime, or a system DLL the game has no need
# of) fails the check.
#
#   check-imports.sh OBJDUMP PROGRAM
set -euo pipefail

objdump=$1
program=$2
allowed=" gdi32.dll gdiplus.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll user32.dll "

imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
[ -n "$imports" ] || {
  echo "no imports found in $program" >&2
  exit 1
}
failures=0
for dll in $imports; do
  if [[ "$allowed" != *" $dll "* ]]; then
    echo "$program imports $dll, which a bare Windows may not have" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "imports: ${imports//$'\n'/ }"
exit "$failures"
