// The board's input and words: the squares' names, the keyboard cursor playing through the turn
// controller as the mouse does, and the words of each turn, told before any box that the same
// release opens.

#include "app/common/board_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ai/cpu_player.h"
#include "app/common/board_words.h"
#include "app/common/turn_words.h"
#include "game/board.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

using Events = std::vector<std::string>;

constexpr int kCell = 55;

// A recorder that tells each turn as a front end does, writing the words into its log, so that
// their order among the boxes shows.
class TellingRecorder : public Recorder, public Announcer {
 public:
  void TellTurn(const TurnRecord& turn) override {
    Recorder::TellTurn(turn);
    teller.Tell(turn);
  }
  void Announce(std::string_view words) override {
    events.push_back("words " + std::string(words));
  }

 private:
  TurnTeller teller{*this};
};

class Access : public testing::Test {
 protected:
  void SetUp() override {
    theBoard.NewGame();
    theBoard.cellSize = kCell;
    theCpuPlayer.shownSteps = 0;
    theCpuPlayer.stepCount = 0;
  }

  // The words and the boxes since the last call, in order; sounds and repaints left out.
  Events Told() {
    Events told;
    for (const std::string& event : recorder.Take()) {
      if (event.starts_with("words ") || event.starts_with("box ")) {
        told.push_back(event);
      }
    }
    return told;
  }

  void Keys(std::initializer_list<BoardKey> keys) {
    for (BoardKey key : keys) {
      model.Key(key);
    }
  }

  TellingRecorder recorder;
  BoardInput model;
};

bool SameSquare(const Cell& a, const Cell& b) {
  return a.row == b.row && a.col == b.col;
}

TEST_F(Access, NamesSquaresFromThePlayersSide) {
  EXPECT_EQ(SquareName(7, 0), "a1");
  EXPECT_EQ(SquareName(7, 7), "h1");
  EXPECT_EQ(SquareName(0, 0), "a8");
  EXPECT_EQ(SquareName(0, 7), "h8");
  EXPECT_EQ(SquareName(5, 2), "c3");
  EXPECT_EQ(SquareWords(theBoard, 5, 2), "c3, белая шашка");
  EXPECT_EQ(SquareWords(theBoard, 4, 3), "d4, пусто");
  EXPECT_EQ(SquareWords(theBoard, 2, 1), "b6, черная шашка");
  EXPECT_EQ(SquareWords(theBoard, 0, 0), "a8, светлое поле");
  SetPosition(theBoard, "W4,3 B3,4");
  EXPECT_EQ(SquareWords(theBoard, 4, 3), "d4, белая дамка");
  EXPECT_EQ(SquareWords(theBoard, 3, 4), "e5, черная дамка");
}

// Enter picks the man up on c3, the arrows carry it to d4 under the cursor (drawn at its centre),
// Enter drops it there: the move, its sound and the computer's answer are the mouse's.
TEST_F(Access, KeysPlayAMoveAsTheMouseDoes) {
  EXPECT_TRUE(SameSquare(model.Cursor(), {5, 2}));
  model.Key(BoardKey::Activate);
  Cell held{};
  ASSERT_TRUE(model.Held(&held));
  EXPECT_TRUE(SameSquare(held, {5, 2}));
  Keys({BoardKey::Up, BoardKey::Right});
  EXPECT_EQ(theBoard.mouseX, 3 * kCell + kCell / 2);
  EXPECT_EQ(theBoard.mouseY, 4 * kCell + kCell / 2);
  recorder.Take();

  model.Key(BoardKey::Activate);
  EXPECT_GE(IndexOf(theBoard.player, 4, 3), 0);
  EXPECT_EQ(recorder.Sounds(), (Events{"asterisk"}));
  ASSERT_EQ(theCpuPlayer.shownSteps, 1);
  const MoveStep& reply = theCpuPlayer.steps[0];
  EXPECT_EQ(Told(),
            (Events{"words Вы: c3-d4. Компьютер: " + SquareName(reply.fromRow, reply.fromCol) +
                    "-" + SquareName(reply.toRow, reply.toCol) + "."}));
}

TEST_F(Access, CursorStopsAtTheEdgesAndCarriesAHeldPiece) {
  Keys({BoardKey::Left, BoardKey::Left, BoardKey::Left, BoardKey::Down, BoardKey::Down,
        BoardKey::Down});
  EXPECT_TRUE(SameSquare(model.Cursor(), {7, 0}));
  model.Key(BoardKey::Activate);
  for (int i = 0; i < 9; ++i) {
    Keys({BoardKey::Up, BoardKey::Right});
  }
  EXPECT_TRUE(SameSquare(model.Cursor(), {0, 7}));
  EXPECT_EQ(theBoard.mouseX, 7 * kCell + kCell / 2);
  EXPECT_EQ(theBoard.mouseY, kCell / 2);
  EXPECT_EQ(theBoard.dragState, Dragging);
}

