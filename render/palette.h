// The colours a frame is drawn in, by role, and how its pieces are drawn. Every frame is the
// game's own until a front end hands the drawing another palette: one made from the system's
// colours for a player who has asked the system for high contrast.
#pragma once

#include <cstdint>

#include "render/appearance.h"

struct Palette {
  std::uint32_t lightSquare;
  std::uint32_t darkSquare;
  std::uint32_t panel;
  std::uint32_t heading;
  std::uint32_t count;
  // The computer's last move, and the keyboard cursor's frame.
  std::uint32_t path;
  std::uint32_t cursor;
  // Pieces drawn as shapes in this colour, told apart without it: the player's hollow, the
  // computer's filled, a king marked by a square in its middle; a dragged piece ringed in the
  // path's colour, which shows on either square. Without shapes, the pieces' images.
  bool shapes;
  std::uint32_t piece;
};

// The game's own colours and images.
inline constexpr Palette kGamePalette{Colour::White,   Colour::Dark,  Colour::Panel,
                                      Colour::Heading, Colour::Count, Colour::Path,
                                      Colour::Cursor,  false,         0};

// The colours a system offers a program for high contrast, by the names of the roles they play
// (CSS's system colours, Windows' GetSysColor indexes).
struct SystemColours {
  std::uint32_t window;         // Canvas, COLOR_WINDOW: the background
  std::uint32_t windowText;     // CanvasText, COLOR_WINDOWTEXT: text on the background
  std::uint32_t highlight;      // Highlight, COLOR_HIGHLIGHT: a selection's background
  std::uint32_t highlightText;  // HighlightText, COLOR_HIGHLIGHTTEXT: a selection's text
  std::uint32_t grayText;       // GrayText, COLOR_GRAYTEXT: text that is turned off
  std::uint32_t hotLight;       // LinkText, COLOR_HOTLIGHT: a link
};

// Black on white, for a request for more contrast that brings no colours of its own.
inline constexpr SystemColours kBlackOnWhite{0xFFFFFFFF, 0xFF000000, 0xFF0000FF,
                                             0xFFFFFFFF, 0xFF6D6D6D, 0xFF0000FF};

// The least contrast each pair of a high-contrast frame keeps, as the accessibility guidelines
// (WCAG) count it: text against what is behind it, and the shapes (the squares against each
// other, a piece's edge against its square, the path and the cursor against either square).
inline constexpr double kTextContrast = 7.0;
inline constexpr double kShapeContrast = 3.0;

// The palette for high contrast made from the system's colours: the pieces in the text's colour on
// squares of the background's, the other squares in the text's colour, the panel like a window of
// the system's, and for the path and the cursor two colours that show on either square: the path
// the game's red where it does, the cursor the system's highlight where it does, else another of
// the system's colours or of a few fixed ones.
Palette HighContrastPalette(const SystemColours& system);

// What a player has asked the system for: nothing, the system's own contrast colours (Windows'
// contrast themes and the browser's forced colours that follow them, a desktop's high-contrast
// setting), or more contrast with no colours given.
enum class ContrastRequest { None, SystemColours, More };

// The game's palette for no request; for the system's colours the high-contrast palette made from
// them; for more contrast, the one made from black on white.
Palette PaletteFor(ContrastRequest request, const SystemColours& system);

// The contrast ratio of two opaque colours as WCAG defines it, from 1 (the same) to 21 (black and
// white).
double ContrastRatio(std::uint32_t a, std::uint32_t b);

// The palette frames are drawn in.
const Palette& CurrentPalette();
void SetPalette(const Palette& palette);
