// The game's seam to the platform, filled on Qt: sounds through a SoundPlayer, message boxes owned
// by the main window, and repaints of the board widget.
#pragma once

#include "game/frontend.h"

class QDialog;
class QWidget;
class SoundPlayer;

// Runs a dialog modally and gives the owner window back the activation: without a window manager
// nothing else would, and the window's keyboard shortcuts would stop working.
int RunModal(QDialog& dialog, QWidget& owner);

// Message boxes are owned by the main window and modal to it, so no mouse event can start a
// second turn while a turn is waiting for the player to close one.
class QtFrontend : public Frontend {
 public:
  QtFrontend(QWidget& owner, QWidget& board, SoundPlayer& sounds);

  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;

 private:
  QWidget& owner;
  QWidget& board;
  SoundPlayer& sounds;
};
