#include "app/common/board_input.h"

#include <algorithm>

#include "game/frontend.h"

void BoardInput::PointerDown(LParam point) {
  SetKeyboardUsed(false);
  OnLButtonDown(0, point);
}

void BoardInput::PointerMove(LParam point) {
  OnMouseMove(0, point);
}

void BoardInput::PointerUp(LParam point) {
  OnLButtonUp(0, point);
}

bool BoardInput::Key(BoardKey key) {
  SetKeyboardUsed(true);
  Cell next = cursor_;
  switch (key) {
    case BoardKey::Up:
      next.row = std::max(next.row - 1, 0);
      break;
    case BoardKey::Down:
      next.row = std::min(next.row + 1, kBoardSide - 1);
      break;
    case BoardKey::Left:
      next.col = std::max(next.col - 1, 0);
      break;
    case BoardKey::Right:
      next.col = std::min(next.col + 1, kBoardSide - 1);
      break;
    case BoardKey::Activate:
      MoveCursorTo(cursor_, true);
      return true;
    case BoardKey::Escape:
      if (theBoard.dragState != Dragging) {
        return false;
      }
      ReleaseOnSquare({theBoard.dragRow, theBoard.dragCol});
      return true;
  }
  MoveCursorTo(next, false);
  return true;
}

// With a piece held, the cursor carries it as the pointer would; the release then lands where the
// cursor is.
void BoardInput::MoveCursorTo(Cell square, bool activate) {
  if (!Board::IsOnBoard(square.row, square.col)) {
    return;
  }
  if (square.row != cursor_.row || square.col != cursor_.col) {
    cursor_ = square;
    CarryToSquare(cursor_);
    RequestRepaint();
  }
  if (!activate) {
    return;
  }
  SetKeyboardUsed(true);
  if (theBoard.dragState == Dragging) {
    ReleaseOnSquare(cursor_);
  } else {
    PressSquare(cursor_);
  }
}

void BoardInput::FocusChanged(bool focused, bool byKeyboard) {
  const bool shown = CursorShown();
  focused_ = focused;
  if (byKeyboard) {
    keyboardUsed_ = true;
  }
  if (CursorShown() != shown) {
    RequestRepaint();
  }
}

void BoardInput::NewGame() {
  cursor_ = kStartCursor;
  RequestRepaint();
}

bool BoardInput::Held(Cell* square) const {
  if (theBoard.dragState != Dragging ||
      !IsOccupied(theBoard.player, theBoard.dragRow, theBoard.dragCol)) {
    return false;
  }
  *square = {theBoard.dragRow, theBoard.dragCol};
  return true;
}

void BoardInput::SetKeyboardUsed(bool used) {
  const bool shown = CursorShown();
  keyboardUsed_ = used;
  if (CursorShown() != shown) {
    RequestRepaint();
  }
}
