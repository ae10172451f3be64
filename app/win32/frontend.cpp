#include "app/win32/frontend.h"

#include <windows.h>

#include "app/common/turn_words.h"
#include "app/win32/main_window.h"
#include "app/win32/wide_text.h"

void Win32Frontend::PlaySound(Sound sound) {
  ::MessageBeep(static_cast<UINT>(sound));
}

void Win32Frontend::ShowMessage(std::string_view text, std::string_view caption) {
  MessageBoxW(mainWindow, Widen(text).c_str(), Widen(caption).c_str(), MB_OK);
}

// The whole client area, without erasing: the paint covers all of it.
void Win32Frontend::RequestRepaint() {
  InvalidateRect(mainWindow, nullptr, FALSE);
}

void Win32Frontend::TellTurn(const TurnRecord& turn) {
  teller_.Tell(turn);
}
