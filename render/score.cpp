// The score panel right of the board: a green heading and each side's remaining pieces in blue.
#include <cstdio>
#include <string_view>

#include "game/board.h"
#include "render/appearance.h"
#include "render/surface.h"

namespace {

// Room for the longest count line: "Игрок: " is 13 bytes of UTF-8 and a 32-bit count at most 11
// characters ("-2147483648").
constexpr int kLineCapacity = 32;

}  // namespace

void Board::DrawScore(Surface& surface, int boardSide) const {
  DrawLabel(surface, boardSide + ScorePanel::kHeadingX, ScorePanel::kHeadingY,
            ScorePanel::kHeadingPoints, ScorePanel::kHeading, LabelGreen);

  char line[kLineCapacity];
  std::snprintf(line, sizeof line, ScorePanel::kPlayerLine, playerCount);
  DrawLabel(surface, boardSide + ScorePanel::kCountX, ScorePanel::kPlayerY,
            ScorePanel::kCountPoints, line, LabelBlue);
  std::snprintf(line, sizeof line, ScorePanel::kCpuLine, cpuCount);
  DrawLabel(surface, boardSide + ScorePanel::kCountX, ScorePanel::kCpuY, ScorePanel::kCountPoints,
            line, LabelBlue);
}

void Board::DrawLabel(Surface& surface, int x, int y, int size, const char* text,
                      int colourCode) const {
  const FontSpec font{ScorePanel::kFontFamily, static_cast<float>(size), true, true};
  const std::uint32_t argb = colourCode == LabelGreen ? Colour::Heading : Colour::Count;
  surface.DrawText(text, font, argb, static_cast<float>(x), static_cast<float>(y));
}
