// The turn controller: the three mouse events of the main window turned into the flow of play on
// theBoard and theCpuPlayer. Each handler takes the two message parameters as the window system
// delivers them: wParam is not read; the low 16 bits of lParam are the client x and the next 16
// bits the client y, both unsigned. Input that names a square (the keyboard, a screen reader) plays
// through the same flow by squares. Every release that ends a drag reports what its turn was, once,
// through the seam.
#pragma once

#include <cstdint>
#include <string_view>

#include "ai/cpu_player.h"
#include "game/board.h"

using WParam = std::uintptr_t;
using LParam = std::intptr_t;

// Packs client coordinates into an lParam as the window system does (each truncated to 16 bits).
constexpr LParam MakePointParam(int x, int y) {
  return static_cast<LParam>((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16 |
                             (static_cast<std::uint32_t>(x) & 0xFFFFu));
}

// The client coordinates an lParam carries, as the handlers read them: unsigned 16-bit values.
constexpr int PointX(LParam lParam) {
  return static_cast<int>(static_cast<std::uintptr_t>(lParam) & 0xFFFFu);
}
constexpr int PointY(LParam lParam) {
  return static_cast<int>((static_cast<std::uintptr_t>(lParam) >> 16) & 0xFFFFu);
}

// The centre of a square as the board was last drawn (theBoard's origin and cell size), packed as
// the window system packs a point: where tests press and release.
LParam SquareCentre(int row, int col);

// What the release handler's message boxes say: the captions and the texts.
namespace TurnText {
inline constexpr std::string_view kErrorCaption = "Ошибка";
inline constexpr std::string_view kGameOverCaption = "ИГРА ОКОНЧЕНА";
inline constexpr std::string_view kMustCapture = "Неверный ход.\nВы должны бить шашку противника.";
inline constexpr std::string_view kPlayerWins = "Победил ИГРОК!";
inline constexpr std::string_view kCpuWins = "Победил CPU!";
inline constexpr std::string_view kCpuHasNoMove = "У CPU нет хода!\nПобедил игрок!";
}  // namespace TurnText

// How a turn ended the game, if it did: which of the game-over boxes its release opens.
enum class GameEnd : std::uint8_t {
  None,
  PlayerWins,      // the computer has no pieces left
  CpuWins,         // the player has no pieces, or no move, left
  CpuHasNoMove,    // the computer cannot move: the player wins
  NeitherCanMove,  // the computer cannot move, and then neither can the player: both boxes
};

// What one release that ended a drag played, as the controller played it: the player's drop and
// its result, the computer's reply and the score after them. The controller hands it to the front
// end once, when the turn's play is done and before any box that the release opens.
struct TurnRecord {
  Cell from;              // where the player's piece was picked up
  Cell to;                // where it was dropped
  int result;             // EndDrag's MoveCode: refused (0 or less), Moved, Captured, MustCapture
  bool crowned;           // the player's man was crowned on the drop
  bool mustCaptureAgain;  // the piece that captured can jump again: the player moves again
  int reply;              // MakeMove's result, or 0 when the computer did not answer
  bool cpuCrowned;        // the computer's man was crowned during its reply
  int taken;              // the player's pieces the reply took
  int replySteps;         // the computer's path: steps[0 .. replySteps - 1]
  MoveStep steps[CpuPlayer::kMaxSteps];
  std::int32_t playerCount;  // the score after the turn
  std::int32_t cpuCount;
  GameEnd end;
};

void OnLButtonDown(WParam wParam, LParam lParam);
void OnMouseMove(WParam wParam, LParam lParam);
void OnLButtonUp(WParam wParam, LParam lParam);

// The same three events by squares, for input that names a square: a press on the square, the
// held piece carried there (drawn at the square's centre) and a release on it. Each does what its
// handler does at the square's centre, without a point to convert.
void PressSquare(Cell square);
void CarryToSquare(Cell square);
void ReleaseOnSquare(Cell square);
