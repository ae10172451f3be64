#include <gtest/gtest.h>

#include "ai/cpu_player.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"
#include "tests/support/trace.h"

namespace {

// TryCapture on the first computer piece of the position.
struct ChainCase {
  const char* name;
  const char* position;
  const char* trace;
  const char* after;
  const char* sounds;
};

const ChainCase kChains[] = {
    // Taken pieces leave the player's set; the rest keep their order.
    {"ManJumpsBackwardWhenNothingElseIsOffered", "w7,6 w3,2 w6,1 b4,3", "4,3>2,1", "w7,6 w6,1 b2,1",
     ""},
    // After a backward jump the next square is searched from (+1, +1) again.
    {"ManRestartsTheDirectionsAtEverySquare", "w3,2 w3,4 b4,1", "4,1>2,3 2,3>4,5", "b4,5", ""},
    // A man's vacated squares are empty again, so a chain may come back over its own start.
    {"ManChainMayReturnToItsStartSquare", "w3,4 w5,4 w5,2 w3,2 b2,3",
     "2,3>4,5 4,5>6,3 6,3>4,1 4,1>2,3", "b2,3", ""},
    {"CrownedManGoesOnCapturingAsAKing", "w6,3 w5,6 b5,2", "5,2>7,4 7,4>4,7", "B4,7", "question"},
    // The square the man jumped from to be crowned stops the new king's walk towards w4,1.
    {"CrownedManCannotComeBackOverItsLastSquare", "w6,3 w4,1 b5,2", "5,2>7,4", "w4,1 B7,4",
     "question"},
    // Three squares away, landing right behind; nothing beyond the edge to slide to.
    {"KingTakesADistantPieceAndLandsRightBehindIt", "w3,6 B0,3", "0,3>4,7", "B4,7", ""},
    // 4,5 has the landing square 3,4 as a neighbour, so the slide goes on to 5,6.
    {"KingSlidesPastTheSquareNextToItsLanding", "w2,3 w7,0 B0,1", "0,1>3,4 3,4>5,6", "w7,0 B5,6",
     ""},
    {"KingStaysOnTheLandingSquareWithoutAQuietSquareAhead", "w2,3 w6,7 B0,1", "0,1>3,4",
     "w6,7 B3,4", ""},
    // Without the rule, a slide from 3,4 would stop on 1,6.
    {"KingChainOfTwoCapturesEndsWithoutASlide", "w6,1 w4,3 w7,6 B7,0", "7,0>5,2 5,2>3,4",
     "w7,6 B3,4", ""},
};

TEST(TryCapture, PlaysTheWholeChainOfOnePiece) {
  for (const ChainCase& c : kChains) {
    Board board;
    SetPosition(board, c.position);
    Recorder recorder;
    CpuPlayer cpu{};
    EXPECT_TRUE(cpu.TryCapture(board.player, board.cpu, board.cpu.pieces[0])) << c.name;
    EXPECT_EQ(DescribeTrace(cpu), c.trace) << c.name;
    EXPECT_EQ(cpu.shownSteps, cpu.stepCount) << c.name;
    EXPECT_EQ(Describe(board), c.after) << c.name;
    EXPECT_EQ(DescribeSounds(recorder), c.sounds) << c.name;
  }
}

TEST(TryCapture, WithoutACaptureNothingChanges) {
  const struct {
    const char* name;
    const char* position;
  } cases[] = {
      {"ManBehindIsOccupied", "w3,4 w4,5 b2,3"},
      {"ManBehindIsOffTheBoard", "w1,0 b0,1"},
      {"ManDoesNotReachTwoSquares", "w4,5 b2,3"},
      {"KingBehindIsTheSecondPlayerPiece", "w2,3 w3,4 B0,1"},
      {"KingBehindIsAComputerPiece", "w2,3 B0,1 b3,4"},
      {"KingBehindIsOffTheBoard", "w7,4 B5,2"},
      {"KingWalkStopsAtItsOwnPiece", "w3,4 B0,1 b2,3"},
  };
  for (const auto& c : cases) {
    Board board;
    SetPosition(board, c.position);
    Recorder recorder;
    CpuPlayer cpu{};
    EXPECT_FALSE(cpu.TryCapture(board.player, board.cpu, board.cpu.pieces[0])) << c.name;
    EXPECT_EQ(Describe(board), c.position) << c.name;
    EXPECT_EQ(cpu.stepCount, 0) << c.name;
    EXPECT_TRUE(recorder.events.empty()) << c.name;
  }
}

TEST(CountFreeNeighbours, EmptyAndOffBoardNeighboursCountOthersDoNot) {
  Field field{};
  EXPECT_EQ(CpuPlayer::CountFreeNeighbours(field, 3, 4), 4);
  EXPECT_EQ(CpuPlayer::CountFreeNeighbours(field, 7, 0), 4);
  field[2 * 8 + 3] = FieldCpu;
  field[2 * 8 + 5] = FieldPlayer;
  field[4 * 8 + 3] = FieldLeft;
  EXPECT_EQ(CpuPlayer::CountFreeNeighbours(field, 3, 4), 1);
  field[6 * 8 + 1] = FieldLeft;
  EXPECT_EQ(CpuPlayer::CountFreeNeighbours(field, 7, 0), 3);
}

}  // namespace
