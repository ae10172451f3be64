#include <gtest/gtest.h>

#include "ai/cpu_player.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"
#include "tests/support/trace.h"

namespace {

struct Reply {
  const char* name;
  const char* position;
  int result;
  const char* trace;
  const char* sounds;
  const char* after;
};

constexpr int kMoved = MakeMoveResult::Moved;
constexpr int kCaptured = MakeMoveResult::Captured;
constexpr int kNoMove = MakeMoveResult::NoMove;

// The opponent's signature: fixed positions and the exact reply MakeMove plays in each, worked
// out by hand from the opponent's rules. A deliberate change to the opponent updates this table
// in the same commit and says why in the commit message.
const Reply kSignature[] = {
    {"OpeningStepsOntoTheLeftEdge",
     "w5,0 w5,2 w5,4 w5,6 w6,1 w6,3 w6,5 w6,7 w7,0 w7,2 w7,4 w7,6 "
     "b0,1 b0,3 b0,5 b0,7 b1,0 b1,2 b1,4 b1,6 b2,1 b2,3 b2,5 b2,7",
     kMoved, "2,1>3,0", "",
     "w5,0 w5,2 w5,4 w5,6 w6,1 w6,3 w6,5 w6,7 w7,0 w7,2 w7,4 w7,6 "
     "b0,1 b0,3 b0,5 b0,7 b1,0 b1,2 b1,4 b1,6 b3,0 b2,3 b2,5 b2,7"},
    // b6,1 would take three pieces, but b0,3 comes first in stored order.
    {"FirstCapturingPieceTakesOne", "w1,2 w5,2 w3,4 w1,6 b0,3 b6,1", kCaptured, "0,3>2,1", "beep",
     "w5,2 w3,4 w1,6 b2,1 b6,1"},
    {"ManJumpsBackwardThenForward", "w3,2 w3,4 w7,6 b4,1", kCaptured, "4,1>2,3 2,3>4,5", "beep",
     "w7,6 b4,5"},
    {"ManChainReturnsToItsStart", "w3,4 w5,4 w5,2 w3,2 b2,3", kCaptured,
     "2,3>4,5 4,5>6,3 6,3>4,1 4,1>2,3", "beep", "b2,3"},
    {"ManCrownedMidChainCapturesOnAsKing", "w6,3 w5,6 b5,2", kCaptured, "5,2>7,4 7,4>4,7",
     "question beep", "B4,7"},
    {"CrownedManCannotCrossTheSquareItJumpedFrom", "w6,3 w4,1 b5,2", kCaptured, "5,2>7,4",
     "question beep", "w4,1 B7,4"},
    {"KingCapturesThenSlidesToAQuietSquare", "w2,3 w7,0 B0,1", kCaptured, "0,1>3,4 3,4>5,6", "beep",
     "w7,0 B5,6"},
    {"KingChainOfTwoHasNoSlide", "w6,1 w4,3 w7,6 B7,0", kCaptured, "7,0>5,2 5,2>3,4", "beep",
     "w7,6 B3,4"},
    {"BlockPattern1FirstBlockerOfTwo", "w4,5 w5,6 b3,4 b1,2 b1,4", kMoved, "1,2>2,3", "",
     "w4,5 w5,6 b3,4 b2,3 b1,4"},
    {"BlockPattern1SecondBlocker", "w4,5 w5,6 b3,4 b1,4", kMoved, "1,4>2,3", "",
     "w4,5 w5,6 b3,4 b2,3"},
    {"BlockPattern2FirstBlockerOfTwo", "w4,3 w5,2 b3,4 b1,6 b1,4", kMoved, "1,6>2,5", "",
     "w4,3 w5,2 b3,4 b2,5 b1,4"},
    {"BlockPattern3", "w2,5 w1,6 b3,4 b3,2", kMoved, "3,2>4,3", "", "w2,5 w1,6 b3,4 b4,3"},
    {"BlockPattern4CrownsSilently", "w5,2 w4,1 b6,3 b6,5", kMoved, "6,5>7,4", "",
     "w5,2 w4,1 b6,3 B7,4"},
    {"CrownBeforeAnEarlierEdgeMove", "w3,6 b2,1 b6,3", kMoved, "6,3>7,2", "", "w3,6 b2,1 B7,2"},
    {"EscapeRuleA", "w3,2 w4,1 b2,3", kMoved, "2,3>3,4", "", "w3,2 w4,1 b3,4"},
    {"EscapeRuleB", "w3,4 w4,5 b2,3", kMoved, "2,3>3,2", "", "w3,4 w4,5 b3,2"},
    {"EscapeRuleCFirstSquare", "w1,2 b2,3 b0,1", kMoved, "2,3>3,4", "", "w1,2 b3,4 b0,1"},
    {"EscapeRuleCSecondSquare", "w1,2 w4,5 b2,3 b0,1", kMoved, "2,3>3,2", "",
     "w1,2 w4,5 b3,2 b0,1"},
    {"EdgeOnTheRight", "w6,1 b1,6", kMoved, "1,6>2,7", "", "w6,1 b2,7"},
    {"ManPassesAnUnsafeSquareForASafeOne", "w4,1 b2,3", kMoved, "2,3>3,4", "", "w4,1 b3,4"},
    {"LaterManMovesSafely", "w2,3 b0,3 b4,3", kMoved, "4,3>5,2", "", "w2,3 b0,3 b5,2"},
    {"FallbackIsTheLastUnsafeSquare", "w2,3 b0,3", kMoved, "0,3>1,4", "", "w2,3 b1,4"},
    {"KingWalksToTheFirstSafeSquare", "w2,5 B0,5", kMoved, "0,5>2,3", "", "w2,5 B2,3"},
    // 3,6 would be safe, but the king keeps to its first empty direction.
    {"KingWalksToTheFarthestEmptySquare", "w6,5 w7,4 w6,1 B4,5", kMoved, "4,5>7,2", "",
     "w6,5 w7,4 w6,1 B7,2"},
    // The king comes first in stored order and stops next to a piece it cannot take.
    {"KingMovesBeforeAManAndNeverPassesAPiece", "w3,0 B1,2 b2,5", kMoved, "1,2>2,1", "",
     "w3,0 B2,1 b2,5"},
    {"NoMove", "w1,0 w1,2 w2,3 b0,1", kNoMove, "", "", "w1,0 w1,2 w2,3 b0,1"},
};

TEST(OpponentSignature, EachPositionGetsItsFixedReply) {
  for (const Reply& reply : kSignature) {
    Board board;
    SetPosition(board, reply.position);
    Recorder recorder;
    CpuPlayer cpu{};
    EXPECT_EQ(cpu.MakeMove(board.cpu, board.player), reply.result) << reply.name;
    EXPECT_EQ(DescribeTrace(cpu), reply.trace) << reply.name;
    EXPECT_EQ(cpu.shownSteps, cpu.stepCount) << reply.name;
    EXPECT_EQ(DescribeSounds(recorder), reply.sounds) << reply.name;
    EXPECT_EQ(Describe(board), reply.after) << reply.name;
  }
}

}  // namespace
