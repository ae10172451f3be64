#include "app/qt/board_widget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <cmath>

#include "app/common/board_input.h"
#include "app/qt/surface.h"
#include "game/turn.h"
#include "render/paint.h"

namespace {

// Client coordinates as the window system packs them: each truncated to an unsigned 16 bits. A
// release outside the client area, delivered under the implicit grab, has negative or large
// coordinates; packed, they lie far beyond the board, so the drop is judged off the board.
LParam PointParam(const QMouseEvent& event) {
  const QPointF point = event.position();
  return MakePointParam(static_cast<int>(std::floor(point.x())),
                        static_cast<int>(std::floor(point.y())));
}

// The board's keys, without Alt, Ctrl or Meta, which leave the key to the window's shortcuts.
bool BoardKeyOf(const QKeyEvent& event, BoardKey* key) {
  if ((event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) != 0) {
    return false;
  }
  switch (event.key()) {
    case Qt::Key_Up:
      *key = BoardKey::Up;
      return true;
    case Qt::Key_Down:
      *key = BoardKey::Down;
      return true;
    case Qt::Key_Left:
      *key = BoardKey::Left;
      return true;
    case Qt::Key_Right:
      *key = BoardKey::Right;
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      *key = BoardKey::Activate;
      return true;
    case Qt::Key_Escape:
      *key = BoardKey::Escape;
      return true;
    default:
      return false;
  }
}

}  // namespace

BoardWidget::BoardWidget(BoardInput& input, QWidget* parent) : QWidget(parent), input_(input) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::paintEvent(QPaintEvent*) {
  {
    WidgetTarget target(*this, images);
    const Cell cursor = input_.Cursor();
    PaintMainWindow(target, input_.CursorShown() ? &cursor : nullptr);
  }
  if (onPainted) {
    onPainted();
  }
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
    input_.PointerDown(PointParam(*event));
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  input_.PointerMove(PointParam(*event));
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    input_.PointerUp(PointParam(*event));
  }
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  BoardKey key{};
  if (BoardKeyOf(*event, &key) && input_.Key(key)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

// A focus that Tab or Shift+Tab brought shows the cursor's frame at once, as a key would.
void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  const Qt::FocusReason reason = event->reason();
  input_.FocusChanged(true, reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (onFocused && hasFocus()) {
          onFocused();
        }
      },
      Qt::QueuedConnection);
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  input_.FocusChanged(false, false);
}
