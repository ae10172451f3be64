// The computer opponent: it plays the black pieces of theBoard by fixed rules, without looking
// ahead, and keeps the trace of its last move for the board drawing to show as a red path.
#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"

// One step of the computer's move: the square left and the square reached.
struct MoveStep {
  std::int32_t fromRow;
  std::int32_t fromCol;
  std::int32_t toRow;
  std::int32_t toCol;
};

// Values of the working grid.
enum FieldValue : std::int8_t {
  FieldEmpty = 0,
  FieldCpu = 1,     // a computer piece, man or king
  FieldPlayer = 3,  // a player piece, man or king
  FieldLeft = 5     // a square the capturing piece has left during the current chain
};

// The working grid built from both sides' pieces: one signed byte a square, entry
// row * kBoardSide + column.
using Field = std::array<std::int8_t, kBoardSide * kBoardSide>;

class CpuPlayer {
 public:
  // One turn records at most one step per captured piece (12) and one final king slide.
  static constexpr int kMaxSteps = 13;

  // The computer's reply; see MakeMoveResult.
  int MakeMove(PieceSet& cpuSet, PieceSet& playerSet);
  bool TryCapture(PieceSet& playerSet, PieceSet& cpuSet, Piece& piece);
  bool TacticalMove(PieceSet& cpuSet, const PieceSet& playerSet);

  static bool IsSafeSquare(const Field& field, int row, int col);
  static int CountFreeNeighbours(const Field& field, int row, int col);
  static bool IsFreeSquare(const PieceSet& a, const PieceSet& b, int row, int col);
  static bool HasPieceAt(const PieceSet& set, int row, int col);

  void RecordStep(int fromRow, int fromCol, int toRow, int toCol);
  // Records the step from the piece's square to (row, col) in the trace, then moves it there.
  void MovePiece(Piece& piece, int row, int col);
  static void BuildField(Field& field, const PieceSet& cpuSet, const PieceSet& playerSet);
  static bool IsOnBoard(int row, int col);

  std::int32_t shownSteps;
  std::int32_t stepCount;
  MoveStep steps[kMaxSteps];
};

// Results of MakeMove.
namespace MakeMoveResult {
inline constexpr int Moved = 1;     // a move without capture
inline constexpr int Captured = 2;  // one piece's whole capture chain
inline constexpr int NoMove = 3;    // the computer cannot move; nothing changed
}  // namespace MakeMoveResult

// The one computer player of the process.
extern CpuPlayer theCpuPlayer;
