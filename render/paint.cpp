#include "render/paint.h"

#include <algorithm>
#include <cmath>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "render/appearance.h"
#include "render/palette.h"
#include "render/score.h"
#include "render/surface.h"

std::int32_t boardWidth = 0;
std::int32_t boardHeight = 0;
std::int32_t clientWidth = 0;
std::int32_t panelBelow = 0;

void SetWindowMetrics(int width, int height) {
  clientWidth = width;
  boardWidth = height;
  boardHeight = height;
  panelBelow = 0;
}

void SetUprightWindowMetrics(int width, int height) {
  clientWidth = width;
  boardWidth = width;
  boardHeight = width;
  panelBelow = std::max(0, height - width);
}

namespace {

constexpr std::uint32_t kBlankStrip = 0xFF000000;

// The score panel's lines are placed from the board's right edge and the top of the window. Where
// the panel lies below the board, they are moved by the board's side, left and down, so that they
// stand in the panel as they stand beside the board.
float BelowX(float x, int boardSide) {
  return x - static_cast<float>(boardSide);
}
float BelowY(float y, int boardSide) {
  return y + static_cast<float>(boardSide);
}

// A frame just inside the square's edges, on top of the piece, the path and a dragged piece.
void FrameCursor(Surface& surface, const Cell& square, int cell) {
  const int width = std::max(kCursorMinWidth, cell / kCursorWidthDivisor);
  if (cell <= 2 * width) {
    return;
  }
  const Rect rect = SquareRect(square.row, square.col);
  FrameSquare(surface, rect.x, rect.y, cell, width, CurrentPalette().cursor);
}

// Where the panel lies below the board, this surface moves the panel's lines into it; they are the
// only text of a frame, and everything else passes through unchanged.
class PanelBelowSurface : public Surface {
 public:
  PanelBelowSurface(Surface& surface, int boardSide) : surface_(surface), boardSide_(boardSide) {}

  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override {
    surface_.FillRect(x, y, width, height, argb);
  }
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override {
    surface_.DrawLine(x1, y1, x2, y2, argb, width);
  }
  void DrawImage(const char* path, int x, int y, int width, int height) override {
    surface_.DrawImage(path, x, y, width, height);
  }
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override {
    surface_.DrawText(text, font, argb, BelowX(x, boardSide_), BelowY(y, boardSide_));
  }

 private:
  Surface& surface_;
  int boardSide_;
};

}  // namespace

int BoardSide() {
  return std::min(boardWidth, boardHeight) / kBoardSide * kBoardSide;
}

Rect SquareRect(int row, int col) {
  const int cell = theBoard.cellSize;
  return {theBoard.originX + col * cell, theBoard.originY + row * cell, cell, cell};
}

Rect ScoreLineRect(int line) {
  const int side = BoardSide();
  const ScoreLine shown = ScorePanelLine(line, theBoard.playerCount, theBoard.cpuCount, side);
  int x = shown.x;
  int y = shown.y;
  if (panelBelow > 0) {
    x = static_cast<int>(BelowX(static_cast<float>(x), side));
    y = static_cast<int>(BelowY(static_cast<float>(y), side));
  }
  const auto height = static_cast<int>(
      std::ceil(static_cast<float>(shown.points) * kPixelsPerInch / kPointsPerInch));
  return {x, y, std::max(0, clientWidth - x), height};
}

Rect PanelRect() {
  if (panelBelow > 0) {
    return {0, boardHeight, clientWidth, panelBelow};
  }
  return {boardWidth, 0, std::max(0, clientWidth - boardWidth), boardHeight};
}

void ClearBoardStrips(Surface& surface, int height) {
  const int boardSide = BoardSide();
  surface.FillRect(boardSide, 0, boardWidth - boardSide, height, kBlankStrip);
  surface.FillRect(0, boardSide, boardWidth, height - boardSide, kBlankStrip);
}

// The frame is composed whole off-screen and shown in one transfer, so a drag never flickers. The
// surface is not cleared: the panel fill and the squares cover all of it but the thin strips
// right of and below the board that a cell size rounded down leaves over.
void PaintMainWindow(WindowTarget& window, const Cell* framed, std::span<const std::string> moves) {
  const int cell = BoardSide() / kBoardSide;
  const int height = boardHeight + panelBelow;
  Surface& surface = window.BeginFrame(clientWidth, height);
  if (panelBelow == 0) {
    surface.FillRect(boardWidth, 0, clientWidth, boardHeight, CurrentPalette().panel);
    theBoard.DrawBoard(0, 0, cell, surface, theCpuPlayer.shownSteps, theCpuPlayer.steps);
  } else {
    surface.FillRect(0, boardHeight, clientWidth, panelBelow, CurrentPalette().panel);
    PanelBelowSurface below(surface, cell * kBoardSide);
    DrawMoves(below, moves, cell * kBoardSide, panelBelow);
    theBoard.DrawBoard(0, 0, cell, below, theCpuPlayer.shownSteps, theCpuPlayer.steps);
  }
  if (framed != nullptr && Board::IsOnBoard(framed->row, framed->col)) {
    FrameCursor(surface, *framed, cell);
  }
  window.EndFrame(clientWidth, height);
}
