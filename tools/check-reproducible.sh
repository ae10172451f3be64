#!/usr/bin/env bash
# Shows that the packages are reproducible: the Debian package, the Windows program, its MSI, its
# zip and the web site are each built as the package and build commands build them, then again
# from scratch in a second folder with the clock moved on by a day, and the two must be the same
# bytes. Where they differ,
# diffoscope's report says how, and the check fails. Prints the SHA256 sums of both builds side by
# side.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

use_commit_time
deb=$(preset_dir deb)
windows=$(preset_dir windows)
web=$(preset_dir web)
tools/package-debian.sh >/dev/null
tools/package-windows.sh >/dev/null
tools/build-web.sh >/dev/null

# The second builds: other folders, a later clock.
rm -rf "$deb-again" "$windows-again" "$web-again"
faketime -f '+1d' tools/package-debian.sh "$deb-again" >/dev/null
faketime -f '+1d' tools/package-windows.sh "$windows-again" >/dev/null
faketime -f '+1d' tools/build-web.sh "$web-again" >/dev/null

pairs=()
for file in "$deb"/package/*.deb "$windows/kordavelmix.exe" "$windows"/package/*.msi \
  "$windows"/package/*.zip "$web/SHA256SUMS"; do
  case "$file" in
    "$deb"/*) pairs+=("$file" "$deb-again${file#"$deb"}") ;;
    "$web"/*) pairs+=("$file" "$web-again${file#"$web"}") ;;
    *) pairs+=("$file" "$windows-again${file#"$windows"}") ;;
  esac
done

differ=0
for ((i = 0; i < ${#pairs[@]}; i += 2)); do
  first=${pairs[i]} second=${pairs[i + 1]}
  printf '%s  %s\n%s  %s\n' "$(sha256sum <"$first" | cut -d' ' -f1)" "${first#"$PWD/"}" \
    "$(sha256sum <"$second" | cut -d' ' -f1)" "${second#"$PWD/"}"
  if ! cmp -s "$first" "$second"; then
    echo "NOT REPRODUCIBLE: $(basename "$first") differs between the two builds:"
    # The site is compared by the sums of its files: what differs is shown of the folders.
    case "$first" in
      "$web"/*) diffoscope --text - "$web/site" "$web-again/site" || true ;;
      *) diffoscope --text - "$first" "$second" || true ;;
    esac
    differ=1
  fi
done
[ "$differ" -eq 0 ] || exit 1
echo "Every package is the same bytes in both builds."
