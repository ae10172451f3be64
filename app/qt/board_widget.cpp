#include "app/qt/board_widget.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <cmath>

#include "app/qt/qt_surface.h"
#include "game/turn.h"
#include "render/paint.h"

namespace {

// The turn controller reads no button state from wParam.
constexpr WParam kNoButtonState = 0;

// Client coordinates as the window system packs them: each truncated to an unsigned 16 bits. A
// release outside the client area, delivered under the implicit grab, has negative or large
// coordinates; packed, they lie far beyond the board, so the drop is judged off the board.
LParam PointParam(const QMouseEvent& event) {
  const QPointF point = event.position();
  return MakePointParam(static_cast<int>(std::floor(point.x())),
                        static_cast<int>(std::floor(point.y())));
}

}  // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
}

void BoardWidget::paintEvent(QPaintEvent*) {
  WidgetTarget target(*this, images);
  PaintMainWindow(target);
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  const QSize size = event->size();
  SetWindowMetrics(size.width(), size.height());
  if (onResized) {
    onResized(size.width(), size.height());
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    OnLButtonDown(kNoButtonState, PointParam(*event));
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  OnMouseMove(kNoButtonState, PointParam(*event));
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    OnLButtonUp(kNoButtonState, PointParam(*event));
  }
}
