// The drawing surface of the game on Qt: an image painted by a QPainter, and the board widget's
// off-screen frame that is composed on such a surface and shown in one transfer.
#pragma once

#include <QImage>
#include <QPainter>
#include <optional>

#include "render/surface.h"

class QWidget;

// Draws the frame's elements onto a QImage, without antialiasing of shapes, images or text, as the
// board has always been drawn: hard edges, colours exactly as given. Font sizes in points follow
// the image's dots per metre. A null image takes no drawing.
class QtSurface : public Surface {
 public:
  explicit QtSurface(QImage& image);

  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override;
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override;
  void DrawImage(const char* path, int x, int y, int width, int height) override;
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override;

 private:
  QPainter painter;
};

// The board widget as the window a frame is shown in. One target serves one paint event: the
// frame is an image of the widget's size in device pixels (crisp on a high-density display, while
// the drawing works in logical pixels), its resolution the screen's logical one, and it is copied
// onto the widget in one drawImage and then released.
class WidgetTarget : public WindowTarget {
 public:
  explicit WidgetTarget(QWidget& widget);

  Surface& BeginFrame(int width, int height) override;
  void EndFrame(int width, int height) override;

 private:
  QWidget& widget;
  QImage frame;
  std::optional<QtSurface> surface;
};
