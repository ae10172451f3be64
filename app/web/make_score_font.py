#!/usr/bin/python3
"""Cuts the score panel's web font: Liberation Serif Bold Italic reduced to the glyphs the panel
draws, the heading and the two count lines declared in facts.json with every decimal digit and
the minus sign, and the game's moves that it shows on a screen held upright, as WOFF2. The font's licence reserves the name Liberation, so the cut face is
renamed. Debian's fonttools and python3-brotli:

    make_score_font.py FACTS_JSON SOURCE_TTF FAMILY OUTPUT_WOFF2
"""

import json
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# The panel's texts, as facts.json names them; printf's conversion takes a signed decimal.
TEXTS = ("scoreHeading", "scorePlayerLine", "scoreCpuLine")
NUMBER = "0123456789-"
# A move as players of Russian draughts write it: "12. c3-d4 f6:d4:b2".
MOVES = "abcdefgh.-: "
STYLE = "Bold Italic"


def panel_characters(facts):
    with open(facts, encoding="utf-8") as file:
        appearance = json.load(file)["appearance"]
    characters = set(NUMBER + MOVES)
    for name in TEXTS:
        characters.update(appearance[name].replace("%d", ""))
    return "".join(sorted(characters))


def main():
    facts, source, family, output = sys.argv[1:]
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14, 16, 17]
    options.hinting = False
    options.drop_tables += ["FFTM"]
    # The source's own date stays, so the same source cuts the same bytes.
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=panel_characters(facts))
    subsetter.subset(font)
    # Family, unique id, full name, PostScript name and typographic family.
    names = {
        1: family,
        3: f"{family} {STYLE}",
        4: f"{family} {STYLE}",
        6: family.replace(" ", "") + "-" + STYLE.replace(" ", ""),
        16: family,
    }
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.flavor = "woff2"
    font.save(output, reorderTables=True)


if __name__ == "__main__":
    main()
