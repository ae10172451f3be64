// The one mapping between the game's pixels and the display's. The game lays out its window, its
// board and its score panel in pixels of a 96-dpi display, as it always has; on a display of
// another resolution the Windows front end converts at its edge: the client area and the mouse
// into game pixels before they reach the window metrics and the turn controller, and everything
// the frame draws into device pixels on a bitmap of the window's real size. At 96 dpi both
// directions are the identity.
#pragma once

#include <windows.h>

#include "game/turn.h"

// A display resolution in dots per inch, and the conversions it implies. Game pixel x covers the
// device pixels from ToDevice(x) up to ToDevice(x + 1), and a device pixel belongs to the game
// pixel ToLogical gives, so a point the mouse is on converts to the game pixel that was drawn under
// it, and adjacent rectangles stay adjacent without gaps or overlaps.
class DisplayScale {
 public:
  static constexpr int kBaseDpi = 96;

  constexpr DisplayScale() = default;
  // A resolution below 1 dpi, which no display reports, counts as 96.
  constexpr explicit DisplayScale(int dotsPerInch)
      : dpi(dotsPerInch > 0 ? dotsPerInch : kBaseDpi) {}

  constexpr int Dpi() const { return dpi; }

  // The first device pixel of game pixel x; negative positions map as positive ones do.
  constexpr int ToDevice(int x) const { return -FloorDiv(-x * dpi, kBaseDpi); }
  // The game pixel that device pixel x lies in.
  constexpr int ToLogical(int x) const { return FloorDiv(x * kBaseDpi, dpi); }
  // The game pixels that cover a device extent of the given size, from 0: the pixel of its last
  // device pixel, plus one.
  constexpr int LogicalExtent(int size) const { return size > 0 ? ToLogical(size - 1) + 1 : 0; }
  // The device position of the centre of a game pixel, for drawing that is placed at a point
  // (lines, text) rather than filling whole pixels.
  constexpr float ToDevicePoint(float x) const {
    return (x + 0.5f) * static_cast<float>(dpi) / kBaseDpi - 0.5f;
  }
  // A length such as a pen's width or a font's em size.
  constexpr float ToDeviceLength(float length) const {
    return length * static_cast<float>(dpi) / kBaseDpi;
  }

  // The lParam of a mouse message, device client coordinates as signed 16-bit halves (a captured
  // mouse reports points left of or above the window as negative), as the game pixel point the
  // turn controller takes.
  LParam ToLogicalPoint(LPARAM lParam) const;

 private:
  static constexpr int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

  int dpi = kBaseDpi;
};

// The resolution of the display the window is on: the window's own where Windows keeps one per
// monitor (Windows 10 1607 and later), the system's otherwise.
DisplayScale WindowScale(HWND window);
