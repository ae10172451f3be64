// Points for the mouse handlers, as tests, benchmarks and the fuzz target press and release them.
// Header only and standard C++ only, so that programs without GoogleTest use it too.
#pragma once

#include "game/board.h"
#include "game/turn.h"

// The centre of a square as the board was last drawn (theBoard's origin and cell size), packed as
// the window system packs a point.
inline LParam SquareCentre(int row, int col) {
  const int cell = theBoard.cellSize;
  return MakePointParam(theBoard.originX + col * cell + cell / 2,
                        theBoard.originY + row * cell + cell / 2);
}
