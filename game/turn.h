// The turn controller: the three mouse events of the main window turned into the flow of play on
// theBoard and theCpuPlayer. Each handler takes the two message parameters as the window system
// delivers them: wParam is not read; the low 16 bits of lParam are the client x and the next 16
// bits the client y, both unsigned.
#pragma once

#include <cstdint>
#include <string_view>

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
// the window system packs a point: where the keyboard presses and releases, as tests do.
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

void OnLButtonDown(WParam wParam, LParam lParam);
void OnMouseMove(WParam wParam, LParam lParam);
void OnLButtonUp(WParam wParam, LParam lParam);
