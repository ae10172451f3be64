#include "app/web/main_window.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "app/common/board_input.h"
#include "app/common/game_log.h"
#include "app/common/shell.h"
#include "app/common/turn_words.h"
#include "app/web/about_dialog.h"
#include "app/web/accessibility.h"
#include "app/web/frontend.h"
#include "app/web/surface.h"
#include "app/web/tab_storage.h"
#include "game/board.h"
#include "game/turn.h"
#include "render/paint.h"
#include "render/palette.h"

namespace {

enum Command : int { NewGame = 1, Exit = 2, About = 3 };

// Game pixels per CSS pixel (below 1 where the client area is scaled down to fit), and device
// pixels per CSS pixel.
double scale = 1.0;
double devicePixels = 1.0;

// The game's seam for the page's lifetime (the runtime stays up after main returns), which tells
// each turn's words in the live region and keeps the game's record in the tab, and the board's
// input, through which the pointer, the board's keys and a screen reader reach the game.
LiveRegion liveRegion;
TurnTeller teller(liveRegion);
GameLog gameLog;
BoardInput input;
WebFrontend frontend(teller, gameLog, input);

EM_JS(int, JsAddMenu, (const char* title), { return Page.addMenu(UTF8ToString(title)); });
EM_JS(void, JsAddMenuItem, (int menu, const char* text, int command),
      { Page.addMenuItem(menu, UTF8ToString(text), command); });
EM_JS(void, JsAddSeparator, (int menu), { Page.addSeparator(menu); });
EM_JS(void, JsPlaceCanvas, (double width, double height, double boardSide),
      { Page.placeCanvas(width, height, boardSide); });
EM_JS(void, JsLabelCloseBoxes, (const char* label), { Page.labelCloseBoxes(UTF8ToString(label)); });
EM_JS(void, JsEndGame, (const char* text, const char* again),
      { Page.endGame(UTF8ToString(text), UTF8ToString(again)); });

// A menu text with its mnemonic marker taken out: the browser keeps Alt with a letter for itself.
std::string MenuText(std::string_view text) {
  std::string shown;
  for (char c : text) {
    if (c != '&') {
      shown += c;
    }
  }
  return shown;
}

// A point on the canvas in the game's client coordinates, packed as the window system packs them.
// A release outside the canvas, which reaches the game through the pointer capture, may lie left
// of or above it, or far beyond it; such a point is held to the 16 bits a coordinate packs into,
// negative ones at -1, so that it lies far beyond the board and the drop is judged off the board.
int ClientCoordinate(double cssPixels) {
  const double pixels = scale > 0 ? std::floor(cssPixels / scale) : -1.0;
  return static_cast<int>(std::isnan(pixels) ? -1.0 : std::clamp(pixels, -1.0, 65535.0));
}

LParam PointParam(double x, double y) {
  return MakePointParam(ClientCoordinate(x), ClientCoordinate(y));
}

void AskForNewGame() {
  if (AskYesNo(KORDAVELMIX_NEW_GAME_QUESTION, KORDAVELMIX_NEW_GAME_CAPTION)) {
    StartNewGame();
    input.NewGame();
    gameLog.Clear();
    ForgetGame();
  }
  RequestRepaint();
}

// A page cannot close a browser tab it did not open; an installed app's window it can. Where it
// stays open, the page says that the game has ended and offers to start it again.
void ExitGame() {
  Shell::ResetBoardAtExit();
  gameLog.Clear();
  ForgetGame();
  JsEndGame(KORDAVELMIX_EXITED, KORDAVELMIX_PLAY_AGAIN);
}

}  // namespace

