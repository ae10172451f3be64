// The game's seam to the platform, filled on Windows: system sounds, message boxes owned by the
// main window, and repaints of its client area.
#pragma once

#include "game/frontend.h"

// Sounds are the MessageBeep types the sound kinds are valued as. Message boxes are modal to the
// main window, so no mouse event can start a second turn while a turn waits for the player to
// close one; their texts are widened from UTF-8, so they read the same on every Windows whatever
// its ANSI code page.
class Win32Frontend : public Frontend {
 public:
  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;
};
