// The drawing surface of the game on Qt: a paint device painted by a QPainter, and the board
// widget as the window a frame is composed in.
#pragma once

#include <QImage>
#include <QPainter>
#include <optional>

#include "app/qt/piece_images.h"
#include "render/surface.h"

class QWidget;

// Draws the frame's elements onto an image or, during its paint event, a widget, without
// antialiasing of shapes, images or text, as the board has always been drawn: hard edges, colours
// exactly as given. Font sizes in points follow the device's resolution. A device with no pixels
// takes no drawing.
class QtSurface : public Surface {
 public:
  // Piece images are read from their files on first use in this surface's lifetime.
  explicit QtSurface(QImage& image);
  // Piece images come from the cache, which decides when a file is read again.
  QtSurface(QPaintDevice& device, PieceImageCache& images);

  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override;
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override;
  void DrawImage(const char* path, int x, int y, int width, int height) override;
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override;

 private:
  PieceImageCache ownImages;
  PieceImageCache& images;
  QPainter painter;
};

// The board widget as the window a frame is shown in; one target serves one paint event. The
// frame is composed straight into the widget's backing store, which Qt keeps off-screen and shows
// in one transfer once the paint event returns: a drag does not flicker, and a frame costs one
// composition and one copy to the screen, not a second full-size copy through an image of our
// own. The drawing works in logical pixels and stays crisp on a high-density display.
class WidgetTarget : public WindowTarget {
 public:
  WidgetTarget(QWidget& widget, PieceImageCache& images);

  Surface& BeginFrame(int width, int height) override;
  void EndFrame(int width, int height) override;

 private:
  QWidget& widget;
  PieceImageCache& images;
  QImage none;
  std::optional<QtSurface> surface;
};
