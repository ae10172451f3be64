// The turn controller through its three mouse handlers, on theBoard and theCpuPlayer, with every
// sound, message box and repaint request recorded in order, and the record of each turn.

#include "game/turn.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"
#include "tests/support/trace.h"

namespace {

using Events = std::vector<std::string>;

constexpr int kCell = 55;
const std::string kMustCapture = "box Ошибка: Неверный ход.\nВы должны бить шашку противника.";
const std::string kPlayerWins = "box ИГРА ОКОНЧЕНА: Победил ИГРОК!";
const std::string kCpuWins = "box ИГРА ОКОНЧЕНА: Победил CPU!";
const std::string kCpuHasNoMove = "box ИГРА ОКОНЧЕНА: У CPU нет хода!\nПобедил игрок!";

class Turn : public testing::Test {
 protected:
  void SetUp() override {
    theBoard.NewGame();
    theBoard.originX = 0;
    theBoard.originY = 0;
    theBoard.cellSize = kCell;
    theCpuPlayer.shownSteps = 0;
    theCpuPlayer.stepCount = 0;
  }

  void Position(const char* text) { SetPosition(theBoard, text); }

  // Press on one square, drag to another and let go there.
  void Move(int fromRow, int fromCol, int toRow, int toCol) {
    OnLButtonDown(0, SquareCentre(fromRow, fromCol));
    OnMouseMove(0, SquareCentre(toRow, toCol));
    OnLButtonUp(0, SquareCentre(toRow, toCol));
  }

  // The events of the release only: the press and the move each ask for one repaint.
  Events MoveEvents(int fromRow, int fromCol, int toRow, int toCol) {
    Move(fromRow, fromCol, toRow, toCol);
    Events events = recorder.Take();
    EXPECT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "repaint");
    EXPECT_EQ(events[1], "repaint");
    return Events(events.begin() + 2, events.end());
  }

  std::string Trace() const { return DescribeTrace(theCpuPlayer.steps, theCpuPlayer.shownSteps); }

  Recorder recorder;
};

TEST_F(Turn, PressOnAPlayerPieceStartsADragAndAsksForARepaint) {
  OnLButtonDown(0, MakePointParam(2 * kCell + 5, 5 * kCell + 50));
  EXPECT_EQ(theBoard.dragState, Dragging);
  EXPECT_EQ(theBoard.dragCol, 2);
  EXPECT_EQ(theBoard.dragRow, 5);
  EXPECT_EQ(theBoard.mouseX, 2 * kCell + 5);
  EXPECT_EQ(theBoard.mouseY, 5 * kCell + 50);
  EXPECT_EQ(recorder.Take(), Events{"repaint"});

  OnMouseMove(0, MakePointParam(300, 100));
  EXPECT_EQ(theBoard.mouseX, 300);
  EXPECT_EQ(theBoard.mouseY, 100);
  EXPECT_EQ(recorder.Take(), Events{"repaint"});
}

