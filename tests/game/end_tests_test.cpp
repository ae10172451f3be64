// After a drop: may the piece on the drop square jump again, and is the player left without a move.

#include <gtest/gtest.h>

#include "game/board.h"
#include "tests/support/position.h"

namespace {

struct AgainCase {
  const char* position;
  int row, col;
  bool again;
};

TEST(CanCaptureAgain, LooksForShortJumpsFromTheSquareOnly) {
  const AgainCase cases[] = {
      {"w4,3 b5,4", 4, 3, true},        // backward right
      {"w4,3 b5,2", 4, 3, true},        // backward left
      {"w4,3 b3,4", 4, 3, true},        // forward right
      {"w4,3 b3,2", 4, 3, true},        // forward left
      {"W4,3 b3,2", 4, 3, true},        // a king jumps short like a man
      {"W4,3 b2,5", 4, 3, false},       // a capture at a distance does not count
      {"w4,3 b3,4 b2,5", 4, 3, false},  // the square beyond holds a computer piece
      {"w4,3 w2,5 b3,4", 4, 3, false},  // ... or a piece of the player
      {"w1,6 b0,7", 1, 6, false},       // ... or lies off the board
      {"w4,3 w6,1 b5,2", 6, 1, false},  // only the given square is asked about
  };
  for (const AgainCase& c : cases) {
    Board board;
    SetPosition(board, c.position);
    EXPECT_EQ(board.CanCaptureAgain(c.row, c.col), c.again ? 1 : 0) << c.position;
  }
}

struct NoMoveCase {
  const char* name;
  const char* position;
  bool noMove;
};

TEST(PlayerHasNoMove, IsTrueOnlyWhenEveryPieceIsStuckAndNothingCanCapture) {
  const NoMoveCase cases[] = {
      {"no pieces left", "b0,1", true},
      {"a free man", "w5,2 b0,1", false},
      {"a man on the left edge facing a covered piece", "w5,0 b4,1 b3,2", true},
      {"a man facing a piece it can jump", "w5,0 b4,1", false},
      {"a man that could only step backward", "w1,0 b0,1", true},
      {"a capture keeps the player in the game however blocked the rest is",
       "w5,0 b4,1 b3,2 w4,5 b3,6", false},
      {"a king with one empty neighbour", "W4,3 b3,4 b2,5 b3,2 b2,1 b5,2 b6,1", false},
      {"a king with all four neighbours blocked", "W4,3 b3,4 b2,5 b3,2 b2,1 b5,2 b6,1 b5,4 b6,5",
       true},
      // A piece can neither step onto nor jump over its own side: the king's backward neighbour
      // holds the player's own man, which is stuck itself.
      {"a king walled in by its own man", "W4,3 w5,4 b3,4 b2,5 b3,2 b2,1 b5,2 b6,1 b4,5 b3,6",
       true},
  };
  for (const NoMoveCase& c : cases) {
    Board board;
    SetPosition(board, c.position);
    EXPECT_EQ(board.PlayerHasNoMove(), c.noMove ? 1 : 0) << c.name;
  }
}

}  // namespace
