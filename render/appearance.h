// How a frame looks: every colour, text, font, image file and fixed position that the board, the
// pieces, the score panel and the computer's path are drawn with, named once and read by name.
#pragma once

#include <cstdint>
#include <string_view>

// Opaque ARGB colours, alpha in the top byte.
namespace Colour {
inline constexpr std::uint32_t White = 0xFFFAE66E;  // light squares
inline constexpr std::uint32_t Dark = 0xFFC86E41;   // dark squares, the ones pieces stand on
inline constexpr std::uint32_t Panel = 0xFF7F7F7F;  // background of the score panel
inline constexpr std::uint32_t Path = 0xFFFF0000;   // the computer's last move
inline constexpr std::uint32_t Heading = 0xFF00FF00;
inline constexpr std::uint32_t Count = 0xFF0000FF;
// The keyboard cursor's frame: at least 5:1 against both square colours, so it shows on either.
inline constexpr std::uint32_t Cursor = 0xFF000000;
}  // namespace Colour

// Colour codes that DrawLabel takes; any other code draws blue as well.
enum LabelColour : int { LabelBlue = 3, LabelGreen = 4 };

// Piece images, relative to the working directory. This is the one list of them: the build reads
// the file names from here for the install rules and the packages, and a front end that must load
// them ahead of drawing takes them from kAll.
namespace PieceImage {
inline constexpr const char* iblack = "images/Black.png";
inline constexpr const char* iwhite = "images/White.png";
inline constexpr const char* iKblack = "images/Black_king.png";
inline constexpr const char* iKwhite = "images/White_king.png";
inline constexpr const char* kAll[] = {iblack, iwhite, iKblack, iKwhite};
}  // namespace PieceImage

// The path of the computer's last move is drawn this many pixels wide.
inline constexpr float kPathWidth = 5.0f;

// The keyboard cursor's frame lies inside its square's edges, a tenth of the square wide but never
// thinner than kCursorMinWidth pixels.
inline constexpr int kCursorWidthDivisor = 10;
inline constexpr int kCursorMinWidth = 3;

// The score panel: a heading and one line per side, all in bold italic Times.
namespace ScorePanel {
inline constexpr std::string_view kFontFamily = "Times";
inline constexpr const char* kHeading = "Счет: ";
inline constexpr const char* kPlayerLine = "Игрок: %d";
inline constexpr const char* kCpuLine = "AI: %d";
inline constexpr int kHeadingPoints = 40;
inline constexpr int kCountPoints = 30;
// Horizontal positions are measured from the board's right edge, vertical ones from the top of
// the window, so only the former follow the board's size.
inline constexpr int kHeadingX = 30;
inline constexpr int kHeadingY = 10;
inline constexpr int kCountX = 5;
inline constexpr int kPlayerY = 70;
inline constexpr int kCpuY = 120;
}  // namespace ScorePanel
