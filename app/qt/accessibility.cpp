#include "app/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <string_view>
#include <vector>

#include "app/common/board_input.h"
#include "app/qt/board_widget.h"
#include "render/paint.h"
#include "render/score.h"

namespace {

constexpr int kSquares = kBoardSide * kBoardSide;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A rectangle of the frame on the screen.
QRect OnScreen(const QWidget& board, const Rect& rect) {
  return {board.mapToGlobal(QPoint(rect.x, rect.y)), QSize(rect.width, rect.height)};
}

class BoardTable;

// One square of the board (index 0 to 63, row by row), or one line of the score panel after them.
class BoardPart : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  BoardPart(BoardTable& table, int index) : table_(table), index_(index) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override {
    return IsSquare() ? QAccessible::Cell : QAccessible::StaticText;
  }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // Activating a square is Enter on it.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool IsSquare() const { return index_ < kSquares; }
  int Row() const { return index_ / kBoardSide; }
  int Col() const { return index_ % kBoardSide; }
  bool IsSelected() const;

  BoardTable& table_;
  int index_;
};

// The board widget as a table named «Доска» of 64 cells, row by row, the score panel's lines after
// them. The parts are made with the table and live as long as it does. It offers no table
// interface of rows and columns on purpose: given one, Orca speaks a whole row of eight squares at
// every move up or down, where the player needs the one square the cursor reached, whose name
// says where it is.
class BoardTable : public QAccessibleWidget {
 public:
  explicit BoardTable(BoardWidget* board)
      : QAccessibleWidget(board, QAccessible::Table, FromUtf8(AccessText::kBoard)) {
    for (int i = 0; i < kSquares + kScoreLines; ++i) {
      auto* part = new BoardPart(*this, i);
      QAccessible::registerAccessibleInterface(part);
      parts_.push_back(part);
    }
  }
  ~BoardTable() override {
    for (BoardPart* part : parts_) {
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
    }
  }

  BoardWidget* Board() const { return static_cast<BoardWidget*>(widget()); }
  BoardInput& Input() const { return Board()->Input(); }

  int childCount() const override { return static_cast<int>(parts_.size()); }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < childCount() ? parts_[static_cast<std::size_t>(index)] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (parts_[static_cast<std::size_t>(i)] == child) {
        return i;
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < kSquares; ++i) {
      if (parts_[static_cast<std::size_t>(i)]->rect().contains(x, y)) {
        return parts_[static_cast<std::size_t>(i)];
      }
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    if (!Board()->hasFocus()) {
      return nullptr;
    }
    const Cell cursor = Input().Cursor();
    return child(cursor.row * kBoardSide + cursor.col);
  }

 private:
  std::vector<BoardPart*> parts_;
};

bool BoardPart::isValid() const {
  return table_.isValid();
}

QWindow* BoardPart::window() const {
  return table_.window();
}

QAccessibleInterface* BoardPart::parent() const {
  return &table_;
}

QString BoardPart::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) {
    return {};
  }
  if (IsSquare()) {
    return QString::fromStdString(SquareWords(theBoard, Row(), Col()));
  }
  return QString::fromStdString(ScoreLines(theBoard)[static_cast<std::size_t>(index_ - kSquares)]);
}

QRect BoardPart::rect() const {
  const BoardWidget& board = *table_.Board();
  return OnScreen(board, IsSquare() ? SquareRect(Row(), Col()) : ScoreLineRect(index_ - kSquares));
}

QAccessible::State BoardPart::state() const {
  QAccessible::State state;
  if (!IsSquare()) {
    state.readOnly = true;
    return state;
  }
  state.focusable = true;
  state.selectable = true;
  state.selected = IsSelected();
  if (table_.Board()->hasFocus()) {
    const Cell cursor = table_.Input().Cursor();
    state.focused = cursor.row == Row() && cursor.col == Col();
  }
  return state;
}

void* BoardPart::interface_cast(QAccessible::InterfaceType type) {
  return IsSquare() && type == QAccessible::ActionInterface
             ? static_cast<QAccessibleActionInterface*>(this)
             : nullptr;
}

bool BoardPart::IsSelected() const {
  Cell held{};
  return IsSquare() && table_.Input().Held(&held) && held.row == Row() && held.col == Col();
}

// The square is activated once the screen reader's call has returned: the move it makes may open
// a message box, whose wait must not hold the screen reader's call.
void BoardPart::doAction(const QString& name) {
  if (name != pressAction()) {
    return;
  }
  const Cell square{Row(), Col()};
  QPointer<BoardWidget> board = table_.Board();
  QMetaObject::invokeMethod(
      board,
      [board, square] {
        if (board != nullptr) {
          board->Input().MoveCursorTo(square, true);
        }
      },
      Qt::QueuedConnection);
}

// The turn notice's name is its text; its role makes a screen reader speak it when it is shown.
class TurnNoticeAccessible : public QAccessibleWidget {
 public:
  explicit TurnNoticeAccessible(TurnNotice* notice)
      : QAccessibleWidget(notice, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QString();
  }
};

QAccessibleInterface* BoardAccessibilityFactory(const QString&, QObject* object) {
  if (auto* board = dynamic_cast<BoardWidget*>(object)) {
    return new BoardTable(board);
  }
  if (auto* notice = dynamic_cast<TurnNotice*>(object)) {
    return new TurnNoticeAccessible(notice);
  }
  return nullptr;
}

void Send(QWidget& board, QAccessible::Event type, int child) {
  QAccessibleEvent event(&board, type);
  event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

void SendSelected(QWidget& board, int child, bool selected) {
  QAccessible::State changed;
  changed.selected = true;
  QAccessibleStateChangeEvent event(&board, changed);
  event.setChild(child);
  QAccessible::updateAccessibility(&event);
  Send(board, selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, child);
}

}  // namespace

TurnNotice::TurnNotice(QWidget* parent) : QLabel(parent) {
  setGeometry(0, 0, 1, 1);
  hide();
}

void TurnNotice::Announce(std::string_view words) {
  hide();
  setText(FromUtf8(words));
  show();
  lower();
}

void InstallBoardAccessibility() {
  QAccessible::installFactory(BoardAccessibilityFactory);
}

BoardAnnouncer::BoardAnnouncer(QWidget& board, const BoardInput& input)
    : board_(board), input_(input) {}

void BoardAnnouncer::Update() {
  if (!QAccessible::isActive() || !report_.Update(theBoard, input_)) {
    return;
  }
  for (int i = 0; i < kSquares; ++i) {
    if (report_.WordsChanged(i)) {
      Send(board_, QAccessible::NameChanged, i);
    }
  }
  if (report_.Held() != report_.HeldBefore()) {
    if (report_.HeldBefore() != BoardReport::kNone) {
      SendSelected(board_, report_.HeldBefore(), false);
    }
    if (report_.Held() != BoardReport::kNone) {
      SendSelected(board_, report_.Held(), true);
    }
  }
  if (report_.Cursor() != report_.CursorBefore() && board_.hasFocus()) {
    Send(board_, QAccessible::Focus, report_.Cursor());
  }
}

void BoardAnnouncer::FocusCursor() {
  if (QAccessible::isActive()) {
    const Cell cursor = input_.Cursor();
    Send(board_, QAccessible::Focus, cursor.row * kBoardSide + cursor.col);
  }
}
