// The game's seam to the platform, filled on Qt: sounds through a SoundPlayer, message boxes owned
// by the main window, repaints of the board widget, and each turn told in words.
#pragma once

#include "game/frontend.h"

class QDialog;
class QWidget;
class SoundPlayer;
class TurnTeller;

// Runs a dialog modally and gives the owner window back the activation: without a window manager
// nothing else would, and the window's keyboard shortcuts would stop working.
int RunModal(QDialog& dialog, QWidget& owner);

// Message boxes are owned by the main window and modal to it, so no mouse event can start a
// second turn while a turn is waiting for the player to close one.
class QtFrontend : public Frontend {
 public:
  QtFrontend(QWidget& owner, QWidget& board, SoundPlayer& sounds, TurnTeller& teller);

  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;
  void TellTurn(const TurnRecord& turn) override;

 private:
  QWidget& owner;
  QWidget& board;
  SoundPlayer& sounds;
  TurnTeller& teller;
};
