# shellcheck shell=bash
# Facts about the game that scripts need, read with jq from facts.json, where the game's build
# reads them too: sourced by the tools and the end-to-end tests. Sets
#   app_id        the desktop id
#   publisher     who makes the packages
#   title         the game window's title
#   piece_images  the piece images as "images/<name>.png"
#   contrast_schema, contrast_key
#                 the GNOME setting whose high contrast the Linux front end follows
# and defines colour_rgb NAME, which prints a colour of the frame (White, Dark, Panel and the
# others of facts.json's appearance.colours) as "red green blue".

facts_json="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/facts.json"

app_id=$(jq -r .identity.appId "$facts_json")
publisher=$(jq -r .identity.publisher "$facts_json")
title=$(jq -r .identity.title "$facts_json")
contrast_schema=$(jq -r .desktop.contrastSchema "$facts_json")
contrast_key=$(jq -r .desktop.contrastKey "$facts_json")
mapfile -t piece_images < <(jq -r '.appearance.pieceImages[]' "$facts_json")

colour_rgb() {
  local hex
  hex=$(jq -r --arg name "$1" '.appearance.colours[$name] // empty' "$facts_json")
  [ ${#hex} -eq 7 ] || {
    echo "no colour $1 in facts.json" >&2
    return 1
  }
  echo "$((16#${hex:1:2})) $((16#${hex:3:2})) $((16#${hex:5:2}))"
}
