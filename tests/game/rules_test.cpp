// The rules the player's drops are held to: each case is a position, one drop, the result code,
// the exact sounds in order, and the position afterwards. A refusal must leave both sides byte for
// byte as they were.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/board.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

using Sounds = std::vector<std::string>;

struct DropCase {
  const char* name;
  const char* position;
  int fromRow, fromCol, toRow, toCol;
  int code;
  Sounds sounds;
  const char* after = nullptr;  // the position after the drop; nullptr: nothing may change
};

void PrintTo(const DropCase& c, std::ostream* os) {
  *os << c.name;
}

class Drop : public testing::TestWithParam<DropCase> {};

std::string CaseName(const testing::TestParamInfo<DropCase>& param) {
  return param.param.name;
}

TEST_P(Drop, GivesItsCodeSoundsAndPosition) {
  const DropCase& c = GetParam();
  Board board;
  SetPosition(board, c.position);
  const Board before = board;
  Recorder recorder;

  board.BeginDrag(c.fromCol, c.fromRow, 0, 0);
  EXPECT_EQ(board.EndDrag(c.toCol, c.toRow), c.code);

  EXPECT_EQ(recorder.Sounds(), c.sounds);
  EXPECT_EQ(board.dragState, Idle) << "a drop always ends the drag";
  if (c.after == nullptr) {
    EXPECT_EQ(0, std::memcmp(&before.player, &board.player, sizeof board.player));
    EXPECT_EQ(0, std::memcmp(&before.cpu, &board.cpu, sizeof board.cpu));
  } else {
    EXPECT_EQ(Describe(board), c.after);
  }
  EXPECT_EQ(board.playerCount, before.playerCount);
  EXPECT_EQ(board.cpuCount, before.cpuCount);
}

const Sounds kNone{};
const Sounds kExclamation{"exclamation"};

