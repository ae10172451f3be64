// The game's seam to the platform, filled on Windows: system sounds, message boxes owned by the
// main window, repaints of its client area, and each turn told in words.
#pragma once

#include "game/frontend.h"

class TurnTeller;

// Sounds are the MessageBeep types the sound kinds are valued as. Message boxes are modal to the
// main window, so no mouse event can start a second turn while a turn waits for the player to
// close one; their texts are widened from UTF-8, so they read the same on every Windows whatever
// its ANSI code page.
class Win32Frontend : public Frontend {
 public:
  explicit Win32Frontend(TurnTeller& teller) : teller_(teller) {}

  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;
  void TellTurn(const TurnRecord& turn) override;

 private:
  TurnTeller& teller_;
};
