// The high-contrast palette: chosen from what the player asked the system for, and keeping the
// least contrast of each pair whatever the system's colours; and the frame drawn in it.

#include "render/palette.h"

#include <gtest/gtest.h>

#include <string>

#include "game/board.h"
#include "render/paint.h"
#include "tests/render/recording_surface.h"
#include "tests/support/contrast_theme.h"
#include "tests/support/position.h"

namespace {

TEST(Contrast, RatiosOfKnownPairs) {
  EXPECT_DOUBLE_EQ(ContrastRatio(0xFF000000, 0xFFFFFFFF), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(0xFFFFFFFF, 0xFF000000), 21.0);
  EXPECT_NEAR(ContrastRatio(0xFF767676, 0xFFFFFFFF), 4.54, 0.01);
  EXPECT_DOUBLE_EQ(ContrastRatio(0xFF7F7F7F, 0xFF7F7F7F), 1.0);
}

// The browser's forced colours, light and dark (as Chromium emulates them), a Windows contrast
// theme of yellow on black, and black on white for more contrast.
TEST(Contrast, EveryPairOfAHighContrastPaletteKeepsItsLeastContrast) {
  const SystemColours systems[] = {
      {0xFFFFFFFF, 0xFF000000, 0xFF0078D7, 0xFFFFFFFF, 0xFF600000, 0xFF00009F},
      {0xFF000000, 0xFFFFFFFF, 0xFF1AEBFF, 0xFF000000, 0xFF3FF23F, 0xFFFFFF00},
      kYellowOnBlack,
      kBlackOnWhite,
  };
  for (const SystemColours& system : systems) {
    SCOPED_TRACE(system.window);
    const Palette palette = PaletteFor(ContrastRequest::SystemColours, system);
    EXPECT_TRUE(palette.shapes);
    EXPECT_GE(ContrastRatio(palette.heading, palette.panel), kTextContrast);
    EXPECT_GE(ContrastRatio(palette.count, palette.panel), kTextContrast);
    EXPECT_GE(ContrastRatio(palette.lightSquare, palette.darkSquare), kShapeContrast);
    EXPECT_GE(ContrastRatio(palette.piece, palette.darkSquare), kShapeContrast);
    for (const std::uint32_t mark : {palette.path, palette.cursor}) {
      EXPECT_GE(ContrastRatio(mark, palette.lightSquare), kShapeContrast) << std::hex << mark;
      EXPECT_GE(ContrastRatio(mark, palette.darkSquare), kShapeContrast) << std::hex << mark;
    }
    EXPECT_NE(palette.path, palette.cursor);
  }
  const Palette none = PaletteFor(ContrastRequest::None, systems[0]);
  EXPECT_FALSE(none.shapes);
  EXPECT_EQ(none.lightSquare, kGamePalette.lightSquare);
  const Palette more = PaletteFor(ContrastRequest::More, systems[1]);
  EXPECT_EQ(more.lightSquare, 0xFF000000u);
  EXPECT_EQ(more.darkSquare, 0xFFFFFFFFu);
}

// In high contrast the pieces are shapes, not images: the computer's man a filled square, the
// player's king a hollow one with a square in its middle.
TEST(Contrast, PiecesAreShapesTellingTheSidesAndKingsApart) {
  SetPalette(PaletteFor(ContrastRequest::More, kBlackOnWhite));
  SetWindowMetrics(834, 441);
  SetPosition(theBoard, "W5,0 b2,1");
  RecordingSurface frame;
  PaintMainWindow(frame);
  SetPalette(kGamePalette);
  theBoard.NewGame();
  SetWindowMetrics(0, 0);
  EXPECT_TRUE(frame.Only("image").empty());
  // The computer's man on b6 (55, 110): one square of the piece's colour, 6 pixels in.
  EXPECT_EQ(frame.Only("fill 61 116 "), (std::vector<std::string>{"fill 61 116 43 43 FF000000"}));
  // The player's king on a3 (0, 275): a frame 5 pixels wide, and a square in its middle.
  EXPECT_EQ(frame.Only("fill 6 281 "), (std::vector<std::string>{"fill 6 281 43 5 FF000000"}));
  EXPECT_EQ(frame.Only("fill 20 295 "), (std::vector<std::string>{"fill 20 295 14 14 FF000000"}));
}

}  // namespace
