#include "game/frontend.h"

namespace {
Frontend* installed = nullptr;
}  // namespace

void SetFrontend(Frontend* frontend) {
  installed = frontend;
}

void MessageBeep(Sound sound) {
  if (installed != nullptr) {
    installed->PlaySound(sound);
  }
}

void ShowMessage(std::string_view text, std::string_view caption) {
  if (installed != nullptr) {
    installed->ShowMessage(text, caption);
  }
}

void RequestRepaint() {
  if (installed != nullptr) {
    installed->RequestRepaint();
  }
}

void TellTurn(const TurnRecord& turn) {
  if (installed != nullptr) {
    installed->TellTurn(turn);
  }
}
