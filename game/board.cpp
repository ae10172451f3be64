#include "game/board.h"

Board theBoard;

Board::Board()
    : playerCount(kPiecesPerSide),
      cpuCount(kPiecesPerSide),
      player{},
      cpu{},
      dragState(Idle),
      selectedIndex(0),
      dragCol(0),
      dragRow(0),
      mouseX(0),
      mouseY(0),
      originX(0),
      originY(0),
      cellSize(0) {
  SetupSide(player, WhiteSide, 0);
  SetupSide(cpu, BlackSide, 1);
}

Board::~Board() = default;

// Fills the set with the twelve men of its three home rows, row by row and left to right.
void Board::SetupSide(PieceSet& set, int colour, int top) {
  set.count = 0;
  set.colour = colour;
  const int firstRow = top != 0 ? 0 : kBoardSide - kHomeRows;
  for (int row = firstRow; row < firstRow + kHomeRows; ++row) {
    for (int col = row % 2 == 0 ? 1 : 0; col < kBoardSide; col += 2) {
      set.pieces[set.count] = Piece{Man, row, col};
      ++set.count;
    }
  }
}

void Board::NewGame() {
  playerCount = kPiecesPerSide;
  cpuCount = kPiecesPerSide;
  SetupSide(player, WhiteSide, 0);
  SetupSide(cpu, BlackSide, 1);
  dragState = Idle;
}

void StartNewGame() {
  theBoard.NewGame();
}

int IsOccupied(const PieceSet& set, int row, int col) {
  return IndexOf(set, row, col) >= 0 ? 1 : 0;
}

int IndexOf(const PieceSet& set, int row, int col) {
  for (int i = 0; i < set.count; ++i) {
    if (set.pieces[i].row == row && set.pieces[i].col == col) {
      return i;
    }
  }
  return -1;
}

// Takes the piece on the square out of the set; the later pieces move down one place so that the
// stored order of the rest is kept.
void Board::RemovePiece(PieceSet& set, int row, int col) {
  const int index = IndexOf(set, row, col);
  if (index < 0) {
    return;
  }
  for (int i = index; i + 1 < set.count; ++i) {
    set.pieces[i] = set.pieces[i + 1];
  }
  --set.count;
}

// Not clamped: a point right of or below the board gives 8 or more. Callers keep cellSize non-zero.
void Board::PixelToCell(int x, int y, int* col, int* row) const {
  *col = (x - originX) / cellSize;
  *row = (y - originY) / cellSize;
}

void Board::BeginDrag(int col, int row, int x, int y) {
  dragState = Dragging;
  dragCol = col;
  dragRow = row;
  mouseX = x;
  mouseY = y;
}

void Board::DragTo(int x, int y) {
  mouseX = x;
  mouseY = y;
}
