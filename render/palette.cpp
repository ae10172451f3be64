#include "render/palette.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

Palette current = kGamePalette;

// Colours that show on black and on white alike, a blue and a purple, and grey between them at the
// last: for the path and the cursor where none of the system's colours does.
constexpr std::uint32_t kBlue = 0xFF3366FF;
constexpr std::uint32_t kPurple = 0xFFC000C0;
constexpr std::uint32_t kGrey = 0xFF808080;

// A channel of an sRGB colour, linear.
double Linear(std::uint32_t channel) {
  const double c = static_cast<double>(channel & 0xFF) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint32_t argb) {
  return 0.2126 * Linear(argb >> 16) + 0.7152 * Linear(argb >> 8) + 0.0722 * Linear(argb);
}

// How well a colour shows on both squares: its lesser contrast with either.
double OnBothSquares(std::uint32_t colour, const Palette& palette) {
  return std::min(ContrastRatio(colour, palette.lightSquare),
                  ContrastRatio(colour, palette.darkSquare));
}

// The first of the candidates that shows on both squares and is not taken; where none does, the
// one not taken that shows best.
std::uint32_t ShowsOnBothSquares(std::span<const std::uint32_t> candidates, const Palette& palette,
                                 std::uint32_t taken) {
  std::uint32_t best = kGrey;
  double bestContrast = -1.0;
  for (const std::uint32_t colour : candidates) {
    if (colour == taken) {
      continue;
    }
    const double contrast = OnBothSquares(colour, palette);
    if (contrast >= kShapeContrast) {
      return colour;
    }
    if (contrast > bestContrast) {
      best = colour;
      bestContrast = contrast;
    }
  }
  return best;
}

// The system's text colour where it is legible enough on its background, else black or white,
// whichever is more so.
std::uint32_t Text(const SystemColours& system) {
  if (ContrastRatio(system.windowText, system.window) >= kTextContrast) {
    return system.windowText;
  }
  constexpr std::uint32_t kBlack = 0xFF000000;
  constexpr std::uint32_t kWhite = 0xFFFFFFFF;
  return ContrastRatio(kBlack, system.window) >= ContrastRatio(kWhite, system.window) ? kBlack
                                                                                      : kWhite;
}

}  // namespace

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Palette HighContrastPalette(const SystemColours& system) {
  Palette palette{};
  const std::uint32_t text = Text(system);
  palette.lightSquare = text;
  palette.darkSquare = system.window;
  palette.panel = system.window;
  palette.heading = text;
  palette.count = text;
  palette.shapes = true;
  palette.piece = text;
  // The path keeps the game's red where it shows; the cursor takes the system's highlight where it
  // does.
  const std::uint32_t path[] = {
      Colour::Path, system.highlight, system.hotLight, system.grayText, kBlue, kPurple, kGrey};
  const std::uint32_t cursor[] = {system.highlight,
                                  system.hotLight,
                                  system.grayText,
                                  system.highlightText,
                                  kBlue,
                                  kPurple,
                                  Colour::Path,
                                  kGrey};
  palette.path = ShowsOnBothSquares(path, palette, 0);
  palette.cursor = ShowsOnBothSquares(cursor, palette, palette.path);
  return palette;
}

Palette PaletteFor(ContrastRequest request, const SystemColours& system) {
  switch (request) {
    case ContrastRequest::SystemColours:
      return HighContrastPalette(system);
    case ContrastRequest::More:
      return HighContrastPalette(kBlackOnWhite);
    case ContrastRequest::None:
      break;
  }
  return kGamePalette;
}

const Palette& CurrentPalette() {
  return current;
}

void SetPalette(const Palette& palette) {
  current = palette;
}
