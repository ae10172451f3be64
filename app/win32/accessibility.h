// The game for assistive technology on Windows, which Narrator, NVDA and JAWS read through
// Microsoft Active Accessibility (or UI Automation, which falls back to it for a plain window):
// the client area answers WM_GETOBJECT with an accessible table named «Доска» of 64 cells named
// from the board's words, the score panel's three lines and a live region after them; the focus
// follows the keyboard cursor and the held piece's cell is selected; the turn's words are announced
// through the live region and, where the system offers it, a UI Automation notification.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/common/board_words.h"
#include "app/common/turn_words.h"

class BoardInput;
class DisplayScale;

// The child ids of the client area's accessible object: the squares row by row from 1, then the
// score panel's lines, then the live region.
inline constexpr LONG kFirstSquareChild = 1;
inline constexpr LONG kFirstScoreChild = kFirstSquareChild + kBoardSide * kBoardSide;
inline constexpr LONG kScoreChildren = 3;
inline constexpr LONG kLiveRegionChild = kFirstScoreChild + kScoreChildren;

// What activating a square from assistive technology posts to the window, with the square's child
// id as wParam, so that the move is made once the screen reader's call has returned.
inline constexpr UINT kActivateSquareMessage = WM_APP + 1;

// The live region of the main window: each turn's words become its name, which is announced
// before any message box that the same release opens.
class LiveRegion : public Announcer {
 public:
  void Announce(std::string_view words) override;
};

// Sets up the window's accessibility when it is created: its object, and the live region's
// setting through Dynamic Annotation.
void ConnectBoardAccessible(HWND window, const BoardInput& input, const DisplayScale& scale);
// The answer to WM_GETOBJECT: the board's object for the client area, 0 for anything else (then
// DefWindowProc answers).
LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam);
// After each frame: a name change for each square whose words changed, the held piece's cell
// selected or no longer, and the focus on the cursor's cell when it moved while the window has the
// focus.
void TellBoardChanges();
// The window has gained the focus: the cursor's cell has it.
void FocusCursorCell();
// The window is going: its object is cut off from every client and released; a client that still
// holds it is told the object is gone.
void DisconnectBoardAccessible();

// For tests: the board objects that exist, released or not by their clients.
int LiveBoardAccessibles();
