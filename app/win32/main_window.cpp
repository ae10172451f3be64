#include "app/win32/main_window.h"

#include "app/common/shell.h"
#include "app/win32/about_dialog.h"
#include "app/win32/gdiplus_surface.h"
#include "app/win32/resource.h"
#include "app/win32/wide_text.h"
#include "game/board.h"
#include "game/frontend.h"
#include "game/turn.h"
#include "render/paint.h"

HINSTANCE appInstance = nullptr;
HWND mainWindow = nullptr;
WCHAR windowTitle[kMaxLoadString];
WCHAR windowClassName[kMaxLoadString];

namespace {

// The window opens with the board at its first size and the panel at its narrowest.
void PlaceWindow(HWND window) {
  boardWidth = Shell::kInitialBoard;
  boardHeight = Shell::kInitialBoard;
  MoveWindow(window, Shell::kInitialX, Shell::kInitialY, boardWidth + Shell::kMinPanelWidth,
             boardHeight, TRUE);
}

// The board is a square as high as the client area. A client area narrower than its height plus
// the narrowest panel is widened by moving the window to that outer width, and to the former
// client height as its outer height; the move sends a nested size message, which sets the metrics
// again from the new client area.
void ApplySizeRule(HWND window, int width, int height) {
  RECT rect;
  GetWindowRect(window, &rect);
  SetWindowMetrics(width, height);
  if (width < height + Shell::kMinPanelWidth) {
    MoveWindow(window, rect.left, rect.top, height + Shell::kMinPanelWidth, height, FALSE);
  }
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  {
    MemoryDcTarget target(dc);
    PaintMainWindow(target);
  }
  EndPaint(window, &ps);
}

void AskForNewGame(HWND window) {
  const int answer =
      MessageBoxW(window, Widen(KORDAVELMIX_NEW_GAME_QUESTION).c_str(),
                  Widen(KORDAVELMIX_NEW_GAME_CAPTION).c_str(), MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) {
    StartNewGame();
  }
  RequestRepaint();
}

// A press that picks up a piece takes the mouse, so that the release reaches the game wherever
// the pointer is by then: off the window it is a drop off the board, refused as such, and the
// piece does not stay stuck to the pointer.
void PressLeftButton(HWND window, WPARAM wParam, LPARAM lParam) {
  OnLButtonDown(wParam, lParam);
  if (theBoard.dragState == Dragging) {
    SetCapture(window);
  }
}

void ReleaseLeftButton(HWND window, WPARAM wParam, LPARAM lParam) {
  if (GetCapture() == window) {
    ReleaseCapture();
  }
  OnLButtonUp(wParam, lParam);
}

}  // namespace

ATOM RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW wcex{};
  wcex.cbSize = sizeof wcex;
  wcex.style = CS_HREDRAW | CS_VREDRAW;
  wcex.lpfnWndProc = MainWindowProc;
  wcex.hInstance = instance;
  wcex.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_KORDAVELMIX));
  wcex.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wcex.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wcex.lpszMenuName = MAKEINTRESOURCEW(IDC_KORDAVELMIX);
  wcex.lpszClassName = windowClassName;
  wcex.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
  return RegisterClassExW(&wcex);
}

bool CreateMainWindow(HINSTANCE instance, int showMode) {
  appInstance = instance;
  mainWindow = CreateWindowExW(0, windowClassName, windowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               0, CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
  if (mainWindow == nullptr) {
    return false;
  }
  ShowWindow(mainWindow, showMode);
  UpdateWindow(mainWindow);
  return true;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      PlaceWindow(window);
      return 0;
    case WM_SIZE:
      ApplySizeRule(window, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDM_ABOUT:
          DialogBoxParamW(appInstance, MAKEINTRESOURCEW(IDD_ABOUTBOX), window, AboutDialogProc, 0);
          return 0;
        case IDM_EXIT:
          DestroyWindow(window);
          return 0;
        case IDM_NEWGAME:
          AskForNewGame(window);
          return 0;
        default:
          return DefWindowProcW(window, message, wParam, lParam);
      }
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      PressLeftButton(window, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      ReleaseLeftButton(window, wParam, lParam);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
