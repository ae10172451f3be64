// The drawing surface a frame is composed on. It offers exactly what the board, the pieces, the
// score panel and the computer's path need; each front end implements it on its own toolkit, and
// tests implement it with a recorder. Coordinates are pixels with (0, 0) at the top-left of the
// client area; colours are 32-bit ARGB with the alpha in the top byte. Drawing is never
// antialiased, and a step that cannot be carried out leaves its element undrawn.
#pragma once

#include <cstdint>
#include <string_view>

// Points are 1/72 inch; the game's pixels are 1/96 inch, as at a display scale of 100 %.
inline constexpr float kPointsPerInch = 72.0f;
inline constexpr float kPixelsPerInch = 96.0f;

struct FontSpec {
  std::string_view family;
  float points;  // em size in points (1/72 inch at the surface's resolution)
  bool bold;
  bool italic;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Fills width x height pixels from (x, y), left and top edges inclusive.
  virtual void FillRect(int x, int y, int width, int height, std::uint32_t argb) = 0;
  // A straight line between two points, centred on the geometric line, width pixels wide.
  virtual void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) = 0;
  // Loads the PNG at path and draws all of it scaled into the rectangle, blended by its alpha.
  virtual void DrawImage(const char* path, int x, int y, int width, int height) = 0;
  // Draws UTF-8 text on one line, left-aligned and unclipped, its layout box anchored by its
  // top-left corner at (x, y).
  virtual void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                        float y) = 0;
};

// A frame width pixels wide just inside the square (x, y, side, side), in four rectangles.
inline void FrameSquare(Surface& surface, int x, int y, int side, int width, std::uint32_t argb) {
  surface.FillRect(x, y, side, width, argb);
  surface.FillRect(x, y + side - width, side, width, argb);
  surface.FillRect(x, y + width, width, side - 2 * width, argb);
  surface.FillRect(x + side - width, y + width, width, side - 2 * width, argb);
}

// The window a frame is shown in. The paint routine composes the whole client area on an
// off-screen surface of the window's making and then shows it in one transfer.
class WindowTarget {
 public:
  virtual ~WindowTarget() = default;

  // An off-screen surface of width x height pixels, valid until EndFrame. Its pixels start in an
  // unspecified state: only what is drawn is defined.
  virtual Surface& BeginFrame(int width, int height) = 0;
  // Copies the rectangle (0, 0, width, height) of the off-screen surface unchanged to the window
  // at (0, 0) and releases the off-screen surface.
  virtual void EndFrame(int width, int height) = 0;
};
