#include "app/qt/qt_surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QWidget>

#include "app/qt/data_files.h"

namespace {

constexpr double kMetresPerInch = 0.0254;

// The colour a frame starts with, which shows in the strips the board does not cover.
constexpr QRgb kBlankFrame = 0xFF000000;

QColor Colour(std::uint32_t argb) {
  return QColor::fromRgba(static_cast<QRgb>(argb));
}

}  // namespace

QtSurface::QtSurface(QImage& image) {
  if (image.isNull()) {
    return;
  }
  painter.begin(&image);
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
  const QString file = LocateDataFile(path);
  if (file.isEmpty()) {
    return;
  }
  // Read afresh at every call: nothing of a frame outlives it.
  const QImage image(file);
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

WidgetTarget::WidgetTarget(QWidget& target) : widget(target) {}

Surface& WidgetTarget::BeginFrame(int width, int height) {
  const qreal ratio = widget.devicePixelRatioF();
  if (width > 0 && height > 0) {
    frame =
        QImage(qRound(width * ratio), qRound(height * ratio), QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    frame.setDotsPerMeterX(qRound(widget.logicalDpiX() / kMetresPerInch));
    frame.setDotsPerMeterY(qRound(widget.logicalDpiY() / kMetresPerInch));
    frame.fill(kBlankFrame);
  }
  surface.emplace(frame);
  return *surface;
}

void WidgetTarget::EndFrame(int width, int height) {
  surface.reset();
  if (!frame.isNull()) {
    QPainter window(&widget);
    const qreal ratio = frame.devicePixelRatio();
    window.drawImage(QRectF(0, 0, width, height), frame,
                     QRectF(0, 0, width * ratio, height * ratio));
  }
  frame = QImage();
}
