// The game's seam to the platform, filled in a browser: sounds synthesised with the Web Audio API,
// message boxes as modal dialogs of the page, repaints at the browser's next animation frame, and
// each turn told in words, noted in the game's record and kept in the tab.
#pragma once

#include <string_view>

#include "game/frontend.h"

class BoardInput;
class GameLog;
class TurnTeller;

// Each sound kind is a short tune of its own, played by the page without blocking, and silent until
// the browser allows audio (the player's first press or key unlocks it). A message box is a modal
// <dialog>: while it is open the rest of the page takes no pointer or key input, and the C++ call
// that opened it waits, as it does on the desktop, until the player closes it; the game's code then
// goes on with its remaining steps in the same order as there. Repaint requests made before the
// next animation frame are served by one paint.
class WebFrontend : public Frontend {
 public:
  WebFrontend(TurnTeller& teller, GameLog& log, const BoardInput& input)
      : teller_(teller), log_(log), input_(input) {}

  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;
  void TellTurn(const TurnRecord& turn) override;

 private:
  TurnTeller& teller_;
  GameLog& log_;
  const BoardInput& input_;
};

// Asks a yes/no question in a modal dialog with the buttons «Да» and «Нет», waiting for the answer
// as the desktop's message box does; true for yes. Closing it any other way answers no.
bool AskYesNo(std::string_view text, std::string_view caption);
