// Helpers shared by the opponent's routines: the working grid read and written by square, the
// four diagonal neighbours of a square, and the rows that matter to the computer's men.
#pragma once

#include "ai/cpu_player.h"
#include "game/direction.h"

// The computer's men move towards row 7 and are crowned there.
inline constexpr int kCpuCrowningRow = 7;
inline constexpr int kCpuRowBeforeCrowning = kCpuCrowningRow - 1;

// The four diagonal neighbours of a square, where the order of looking does not matter.
inline constexpr Direction kNeighbourDirs[4] = {{+1, +1}, {-1, +1}, {+1, -1}, {-1, -1}};

inline std::int8_t& FieldAt(Field& field, int row, int col) {
  return field[row * 8 + col];
}
inline std::int8_t FieldAt(const Field& field, int row, int col) {
  return field[row * 8 + col];
}
