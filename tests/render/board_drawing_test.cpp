#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "tests/render/recording_surface.h"
#include "tests/support/position.h"

namespace {

using Events = std::vector<std::string>;

// The events as runs of the same kind ("image images/White.png x12"), for checking layer order.
Events Layers(const Events& events) {
  Events runs;
  std::string last;
  int length = 0;
  auto flush = [&] {
    if (length > 0) {
      runs.push_back(last + " x" + std::to_string(length));
    }
  };
  for (const std::string& event : events) {
    const std::size_t end = event.starts_with("image ") ? event.find(' ', 6) : event.find(' ');
    const std::string kind = event.substr(0, end);
    if (kind != last) {
      flush();
      last = kind;
      length = 0;
    }
    ++length;
  }
  flush();
  return runs;
}

TEST(Squares, FirstBlocksAreFilledLightDarkLightDarkDownTheLeftColumns) {
  Board board;
  RecordingSurface surface;
  board.DrawSquares(0, 0, 55, surface);
  ASSERT_EQ(surface.events.size(), 64u);
  const Events firstEight(surface.events.begin(), surface.events.begin() + 8);
  EXPECT_EQ(firstEight, (Events{"fill 0 0 55 55 FFFAE66E", "fill 55 0 55 55 FFC86E41",
                                "fill 55 55 55 55 FFFAE66E", "fill 0 55 55 55 FFC86E41",
                                "fill 0 110 55 55 FFFAE66E", "fill 55 110 55 55 FFC86E41",
                                "fill 55 165 55 55 FFFAE66E", "fill 0 165 55 55 FFC86E41"}));
  EXPECT_EQ(surface.events[16], "fill 110 0 55 55 FFFAE66E");
  EXPECT_EQ(surface.events[63], "fill 330 385 55 55 FFC86E41");
}

TEST(Squares, EverySquareIsFilledOnceAndDarkWhereRowPlusColumnIsOdd) {
  Board board;
  RecordingSurface surface;
  board.DrawSquares(10, 20, 30, surface);
  std::set<std::pair<int, int>> seen;
  for (const std::string& event : surface.events) {
    std::istringstream in(event.substr(5));
    int x = 0, y = 0, width = 0, height = 0;
    std::string colour;
    in >> x >> y >> width >> height >> colour;
    ASSERT_EQ((x - 10) % 30, 0) << event;
    ASSERT_EQ((y - 20) % 30, 0) << event;
    const int row = (y - 20) / 30;
    const int col = (x - 10) / 30;
    EXPECT_EQ(width, 30) << event;
    EXPECT_EQ(height, 30) << event;
    EXPECT_EQ(colour, (row + col) % 2 == 1 ? "FFC86E41" : "FFFAE66E") << event;
    EXPECT_TRUE(seen.insert({row, col}).second) << "filled twice: " << event;
  }
  EXPECT_EQ(seen.size(), 64u);
  EXPECT_EQ(*seen.begin(), std::make_pair(0, 0));
  EXPECT_EQ(*seen.rbegin(), std::make_pair(7, 7));
}

struct ImageCase {
  int colour;
  int state;
  Events expected;
};

TEST(Pieces, ImageIsChosenBySideAndStateAndOtherValuesDrawNothing) {
  const ImageCase cases[] = {
      {BlackSide, Man, {"image images/Black.png 110 165 55 55"}},
      {BlackSide, King, {"image images/Black_king.png 110 165 55 55"}},
      {WhiteSide, Man, {"image images/White.png 110 165 55 55"}},
      {WhiteSide, King, {"image images/White_king.png 110 165 55 55"}},
      {2, Man, {}},
      {-1, King, {}},
      {WhiteSide, 1, {}},
      {BlackSide, 4, {}},
  };
  for (const ImageCase& c : cases) {
    Board board;
    board.player.count = 1;
    board.player.colour = c.colour;
    board.player.pieces[0] = Piece{c.state, 3, 2};
    RecordingSurface surface;
    board.DrawPieceSet(0, 0, 55, surface, board.player);
    EXPECT_EQ(surface.events, c.expected) << "colour " << c.colour << " state " << c.state;
  }
}

TEST(Pieces, ComputerKingAndPlayerManStandOnTheirSquaresFromTheOrigin) {
  Board board;
  SetPosition(board, "w5,0 B3,2");
  RecordingSurface surface;
  board.DrawPieces(10, 20, 55, surface);
  EXPECT_EQ(surface.events, (Events{"image images/Black_king.png 120 185 55 55",
                                    "image images/White.png 10 295 55 55"}));
}

struct DragCase {
  const char* what;
  int x;
  int y;
  std::string expectedLast;
};

TEST(Pieces, DraggedPieceIsDrawnLastCentredOnThePointerWithItsSquareEmpty) {
  const DragCase cases[] = {
      {"over the board", 130, 300, "image images/White.png 103 273 55 55"},
      {"over the score panel", 600, 100, "image images/White.png 573 73 55 55"},
      {"partly outside the window", 0, 0, "image images/White.png -27 -27 55 55"},
  };
  for (const DragCase& c : cases) {
    Board board;
    board.BeginDrag(2, 5, c.x, c.y);
    RecordingSurface surface;
    board.DrawPieces(0, 0, 55, surface);
    ASSERT_EQ(surface.events.size(), 24u) << c.what;
    EXPECT_EQ(surface.events.back(), c.expectedLast) << c.what;
    for (const std::string& event : surface.events) {
      EXPECT_NE(event, "image images/White.png 110 275 55 55") << c.what << ": square not empty";
    }
  }
}

TEST(Pieces, DragFromAnEmptySquareDrawsEveryPieceInPlace) {
  Board idle;
  RecordingSurface expected;
  idle.DrawPieces(0, 0, 55, expected);

  Board board;
  board.BeginDrag(4, 4, 200, 200);
  RecordingSurface surface;
  board.DrawPieces(0, 0, 55, surface);
  EXPECT_EQ(surface.events, expected.events);
}

// A count beyond the set's capacity can only come from damaged data; drawing must stay within the
// twelve entries, including the search for the dragged piece.
TEST(Pieces, CountBeyondCapacityDrawsOnlyTheStoredPieces) {
  Board board;
  board.player.count = 40;
  board.BeginDrag(6, 7, 300, 300);
  RecordingSurface surface;
  board.DrawPieceSet(0, 0, 55, surface, board.player);
  ASSERT_EQ(surface.events.size(), 12u);
  EXPECT_EQ(surface.events.back(), "image images/White.png 273 273 55 55");
}

struct ScoreCase {
  int playerCount;
  int cpuCount;
  int boardSide;
  Events expected;
};

TEST(Score, HeadingInGreenAndSignedCountsInBlueBesideTheBoard) {
  const ScoreCase cases[] = {
      {12,
       12,
       440,
       {"text Счет: |Times 40 bold italic|FF00FF00 470 10",
        "text Игрок: 12|Times 30 bold italic|FF0000FF 445 70",
        "text AI: 12|Times 30 bold italic|FF0000FF 445 120"}},
      {0,
       3,
       240,
       {"text Счет: |Times 40 bold italic|FF00FF00 270 10",
        "text Игрок: 0|Times 30 bold italic|FF0000FF 245 70",
        "text AI: 3|Times 30 bold italic|FF0000FF 245 120"}},
      {INT_MIN,
       -1,
       0,
       {"text Счет: |Times 40 bold italic|FF00FF00 30 10",
        "text Игрок: -2147483648|Times 30 bold italic|FF0000FF 5 70",
        "text AI: -1|Times 30 bold italic|FF0000FF 5 120"}},
  };
  for (const ScoreCase& c : cases) {
    Board board;
    board.playerCount = c.playerCount;
    board.cpuCount = c.cpuCount;
    RecordingSurface surface;
    board.DrawScore(surface, c.boardSide);
    EXPECT_EQ(surface.events, c.expected) << c.playerCount << " / " << c.cpuCount;
  }
}

TEST(Score, LabelIsGreenOnlyForCodeFourAndBlueForEveryOtherCode) {
  const std::pair<int, const char*> cases[] = {
      {4, "FF00FF00"}, {3, "FF0000FF"}, {0, "FF0000FF"}, {5, "FF0000FF"}, {-4, "FF0000FF"}};
  for (const auto& [code, colour] : cases) {
    Board board;
    RecordingSurface surface;
    board.DrawLabel(surface, 7, 9, 12, "x", code);
    EXPECT_EQ(surface.events, Events{std::string("text x|Times 12 bold italic|") + colour + " 7 9"})
        << "code " << code;
  }
}

class Frame : public ::testing::Test {
 protected:
  // A triple capture from (2,1) over (3,2), (5,4) and (5,6).
  MoveStep steps[CpuPlayer::kMaxSteps] = {{2, 1, 4, 3}, {4, 3, 6, 5}, {6, 5, 4, 7}};
  Board board;
  RecordingSurface surface;
};

TEST_F(Frame, StoresTheGeometryItIsDrawnWith) {
  board.DrawBoard(10, 20, 30, surface, 0, steps);
  EXPECT_EQ(board.originX, 10);
  EXPECT_EQ(board.originY, 20);
  EXPECT_EQ(board.cellSize, 30);
  EXPECT_EQ(surface.Only("text Счет"), Events{"text Счет: |Times 40 bold italic|FF00FF00 270 10"});
}

TEST_F(Frame, LayersGoSquaresComputerPiecesPlayerPiecesScoreThenPath) {
  board.BeginDrag(0, 5, 100, 100);
  board.DrawBoard(0, 0, 55, surface, 3, steps);
  EXPECT_EQ(Layers(surface.events), (Events{"fill x64", "image images/Black.png x12",
                                            "image images/White.png x12", "text x3", "line x3"}));
}

TEST_F(Frame, PathJoinsTheCentresOfTheVisitedSquaresInRed) {
  board.DrawBoard(0, 0, 55, surface, 3, steps);
  EXPECT_EQ(surface.Only("line"),
            (Events{"line 82 137 192 247 FFFF0000 5", "line 192 247 302 357 FFFF0000 5",
                    "line 302 357 412 247 FFFF0000 5"}));
}

// A count past the trace's capacity can only come from damaged data: at most the stored steps
// are drawn.
TEST_F(Frame, PathShowsTheFirstCountStepsWithinTheTrace) {
  const std::pair<int, std::size_t> cases[] = {{0, 0},
                                               {-5, 0},
                                               {1, 1},
                                               {CpuPlayer::kMaxSteps, CpuPlayer::kMaxSteps},
                                               {CpuPlayer::kMaxSteps + 1, CpuPlayer::kMaxSteps},
                                               {INT_MAX, CpuPlayer::kMaxSteps}};
  for (const auto& [count, lines] : cases) {
    RecordingSurface frame;
    board.DrawBoard(0, 0, 55, frame, count, steps);
    EXPECT_EQ(frame.Only("line").size(), lines) << "count " << count;
  }
}

TEST_F(Frame, ZeroCellDrawsEverythingAtZeroSizeAndStoresIt) {
  board.DrawBoard(0, 0, 55, surface, 0, steps);
  RecordingSurface tiny;
  board.DrawBoard(0, 0, 0, tiny, 3, steps);
  EXPECT_EQ(board.cellSize, 0);
  EXPECT_EQ(tiny.Only("fill 0 0 0 0 ").size(), 64u);
  EXPECT_EQ(tiny.Only("image images/White.png 0 0 0 0").size(), 12u);
  EXPECT_EQ(tiny.Only("line").front(), "line 0 0 0 0 FFFF0000 5");
}

}  // namespace
