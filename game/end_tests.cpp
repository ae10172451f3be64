// Two read-only questions about the player's side asked after a drop: may the capturing piece jump
// again, and is the player left without any move.

#include <span>

#include "game/board.h"
#include "game/direction.h"

// Short jumps only, from the square whatever stands on it: a king that could capture only at a
// distance does not continue.
int Board::CanCaptureAgain(int row, int col) const {
  for (const Direction& dir : kDiagonals) {
    if (HasShortJump(row, col, dir.colStep, dir.rowStep)) {
      return 1;
    }
  }
  return 0;
}

int Board::PlayerHasNoMove() const {
  int stuck = 0;
  for (int i = 0; i < player.count; ++i) {
    const Piece& piece = player.pieces[i];
    // A man looks at its two forward directions only, a king at all four.
    const std::span<const Direction> examined =
        piece.state == Man ? std::span<const Direction>(kPlayerForward) : kDiagonals;
    int blocked = 0;
    for (const Direction& dir : examined) {
      const int nextRow = piece.row + dir.rowStep;
      const int nextCol = piece.col + dir.colStep;
      // A piece can neither step onto nor jump over one of its own side, and passes a computer
      // piece only by the short jump over it.
      if (!IsOnBoard(nextRow, nextCol) || IsOccupied(player, nextRow, nextCol) ||
          (IsOccupied(cpu, nextRow, nextCol) &&
           !HasShortJump(piece.row, piece.col, dir.colStep, dir.rowStep))) {
        ++blocked;
      }
    }
    if (blocked >= static_cast<int>(examined.size())) {
      ++stuck;
    }
  }
  if (HasCapture()) {
    return 0;
  }
  return stuck >= player.count ? 1 : 0;
}
