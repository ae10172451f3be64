#!/usr/bin/env bash
# Installs, plays and removes the Windows packages under Wine, as a player on Windows would:
#
#   run-wine-install-e2e.sh --msi MSI --zip ZIP --version VERSION [--artifacts DIR]
#
# In a fresh Wine prefix on a private X server: `msiexec /i … /qn` installs the MSI; the program
# and its four piece images, and nothing else, are in Program Files\Kordavelmix; the Start-menu
# shortcut "Kordavelmix" starts the installed program in its folder; the installed-programs list
# has the game with its version, publisher and icon. The installed game, started from an unrelated
# working directory, opens its window and plays one move with real pointer events, and Exit ends
# it. `msiexec /x … /qn` removes it: no file, folder, shortcut or registry key of the game is
# left. Then the zip, unpacked into a folder whose path holds Cyrillic letters and spaces, plays
# the same move. Every wait is bounded; everything started here is stopped on exit.
set -euo pipefail

msi=""
zip=""
version=""
e2e_name="wine install e2e"
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tests/e2e/wine-lib.sh
source "$(dirname "$0")/wine-lib.sh"

read_options --msi:required --zip:required --version:required --artifacts -- "$@"
[ -f "$msi" ] || fail "no installer at '$msi': run tools/package-windows.sh"
[ -f "$zip" ] || fail "no zip at '$zip': run tools/package-windows.sh"
msi=$(realpath "$msi")
zip=$(realpath "$zip")
prepare_artifacts

start_x
make_prefix
mkdir "$work/elsewhere"

# --- Installed with the MSI -----------------------------------------------------------------

wine msiexec /i "$(winepath -w "$msi")" /qn >"$work/msiexec.log" 2>&1 ||
  fail "msiexec /i ended with status $?"
install_dir="$WINEPREFIX/drive_c/Program Files/Kordavelmix"
installed=$(cd "$install_dir" 2>/dev/null && find . -type f | sort | paste -sd ' ') ||
  fail "nothing installed in Program Files\\Kordavelmix"
wanted=$(printf './%s\n' "${piece_images[@]}" kordavelmix.exe | sort | paste -sd ' ')
[ "$installed" = "$wanted" ] || fail "Program Files\\Kordavelmix holds '$installed'"

# Wine keeps the Start menu of all users in the user's own profile.
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Kordavelmix.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut Kordavelmix"
# The target stands in the link's 8-bit part, the working directory in its UTF-16 part.
link_strings=$(strings -a "$shortcut"; strings -a -el "$shortcut")
grep -qxF 'C:\Program Files\Kordavelmix\kordavelmix.exe' <<<"$link_strings" &&
  grep -qxF 'C:\Program Files\Kordavelmix\' <<<"$link_strings" ||
  fail "the shortcut does not start the installed program in its folder: $link_strings"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entry=$(wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
  awk '/^HKEY/ { key = $0 } /DisplayName +REG_SZ +Kordavelmix$/ { print key }')
[ "$(wc -l <<<"$entry")" -eq 1 ] && [ -n "$entry" ] ||
  fail "the installed-programs list has '$entry' for Kordavelmix"
details=$(wine reg query "$entry" 2>/dev/null | tr -d '\r')
grep -qE "DisplayVersion +REG_SZ +$version\$" <<<"$details" || fail "the entry's version is wrong"
grep -qE "Publisher +REG_SZ +$publisher\$" <<<"$details" || fail "the entry's publisher is wrong"
# The list shows the icon that Windows Installer keeps with the product.
icon=$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *ProductIcon *REG_SZ *//p' | head -1)
[ -n "$icon" ] && [ -s "$(winepath -u "$icon" 2>/dev/null)" ] || fail "no icon for the entry"

start_game 'C:\Program Files\Kordavelmix\kordavelmix.exe' "$work/elsewhere"
wait_for_board
play_first_move
exit_by_menu

# --- Removed ----------------------------------------------------------------------------------

wine msiexec /x "$(winepath -w "$msi")" /qn >>"$work/msiexec.log" 2>&1 ||
  fail "msiexec /x ended with status $?"
[ ! -e "$install_dir" ] || fail "Program Files\\Kordavelmix is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
left=$(find "$WINEPREFIX/drive_c" -iname '*kordavelmix*' | head -3)
[ -z "$left" ] || fail "left after removal: $left"
! wine reg query 'HKLM\Software\Kordavelmix' >/dev/null 2>&1 ||
  fail "the registry key Software\\Kordavelmix is still there"
! wine reg query "$entry" >/dev/null 2>&1 || fail "the installed-programs entry is still there"

# --- Unpacked from the zip ------------------------------------------------------------------

unpacked="$work/Мои игры/Шашки с компьютером"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
[ -f "$unpacked/Kordavelmix/README.txt" ] || fail "the zip has no read-me"
start_game "$unpacked/Kordavelmix/kordavelmix.exe" "$work/elsewhere"
wait_for_board
play_first_move
exit_by_menu
echo "$e2e_name: passed"