// Escape puts the held piece back with a refused drop on its own square; with nothing held it is
// not the board's key. Enter on an empty square presses there: nothing is picked up, but the
// computer's path hides, as after a click.
TEST_F(Access, EscapeRefusesTheDropAndAnEmptySquarePicksNothingUp) {
  model.Key(BoardKey::Activate);
  Keys({BoardKey::Up, BoardKey::Right});
  recorder.Take();
  EXPECT_TRUE(model.Key(BoardKey::Escape));
  EXPECT_GE(IndexOf(theBoard.player, 5, 2), 0);
  EXPECT_EQ(recorder.Sounds(), (Events{"exclamation"}));
  EXPECT_EQ(Told(), (Events{"words Ход невозможен."}));
  EXPECT_FALSE(model.Key(BoardKey::Escape));

  theCpuPlayer.shownSteps = 1;
  model.Key(BoardKey::Activate);
  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
  EXPECT_EQ(Told(), Events{});
}

TEST_F(Access, TellsACaptureThatMustGoOnAndTheScore) {
  SetPosition(theBoard, "w5,2 b4,3 b2,3 b0,7");
  model.MoveCursorTo({5, 2}, true);
  model.MoveCursorTo({3, 4}, true);
  EXPECT_EQ(Told(), (Events{"words Вы: c3:e5. Бейте дальше. Игрок: 1, AI: 2."}));
}

// The computer's f6 takes e5 and c3 in one chain: its path in notation, then the score.
TEST_F(Access, TellsTheComputersCaptureChainFromItsTrace) {
  SetPosition(theBoard, "w4,3 w5,2 w7,0 b2,5 b0,1");
  model.MoveCursorTo({4, 3}, true);
  model.MoveCursorTo({3, 4}, true);
  EXPECT_EQ(Told(), (Events{"words Вы: d4-e5. Компьютер: f6:d4:b2. Игрок: 1, AI: 2."}));
}

TEST_F(Access, TellsEachCrowning) {
  SetPosition(theBoard, "w1,2 w7,0 b6,5");
  model.MoveCursorTo({1, 2}, true);
  model.MoveCursorTo({0, 3}, true);
  const Events told = Told();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].starts_with("words Вы: c7-d8. Дамка. Компьютер: f2-")) << told[0];
  EXPECT_TRUE(told[0].ends_with("1. Дамка.")) << told[0];
}

// A release by the mouse is told as one by the keys. The words come before a game-end box; the
// compulsory-capture box has none before it, as it says all there is to say.
TEST_F(Access, WordsComeBeforeTheBoxOfTheSameRelease) {
  SetPosition(theBoard, "w5,2 w6,5 b4,3");
  model.PointerDown(SquareCentre(6, 5));
  model.PointerUp(SquareCentre(5, 4));
  EXPECT_EQ(Told(), (Events{"box Ошибка: Неверный ход.\nВы должны бить шашку противника."}));

  model.PointerDown(SquareCentre(5, 2));
  model.PointerMove(SquareCentre(3, 4));
  model.PointerUp(SquareCentre(3, 4));
  EXPECT_EQ(Told(),
            (Events{"words Вы: c3:e5. Игрок: 2, AI: 0.", "box ИГРА ОКОНЧЕНА: Победил ИГРОК!"}));
}

// The report tells what changed since the last frame: nothing during a drag, the held piece's
// square when it is picked up, and after a move exactly the four squares the two moves changed.
TEST_F(Access, ReportNamesWhatChangedSinceTheLastFrame) {
  BoardReport report;
  EXPECT_TRUE(report.Update(theBoard, model));
  EXPECT_EQ(report.Words(42), "c3, белая шашка");
  EXPECT_FALSE(report.Update(theBoard, model));

  model.Key(BoardKey::Activate);
  model.Key(BoardKey::Up);
  EXPECT_TRUE(report.Update(theBoard, model));
  EXPECT_EQ(report.Held(), 42);
  EXPECT_EQ(report.HeldBefore(), BoardReport::kNone);
  EXPECT_EQ(report.Cursor(), 34);
  model.Key(BoardKey::Right);
  model.Key(BoardKey::Activate);
  ASSERT_TRUE(report.Update(theBoard, model));
  std::vector<int> changed;
  for (int i = 0; i < BoardReport::kSquares; ++i) {
    if (report.WordsChanged(i)) {
      changed.push_back(i);
    }
  }
  const MoveStep& reply = theCpuPlayer.steps[0];
  std::vector<int> expected = {42, 35, reply.fromRow * 8 + reply.fromCol,
                               reply.toRow * 8 + reply.toCol};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(changed, expected);
  EXPECT_EQ(report.Words(35), "d4, белая шашка");
}

// The frame shows while the board has the focus and the keyboard is in use: from a key, or a focus
// that a key brought, until the next press of the pointer.
TEST_F(Access, CursorIsFramedFromAKeyUntilThePointerPresses) {
  model.FocusChanged(true, false);
  EXPECT_FALSE(model.CursorShown());
  model.Key(BoardKey::Right);
  EXPECT_TRUE(model.CursorShown());
  model.PointerDown(SquareCentre(0, 0));
  EXPECT_FALSE(model.CursorShown());
  model.FocusChanged(false, false);
  model.FocusChanged(true, true);
  EXPECT_TRUE(model.CursorShown());
  model.FocusChanged(false, false);
  EXPECT_FALSE(model.CursorShown());

  model.NewGame();
  EXPECT_TRUE(SameSquare(model.Cursor(), BoardInput::kStartCursor));
}

}  // namespace
