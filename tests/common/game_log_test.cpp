// The game's record: its moves in notation as the turns are played, and the game kept as text and
// played again from it, or refused whole.

#include "app/common/game_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/common/identity.h"
#include "game/board.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

using Lines = std::vector<std::string>;

// Notes each turn in a record, as the browser's front end does.
class NotingRecorder : public Recorder {
 public:
  void TellTurn(const TurnRecord& turn) override {
    Recorder::TellTurn(turn);
    log.Note(turn);
  }
  GameLog log;
};

class GameRecord : public testing::Test {
 protected:
  void SetUp() override {
    theBoard.NewGame();
    theCpuPlayer.shownSteps = 0;
    theCpuPlayer.stepCount = 0;
  }
  void Play(Cell from, Cell to) {
    PressSquare(from);
    ReleaseOnSquare(to);
  }

  NotingRecorder recorder;
};

// A quiet move and its reply, a king's move, a crowning on both sides, and a capture over two
// drops written as one move; a refused drop is no part of the game.
TEST_F(GameRecord, WritesMovesAsPlayersDo) {
  Play({5, 2}, {5, 2});
  Play({5, 2}, {4, 3});
  EXPECT_EQ(recorder.log.Moves(), Lines{"1. c3-d4 b6-a5"});

  SetPosition(theBoard, "W7,0 b0,7");
  recorder.log.Clear();
  Play({7, 0}, {4, 3});
  EXPECT_EQ(recorder.log.Moves(), Lines{"1. a1-d4 h8-g7"});

  SetPosition(theBoard, "w1,2 w7,0 b6,5");
  recorder.log.Clear();
  Play({1, 2}, {0, 3});
  ASSERT_EQ(recorder.log.Moves().size(), 1u);
  EXPECT_TRUE(recorder.log.Moves()[0].starts_with("1. c7-d8 f2-")) << recorder.log.Moves()[0];

  SetPosition(theBoard, "w5,2 w6,1 b4,3 b2,5");
  recorder.log.Clear();
  Play({5, 2}, {3, 4});
  Play({3, 4}, {1, 6});
  EXPECT_EQ(recorder.log.Moves(), Lines{"1. c3:e5:g7"});
}

// A game kept and brought back: the same position, path, moves and cursor.
TEST_F(GameRecord, AKeptGameComesBackAsItWas) {
  Play({5, 2}, {4, 3});
  Play({5, 4}, {4, 5});
  const std::string kept = StoredGame(recorder.log, true, {3, 3});
  const std::string position = Describe(theBoard);
  const int shown = theCpuPlayer.shownSteps;

  GameLog log;
  Cell cursor{};
  EXPECT_EQ(RestoreGame(kept, log, &cursor), nullptr);
  EXPECT_EQ(Describe(theBoard), position);
  EXPECT_EQ(theCpuPlayer.shownSteps, shown);
  EXPECT_EQ(log.Moves(), recorder.log.Moves());
  EXPECT_EQ(cursor.row * 8 + cursor.col, 3 * 8 + 3);
  SetFrontend(&recorder);
}

// A kept game that cannot come back leaves a new game, an empty record and the cursor untouched.
TEST_F(GameRecord, AKeptGameThatCannotComeBackIsRefusedWhole) {
  const std::string fresh = Describe(Board{});
  const std::string start = "kordavelmix " KORDAVELMIX_VERSION " game 1\n";
  const struct {
    std::string text;
    const char* why;
  } cases[] = {
      {start + "drops c3d4 d4d5\npath 1\ncursor c3\n", "the rules refuse one of its drops"},
      {start + "drops c3d4\npath 1\ncursor c3\n" + "more", "it goes on past its end"},
      {start + "drops c3d\npath 1\ncursor c3\n", "its drops are malformed"},
      {"kordavelmix 0.1 game 1\ndrops\npath 0\ncursor c3\n", "it is from another version"},
      {"\xff\xfe", "it is not a stored game"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Play({5, 2}, {4, 3});
    GameLog log;
    Cell cursor{1, 2};
    const char* why = RestoreGame(c.text, log, &cursor);
    ASSERT_NE(why, nullptr);
    EXPECT_STREQ(why, c.why);
    EXPECT_EQ(Describe(theBoard), fresh);
    EXPECT_EQ(theCpuPlayer.shownSteps, 0);
    EXPECT_TRUE(log.Moves().empty());
    EXPECT_EQ(cursor.row * 8 + cursor.col, 1 * 8 + 2);
    SetFrontend(&recorder);
  }
}

}  // namespace
