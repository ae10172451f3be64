#include "app/qt/surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QWidget>

#include "render/paint.h"

namespace {

QColor Colour(std::uint32_t argb) {
  return QColor::fromRgba(static_cast<QRgb>(argb));
}

}  // namespace

QtSurface::QtSurface(QImage& image) : QtSurface(image, ownImages) {}

QtSurface::QtSurface(QPaintDevice& device, PieceImageCache& imageCache) : images(imageCache) {
  if (device.width() <= 0 || device.height() <= 0) {
    return;
  }
  painter.begin(&device);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtSurface::FillRect(int x, int y, int width, int height, std::uint32_t argb) {
  if (!painter.isActive() || width <= 0 || height <= 0) {
    return;
  }
  painter.fillRect(QRect(x, y, width, height), Colour(argb));
}

void QtSurface::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) {
  if (!painter.isActive()) {
    return;
  }
  painter.setPen(QPen(Colour(argb), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawLine(x1, y1, x2, y2);
}

void QtSurface::DrawImage(const char* path, int x, int y, int width, int height) {
  if (!painter.isActive() || width <= 0 || height <= 0) {
    return;
  }
  // Scaled once to the device pixels it covers, the picture is then copied without scaling.
  const qreal ratio = painter.device()->devicePixelRatioF();
  const QImage& image = images.Image(path, QSize(qRound(width * ratio), qRound(height * ratio)));
  if (!image.isNull()) {
    painter.drawImage(QRect(x, y, width, height), image);
  }
}

void QtSurface::DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                         float y) {
  if (!painter.isActive()) {
    return;
  }
  QFont face(QString::fromUtf8(font.family.data(), static_cast<qsizetype>(font.family.size())));
  face.setPointSizeF(font.points);
  face.setBold(font.bold);
  face.setItalic(font.italic);
  face.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(face);
  painter.setPen(Colour(argb));
  // The origin is the top-left corner of the text's layout box: the baseline lies an ascent lower.
  const qreal ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
  painter.drawText(QPointF(x, y + ascent),
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

WidgetTarget::WidgetTarget(QWidget& target, PieceImageCache& imageCache)
    : widget(target), images(imageCache) {}

// The backing store still holds the last frame. The panel fill and the squares paint over all of
// it but the strips that the board's whole cells leave over; those are cleared, so that they show
// black as a new surface would and a piece dragged across them leaves no trail.
Surface& WidgetTarget::BeginFrame(int width, int height) {
  images.NewFrame();
  if (width > 0 && height > 0) {
    surface.emplace(widget, images);
  } else {
    surface.emplace(none);
  }
  ClearBoardStrips(*surface, height);
  return *surface;
}

void WidgetTarget::EndFrame(int, int) {
  surface.reset();
}
