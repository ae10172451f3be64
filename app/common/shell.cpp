#include "app/common/shell.h"

#include <cmath>
#include <string_view>

#include "game/board.h"

namespace Shell {

DialogUnits MeasuredDialogUnits(double lettersWidth, double fontHeight) {
  constexpr double kLetters = std::string_view(kDialogLetters).size();
  return {lettersWidth / kLetters / 4, fontHeight / 8};
}

DialogRect ToPixels(const DialogRect& rect, DialogUnits units) {
  const auto pixels = [](int dialogUnits, double unit) {
    return static_cast<int>(std::lround(dialogUnits * unit));
  };
  return {pixels(rect.x, units.x), pixels(rect.y, units.y), pixels(rect.width, units.x),
          pixels(rect.height, units.y)};
}

void ResetBoardAtExit() {
  StartNewGame();
}

}  // namespace Shell
