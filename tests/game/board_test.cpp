#include "game/board.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/position.h"

namespace {

TEST(BoardSetup, NewBoardHoldsTwelveMenASideInStoredOrder) {
  Board board;
  EXPECT_EQ(Describe(board.player), "w5,0 w5,2 w5,4 w5,6 w6,1 w6,3 w6,5 w6,7 w7,0 w7,2 w7,4 w7,6");
  EXPECT_EQ(Describe(board.cpu), "b0,1 b0,3 b0,5 b0,7 b1,0 b1,2 b1,4 b1,6 b2,1 b2,3 b2,5 b2,7");
  EXPECT_EQ(board.player.colour, WhiteSide);
  EXPECT_EQ(board.cpu.colour, BlackSide);
  EXPECT_EQ(board.playerCount, 12);
  EXPECT_EQ(board.cpuCount, 12);
  EXPECT_EQ(board.dragState, Idle);
  EXPECT_EQ(board.cellSize, 0);
}

// A new game in the middle of a drag ends the drag but keeps the drag square, the mouse point and
// the geometry of the last frame.
TEST(BoardSetup, NewGameResetsPiecesAndCountsButKeepsDragPointAndGeometry) {
  Board board;
  SetPosition(board, "W3,2 b4,5");
  board.cellSize = 55;
  board.BeginDrag(2, 3, 140, 180);
  board.NewGame();
  EXPECT_EQ(Describe(board), Describe(Board{}));
  EXPECT_EQ(board.playerCount, 12);
  EXPECT_EQ(board.cpuCount, 12);
  EXPECT_EQ(board.dragState, Idle);
  EXPECT_EQ(board.dragCol, 2);
  EXPECT_EQ(board.dragRow, 3);
  EXPECT_EQ(board.mouseX, 140);
  EXPECT_EQ(board.mouseY, 180);
  EXPECT_EQ(board.cellSize, 55);
}

TEST(BoardPieces, RemovalKeepsTheOrderOfTheRest) {
  Board board;
  board.RemovePiece(board.player, 6, 1);  // entry 4
  EXPECT_EQ(board.player.count, 11);
  EXPECT_EQ(Describe(board.player), "w5,0 w5,2 w5,4 w5,6 w6,3 w6,5 w6,7 w7,0 w7,2 w7,4 w7,6");
  EXPECT_EQ(IsOccupied(board.player, 6, 1), 0);
  EXPECT_EQ(IsOccupied(board.player, 7, 6), 1);
  EXPECT_EQ(board.playerCount, 12) << "the score is the turn controller's to keep";
}

TEST(BoardPieces, RemovalFromAnEmptySquareChangesNothing) {
  Board board;
  const PieceSet before = board.cpu;
  board.RemovePiece(board.cpu, 4, 3);
  board.RemovePiece(board.cpu, 5, 0);  // a square of the other side
  EXPECT_EQ(0, std::memcmp(&before, &board.cpu, sizeof before));
}

TEST(BoardPieces, KingsAreFoundLikeMen) {
  Board board;
  SetPosition(board, "w5,0 W3,2 b2,1 B4,5");
  EXPECT_EQ(IndexOf(board.player, 3, 2), 1);
  EXPECT_EQ(IsOccupied(board.cpu, 4, 5), 1);
  EXPECT_EQ(IndexOf(board.cpu, 3, 2), -1);
  EXPECT_EQ(IsOccupied(board.player, 2, 1), 0);
}

TEST(BoardPixels, PointsMapToSquaresWithoutClamping) {
  Board board;
  board.cellSize = 62;
  struct Case {
    int x, y, col, row;
  };
  for (const Case& c : {Case{61, 61, 0, 0}, Case{62, 123, 1, 1}, Case{496, 10, 8, 0},
                        Case{495, 495, 7, 7}, Case{0, 600, 0, 9}}) {
    int col = -1;
    int row = -1;
    board.PixelToCell(c.x, c.y, &col, &row);
    EXPECT_EQ(col, c.col) << c.x << "," << c.y;
    EXPECT_EQ(row, c.row) << c.x << "," << c.y;
  }
  board.originX = 10;
  board.originY = 20;
  int col = -1;
  int row = -1;
  board.PixelToCell(71, 81, &col, &row);
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 0);
}

TEST(BoardDrag, BeginAndDragStoreTheSquareAndThePoint) {
  Board board;
  board.BeginDrag(3, 6, 200, 360);
  EXPECT_EQ(board.dragState, Dragging);
  EXPECT_EQ(board.dragCol, 3);
  EXPECT_EQ(board.dragRow, 6);
  board.DragTo(250, 300);
  EXPECT_EQ(board.mouseX, 250);
  EXPECT_EQ(board.mouseY, 300);
  EXPECT_EQ(board.dragCol, 3);
}

}  // namespace