INSTANTIATE_TEST_SUITE_P(
    Refusals, Drop,
    testing::Values(
        DropCase{"BackOnItsOwnSquare", "w5,2 b2,1", 5, 2, 5, 2, MoveCode::NotDiagonal,
                 kExclamation},
        DropCase{"OnComputerPieceOffTheDiagonal", "w5,2 b2,1", 5, 2, 2, 1, MoveCode::DropOnCpuPiece,
                 kNone},
        DropCase{"OnComputerPieceOnTheDiagonal", "w5,2 b4,3 b3,4", 5, 2, 4, 3,
                 MoveCode::DropOnCpuPiece, kNone},
        DropCase{"AlongARow", "w5,2 b0,1", 5, 2, 5, 4, MoveCode::NotDiagonal, kExclamation},
        DropCase{"AlongAColumn", "w5,2 b0,1", 5, 2, 3, 2, MoveCode::NotDiagonal, kExclamation},
        DropCase{"UnequalDistances", "w5,2 b0,1", 5, 2, 3, 3, MoveCode::NotDiagonal, kExclamation},
        DropCase{"ManStepsBackwardEvenWithACaptureOpen", "w5,2 w4,5 b3,4", 5, 2, 6, 1,
                 MoveCode::BadStep, kExclamation},
        DropCase{"ManStepsOntoItsOwnSide", "w5,2 w4,3 b0,1", 5, 2, 4, 3, MoveCode::BadStep,
                 kExclamation},
        DropCase{"ManStepsPastTheRightEdge", "w5,7 b0,1", 5, 7, 4, 8, MoveCode::BadStep,
                 kExclamation},
        DropCase{"ManStepsWhileAnotherMustCapture", "w5,2 w4,5 b3,4", 5, 2, 4, 1,
                 MoveCode::MustCapture, kNone},
        DropCase{"ManStepsWhileItMustCaptureBackward", "w4,3 b5,4", 4, 3, 3, 2,
                 MoveCode::MustCapture, kNone},
        DropCase{"ManJumpsAnEmptySquare", "w5,2 b0,1", 5, 2, 3, 4, MoveCode::BadJump, kExclamation},
        DropCase{"ManJumpsItsOwnPiece", "w5,2 w4,3 b0,1", 5, 2, 3, 4, MoveCode::BadJump,
                 kExclamation},
        DropCase{"ManJumpsOntoItsOwnPiece", "w5,2 w3,4 b4,3", 5, 2, 3, 4, MoveCode::BadJump,
                 kExclamation},
        DropCase{"ManJumpsOntoAComputerPiece", "w5,2 b4,3 b3,4", 5, 2, 3, 4,
                 MoveCode::DropOnCpuPiece, kNone},
        DropCase{"ManJumpsOffTheBoard", "w1,2 b0,3", 1, 2, -1, 4, MoveCode::BadJump, kExclamation},
        DropCase{"ManMovesThreeSquares", "w5,2 b0,7", 5, 2, 2, 5, MoveCode::TooFar, kNone},
        DropCase{"ManMovesFarOffTheBoard", "w5,2 b0,7", 5, 2, 9, 6, MoveCode::TooFar, kNone},
        DropCase{"KingMovesWhileACaptureIsOpen", "W7,0 w5,4 b4,5", 7, 0, 6, 1,
                 MoveCode::MustCapture, kNone},
        DropCase{"KingPassesTwoAdjacentPieces", "W7,0 b5,2 b4,3", 7, 0, 2, 5, MoveCode::Refused,
                 kExclamation},
        DropCase{"KingPassesTwoSeparatePieces", "W7,0 b6,1 b4,3", 7, 0, 3, 4, MoveCode::Refused,
                 kExclamation},
        DropCase{"KingPassesItsOwnPiece", "W7,0 w5,2 b0,1", 7, 0, 3, 4, MoveCode::Refused,
                 kExclamation},
        DropCase{"KingOntoItsOwnPiece", "W7,0 w5,2 b0,1", 7, 0, 5, 2, MoveCode::Refused,
                 kExclamation},
        DropCase{"KingOntoAComputerPiece", "W7,0 b5,2", 7, 0, 5, 2, MoveCode::DropOnCpuPiece,
                 kNone},
        DropCase{"KingOffTheBoard", "W4,3 b0,1", 4, 3, 8, 7, MoveCode::Refused, kExclamation}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Moves, Drop,
    testing::Values(
        DropCase{
            "ManStepsForward", "w5,2 b0,1", 5, 2, 4, 3, MoveCode::Moved, {"asterisk"}, "w4,3 b0,1"},
        DropCase{"ManStepsOntoRowZeroAndIsCrowned",
                 "w1,2 b5,0",
                 1,
                 2,
                 0,
                 1,
                 MoveCode::Moved,
                 {"question"},
                 "W0,1 b5,0"},
        DropCase{"ManCapturesForward",
                 "w5,2 b4,3 b0,1",
                 5,
                 2,
                 3,
                 4,
                 MoveCode::Captured,
                 {"beep"},
                 "w3,4 b0,1"},
        DropCase{
            "ManCapturesBackward", "w4,3 b5,4", 4, 3, 6, 5, MoveCode::Captured, {"beep"}, "w6,5"},
        DropCase{"ManCapturesOntoRowZeroAndIsCrowned",
                 "w2,3 b1,2",
                 2,
                 3,
                 0,
                 1,
                 MoveCode::Captured,
                 {"beep", "question"},
                 "W0,1"},
        DropCase{"KingMovesFarWithoutASound", "W7,0 b0,1", 7, 0, 3, 4, MoveCode::Moved, kNone,
                 "W3,4 b0,1"},
        DropCase{"KingCapturesFromADistanceAndLandsFar",
                 "W7,0 b4,3 b0,1",
                 7,
                 0,
                 1,
                 6,
                 MoveCode::Captured,
                 {"beep"},
                 "W1,6 b0,1"},
        DropCase{"KingCapturesAnAdjacentPiece",
                 "W7,0 b6,1",
                 7,
                 0,
                 5,
                 2,
                 MoveCode::Captured,
                 {"beep"},
                 "W5,2"},
        DropCase{"KingMovesQuietlyWhenTheOnlyPieceAheadIsCovered", "W7,0 b5,2 b4,3 b0,1", 7, 0, 6,
                 1, MoveCode::Moved, kNone, "W6,1 b5,2 b4,3 b0,1"},
        DropCase{"CaptureTakesOutOnlyTheJumpedPieceKeepingOrder",
                 "w5,2 b0,1 b4,3 b0,5",
                 5,
                 2,
                 3,
                 4,
                 MoveCode::Captured,
                 {"beep"},
                 "w3,4 b0,1 b0,5"}),
    CaseName);

TEST(EndDrag, WithoutADragChangesNothingAndIsSilent) {
  Board board;
  const Board before = board;
  Recorder recorder;
  EXPECT_EQ(board.EndDrag(3, 4), MoveCode::Refused);
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_EQ(0, std::memcmp(&before.player, &board.player, sizeof board.player));
  EXPECT_EQ(board.selectedIndex, before.selectedIndex);
}

// The drag fields are public: a drag whose square holds no piece of the player must not move
// anything (there is no entry to read).
TEST(EndDrag, FromASquareWithoutAPlayerPieceIsRefusedSilently) {
  Board board;
  SetPosition(board, "w5,2 b2,1");
  board.selectedIndex = 0;
  const Board before = board;
  Recorder recorder;
  board.BeginDrag(3, 4, 0, 0);
  EXPECT_EQ(board.EndDrag(2, 3), MoveCode::Refused);
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_EQ(board.dragState, Idle);
  EXPECT_EQ(board.selectedIndex, 0);
  EXPECT_EQ(0, std::memcmp(&before.player, &board.player, sizeof board.player));
  EXPECT_EQ(0, std::memcmp(&before.cpu, &board.cpu, sizeof board.cpu));
}

struct CaptureCase {
  const char* position;
  bool hasCapture;
};

TEST(HasCapture, FindsShortJumpsAnyWayAndKingJumpsAtADistance) {
  const CaptureCase cases[] = {
      {"w4,3 b3,4", true},            // forward
      {"w4,3 b5,2", true},            // backward
      {"w4,3 b3,4 b2,5", false},      // the square beyond is taken by the computer
      {"w4,3 w2,5 b3,4", false},      // ... or by the player
      {"w1,2 b0,3", false},           // the square beyond is off the board
      {"w4,3 b2,5", false},           // a man does not capture at a distance
      {"W7,0 b3,4", true},            // a king does, over empty squares
      {"W7,0 b3,4 b2,5", false},      // not when the piece is covered
      {"W7,0 w5,2 b3,4", false},      // nor past its own piece
      {"W7,0 b6,1 b3,4 b2,5", true},  // the first piece met counts, not the last
      {"W0,7 b7,0", false},           // the piece stands on the edge
  };
  for (const CaptureCase& c : cases) {
    Board board;
    SetPosition(board, c.position);
    EXPECT_EQ(board.HasCapture(), c.hasCapture ? 1 : 0) << c.position;
  }
}

TEST(IsOnBoard, BoundsAreZeroToSeven) {
  EXPECT_TRUE(Board::IsOnBoard(0, 0));
  EXPECT_TRUE(Board::IsOnBoard(7, 7));
  EXPECT_FALSE(Board::IsOnBoard(-1, 3));
  EXPECT_FALSE(Board::IsOnBoard(3, -1));
  EXPECT_FALSE(Board::IsOnBoard(8, 3));
  EXPECT_FALSE(Board::IsOnBoard(3, 8));
}

}  // namespace
