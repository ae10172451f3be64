// The drawing surface of the game in a browser: the page's canvas, drawn with its 2D context.
#pragma once

#include "render/surface.h"

// Draws the frame's elements with the canvas's 2D context through the page's drawing primitives,
// in the game's own pixels; the context's transform maps them to the canvas's device pixels, so the
// board, the pieces and the text are drawn at the screen's full density. Piece images are the
// pictures the page loaded before the first frame, found by their place in the list of piece
// images; an image the page could not load, like any other path, draws nothing. Text is drawn in
// the face the page ships for the family the frame asks for, and not at all while that face is
// missing, so no frame ever shows a stand-in font. A canvas smooths the edges of text and lines
// and offers no way to turn that off; rectangles and images are drawn with hard edges.
class CanvasSurface : public Surface {
 public:
  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override;
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override;
  void DrawImage(const char* path, int x, int y, int width, int height) override;
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override;
};

// The page's canvas as the window a frame is shown in; one target serves one paint. The frame is
// composed straight onto the canvas during one animation frame of the browser, which shows a
// canvas only once the callback that drew it has returned: the page never shows half a frame, and
// a frame costs no second full-size copy. The canvas holds scale device pixels for each of the
// game's pixels.
class CanvasTarget : public WindowTarget {
 public:
  explicit CanvasTarget(double scale);

  Surface& BeginFrame(int width, int height) override;
  void EndFrame(int width, int height) override;

 private:
  double scale;
  CanvasSurface surface;
};
