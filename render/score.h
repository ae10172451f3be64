// The score panel's lines as a frame draws them: what the panel shows, and what reads it aloud.
#pragma once

#include <cstdint>
#include <span>
#include <string>

class Surface;

// One line of the score panel: its text (UTF-8), where the text's top-left corner stands (client
// pixels, measured as beside the board), its size in points and its colour code.
struct ScoreLine {
  // "Игрок: " is 13 bytes of UTF-8 and a 32-bit count at most 11 characters ("-2147483648").
  static constexpr int kCapacity = 32;

  char text[kCapacity];
  int x;
  int y;
  int points;
  int colourCode;
};

// The panel has three lines, drawn in this order.
inline constexpr int kScoreLines = 3;
inline constexpr int kHeadingLine = 0;
inline constexpr int kPlayerLine = 1;
inline constexpr int kCpuLine = 2;

// The line of the panel beside a board boardSide pixels wide, with the two sides' counts.
ScoreLine ScorePanelLine(int line, std::int32_t playerCount, std::int32_t cpuCount, int boardSide);

// The game's moves in the panel below the board, placed as beside a board boardSide pixels wide,
// as the score's lines are (the surface moves them into the panel): as many of the newest as fit
// in the panel's height, the newest at the bottom.
void DrawMoves(Surface& surface, std::span<const std::string> moves, int boardSide,
               int panelHeight);
