// The turn controller: the three mouse events of the main window turned into the flow of play on
// theBoard and theCpuPlayer. Each handler takes the two message parameters as the window system
// delivers them: wParam is not read; the low 16 bits of lParam are the client x and the next 16
// bits the client y, both unsigned.
#pragma once

#include <cstdint>

using WParam = std::uintptr_t;
using LParam = std::intptr_t;

// Packs client coordinates into an lParam as the window system does (each truncated to 16 bits).
constexpr LParam MakePointParam(int x, int y) {
  return static_cast<LParam>((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16 |
                             (static_cast<std::uint32_t>(x) & 0xFFFFu));
}

void OnLButtonDown(WParam wParam, LParam lParam);
void OnMouseMove(WParam wParam, LParam lParam);
void OnLButtonUp(WParam wParam, LParam lParam);
