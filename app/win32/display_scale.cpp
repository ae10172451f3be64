#include "app/win32/display_scale.h"

LParam DisplayScale::ToLogicalPoint(LPARAM lParam) const {
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  return MakePointParam(ToLogical(x), ToLogical(y));
}

// GetDpiForWindow is looked up rather than imported, so that the program still starts on Windows
// versions older than the function; there the system's resolution, which the screen's device
// context reports, is the window's.
DisplayScale WindowScale(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr) {
    return DisplayScale(static_cast<int>(getDpiForWindow(window)));
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return DisplayScale(dpi);
}
