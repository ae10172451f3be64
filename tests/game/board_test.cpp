#include <gtest/gtest.h>

#include "game/board.h"
#include "tests/support/position.h"

namespace {

TEST(BoardSetup, NewBoardHoldsTwelveMenASideInStoredOrder) {
  Board board;
  EXPECT_EQ(Describe(board.player),
            "w5,0 w5,2 w5,4 w5,6 w6,1 w6,3 w6,5 w6,7 w7,0 w7,2 w7,4 w7,6");
  EXPECT_EQ(Describe(board.cpu),
            "b0,1 b0,3 b0,5 b0,7 b1,0 b1,2 b1,4 b1,6 b2,1 b2,3 b2,5 b2,7");
  EXPECT_EQ(board.playerCount, 12);
  EXPECT_EQ(board.cpuCount, 12);
  EXPECT_EQ(board.dragState, Idle);
}

}  // namespace
