// The game's one window in a browser: the page with its menu bar and the canvas as the client area.
#pragma once

#include <cstdint>

// Brings back the game kept in the tab, if any; builds the menu bar, Игра (New game, a separator,
// Exit) and Справка (About), with their commands, names the dialogs' close boxes, and builds the
// board for assistive technology;
// Alt+"?" and Alt+"/" open the About box. From then on the page's seam is the game's: the turn's
// words go to the live region; the pointer and the board's keys reach the game through the board's
// input.
void BuildMainWindow();

// The page calls these, and only these, with the events of the canvas, the keyboard, the menu and
// the window. Coordinates are CSS pixels from the canvas's top-left corner. The calls that may
// open a dialog (a release, a board key, an activated square, a command) return only once it has
// been closed: the page calls them asynchronously and passes on no other input until they return.
extern "C" {

// The space the canvas may take under the menu bar, in CSS pixels, and the screen's device pixels
// per CSS pixel. The size rule turns it into the client area: a board as high as the space and a
// panel at least 350 pixels wide beside it; where the space is too narrow for both, the whole
// client area is scaled down to fit it. Where the space is taller than wide (a phone or a tablet
// held upright), the board is as wide as the space and the panel lies below it.
void WebResize(double width, double height, double devicePixelRatio);
// The primary button (a mouse's left button, a pen's tip or a finger) pressed, moved and released.
void WebPointerDown(double x, double y);
void WebPointerMove(double x, double y);
void WebPointerUp(double x, double y);
// A key on the board while it has the focus: a BoardKey.
void WebKey(int key);
// The focus moved to the square (row, col) of the board, as a screen reader moves it; with
// activate the square was activated too, as by Enter (a screen reader's double tap).
void WebSquare(int row, int col, bool activate);
// The board gained or lost the keyboard focus; byKeyboard when a key brought it there.
void WebBoardFocus(bool focused, bool byKeyboard);
// The command of a menu item.
void WebCommand(int command);
// The command a key gives, or 0: the keyboard shortcuts by the character they type.
int WebShortcut(int character, bool alt);
// What the player has asked the system for (0 nothing, 1 forced colours, 2 more contrast) and,
// with forced colours, the system's colours as opaque ARGB: its background, text, highlight,
// highlighted text, grey text and link colours. The next frame is drawn in the palette made of
// them.
void WebContrast(int request, std::uint32_t window, std::uint32_t windowText,
                 std::uint32_t highlight, std::uint32_t highlightText, std::uint32_t grayText,
                 std::uint32_t hotLight);
// The page is being hidden, and may be frozen or discarded: the game is kept in the tab as it
// stands.
void WebPageHidden();
// Paints the whole client area, once per animation frame for which a repaint was asked.
void WebPaint();
}
