// Event scripts: a byte string read as a sequence of the window events the game can receive —
// presses, mouse moves and releases at any point, the board's keys, a screen reader's moves of the
// focus, new games, size changes and paints — played through the board's input that every front
// end routes them through, the real handlers and the real paint routine, every turn's record put
// into words, with the game's invariants checked after every event. The fuzz target feeds it
// arbitrary bytes; the regression tests replay the committed inputs through the same reader.
//
// Encoding. Each event starts with one opcode byte. With bit 5 set it is a Restore; otherwise,
// with bit 4 clear, its low three bits are the EventKind, and with bit 4 set they are the
// BoardEvent. Missing bytes at the end of the input read as 0.
//   Press, Move, Release   bit 3 of the opcode clear: x and y, 16 bits each, little-endian;
//                          bit 3 set: one byte 00rrrccc, the centre of square (r, c) as last drawn
//   RawMouse               one byte (handler: value % 3 = press, move, release), then wParam and
//                          lParam, 64 bits each, little-endian, passed on unchanged
//   NewGame                no operand
//   Resize                 client width and height, 16 bits each; with bit 3 of the opcode set,
//                          the upright layout (the panel below the board)
//   Paint                  no operand
//   Drop                   two square bytes: a press on the first square and a release on the
//                          second, then a paint (one move of the player, as a click-and-drop)
//   Up ... Escape          a key on the board (the BoardKey of the same name), no operand
//   Square                 one byte 0arrrccc: the focus moved to square (r, c), activated as by
//                          Enter when a is set
//   Focus                  one byte: bit 0 the board has the focus, bit 1 a key brought it
//   Restore                one byte n, then n bytes: a game kept in a tab, brought back as the
//                          page brings one back at its load; with n = 0 the game played so far,
//                          kept and brought back, which must come back as it was
#pragma once

#include <cstddef>
#include <cstdint>

#include "fuzz/counting_window.h"

enum class EventKind : std::uint8_t {
  Press,
  Move,
  Release,
  RawMouse,
  NewGame,
  Resize,
  Paint,
  Drop
};

// Events of the board for the keyboard and assistive technology; the first six are the BoardKeys.
enum class BoardEvent : std::uint8_t { Up, Down, Left, Right, Activate, Escape, Square, Focus };

inline constexpr std::uint8_t kEventKindMask = 0x07;
inline constexpr std::uint8_t kSquarePointFlag = 0x08;
inline constexpr std::uint8_t kUprightFlag = 0x08;
inline constexpr std::uint8_t kBoardEventFlag = 0x10;
inline constexpr std::uint8_t kRestoreFlag = 0x20;
inline constexpr std::uint8_t kActivateFlag = 0x40;

// The client area of the 850 × 500 window the program opens, which every script starts from.
inline constexpr int kStartClientWidth = 834;
inline constexpr int kStartClientHeight = 441;

// How a script ended: the first broken invariant and the index of the event after which it was
// found (the start-up counts as event -1), or nullptr and the number of events played.
struct ScriptOutcome {
  const char* broken;
  int events;
};

// Puts the game, the opponent's trace and the window metrics in their start-up state and paints
// the first frame, as the program does before its first mouse message.
void ResetToStartUp(CountingWindow& window);

// The first invariant that the game's state or the frames drawn so far break, or nullptr: each
// count equals its set's count, at most 12 pieces a side on distinct dark squares, every piece a
// man or a king and no man on its crowning row, the trace within its capacity, the drag state Idle
// or Dragging, and every frame well formed.
const char* FindBrokenInvariant(const CountingWindow& window);

// Starts from ResetToStartUp with a quiet platform as the seam and a new board input, and plays
// every event
// of the bytes, checking the invariants after each, and that the keyboard cursor stays on the
// board; stops at the first broken one.
ScriptOutcome RunScript(const std::uint8_t* data, std::size_t size, CountingWindow& window);
