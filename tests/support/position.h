// Positions for tests, written as short text: "w5,0 W3,2 b2,1 B4,4" puts a white man (the
// player's) on row 5, column 0, a white king on 3,2, a black man (the computer's) on 2,1 and a
// black king on 4,4. Each side keeps the order in which its pieces are written.
#pragma once

#include <string>
#include <string_view>

#include "game/board.h"

// Replaces both sides of the board with the position; the counts follow the sets, the drag is idle.
void SetPosition(Board& board, std::string_view text);

// The same notation for one side, in stored order ("w5,0 W3,2").
std::string Describe(const PieceSet& set);
// Both sides: the player's pieces, then the computer's.
std::string Describe(const Board& board);
