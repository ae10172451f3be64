// What every position reached in play must be, whatever was played: the property tests, the soak
// test, the fuzz target and the replays of its corpus all ask the same questions. Standard C++
// only, so that the fuzz target links it without GoogleTest.
#pragma once

#include "ai/cpu_player.h"
#include "game/board.h"

// The first rule the pieces break, or nullptr: at most 12 pieces a side, each on a dark square of
// the board, no two on one square, every piece a man or a king, and no man on its crowning row.
const char* FindBrokenPositionInvariant(const Board& board);

// The same, then: each score equals its side's count of pieces, and the trace of the computer's
// last move is within its capacity with no more steps shown than recorded.
const char* FindBrokenGameInvariant(const Board& board, const CpuPlayer& cpu);
