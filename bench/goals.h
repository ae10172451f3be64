// The speed goals the benchmarks are held to, each printed beside the figure measured. A goal is a
// fixed time, or a multiple of another benchmark's figure measured in the same run (a baseline on
// the same machine). The parts of a whole turn are shown against the whole turn's goal, since none
// may take longer.
#pragma once

#include <string_view>

struct Goal {
  std::string_view benchmark;
  double limitNs;  // the fixed limit; unused when the goal follows a baseline
  std::string_view says;
  std::string_view baseline = {};  // when set, the limit is timesBaseline × this figure
  double timesBaseline = 0;
};

inline constexpr double kWholeTurnLimitNs = 20'000;
inline constexpr double kSmallFrameLimitNs = 500'000;
inline constexpr double kLargeFrameTimesBaseline = 2;

inline constexpr Goal kGoals[] = {
    {"BM_WholeTurn", kWholeTurnLimitNs, "a whole turn ≤ 20 µs"},
    {"BM_MakeMove", kWholeTurnLimitNs, "part of the whole turn (≤ 20 µs)"},
    {"BM_HasCapture", kWholeTurnLimitNs, "part of the whole turn (≤ 20 µs)"},
    {"BM_PlayerHasNoMove", kWholeTurnLimitNs, "part of the whole turn (≤ 20 µs)"},
    {"BM_Frame/834x441/idle", kSmallFrameLimitNs, "a frame at 834 × 441 ≤ 0.5 ms"},
    {"BM_Frame/834x441/drag", kSmallFrameLimitNs, "a frame at 834 × 441 ≤ 0.5 ms"},
    {"BM_Frame/3840x2137/idle", 0, "a frame at 3840 × 2137 ≤ 2 × fill-and-copy",
     "BM_FillAndCopy/3840x2137", kLargeFrameTimesBaseline},
    {"BM_Frame/3840x2137/drag", 0, "a frame at 3840 × 2137 ≤ 2 × fill-and-copy",
     "BM_FillAndCopy/3840x2137", kLargeFrameTimesBaseline},
};
