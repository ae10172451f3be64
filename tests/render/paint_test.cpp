#include "render/paint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "tests/render/recording_surface.h"

namespace {

using Events = std::vector<std::string>;

// The paint works on the process's one board, trace and window metrics; each test starts from a
// new game with no path shown and leaves the metrics at their start-up zeros.
class Paint : public ::testing::Test {
 protected:
  void SetUp() override {
    theBoard.NewGame();
    theCpuPlayer.shownSteps = 0;
  }
  void TearDown() override {
    theBoard.NewGame();
    theCpuPlayer.shownSteps = 0;
    boardWidth = boardHeight = clientWidth = panelBelow = 0;
  }
  static void SetClient(int board, int height, int width) {
    boardWidth = board;
    boardHeight = height;
    clientWidth = width;
  }
  RecordingSurface window;
};

struct ClientCase {
  int board;
  int height;
  int width;
  int cell;
  std::string panel;
};

TEST_F(Paint, FrameSizePanelAndCellFollowTheWindowMetrics) {
  const ClientCase cases[] = {
      {441, 441, 834, 55, "fill 441 0 834 441 FF7F7F7F"},
      {481, 481, 850, 60, "fill 481 0 850 481 FF7F7F7F"},
      {500, 481, 850, 60, "fill 500 0 850 481 FF7F7F7F"},
      {7, 7, 834, 0, "fill 7 0 834 7 FF7F7F7F"},
      {0, 0, 0, 0, "fill 0 0 0 0 FF7F7F7F"},
  };
  for (const ClientCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    theBoard.cellSize = 99;
    SetClient(c.board, c.height, c.width);
    RecordingSurface frame;
    PaintMainWindow(frame);
    const std::string size = std::to_string(c.width) + ' ' + std::to_string(c.height);
    ASSERT_GE(frame.events.size(), 3u);
    EXPECT_EQ(frame.events.front(), "begin " + size);
    EXPECT_EQ(frame.events[1], c.panel);
    EXPECT_EQ(frame.events[2],
              "fill 0 0 " + std::to_string(c.cell) + ' ' + std::to_string(c.cell) + " FFFAE66E");
    EXPECT_EQ(frame.events.back(), "end " + size);
    EXPECT_EQ(theBoard.originX, 0);
    EXPECT_EQ(theBoard.originY, 0);
    EXPECT_EQ(theBoard.cellSize, c.cell);
  }
}

TEST_F(Paint, ScorePanelTextStartsFromTheBoardNotTheWindowHeight) {
  SetClient(441, 441, 834);
  PaintMainWindow(window);
  EXPECT_EQ(window.Only("text Счет"), Events{"text Счет: |Times 40 bold italic|FF00FF00 470 10"});
}

// Upright, the panel lies below the board across the whole width, its lines placed in it as they
// are beside the board; a piece dragged over it is drawn where the pointer is.
TEST_F(Paint, UprightThePanelAndItsLinesLieBelowTheBoard) {
  SetUprightWindowMetrics(384, 800);
  theBoard.BeginDrag(2, 5, 100, 600);
  PaintMainWindow(window);
  EXPECT_EQ(window.events.front(), "begin 384 800");
  EXPECT_EQ(window.events[1], "fill 0 384 384 416 FF7F7F7F");
  EXPECT_EQ(window.Only("text"), (Events{"text Счет: |Times 40 bold italic|FF00FF00 30 394",
                                         "text Игрок: 12|Times 30 bold italic|FF0000FF 5 454",
                                         "text AI: 12|Times 30 bold italic|FF0000FF 5 504"}));
  EXPECT_EQ(window.Only("image").back(), "image images/White.png 76 576 48 48");
  EXPECT_EQ(window.events.back(), "end 384 800");
}

TEST_F(Paint, DraggedPieceIsDrawnOverThePanelWhenThePointerIsThere) {
  SetClient(441, 441, 834);
  theBoard.BeginDrag(2, 5, 600, 100);
  PaintMainWindow(window);
  const Events images = window.Only("image");
  ASSERT_EQ(images.size(), 24u);
  EXPECT_EQ(images.back(), "image images/White.png 573 73 55 55");
}

TEST_F(Paint, ShowsOnlyTheStepsOfTheTraceThatAreShown) {
  SetClient(441, 441, 834);
  theCpuPlayer.steps[0] = MoveStep{2, 1, 3, 2};
  theCpuPlayer.steps[1] = MoveStep{3, 2, 4, 3};
  theCpuPlayer.shownSteps = 1;
  PaintMainWindow(window);
  EXPECT_EQ(window.Only("line"), Events{"line 82 137 137 192 FFFF0000 5"});

  theCpuPlayer.shownSteps = 0;
  RecordingSurface hidden;
  PaintMainWindow(hidden);
  EXPECT_TRUE(hidden.Only("line").empty());
}

std::string Describe(const Rect& rect) {
  return std::to_string(rect.x) + ' ' + std::to_string(rect.y) + ' ' + std::to_string(rect.width) +
         ' ' + std::to_string(rect.height);
}

// What assistive technology is told of the frame's places matches where the frame draws: each
// score line from its text's corner to the panel's edge, beside the board and below it.
TEST_F(Paint, ScoreLinesAndSquaresAreFoundWhereTheyAreDrawn) {
  SetClient(441, 441, 834);
  PaintMainWindow(window);
  EXPECT_EQ(Describe(SquareRect(5, 2)), "110 275 55 55");
  EXPECT_EQ(Describe(ScoreLineRect(0)), "470 10 364 54");
  EXPECT_EQ(Describe(ScoreLineRect(1)), "445 70 389 40");
  EXPECT_EQ(Describe(ScoreLineRect(2)), "445 120 389 40");

  SetUprightWindowMetrics(384, 800);
  EXPECT_EQ(Describe(ScoreLineRect(0)), "30 394 354 54");
  EXPECT_EQ(Describe(ScoreLineRect(2)), "5 504 379 40");
  EXPECT_EQ(Describe(PanelRect()), "0 384 384 416");
}

// Upright, the newest moves that fit stand below the score, the earliest scrolled away; beside the
// board the panel shows the score alone.
TEST_F(Paint, UprightTheNewestMovesThatFitStandBelowTheScore) {
  std::vector<std::string> moves;
  for (int i = 1; i <= 10; ++i) {
    moves.push_back(std::to_string(i) + ". c3-d4");
  }
  SetUprightWindowMetrics(384, 800);
  PaintMainWindow(window, nullptr, moves);
  const Events shown = window.Only("text ");
  ASSERT_EQ(shown.size(), 3u + 8u);
  EXPECT_EQ(shown[0], "text 3. c3-d4|Times 20 bold italic|FF0000FF 5 554");
  EXPECT_EQ(shown[7], "text 10. c3-d4|Times 20 bold italic|FF0000FF 5 764");

  RecordingSurface beside;
  SetWindowMetrics(834, 441);
  PaintMainWindow(beside, nullptr, moves);
  EXPECT_EQ(beside.Only("text ").size(), 3u);
}

}  // namespace
