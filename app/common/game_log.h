// The game as a record a front end can keep and show: the player's drops that the rules took, from
// which the whole game is played again, and the game's moves in the notation players of Russian
// draughts write. Standard C++ only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "game/turn.h"

// One drop of the player's piece that the rules took.
struct PlayerDrop {
  Cell from;
  Cell to;
};

// The game so far, noted turn by turn as the controller reports it. A move is the player's half
// and the computer's reply, numbered: "1. c3-d4 f6-e5", "2. d4:f6 g7:e5"; a capture that took
// several drops is one half ("3. e3:c5:e7"); a half with no reply (the game over, or the computer
// without a move) stands alone.
class GameLog {
 public:
  // Refused drops are not part of the game and leave it as it is.
  void Note(const TurnRecord& turn);
  void Clear();

  const std::vector<PlayerDrop>& Drops() const { return drops_; }
  // The moves, the newest last.
  const std::vector<std::string>& Moves() const { return moves_; }
  // Counts the changes of the moves, so that whoever shows them can tell when to show them again.
  unsigned Revision() const { return revision_; }

 private:
  std::vector<PlayerDrop> drops_;
  std::vector<std::string> moves_;
  // The last move waits for the capture to go on from this square.
  bool capturing_ = false;
  Cell chainEnd_{};
  unsigned revision_ = 0;
};

// The longest game a stored game may hold: far beyond any game played, and small enough that one
// replays in a moment.
inline constexpr std::size_t kMaxStoredDrops = 20000;

// The game as text to keep: a version mark, the player's drops, whether the computer's last path
// is shown and where the keyboard cursor stands. Some 5 bytes a drop.
std::string StoredGame(const GameLog& log, bool pathShown, Cell cursor);

// Plays a stored game again on a new game of theBoard, silently, through the turn controller, and
// notes it in log. On any fault (the text malformed, from another version, or a drop the rules
// refuse) nothing of it stays: a new game, an empty log, the cursor untouched, and the reason is
// returned; nullptr when the game is back, with the cursor where it stood. The seam is left empty
// either way: the front end installs its own afterwards.
const char* RestoreGame(std::string_view stored, GameLog& log, Cell* cursor);
