// The score panel right of the board: a green heading and each side's remaining pieces in blue.
#include "render/score.h"

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "game/board.h"
#include "render/appearance.h"
#include "render/palette.h"
#include "render/surface.h"

ScoreLine ScorePanelLine(int line, std::int32_t playerCount, std::int32_t cpuCount, int boardSide) {
  ScoreLine shown{};
  if (line == kHeadingLine) {
    std::snprintf(shown.text, sizeof shown.text, "%s", ScorePanel::kHeading);
    shown.x = boardSide + ScorePanel::kHeadingX;
    shown.y = ScorePanel::kHeadingY;
    shown.points = ScorePanel::kHeadingPoints;
    shown.colourCode = LabelGreen;
    return shown;
  }
  const bool player = line == kPlayerLine;
  std::snprintf(shown.text, sizeof shown.text,
                player ? ScorePanel::kPlayerLine : ScorePanel::kCpuLine,
                player ? playerCount : cpuCount);
  shown.x = boardSide + ScorePanel::kCountX;
  shown.y = player ? ScorePanel::kPlayerY : ScorePanel::kCpuY;
  shown.points = ScorePanel::kCountPoints;
  shown.colourCode = LabelBlue;
  return shown;
}

void Board::DrawScore(Surface& surface, int boardSide) const {
  for (int i = 0; i < kScoreLines; ++i) {
    const ScoreLine line = ScorePanelLine(i, playerCount, cpuCount, boardSide);
    DrawLabel(surface, line.x, line.y, line.points, line.text, line.colourCode);
  }
}

void Board::DrawLabel(Surface& surface, int x, int y, int size, const char* text,
                      int colourCode) const {
  const FontSpec font{ScorePanel::kFontFamily, static_cast<float>(size), true, true};
  const std::uint32_t argb =
      colourCode == LabelGreen ? CurrentPalette().heading : CurrentPalette().count;
  surface.DrawText(text, font, argb, static_cast<float>(x), static_cast<float>(y));
}

void DrawMoves(Surface& surface, std::span<const std::string> moves, int boardSide,
               int panelHeight) {
  const int room = panelHeight - ScorePanel::kMovesY;
  const std::size_t fit =
      room > 0 ? static_cast<std::size_t>(room / ScorePanel::kMoveLinePixels) : 0;
  const std::size_t first = moves.size() > fit ? moves.size() - fit : 0;
  const FontSpec font{ScorePanel::kFontFamily, static_cast<float>(ScorePanel::kMovePoints), true,
                      true};
  for (std::size_t i = first; i < moves.size(); ++i) {
    const int y = ScorePanel::kMovesY + static_cast<int>(i - first) * ScorePanel::kMoveLinePixels;
    surface.DrawText(moves[i], font, CurrentPalette().count,
                     static_cast<float>(boardSide + ScorePanel::kCountX), static_cast<float>(y));
  }
}
