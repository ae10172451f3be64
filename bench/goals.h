// The speed goals the benchmarks are held to, each printed beside the figure measured. Only the
// whole turn has a goal of its own; its parts are shown against it, since none may take longer.
#pragma once

#include <string_view>

struct Goal {
  std::string_view benchmark;
  double limitNs;
  std::string_view says;
};

inline constexpr double kWholeTurnLimitNs = 20'000;

inline constexpr Goal kGoals[] = {
    {"BM_WholeTurn", kWholeTurnLimitNs, "a whole turn ≤ 20 µs"},
    {"BM_MakeMove", kWholeTurnLimitNs, "part of the whole turn (≤ 20 µs)"},
    {"BM_HasCapture", kWholeTurnLimitNs, "part of the whole turn (≤ 20 µs)"},
    {"BM_PlayerHasNoMove", kWholeTurnLimitNs, "part of the whole turn (≤ 20 µs)"},
};
