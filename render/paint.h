// The paint routine and the window metrics the board's geometry follows from.
#pragma once

#include <cstdint>
#include <span>
#include <string>

class Surface;
class WindowTarget;
struct Cell;

// Written only by the window's size handling; read by the paint.
extern std::int32_t boardWidth;   // width reserved for the board; equals boardHeight
extern std::int32_t boardHeight;  // the client-area height, or in the upright layout the board's
extern std::int32_t clientWidth;  // the client-area width
// In the upright layout, the height of the score panel below the board; 0 when the panel lies
// beside the board, as in a window.
extern std::int32_t panelBelow;

// Sets the metrics after a change of the client area: the board as high as the client area, the
// panel taking the rest of its width.
void SetWindowMetrics(int width, int height);
// The upright layout, for a screen taller than wide: the board as wide as the client area, the
// panel below it taking the rest of its height.
void SetUprightWindowMetrics(int width, int height);

// A rectangle of client pixels.
struct Rect {
  int x;
  int y;
  int width;
  int height;
};

// Where a frame puts things, for whatever must find them on the screen (assistive technology): the
// board's side (whole cells), a square as the last frame drew it, and a score panel's line (as
// ScorePanelLine numbers them) from its text's top-left corner to the panel's right edge, as high
// as its font's em at 96 pixels per inch; and the panel itself, beside or below the board.
int BoardSide();
Rect SquareRect(int row, int col);
Rect ScoreLineRect(int line);
Rect PanelRect();

// Composes one whole frame of the client area off-screen and shows it in one transfer. A framed
// square (the keyboard cursor, while the keyboard is in use) gets a frame on top of everything
// else; without one the frame is the game's alone. In the upright layout the game's moves, when
// given, stand in the panel below the score.
void PaintMainWindow(WindowTarget& window, const Cell* framed = nullptr,
                     std::span<const std::string> moves = {});

// For a front end whose surface keeps the last frame: paints black the strips right of and below
// the board that its whole cells leave over and that a frame does not paint, as a new surface
// would show them, so that a piece dragged across them leaves no trail.
void ClearBoardStrips(Surface& surface, int height);
