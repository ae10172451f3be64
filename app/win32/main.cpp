#include "app/common/shell.h"
#include "app/win32/gdiplus_api.h"
#include "app/win32/main_window.h"
#include "app/win32/resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
  // GDI+ stays started until the process ends.
  const Gdiplus::GdiplusStartupInput gdiplusStartupInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusStartupInput, nullptr);

  // The client area's accessible object is handed to screen readers through COM.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  LoadStringW(instance, IDS_APP_TITLE, windowTitle, kMaxLoadString);
  LoadStringW(instance, IDC_KORDAVELMIX, windowClassName, kMaxLoadString);
  RegisterMainWindowClass(instance);
  if (!CreateMainWindow(instance, showMode)) {
    return 0;
  }

  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDC_KORDAVELMIX));
  MSG message{};
  // GetMessageW answers -1 on an error, which would never end the loop; 0 is the quit message.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  Shell::ResetBoardAtExit();
  CoUninitialize();
  return static_cast<int>(message.wParam);
}
