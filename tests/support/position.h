// Positions for tests, written as short text: "w5,0 W3,2 b2,1 B4,4" puts a white man (the
// player's) on row 5, column 0, a white king on 3,2, a black man (the computer's) on 2,1 and a
// black king on 4,4. Each side keeps the order in which its pieces are written.
#pragma once

#include <random>
#include <string>
#include <string_view>

#include "game/board.h"

// Replaces both sides of the board with the position; the counts follow the sets, the drag is idle.
void SetPosition(Board& board, std::string_view text);

// A legal-looking random position: distinct dark squares, from minPlayerPieces to 12 pieces for
// the player and from 0 to 12 for the computer, some kings, and no man on the row where it would
// already have been crowned. The counts follow the sets.
void RandomPosition(std::mt19937& rng, Board& board, int minPlayerPieces = 0);

// The same notation for one side, in stored order ("w5,0 W3,2").
std::string Describe(const PieceSet& set);
// Both sides: the player's pieces, then the computer's.
std::string Describe(const Board& board);
