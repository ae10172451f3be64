// A diagonal direction: one column step and one row step, each +1 or -1.
#pragma once

#include <cstdint>

struct Direction {
  std::int8_t colStep;
  std::int8_t rowStep;
};
