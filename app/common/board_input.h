// The board's input on every front end: the pointer, the board's keys, the keyboard cursor and the
// board's focus. The pointer reaches the turn controller through its three handlers, in client
// pixels; the keys and a screen reader's moves name squares and reach it by squares. Standard C++
// only.
#pragma once

#include "game/board.h"
#include "game/turn.h"

// The keys the board takes while it has the keyboard's focus.
enum class BoardKey {
  Up,    // one square towards the computer's side
  Down,  // one square towards the player's side
  Left,
  Right,
  Activate,  // Enter or Space: pick up, or drop what is held
  Escape     // put a held piece back: a drop on its own square
};

// Routes the pointer and the board's keys to the turn controller and keeps the keyboard cursor:
// where it stands, whether it is framed, and which piece it carries. Repaints that only the cursor
// needs are asked of the seam.
class BoardInput {
 public:
  // The cursor's square at start-up and at every new game: c3.
  static constexpr Cell kStartCursor{5, 2};

  // The pointer's three events; a press ends the keyboard's use.
  void PointerDown(LParam point);
  void PointerMove(LParam point);
  void PointerUp(LParam point);

  // A key on the board; false when the key means nothing there (Escape with nothing held), so that
  // the front end may pass it on.
  bool Key(BoardKey key);
  // The cursor moved straight to a square, as an assistive technology moves the focus, and with
  // activate the square activated as by Enter (a screen reader's double tap).
  void MoveCursorTo(Cell square, bool activate);
  // The board gained or lost the keyboard focus; byKeyboard when the focus came from a key (Tab).
  void FocusChanged(bool focused, bool byKeyboard);
  // After the front end has set up a new game: the cursor goes back to its start.
  void NewGame();

  Cell Cursor() const { return cursor_; }
  // The cursor is framed while the board has the focus and the keyboard is in use: from the first
  // key until the next pointer press.
  bool CursorShown() const { return focused_ && keyboardUsed_; }
  // The square of the player's piece being carried, or false when none is.
  bool Held(Cell* square) const;

 private:
  void SetKeyboardUsed(bool used);

  Cell cursor_ = kStartCursor;
  bool focused_ = false;
  bool keyboardUsed_ = false;
};
