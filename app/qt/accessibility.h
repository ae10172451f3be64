// The game for assistive technology on Qt, which the Linux desktop's screen reader (Orca) reads
// through AT-SPI: the board widget as a table named «Доска» of 64 cells named from the board's
// words, followed by the score panel's three lines as text; the focus follows the keyboard cursor,
// the held piece's cell is selected; and a notification that speaks the words of each turn.
#pragma once

#include <QLabel>

#include "app/common/board_words.h"
#include "app/common/turn_words.h"
#include "game/board.h"

class BoardInput;
class QWidget;

// A label that the player does not see (it lies under the board) and that assistive technology
// knows as a notification: each turn's words are set and the label shown afresh, which is what
// makes a screen reader speak it, once, before any message box that the same release opens.
class TurnNotice : public QLabel, public Announcer {
 public:
  explicit TurnNotice(QWidget* parent);
  void Announce(std::string_view words) override;
};

// Installs the accessible interfaces of the board widget and of the turn notice; once, before the
// first window is shown.
void InstallBoardAccessibility();

// Keeps what assistive technology has been told of the board in step with the game: after every
// frame of the board widget it sends a name change for each square whose words changed, a
// selection change for the held piece's cell, and the focus to the cursor's cell when it moved
// while the board has the focus.
class BoardAnnouncer {
 public:
  BoardAnnouncer(QWidget& board, const BoardInput& input);
  void Update();
  // The board gained the focus: a screen reader hears the cursor's cell.
  void FocusCursor();

 private:
  QWidget& board_;
  const BoardInput& input_;
  BoardReport report_;
};
