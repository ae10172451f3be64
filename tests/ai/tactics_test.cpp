#include <gtest/gtest.h>

#include "ai/cpu_player.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"
#include "tests/support/trace.h"

namespace {

// TacticalMove on its own: inside MakeMove some of these would first be settled by a capture.
TEST(TacticalMove, PlaysTheFirstRuleThatApplies) {
  const struct {
    const char* name;
    const char* position;
    const char* trace;
    const char* after;
  } cases[] = {
      {"BlockWithTheFirstBlocker", "w4,5 b3,4 b1,2", "1,2>2,3", "w4,5 b3,4 b2,3"},
      {"BlockWithTheSecondBlocker", "w4,5 b3,4 b1,4", "1,4>2,3", "w4,5 b3,4 b2,3"},
      {"BlockerMayBeAKing", "w4,5 b3,4 B1,2", "1,2>2,3", "w4,5 b3,4 B2,3"},
      {"BlockFromTheSideOntoTheLastRowCrowns", "w5,2 b6,3 b6,5", "6,5>7,4", "w5,2 b6,3 B7,4"},
      // b2,3 could escape by rule A, but the crowning group comes first.
      {"CrownBeforeAnEarlierPiecesEscape", "w3,2 b2,3 b6,1", "6,1>7,0", "w3,2 b2,3 B7,0"},
      {"EscapeRuleA", "w3,2 b2,3", "2,3>3,4", "w3,2 b3,4"},
      {"EscapeRuleB", "w3,4 b2,3", "2,3>3,2", "w3,4 b3,2"},
      // A player piece behind is enough, even though the square in front is taken.
      {"EscapeRuleCWhateverLiesInFront", "w1,2 b2,3 b3,4", "2,3>3,2", "w1,2 b3,2 b3,4"},
      {"EdgeOnTheLeft", "w6,7 b2,1", "2,1>3,0", "w6,7 b3,0"},
      {"EdgeOnTheRight", "w6,1 b1,6", "1,6>2,7", "w6,1 b2,7"},
  };
  for (const auto& c : cases) {
    Board board;
    SetPosition(board, c.position);
    Recorder recorder;
    CpuPlayer cpu{};
    EXPECT_TRUE(cpu.TacticalMove(board.cpu, board.player)) << c.name;
    EXPECT_EQ(DescribeTrace(cpu), c.trace) << c.name;
    EXPECT_EQ(cpu.shownSteps, 1) << c.name;
    EXPECT_EQ(Describe(board), c.after) << c.name;
    EXPECT_TRUE(recorder.events.empty()) << c.name;
  }
}

TEST(TacticalMove, WithoutAnApplyingRuleNothingChanges) {
  const char* const positions[] = {
      "w3,2 w4,5 b2,3",  // rule A would step next to a player piece
      "w7,0 b2,3",       // nothing near, no edge ahead
      "w1,0 w1,2 b0,1",  // the targets behind lie off the board
      "b6,1 B7,0 B7,2",  // nothing free ahead of the piece on row 6
  };
  for (const char* position : positions) {
    Board board;
    SetPosition(board, position);
    CpuPlayer cpu{};
    EXPECT_FALSE(cpu.TacticalMove(board.cpu, board.player)) << position;
    EXPECT_EQ(Describe(board), position);
    EXPECT_EQ(cpu.stepCount, 0) << position;
  }
}

TEST(IsFreeSquare, OnTheBoardAndInNeitherSet) {
  Board board;
  SetPosition(board, "w4,5 B2,3");
  EXPECT_TRUE(CpuPlayer::IsFreeSquare(board.cpu, board.player, 3, 4));
  EXPECT_FALSE(CpuPlayer::IsFreeSquare(board.cpu, board.player, 4, 5));
  EXPECT_FALSE(CpuPlayer::IsFreeSquare(board.cpu, board.player, 2, 3));
  EXPECT_FALSE(CpuPlayer::IsFreeSquare(board.cpu, board.player, -1, 0));
  EXPECT_FALSE(CpuPlayer::IsFreeSquare(board.cpu, board.player, 3, 8));
}

TEST(HasPieceAt, OnlyTheGivenSetsPiecesCount) {
  Board board;
  SetPosition(board, "W4,5 b2,3");
  EXPECT_TRUE(CpuPlayer::HasPieceAt(board.player, 4, 5));
  EXPECT_FALSE(CpuPlayer::HasPieceAt(board.player, 2, 3));
  EXPECT_FALSE(CpuPlayer::HasPieceAt(board.player, 3, 4));
  EXPECT_FALSE(CpuPlayer::HasPieceAt(board.player, 8, 5));
}

}  // namespace
