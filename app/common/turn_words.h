// The words of each turn, for a player who cannot see the board: the record of the turn that the
// turn controller reports, formatted as a screen reader speaks it. Standard C++ only.
#pragma once

#include <string>
#include <string_view>

#include "game/turn.h"

// The player's drop and the computer's reply in notation: the squares passed through, joined by ':'
// for a capture and by '-' for a quiet move ("c3-d4", "f6:d4:b2"); the reply is empty when the
// computer did not move.
std::string DropNotation(const TurnRecord& turn);
std::string ReplyNotation(const TurnRecord& turn);

// "Вы: c3-d4. Компьютер: f6-e5." and the like: the player's move in notation, a crowning, a
// capture that must go on, the computer's path, its crowning, and the score after a capture;
// "Ход невозможен." for a refused drop; nothing for a drop refused because a capture is
// compulsory, whose box says all there is to say.
std::string TurnWords(const TurnRecord& turn);

// Where the turn's words go: the front end hands them to the screen reader (a live region, a
// notification), which speaks them once.
class Announcer {
 public:
  virtual ~Announcer() = default;
  virtual void Announce(std::string_view words) = 0;
};

// Tells each turn: the record in, its words out to the announcer. The seam hands it the record
// before any box that the turn opens, so the words are spoken first.
class TurnTeller {
 public:
  explicit TurnTeller(Announcer& announcer) : announcer_(announcer) {}
  void Tell(const TurnRecord& turn);

 private:
  Announcer& announcer_;
};
