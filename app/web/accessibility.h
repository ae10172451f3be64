// The game for assistive technology in a browser: the board as an ARIA grid of its 64 squares laid
// over the canvas, the score panel's three lines as text, and a live region that speaks the words
// of each turn; all of it kept by the page from the board's words and input.
#pragma once

#include <string_view>

#include "app/common/turn_words.h"

class BoardInput;
class GameLog;

// The page's live region. Words told just before a message box hold the box back until the
// browser has passed them on, so that a screen reader speaks them before the box.
class LiveRegion : public Announcer {
 public:
  void Announce(std::string_view words) override;
};

// Builds the grid, named «Доска», and tells the page which keys the board takes.
void BuildBoardAccess();

// Brings the squares' names, the cursor, the held piece, the score lines and the list of the
// game's moves up to date with the game; the page touches only what changed, and moves the focus
// with the cursor while the board has it.
void UpdateBoardAccess(const BoardInput& input, const GameLog& log);
