// Helpers shared by the opponent's routines: the working grid read and written by square, and the
// row before the one where the computer's men are crowned.
#pragma once

#include "ai/cpu_player.h"
#include "game/direction.h"

inline constexpr int kCpuRowBeforeCrowning = kCpuCrowningRow - 1;

inline std::int8_t& FieldAt(Field& field, int row, int col) {
  return field[row * kBoardSide + col];
}
inline std::int8_t FieldAt(const Field& field, int row, int col) {
  return field[row * kBoardSide + col];
}
