#include "app/qt/board_widget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <cmath>

#include "app/common/access.h"
#include "app/qt/accessibility.h"
#include "app/qt/surface.h"
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

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
}

BoardWidget::~BoardWidget() = default;

void BoardWidget::SetAccess(AccessModel* model) {
  access = model;
  announcer = model != nullptr ? std::make_unique<BoardAnnouncer>(*this, *model) : nullptr;
  setFocusPolicy(model != nullptr ? Qt::StrongFocus : Qt::NoFocus);
}

void BoardWidget::paintEvent(QPaintEvent*) {
  WidgetTarget target(*this, images);
  if (access == nullptr) {
    PaintMainWindow(target);
    return;
  }
  const Cell cursor = access->Cursor();
  PaintMainWindow(target, access->CursorShown() ? &cursor : nullptr);
  announcer->Update();
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  const QSize size = event->size();
  SetWindowMetrics(size.width(), size.height());
  if (onResized) {
    onResized(size.width(), size.height());
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  if (access != nullptr) {
    access->PointerDown(PointParam(*event));
  } else {
    OnLButtonDown(kNoButtonState, PointParam(*event));
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  if (access != nullptr) {
    access->PointerMove(PointParam(*event));
  } else {
    OnMouseMove(kNoButtonState, PointParam(*event));
  }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  if (access != nullptr) {
    access->PointerUp(PointParam(*event));
  } else {
    OnLButtonUp(kNoButtonState, PointParam(*event));
  }
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  BoardKey key{};
  if (access != nullptr && BoardKeyOf(*event, &key) && access->Key(key)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

// A focus that Tab or Shift+Tab brought shows the cursor's frame at once, as a key would. The
// cursor's cell is given the focus once the window's own activation and focus have been told, so
// that a screen reader lands on the square rather than on the board.
void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (access == nullptr) {
    return;
  }
  const Qt::FocusReason reason = event->reason();
  access->FocusChanged(true, reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (announcer != nullptr && hasFocus()) {
          announcer->FocusCursor();
        }
      },
      Qt::QueuedConnection);
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (access != nullptr) {
    access->FocusChanged(false, false);
  }
}
