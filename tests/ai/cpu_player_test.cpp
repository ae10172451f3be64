#include "ai/cpu_player.h"

#include <gtest/gtest.h>

#include "tests/support/position.h"
#include "tests/support/recorder.h"
#include "tests/support/trace.h"

namespace {

TEST(BuildField, InitialPositionMarksBothSidesAndNothingElse) {
  const Board board;
  Field field;
  field.fill(FieldLeft);
  CpuPlayer::BuildField(field, board.cpu, board.player);
  for (int row = 0; row < 8; ++row) {
    for (int col = 0; col < 8; ++col) {
      const bool dark = (row + col) % 2 == 1;
      const int expected = dark && row <= 2   ? FieldCpu
                           : dark && row >= 5 ? FieldPlayer
                                              : FieldEmpty;
      EXPECT_EQ(field[row * 8 + col], expected) << row << ',' << col;
    }
  }
}

TEST(BuildField, KingsAreMarkedLikeMen) {
  Board board;
  SetPosition(board, "W3,2 w5,0 B4,5 b0,1");
  Field field;
  CpuPlayer::BuildField(field, board.cpu, board.player);
  EXPECT_EQ(field[3 * 8 + 2], FieldPlayer);
  EXPECT_EQ(field[5 * 8 + 0], FieldPlayer);
  EXPECT_EQ(field[4 * 8 + 5], FieldCpu);
  EXPECT_EQ(field[0 * 8 + 1], FieldCpu);
}

TEST(RecordStep, StepsAreKeptInCallOrderAndBothCountersFollow) {
  CpuPlayer cpu{};
  cpu.RecordStep(2, 1, 3, 0);
  cpu.RecordStep(3, 0, 5, 2);
  cpu.RecordStep(5, 2, 7, 4);
  EXPECT_EQ(cpu.stepCount, 3);
  EXPECT_EQ(cpu.shownSteps, 3);
  EXPECT_EQ(DescribeTrace(cpu), "2,1>3,0 3,0>5,2 5,2>7,4");
}

// A step beyond the trace's capacity is refused instead of being written past its end.
TEST(RecordStep, StepBeyondCapacityIsRefused) {
  CpuPlayer cpu{};
  for (int i = 0; i < CpuPlayer::kMaxSteps; ++i) {
    cpu.RecordStep(i % 8, 0, i % 8, 1);
  }
  cpu.RecordStep(7, 7, 6, 6);
  EXPECT_EQ(cpu.stepCount, CpuPlayer::kMaxSteps);
  EXPECT_EQ(cpu.shownSteps, CpuPlayer::kMaxSteps);
  EXPECT_EQ(cpu.steps[CpuPlayer::kMaxSteps - 1].toCol, 1);
}

TEST(IsOnBoard, BothCoordinatesMustLieInZeroToSeven) {
  const struct {
    int row;
    int col;
    bool on;
  } cases[] = {{0, 0, true},   {7, 7, true},  {0, 7, true},  {-1, 3, false},
               {3, -1, false}, {8, 3, false}, {3, 8, false}, {8, 8, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(CpuPlayer::IsOnBoard(c.row, c.col), c.on) << c.row << ',' << c.col;
  }
}

TEST(IsSafeSquare, OnlyAPlayerPieceOnADiagonalNeighbourMakesASquareUnsafe) {
  const struct {
    const char* position;
    int row;
    int col;
    bool safe;
  } cases[] = {
      {"w4,5", 3, 4, false}, {"w4,3", 3, 4, false},     {"W2,5", 3, 4, false},
      {"w2,3", 3, 4, false}, {"b4,5 B2,3", 3, 4, true}, {"w5,6 w3,6 w1,4", 3, 4, true},
      {"w6,1", 7, 0, false}, {"w5,2", 7, 0, true},      {"", 0, 1, true},
  };
  for (const auto& c : cases) {
    Board board;
    SetPosition(board, c.position);
    Field field;
    CpuPlayer::BuildField(field, board.cpu, board.player);
    EXPECT_EQ(CpuPlayer::IsSafeSquare(field, c.row, c.col), c.safe)
        << c.position << " at " << c.row << ',' << c.col;
  }
}

// The first computer piece in stored order that can capture plays its chain, even when a later
// piece has a longer one; the simple beep sounds once, after the whole chain.
TEST(MakeMove, FirstCapturingPieceInStoredOrderPlaysItsChain) {
  const struct {
    const char* position;
    const char* trace;
    const char* after;
  } cases[] = {
      {"w1,2 w5,2 w3,4 w1,6 b0,3 b6,1", "0,3>2,1", "w5,2 w3,4 w1,6 b2,1 b6,1"},
      {"w1,2 w5,2 w3,4 w1,6 b6,1 b0,3", "6,1>4,3 4,3>2,5 2,5>0,7", "w1,2 b0,7 b0,3"},
  };
  for (const auto& c : cases) {
    Board board;
    SetPosition(board, c.position);
    Recorder recorder;
    CpuPlayer cpu{};
    EXPECT_EQ(cpu.MakeMove(board.cpu, board.player), MakeMoveResult::Captured) << c.position;
    EXPECT_EQ(DescribeTrace(cpu), c.trace) << c.position;
    EXPECT_EQ(Describe(board), c.after) << c.position;
    EXPECT_EQ(DescribeSounds(recorder), "beep") << c.position;
  }
}

// A turn starts with an empty trace, whatever the last turn left in it.
TEST(MakeMove, EachTurnReplacesTheLastTrace) {
  Board board;
  SetPosition(board, "w7,0 b2,3");
  CpuPlayer cpu{};
  cpu.stepCount = 4;
  cpu.shownSteps = 0;
  EXPECT_EQ(cpu.MakeMove(board.cpu, board.player), MakeMoveResult::Moved);
  EXPECT_EQ(cpu.stepCount, 1);
  EXPECT_EQ(cpu.shownSteps, 1);
  EXPECT_EQ(DescribeTrace(cpu), "2,3>3,2");
}

TEST(MakeMove, NoMoveChangesNothingAndLeavesAnEmptyTrace) {
  const char* const positions[] = {
      "w1,0 w1,2 w2,3 b0,1",       // a man whose forward squares are occupied or off the board
      "w5,0 w6,1",                 // no computer piece at all
      "w1,0 w1,2 w2,3 w2,1 B0,1",  // a king with no empty neighbour and no capture
  };
  for (const char* position : positions) {
    Board board;
    SetPosition(board, position);
    Recorder recorder;
    CpuPlayer cpu{};
    cpu.stepCount = 3;
    cpu.shownSteps = 3;
    EXPECT_EQ(cpu.MakeMove(board.cpu, board.player), MakeMoveResult::NoMove) << position;
    EXPECT_EQ(Describe(board), position);
    EXPECT_EQ(cpu.stepCount, 0) << position;
    EXPECT_EQ(cpu.shownSteps, 0) << position;
    EXPECT_TRUE(recorder.events.empty()) << position;
  }
}

}  // namespace