TEST_F(Turn, PressElsewherePicksUpNothingButHidesThePath) {
  theCpuPlayer.RecordStep(2, 1, 3, 0);
  for (LParam point : {SquareCentre(4, 3), SquareCentre(2, 1), MakePointParam(600, 100)}) {
    theCpuPlayer.shownSteps = 1;
    OnLButtonDown(0, point);
    EXPECT_EQ(theCpuPlayer.shownSteps, 0);
    EXPECT_EQ(theCpuPlayer.stepCount, 1) << "the trace itself stays until the next reply";
    EXPECT_EQ(theBoard.dragState, Idle);
  }
  OnMouseMove(0, SquareCentre(4, 3));
  OnLButtonUp(0, SquareCentre(4, 3));
  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(Turn, EventsBeforeTheFirstFrameAreIgnored) {
  theBoard.cellSize = 0;
  theCpuPlayer.shownSteps = 1;
  OnLButtonDown(0, SquareCentre(5, 2));
  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
  theBoard.BeginDrag(2, 5, 0, 0);
  OnLButtonUp(0, SquareCentre(4, 3));
  EXPECT_EQ(theBoard.dragState, Dragging);
  EXPECT_EQ(Describe(theBoard), Describe(Board{}));
  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(Turn, ARefusedDropPlaysItsSoundAndTheComputerWaits) {
  EXPECT_EQ(MoveEvents(5, 2, 5, 2), (Events{"sound exclamation", "repaint"}));
  EXPECT_EQ(Describe(theBoard), Describe(Board{}));
  EXPECT_EQ(theCpuPlayer.stepCount, 0);
}

TEST_F(Turn, AcceptedMoveGetsTheComputersReplyAndItsTrace) {
  EXPECT_EQ(MoveEvents(5, 2, 4, 3), (Events{"sound asterisk", "repaint"}));
  EXPECT_EQ(Trace(), "2,1>3,0");
  EXPECT_EQ(IndexOf(theBoard.cpu, 3, 0), 8);
  EXPECT_EQ(theBoard.playerCount, 12);
  EXPECT_EQ(theBoard.cpuCount, 12);
}

// A release off the window arrives with the coordinates wrapped to 16 bits: far off the board.
TEST_F(Turn, ReleaseFarOffTheBoardIsARefusedDrop) {
  OnLButtonDown(0, SquareCentre(5, 2));
  OnLButtonUp(0, MakePointParam(-10, -10));
  EXPECT_EQ(recorder.Take(), (Events{"repaint", "sound exclamation", "repaint"}));
  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(Describe(theBoard), Describe(Board{}));
}

// When the release was lost, the next release judges the old piece's drop.
TEST_F(Turn, ALostReleaseLeavesTheDragForTheNextRelease) {
  OnLButtonDown(0, SquareCentre(5, 2));
  OnLButtonDown(0, SquareCentre(4, 5));
  EXPECT_EQ(theBoard.dragState, Dragging);
  OnLButtonUp(0, SquareCentre(4, 1));
  EXPECT_EQ(IndexOf(theBoard.player, 4, 1), 1) << "the man picked up first, from 5,2";
}

TEST_F(Turn, QuietMoveWhileACaptureIsDueShowsTheErrorAndChangesNothing) {
  Position("w5,2 w4,5 b3,4 b0,1");
  const std::string before = Describe(theBoard);
  EXPECT_EQ(MoveEvents(5, 2, 4, 1), (Events{kMustCapture, "repaint"}));
  EXPECT_EQ(Describe(theBoard), before);
  EXPECT_EQ(theCpuPlayer.stepCount, 0);
  EXPECT_EQ(theBoard.cpuCount, 2);
}

// While a message box is open the window may still deliver clicks (the game's own boxes have no
// owner window); they run a whole turn inside the one that opened the box, which then finishes on
// the position as it has become.
TEST_F(Turn, ATurnPlayedWhileTheErrorBoxIsOpenStands) {
  Position("w5,2 w4,5 b3,4 b0,1");
  recorder.whileBoxOpen = [this] {
    recorder.whileBoxOpen = nullptr;
    Move(4, 5, 2, 3);
  };
  Move(5, 2, 4, 1);
  EXPECT_EQ(recorder.Take(), (Events{"repaint", "repaint", kMustCapture, "repaint", "repaint",
                                     "sound beep", "repaint", "repaint"}));
  EXPECT_EQ(Describe(theBoard), "w5,2 w2,3 b1,0");
  EXPECT_EQ(theBoard.cpuCount, 1);
  EXPECT_EQ(Trace(), "0,1>1,0");
}

// A jump that can go on keeps the turn; the next capture may be made by any piece, a quiet move is
// refused, and taking the last piece wins (and wins again at every later drop).
TEST_F(Turn, MultiCaptureOverTwoReleasesEndsTheGame) {
  Position("w5,2 w6,1 b4,3 b2,5");
  EXPECT_EQ(MoveEvents(5, 2, 3, 4), (Events{"sound beep", "repaint"}));
  EXPECT_EQ(theBoard.cpuCount, 1);
  EXPECT_EQ(theCpuPlayer.stepCount, 0) << "the computer does not answer yet";

  EXPECT_EQ(MoveEvents(6, 1, 5, 0), (Events{kMustCapture, "repaint"}));

  EXPECT_EQ(MoveEvents(3, 4, 1, 6), (Events{"sound beep", kPlayerWins, "repaint"}));
  EXPECT_EQ(theBoard.cpuCount, 0);
  EXPECT_EQ(Describe(theBoard), "w1,6 w6,1");

  EXPECT_EQ(MoveEvents(6, 1, 5, 0), (Events{"sound asterisk", kPlayerWins, "repaint"}));
  EXPECT_EQ(theCpuPlayer.stepCount, 0);
}

TEST_F(Turn, ReplyTakingTwoPiecesLowersThePlayersCountByTwo) {
  Position("w2,1 w4,3 w6,7 b1,0");
  EXPECT_EQ(MoveEvents(6, 7, 5, 6), (Events{"sound asterisk", "sound beep", "repaint"}));
  EXPECT_EQ(theBoard.playerCount, 1);
  EXPECT_EQ(Trace(), "1,0>3,2 3,2>5,4");
  EXPECT_EQ(Describe(theBoard), "w5,6 b5,4");
}

TEST_F(Turn, ReplyTakingTheLastPieceAnnouncesTheComputerOnce) {
  Position("w5,0 b3,2");
  EXPECT_EQ(MoveEvents(5, 0, 4, 1), (Events{"sound asterisk", "sound beep", kCpuWins, "repaint"}));
  EXPECT_EQ(theBoard.playerCount, 0);
  OnLButtonDown(0, SquareCentre(5, 0));
  EXPECT_EQ(theBoard.dragState, Idle) << "nothing is left to pick up";
}

TEST_F(Turn, NeitherSideCanMove) {
  Position("w1,0 w1,2 w1,4 w1,6 w2,1 w2,3 w2,5 w3,6 b0,1 b0,3 b0,5 b0,7");
  EXPECT_EQ(MoveEvents(3, 6, 2, 7), (Events{"sound asterisk", kCpuHasNoMove, kCpuWins, "repaint"}));
  EXPECT_EQ(theCpuPlayer.stepCount, 0);
  // Stuck for good: every later drop is refused and the message comes again.
  EXPECT_EQ(MoveEvents(2, 7, 1, 8), (Events{"sound exclamation", kCpuWins, "repaint"}));
}

TEST_F(Turn, NewGameKeepsTheLastPathUntilTheNextPress) {
  Move(5, 2, 4, 3);
  StartNewGame();
  EXPECT_EQ(theCpuPlayer.shownSteps, 1);
  OnLButtonDown(0, SquareCentre(4, 4));
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
}

// The record of each release that ended a drag: one per release, made before any box it opens.
class TurnRecords : public Turn {
 protected:
  // The record of one move, checking that it was made once and before the release's first box.
  TurnRecord Record(int fromRow, int fromCol, int toRow, int toCol) {
    recorder.turns.clear();
    recorder.whileBoxOpen = [this] { EXPECT_EQ(recorder.turns.size(), 1u); };
    Move(fromRow, fromCol, toRow, toCol);
    recorder.whileBoxOpen = nullptr;
    EXPECT_EQ(recorder.turns.size(), 1u);
    return recorder.turns.empty() ? TurnRecord{} : recorder.turns.back();
  }
};

TEST_F(TurnRecords, RefusedDropThenAQuietMoveAndItsReply) {
  TurnRecord turn = Record(5, 2, 5, 2);
  EXPECT_LE(turn.result, 0);
  EXPECT_EQ(turn.reply, 0);
  EXPECT_EQ(turn.end, GameEnd::None);

  turn = Record(5, 2, 4, 3);
  EXPECT_EQ(std::pair(turn.from.row, turn.from.col), std::pair(5, 2));
  EXPECT_EQ(std::pair(turn.to.row, turn.to.col), std::pair(4, 3));
  EXPECT_EQ(turn.result, MoveCode::Moved);
  EXPECT_FALSE(turn.crowned || turn.mustCaptureAgain || turn.cpuCrowned);
  EXPECT_EQ(turn.reply, MakeMoveResult::Moved);
  EXPECT_EQ(DescribeTrace(turn.steps, turn.replySteps), "2,1>3,0");
  EXPECT_EQ(turn.taken, 0);
  EXPECT_EQ(turn.playerCount, 12);
  EXPECT_EQ(turn.cpuCount, 12);

  OnLButtonUp(0, SquareCentre(4, 3));
  EXPECT_EQ(recorder.turns.size(), 1u) << "a release that ended no drag has no record";
}

TEST_F(TurnRecords, CaptureThatMustGoOnForcedCaptureAndTheLastCapture) {
  Position("w5,2 w6,1 b4,3 b2,5");
  TurnRecord turn = Record(5, 2, 3, 4);
  EXPECT_EQ(turn.result, MoveCode::Captured);
  EXPECT_TRUE(turn.mustCaptureAgain);
  EXPECT_EQ(turn.reply, 0);
  EXPECT_EQ(turn.cpuCount, 1);

  EXPECT_EQ(Record(6, 1, 5, 0).result, MoveCode::MustCapture);

  turn = Record(3, 4, 1, 6);
  EXPECT_FALSE(turn.mustCaptureAgain);
  EXPECT_EQ(turn.cpuCount, 0);
  EXPECT_EQ(turn.end, GameEnd::PlayerWins);
}

TEST_F(TurnRecords, CrowningsOnBothSides) {
  Position("w1,2 w7,0 b6,5");
  const TurnRecord turn = Record(1, 2, 0, 3);
  EXPECT_TRUE(turn.crowned);
  EXPECT_TRUE(turn.cpuCrowned);
}

TEST_F(TurnRecords, EachEndOfTheGame) {
  Position("w5,0 b3,2");
  TurnRecord turn = Record(5, 0, 4, 1);
  EXPECT_EQ(turn.reply, MakeMoveResult::Captured);
  EXPECT_EQ(turn.taken, 1);
  EXPECT_EQ(turn.playerCount, 0);
  EXPECT_EQ(turn.end, GameEnd::CpuWins);

  // The computer's last man is hemmed in on the player's home row; the player can still move.
  Position("w7,0 w7,2 w5,0 w5,2 w4,3 w5,6 b6,1");
  EXPECT_EQ(Record(5, 6, 4, 7).end, GameEnd::CpuHasNoMove);

  Position("w1,0 w1,2 w1,4 w1,6 w2,1 w2,3 w2,5 w3,6 b0,1 b0,3 b0,5 b0,7");
  EXPECT_EQ(Record(3, 6, 2, 7).end, GameEnd::NeitherCanMove);
  EXPECT_EQ(Record(2, 7, 1, 8).end, GameEnd::CpuWins);
}

}  // namespace
