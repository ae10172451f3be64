// One whole game from the initial position, played through the three mouse handlers at square
// centres of a 55-pixel board: every sound, message box, computer path and score along the way.
// It covers quiet moves, captures by both sides, the computer's double captures, the player's
// multi-captures over two releases, crowning by capture, a king's long capture, the forced-capture
// message and the player's win.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "game/turn.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"
#include "tests/support/trace.h"

namespace {

constexpr int kCell = 55;
const std::string kMustCapture = "box Ошибка: Неверный ход.\nВы должны бить шашку противника.";
const std::string kPlayerWins = "box ИГРА ОКОНЧЕНА: Победил ИГРОК!";

struct ScriptedMove {
  int fromRow, fromCol, toRow, toCol;
  std::vector<std::string> events;  // between the release and its final repaint
  const char* path;                 // the computer's path shown afterwards
  int playerCount, cpuCount;
};

std::string ShownPath() {
  return DescribeTrace(theCpuPlayer.steps, theCpuPlayer.shownSteps);
}

TEST(WholeGame, ThePlayerWinsInTwentySevenDrops) {
  const ScriptedMove script[] = {
      {5, 6, 4, 7, {"sound asterisk"}, "2,1>3,0", 12, 12},
      {5, 0, 4, 1, {"sound asterisk"}, "1,0>2,1", 12, 12},
      {6, 7, 5, 6, {"sound asterisk"}, "0,1>1,0", 12, 12},
      {5, 6, 4, 5, {"sound asterisk"}, "2,7>3,6", 12, 12},
      {4, 5, 2, 7, {"sound beep"}, "2,3>3,4", 12, 11},
      {4, 7, 3, 6, {"sound asterisk", "sound beep"}, "2,5>4,7", 11, 11},
      {7, 6, 6, 7, {"sound asterisk"}, "1,2>2,3", 11, 11},
      {6, 7, 5, 6, {"sound asterisk"}, "0,3>1,2", 11, 11},
      {5, 2, 4, 3, {"sound asterisk", "sound beep"}, "3,0>5,2", 10, 11},
      {6, 1, 5, 0, {kMustCapture}, "", 10, 11},  // 4,3 must capture first
      {4, 3, 2, 5, {"sound beep"}, "", 10, 10},  // and may go on: no reply yet
      {2, 5, 0, 3, {"sound beep", "sound question"}, "2,1>3,0", 10, 9},
      {0, 3, 2, 1, {"sound beep", "sound beep"}, "1,0>3,2", 9, 8},
      {6, 1, 4, 3, {"sound beep"}, "", 9, 7},
      {4, 3, 2, 1, {"sound beep", "sound beep"}, "3,0>1,2", 8, 6},
      {5, 4, 4, 5, {"sound asterisk"}, "0,5>1,4", 8, 6},
      {2, 7, 0, 5, {"sound beep", "sound question"}, "1,4>2,5", 8, 5},
      {0, 5, 3, 2, {"sound beep"}, "0,7>1,6", 8, 4},  // the new king captures from afar
      {4, 5, 3, 4, {"sound asterisk", "sound beep"}, "2,5>4,3 4,3>2,1", 6, 4},
      {5, 6, 4, 5, {"sound asterisk"}, "2,1>3,0", 6, 4},
      {4, 5, 3, 4, {"sound asterisk"}, "1,6>2,7", 6, 4},
      {7, 2, 6, 1, {"sound asterisk"}, "3,0>4,1", 6, 4},
      {6, 1, 5, 0, {"sound asterisk"}, "2,7>3,6", 6, 4},
      {5, 0, 3, 2, {"sound beep"}, "4,7>5,6", 6, 3},
      {6, 5, 4, 7, {"sound beep"}, "", 6, 2},
      {4, 7, 2, 5, {"sound beep"}, "1,2>2,3", 6, 1},
      {3, 2, 1, 4, {"sound beep", kPlayerWins}, "", 6, 0},
  };

  StartNewGame();
  theBoard.originX = 0;
  theBoard.originY = 0;
  theBoard.cellSize = kCell;
  theCpuPlayer.shownSteps = 0;
  Recorder recorder;
  int drop = 0;
  for (const ScriptedMove& m : script) {
    SCOPED_TRACE("drop " + std::to_string(drop++) + " from " + std::to_string(m.fromRow) + "," +
                 std::to_string(m.fromCol));
    OnLButtonDown(0, SquareCentre(m.fromRow, m.fromCol));
    ASSERT_EQ(theBoard.dragState, Dragging);
    EXPECT_EQ(theCpuPlayer.shownSteps, 0) << "a press hides the last path";
    OnMouseMove(0, MakePointParam(m.toCol * kCell + 3, m.toRow * kCell + 50));
    recorder.events.clear();
    OnLButtonUp(0, MakePointParam(m.toCol * kCell + 3, m.toRow * kCell + 50));

    std::vector<std::string> expected = m.events;
    expected.push_back("repaint");
    EXPECT_EQ(recorder.events, expected);
    EXPECT_EQ(ShownPath(), m.path);
    EXPECT_EQ(theBoard.playerCount, m.playerCount);
    EXPECT_EQ(theBoard.cpuCount, m.cpuCount);
    EXPECT_EQ(theBoard.playerCount, theBoard.player.count);
    EXPECT_EQ(theBoard.cpuCount, theBoard.cpu.count);
  }
  EXPECT_EQ(Describe(theBoard), "w6,3 w2,5 w7,0 w1,4 w7,4 w3,4");
}

}  // namespace
