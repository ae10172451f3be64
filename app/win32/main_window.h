// The game's one window on Windows: its class, its creation, and the routing of its messages.
#pragma once

#include <windows.h>

// The longest window title and class name loaded from the string table, in UTF-16 units.
inline constexpr int kMaxLoadString = 100;

extern HINSTANCE appInstance;
extern HWND mainWindow;
extern WCHAR windowTitle[kMaxLoadString];
extern WCHAR windowClassName[kMaxLoadString];

// Registers the class of the main window: a full repaint after every size change, the program's
// icons, the arrow cursor, the system window colour behind it and the game's menu.
ATOM RegisterMainWindowClass(HINSTANCE instance);

// Creates, shows and updates the main window, so that its first frame is painted before the
// message loop runs; false when the window cannot be created. While the window lives, its seam is
// the game's: the turn's words go to the live region; the pointer, the board's keys and a screen
// reader's activation reach the game through the board's input.
bool CreateMainWindow(HINSTANCE instance, int showMode);

// Hands each message to the part of the game that handles it: the mouse, the board's keys (the
// arrows, Enter, Space, Esc) and a screen reader's activation of a square to the turn controller
// through the board's input, WM_GETOBJECT to the client area's accessible object, paints to the
// paint routine, a change of the system's colours or settings to the frame's palette (which follows
// the system's high-contrast setting from the window's creation on), menu commands to New game,
// Exit and About, size changes to the size rule, which keeps a panel at least 350 pixels wide (at
// 96 dpi; as much wider as the display's pixels are smaller) right of a board as high as the client
// area, and a move to a display of another resolution to the place and size Windows suggests there.
// Mouse positions reach the turn controller in the game's 96-dpi pixels.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
