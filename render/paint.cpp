#include "render/paint.h"

#include <algorithm>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "render/appearance.h"
#include "render/surface.h"

std::int32_t boardWidth = 0;
std::int32_t boardHeight = 0;
std::int32_t clientWidth = 0;

void SetWindowMetrics(int width, int height) {
  clientWidth = width;
  boardWidth = height;
  boardHeight = height;
}

namespace {

constexpr std::uint32_t kBlankStrip = 0xFF000000;

// A frame just inside the square's edges, on top of the piece, the path and a dragged piece.
void FrameSquare(Surface& surface, const Cell& square, int cell) {
  const int width = std::max(kCursorMinWidth, cell / kCursorWidthDivisor);
  if (cell <= 2 * width) {
    return;
  }
  const int x = theBoard.originX + square.col * cell;
  const int y = theBoard.originY + square.row * cell;
  surface.FillRect(x, y, cell, width, Colour::Cursor);
  surface.FillRect(x, y + cell - width, cell, width, Colour::Cursor);
  surface.FillRect(x, y + width, width, cell - 2 * width, Colour::Cursor);
  surface.FillRect(x + cell - width, y + width, width, cell - 2 * width, Colour::Cursor);
}

}  // namespace

void ClearBoardStrips(Surface& surface, int height) {
  const int boardSide = std::min(boardWidth, boardHeight) / kBoardSide * kBoardSide;
  surface.FillRect(boardSide, 0, boardWidth - boardSide, height, kBlankStrip);
  surface.FillRect(0, boardSide, boardWidth, height - boardSide, kBlankStrip);
}

// The frame is composed whole off-screen and shown in one transfer, so a drag never flickers. The
// surface is not cleared: the panel fill and the squares cover all of it but the thin strips
// right of and below the board that a cell size rounded down leaves over.
void PaintMainWindow(WindowTarget& window, const Cell* framed) {
  const int cell = std::min(boardWidth, boardHeight) / kBoardSide;
  Surface& surface = window.BeginFrame(clientWidth, boardHeight);
  surface.FillRect(boardWidth, 0, clientWidth, boardHeight, Colour::Panel);
  theBoard.DrawBoard(0, 0, cell, surface, theCpuPlayer.shownSteps, theCpuPlayer.steps);
  if (framed != nullptr && Board::IsOnBoard(framed->row, framed->col)) {
    FrameSquare(surface, *framed, cell);
  }
  window.EndFrame(clientWidth, boardHeight);
}
