// Two read-only questions about the player's side asked after a drop: may the capturing piece jump
// again, and is the player left without any move.

#include "game/board.h"
#include "game/direction.h"

namespace {

constexpr Direction kAgainDirs[4] = {{+1, +1}, {-1, +1}, {+1, -1}, {-1, -1}};
// The two forward directions of the player's men come first: men look at those two only.
constexpr Direction kNoMoveDirs[4] = {{+1, -1}, {-1, -1}, {+1, +1}, {-1, +1}};

}  // namespace

// Short jumps only, from the square whatever stands on it: a king that could capture only at a
// distance does not continue.
int Board::CanCaptureAgain(int row, int col) const {
  for (const Direction& dir : kAgainDirs) {
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
    const int examined = piece.state == Man ? 2 : 4;
    int blocked = 0;
    for (int d = 0; d < examined; ++d) {
      const int nextRow = piece.row + kNoMoveDirs[d].rowStep;
      const int nextCol = piece.col + kNoMoveDirs[d].colStep;
      const int beyondRow = piece.row + 2 * kNoMoveDirs[d].rowStep;
      const int beyondCol = piece.col + 2 * kNoMoveDirs[d].colStep;
      // A piece can neither step onto nor jump over one of its own side.
      if (!IsOnBoard(nextRow, nextCol) || IsOccupied(player, nextRow, nextCol)) {
        ++blocked;
      } else if (IsOccupied(cpu, nextRow, nextCol) &&
                 (!IsOnBoard(beyondRow, beyondCol) || IsOccupied(player, beyondRow, beyondCol) ||
                  IsOccupied(cpu, beyondRow, beyondCol))) {
        ++blocked;
      }
    }
    if (blocked >= examined) {
      ++stuck;
    }
  }
  if (HasCapture()) {
    return 0;
  }
  return stuck >= player.count ? 1 : 0;
}
