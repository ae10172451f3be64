#include "app/win32/contrast.h"

#include <windows.h>

#include <cstdint>

#include "render/palette.h"

namespace {

// The opaque ARGB colour (0xAARRGGBB) of a GDI colour (0x00BBGGRR).
std::uint32_t ArgbOf(COLORREF colour) {
  constexpr std::uint32_t kOpaque = 0xFF000000;
  return kOpaque | static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
         static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

bool HighContrastOn() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof setting;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != FALSE &&
         (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// The colours of the system's current theme, by the roles a contrast theme gives them.
SystemColours ReadSystemColours() {
  return {ArgbOf(GetSysColor(COLOR_WINDOW)),    ArgbOf(GetSysColor(COLOR_WINDOWTEXT)),
          ArgbOf(GetSysColor(COLOR_HIGHLIGHT)), ArgbOf(GetSysColor(COLOR_HIGHLIGHTTEXT)),
          ArgbOf(GetSysColor(COLOR_GRAYTEXT)),  ArgbOf(GetSysColor(COLOR_HOTLIGHT))};
}

}  // namespace

void FollowSystemContrast() {
  SetPalette(PaletteFor(HighContrastOn() ? ContrastRequest::SystemColours : ContrastRequest::None,
                        ReadSystemColours()));
}
