// A Windows contrast theme of yellow text on black, by the roles of its system colours: the theme
// the tests of high-contrast frames draw in.
#pragma once

#include "render/palette.h"

inline constexpr SystemColours kYellowOnBlack{0xFF000000, 0xFFFFFF00, 0xFF00FFFF,
                                              0xFF000000, 0xFF00FF00, 0xFF8080FF};
