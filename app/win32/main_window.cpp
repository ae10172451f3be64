#include "app/win32/main_window.h"

#include "app/common/board_input.h"
#include "app/common/shell.h"
#include "app/common/turn_words.h"
#include "app/win32/about_dialog.h"
#include "app/win32/accessibility.h"
#include "app/win32/contrast.h"
#include "app/win32/display_scale.h"
#include "app/win32/frontend.h"
#include "app/win32/piece_images.h"
#include "app/win32/resource.h"
#include "app/win32/surface.h"
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

// The resolution of the display the window is on. The window's places and sizes, the window
// metrics and the mouse are in the game's 96-dpi pixels; Windows gives and takes device pixels.
DisplayScale windowScale;
// The piece images of the window's frames, kept while the window lives.
PieceImageCache pieceImages;
// The game's seam while the window lives, which tells each turn's words in the live region, and the
// board's input, through which the mouse, the board's keys and a screen reader reach the game.
LiveRegion liveRegion;
TurnTeller teller(liveRegion);
Win32Frontend frontend(teller);
BoardInput input;

// The window opens with the board at its first size and the panel at its narrowest, both as large
// on the display as they are at 96 dpi.
void PlaceWindow(HWND window) {
  windowScale = WindowScale(window);
  boardWidth = Shell::kInitialBoard;
  boardHeight = Shell::kInitialBoard;
  MoveWindow(window, windowScale.ToDevice(Shell::kInitialX), windowScale.ToDevice(Shell::kInitialY),
             windowScale.ToDevice(boardWidth + Shell::kMinPanelWidth),
             windowScale.ToDevice(boardHeight), TRUE);
}

// The board is a square as high as the client area. A client area narrower than its height plus
// the narrowest panel is widened by moving the window to that outer width, and to the former
// client height as its outer height; the move sends a nested size message, which sets the metrics
// again from the new client area. Width and height arrive in device pixels, and the panel's width
// is converted to them.
void ApplySizeRule(HWND window, int width, int height) {
  RECT rect;
  GetWindowRect(window, &rect);
  SetWindowMetrics(windowScale.LogicalExtent(width), windowScale.LogicalExtent(height));
  const int minPanelWidth = windowScale.ToDevice(Shell::kMinPanelWidth);
  if (width < height + minPanelWidth) {
    MoveWindow(window, rect.left, rect.top, height + minPanelWidth, height, FALSE);
  }
}

// Moved to a display of another resolution, the window takes the place and size Windows suggests
// for it there; the size message that follows applies the size rule to the new client area, and
// the whole frame is drawn again at the new scale.
void ChangeScale(HWND window, WPARAM wParam, LPARAM lParam) {
  windowScale = DisplayScale(LOWORD(wParam));
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, TRUE);
}

// The system's colours or settings changed, its high-contrast setting among them: the whole frame
// is drawn again in the palette the setting now asks for. The frame covers the client area, so
// nothing is erased first.
void FollowContrastChange(HWND window) {
  FollowSystemContrast();
  InvalidateRect(window, nullptr, FALSE);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  {
    MemoryDcTarget target(dc, windowScale, pieceImages);
    const Cell cursor = input.Cursor();
    PaintMainWindow(target, input.CursorShown() ? &cursor : nullptr);
  }
  EndPaint(window, &ps);
  TellBoardChanges();
}

void AskForNewGame(HWND window) {
  const int answer =
      MessageBoxW(window, Widen(KORDAVELMIX_NEW_GAME_QUESTION).c_str(),
                  Widen(KORDAVELMIX_NEW_GAME_CAPTION).c_str(), MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) {
    StartNewGame();
    input.NewGame();
  }
  RequestRepaint();
}

// A press that picks up a piece takes the mouse, so that the release reaches the game wherever
// the pointer is by then: off the window it is a drop off the board, refused as such, and the
// piece does not stay stuck to the pointer.
void PressLeftButton(HWND window, LPARAM lParam) {
  input.PointerDown(windowScale.ToLogicalPoint(lParam));
  if (theBoard.dragState == Dragging) {
    SetCapture(window);
  }
}

void ReleaseLeftButton(HWND window, LPARAM lParam) {
  if (GetCapture() == window) {
    ReleaseCapture();
  }
  input.PointerUp(windowScale.ToLogicalPoint(lParam));
}

// The board's keys, without Alt or Ctrl, which leave the key to the menu and the shortcuts; true
// when the board took the key.
bool PressKey(WPARAM key) {
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
    return false;
  }
  BoardKey boardKey{};
  switch (key) {
    case VK_UP:
      boardKey = BoardKey::Up;
      break;
    case VK_DOWN:
      boardKey = BoardKey::Down;
      break;
    case VK_LEFT:
      boardKey = BoardKey::Left;
      break;
    case VK_RIGHT:
      boardKey = BoardKey::Right;
      break;
    case VK_RETURN:
    case VK_SPACE:
      boardKey = BoardKey::Activate;
      break;
    case VK_ESCAPE:
      boardKey = BoardKey::Escape;
      break;
    default:
      return false;
  }
  return input.Key(boardKey);
}

void ActivateSquare(WPARAM child) {
  const LONG square = static_cast<LONG>(child) - kFirstSquareChild;
  if (square >= 0 && square < kBoardSide * kBoardSide) {
    input.MoveCursorTo({square / kBoardSide, square % kBoardSide}, true);
  }
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
      FollowSystemContrast();
      SetFrontend(&frontend);
      PlaceWindow(window);
      ConnectBoardAccessible(window, input, windowScale);
      return 0;
    case WM_GETOBJECT:
      if (const LRESULT object = AnswerGetObject(wParam, lParam); object != 0) {
        return object;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SIZE:
      ApplySizeRule(window, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DPICHANGED:
      ChangeScale(window, wParam, lParam);
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      FollowContrastChange(window);
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
      input.PointerMove(windowScale.ToLogicalPoint(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      PressLeftButton(window, lParam);
      return 0;
    case WM_LBUTTONUP:
      ReleaseLeftButton(window, lParam);
      return 0;
    case WM_KEYDOWN:
      if (PressKey(wParam)) {
        return 0;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETFOCUS:
      input.FocusChanged(true, false);
      FocusCursorCell();
      return 0;
    case WM_KILLFOCUS:
      input.FocusChanged(false, false);
      return 0;
    case kActivateSquareMessage:
      ActivateSquare(wParam);
      return 0;
    case WM_DESTROY:
      DisconnectBoardAccessible();
      pieceImages.Release();
      SetFrontend(nullptr);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
