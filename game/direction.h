// The four diagonal directions of the board, named once. A direction is one column step and one
// row step, each +1 or -1; rows grow downwards, so the player's men move "up" (row - 1) and the
// computer's men "down" (row + 1). Every rule reads its directions from here, in the order that
// rule tries them. The computer's tactics also name squares up to two steps away by the same
// pair of steps.
#pragma once

#include <cstdint>

struct Direction {
  std::int8_t colStep;
  std::int8_t rowStep;
};

namespace Diagonal {
inline constexpr Direction DownRight{+1, +1};
inline constexpr Direction DownLeft{-1, +1};
inline constexpr Direction UpRight{+1, -1};
inline constexpr Direction UpLeft{-1, -1};
}  // namespace Diagonal

// All four, in the order every search for a capture tries them, the player's and the computer's
// alike; where the order does not matter (the neighbours of a square) it is used too.
inline constexpr Direction kDiagonals[4] = {Diagonal::DownRight, Diagonal::DownLeft,
                                            Diagonal::UpRight, Diagonal::UpLeft};

// The forward steps of each side's men, in the order that side's rules try them.
inline constexpr Direction kPlayerForward[2] = {Diagonal::UpRight, Diagonal::UpLeft};
inline constexpr Direction kCpuForward[2] = {Diagonal::DownLeft, Diagonal::DownRight};