void BuildMainWindow() {
  BringBackGame(gameLog, input);
  SetFrontend(&frontend);
  const int game = JsAddMenu(MenuText(KORDAVELMIX_MENU_GAME).c_str());
  JsAddMenuItem(game, MenuText(KORDAVELMIX_MENU_NEW_GAME).c_str(), NewGame);
  JsAddSeparator(game);
  JsAddMenuItem(game, MenuText(KORDAVELMIX_MENU_EXIT).c_str(), Exit);
  const int help = JsAddMenu(MenuText(KORDAVELMIX_MENU_HELP).c_str());
  JsAddMenuItem(help, MenuText(KORDAVELMIX_MENU_ABOUT).c_str(), About);
  JsLabelCloseBoxes(KORDAVELMIX_CLOSE);
  BuildBoardAccess();
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void WebResize(double width, double height, double devicePixelRatio) {
  const int areaHeight = std::max(0, static_cast<int>(std::floor(height)));
  const int areaWidth = std::max(0, static_cast<int>(std::floor(width)));
  devicePixels = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  const int wholeCells = areaWidth / kBoardSide * kBoardSide;
  if (areaHeight > areaWidth && wholeCells > 0) {
    // Upright: the board as wide as the space, the panel below it. Whole cells leave up to seven
    // pixels of the width over; the client area is scaled up by as much, so that the board spans
    // the width.
    scale = width / wholeCells;
    SetUprightWindowMetrics(wholeCells, static_cast<int>(std::floor(height / scale)));
  } else {
    scale = 1.0;
    int clientAreaWidth = areaWidth;
    if (areaWidth < areaHeight + Shell::kMinPanelWidth) {
      clientAreaWidth = areaHeight + Shell::kMinPanelWidth;
      scale = width / clientAreaWidth;
    }
    SetWindowMetrics(clientAreaWidth, areaHeight);
  }
  JsPlaceCanvas(clientWidth * scale, (boardHeight + panelBelow) * scale, BoardSide() * scale);
  RequestRepaint();
}

EMSCRIPTEN_KEEPALIVE void WebPointerDown(double x, double y) {
  input.PointerDown(PointParam(x, y));
}

EMSCRIPTEN_KEEPALIVE void WebPointerMove(double x, double y) {
  input.PointerMove(PointParam(x, y));
}

EMSCRIPTEN_KEEPALIVE void WebPointerUp(double x, double y) {
  input.PointerUp(PointParam(x, y));
}

EMSCRIPTEN_KEEPALIVE void WebKey(int key) {
  if (key >= static_cast<int>(BoardKey::Up) && key <= static_cast<int>(BoardKey::Escape)) {
    input.Key(static_cast<BoardKey>(key));
  }
}

EMSCRIPTEN_KEEPALIVE void WebSquare(int row, int col, bool activate) {
  input.MoveCursorTo({row, col}, activate);
}

EMSCRIPTEN_KEEPALIVE void WebBoardFocus(bool focused, bool byKeyboard) {
  input.FocusChanged(focused, byKeyboard);
}

EMSCRIPTEN_KEEPALIVE void WebCommand(int command) {
  switch (command) {
    case NewGame:
      AskForNewGame();
      break;
    case Exit:
      ExitGame();
      break;
    case About:
      RunAboutDialog();
      break;
    default:
      break;
  }
}

EMSCRIPTEN_KEEPALIVE int WebShortcut(int character, bool alt) {
  for (const char key : Shell::kAboutKeys) {
    if (alt && character == key) {
      return About;
    }
  }
  return 0;
}

EMSCRIPTEN_KEEPALIVE void WebContrast(int request, std::uint32_t window, std::uint32_t windowText,
                                      std::uint32_t highlight, std::uint32_t highlightText,
                                      std::uint32_t grayText, std::uint32_t hotLight) {
  constexpr ContrastRequest kRequests[] = {ContrastRequest::None, ContrastRequest::SystemColours,
                                           ContrastRequest::More};
  const ContrastRequest asked = request >= 0 && request < static_cast<int>(std::size(kRequests))
                                    ? kRequests[request]
                                    : ContrastRequest::None;
  SetPalette(PaletteFor(asked, {window, windowText, highlight, highlightText, grayText, hotLight}));
  RequestRepaint();
}

EMSCRIPTEN_KEEPALIVE void WebPageHidden() {
  KeepGame(gameLog, input);
}

EMSCRIPTEN_KEEPALIVE void WebPaint() {
  CanvasTarget target(scale * devicePixels);
  const Cell cursor = input.Cursor();
  PaintMainWindow(target, input.CursorShown() ? &cursor : nullptr, gameLog.Moves());
  UpdateBoardAccess(input, gameLog);
}
}
