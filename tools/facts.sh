# shellcheck shell=bash
# Facts about the game that scripts need, read from the source that defines them rather than
# copied: sourced by the tools and the end-to-end tests. Sets
#   app_id        the desktop id (CMakeLists.txt)
#   publisher     who makes the packages (CMakeLists.txt)
#   piece_images  the piece images as "images/<name>.png" (render/appearance.h)
# and defines colour_rgb NAME, which prints a colour of the frame (render/appearance.h's Colour,
# such as White, Dark or Panel) as "red green blue".

facts_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

app_id=$(sed -n 's/^set(KORDAVELMIX_APP_ID \([^ )]*\))$/\1/p' "$facts_root/CMakeLists.txt")
publisher=$(sed -n 's/^set(KORDAVELMIX_PUBLISHER "\(.*\)")$/\1/p' "$facts_root/CMakeLists.txt")
mapfile -t piece_images < <(grep -o '"images/[A-Za-z_]*\.png"' "$facts_root/render/appearance.h" |
  tr -d '"')

colour_rgb() {
  local hex
  hex=$(sed -n "s/.* $1 = 0xFF\([0-9A-Fa-f]\{6\}\);.*/\1/p" "$facts_root/render/appearance.h")
  [ ${#hex} -eq 6 ] || {
    echo "no colour $1 in render/appearance.h" >&2
    return 1
  }
  echo "$((16#${hex:0:2})) $((16#${hex:2:2})) $((16#${hex:4:2}))"
}

if [ -z "$app_id" ] || [ -z "$publisher" ] || [ ${#piece_images[@]} -eq 0 ]; then
  echo "tools/facts.sh: the desktop id, publisher or piece images are missing from the source" >&2
  exit 1
fi
