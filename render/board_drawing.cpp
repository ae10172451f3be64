// The board layers of one frame: squares, both sides' pieces with the dragged one following the
// pointer, the score panel and the red path of the computer's last move. Every layer paints over
// the one before it, so the call order below is the stacking order on screen.
#include <algorithm>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "render/appearance.h"
#include "render/palette.h"
#include "render/surface.h"

namespace {

// The image of a piece of the given side and state, or nullptr for values no piece may hold.
const char* ImageFor(int colour, int state) {
  if (colour == BlackSide) {
    return state == Man ? PieceImage::iblack : state == King ? PieceImage::iKblack : nullptr;
  }
  if (colour == WhiteSide) {
    return state == Man ? PieceImage::iwhite : state == King ? PieceImage::iKwhite : nullptr;
  }
  return nullptr;
}

// A piece as a shape, for high contrast: a square an eighth of the cell in from its edges, filled
// for the computer and hollow for the player, a king's with a square in its middle that stands out
// from the rest of it; a dragged piece ringed in the path's colour.
void DrawPieceShape(Surface& surface, const Palette& palette, int colour, int state, int x, int y,
                    int cell, bool dragged) {
  if ((colour != BlackSide && colour != WhiteSide) || (state != Man && state != King)) {
    return;
  }
  const int inset = cell / 8;
  const int side = cell - 2 * inset;
  const int width = std::max(2, cell / 10);
  if (side <= 2 * width) {
    return;
  }
  const int left = x + inset;
  const int top = y + inset;
  if (dragged) {
    FrameSquare(surface, left - width, top - width, side + 2 * width, width, palette.path);
  }
  const bool filled = colour == BlackSide;
  if (filled) {
    surface.FillRect(left, top, side, side, palette.piece);
  } else {
    FrameSquare(surface, left, top, side, width, palette.piece);
  }
  if (state == King) {
    const int mark = side / 3;
    surface.FillRect(left + (side - mark) / 2, top + (side - mark) / 2, mark, mark,
                     filled ? palette.darkSquare : palette.piece);
  }
}

void DrawPiece(Surface& surface, int colour, int state, int x, int y, int cell, bool dragged) {
  const Palette& palette = CurrentPalette();
  if (palette.shapes) {
    DrawPieceShape(surface, palette, colour, state, x, y, cell, dragged);
  } else if (const char* image = ImageFor(colour, state)) {
    surface.DrawImage(image, x, y, cell, cell);
  }
}

}  // namespace

// The geometry is stored first: it is what the pixel-to-square conversion of the next mouse event
// works from, so it must describe exactly the frame the player sees.
void Board::DrawBoard(int left, int top, int cell, Surface& surface, int count,
                      const MoveStep* steps) {
  originX = left;
  originY = top;
  cellSize = cell;
  DrawSquares(left, top, cell, surface);
  DrawPieces(left, top, cell, surface);
  DrawScore(surface, cell * kBoardSide);

  // A count past the trace's capacity can only come from a damaged trace; the stored steps are
  // all there is to draw.
  const int shown = std::min(count, CpuPlayer::kMaxSteps);
  const int half = cell / 2;
  for (int i = 0; i < shown; ++i) {
    const MoveStep& step = steps[i];
    surface.DrawLine(left + step.fromCol * cell + half, top + step.fromRow * cell + half,
                     left + step.toCol * cell + half, top + step.toRow * cell + half,
                     CurrentPalette().path, kPathWidth);
  }
}

// Walks the board in 2 x 2 blocks, column pair by column pair; each block's top-left square is
// light, which gives the chequer with dark squares where row + column is odd.
void Board::DrawSquares(int left, int top, int cell, Surface& surface) const {
  constexpr int kBlocks = kBoardSide / 2;
  const std::uint32_t light = CurrentPalette().lightSquare;
  const std::uint32_t dark = CurrentPalette().darkSquare;
  for (int i = 0; i < kBlocks; ++i) {
    for (int j = 0; j < kBlocks; ++j) {
      const int x = left + 2 * i * cell;
      const int y = top + 2 * j * cell;
      surface.FillRect(x, y, cell, cell, light);
      surface.FillRect(x + cell, y, cell, cell, dark);
      surface.FillRect(x + cell, y + cell, cell, cell, light);
      surface.FillRect(x, y + cell, cell, cell, dark);
    }
  }
}

// The player's pieces go on top of the computer's, so a dragged piece passes over both.
void Board::DrawPieces(int left, int top, int cell, Surface& surface) const {
  DrawPieceSet(left, top, cell, surface, cpu);
  DrawPieceSet(left, top, cell, surface, player);
}

// The piece standing on the drag square is left out of its place and drawn last, centred on the
// pointer, so its square shows empty and the piece lies above every other one.
void Board::DrawPieceSet(int left, int top, int cell, Surface& surface, const PieceSet& set) const {
  const int live = std::min(set.count, PieceSet::kCapacity);
  int dragged = -1;
  for (int k = 0; k < live; ++k) {
    const Piece& piece = set.pieces[k];
    if (dragState == Dragging && dragCol == piece.col && dragRow == piece.row) {
      dragged = k;
      continue;
    }
    DrawPiece(surface, set.colour, piece.state, left + piece.col * cell, top + piece.row * cell,
              cell, false);
  }
  if (dragged >= 0) {
    DrawPiece(surface, set.colour, set.pieces[dragged].state, mouseX - cell / 2, mouseY - cell / 2,
              cell, true);
  }
}
