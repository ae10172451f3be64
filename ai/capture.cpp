// The computer's capture search: one piece plays its whole capture chain at once, jump by jump,
// always taking the first direction that offers a jump. No alternative chains are compared.

#include "ai/cpu_player.h"
#include "ai/grid.h"
#include "game/frontend.h"

namespace {

constexpr int kNoCapture = -1;

// One capture found on the grid: the player piece to take and the square to land on.
struct Capture {
  int takenRow;
  int takenCol;
  int landRow;
  int landCol;
};

// A capture jumps a player piece onto the empty square right behind it. A man takes only the piece
// right next to it; a king first walks over empty squares, and its own pieces and the squares it
// left in this chain (marked FieldLeft) stop the walk. The diagonals are tried in the order of
// kDiagonals; returns the index there of the first that offers a jump, or kNoCapture.
int FindCapture(const Field& field, int row, int col, bool fromAfar, Capture& capture) {
  for (int d = 0; d < 4; ++d) {
    const Direction dir = kDiagonals[d];
    int takenRow = row + dir.rowStep;
    int takenCol = col + dir.colStep;
    while (fromAfar && CpuPlayer::IsOnBoard(takenRow, takenCol) &&
           FieldAt(field, takenRow, takenCol) == FieldEmpty) {
      takenRow += dir.rowStep;
      takenCol += dir.colStep;
    }
    const int landRow = takenRow + dir.rowStep;
    const int landCol = takenCol + dir.colStep;
    if (CpuPlayer::IsOnBoard(landRow, landCol) &&
        FieldAt(field, takenRow, takenCol) == FieldPlayer &&
        FieldAt(field, landRow, landCol) == FieldEmpty) {
      capture = Capture{takenRow, takenCol, landRow, landCol};
      return d;
    }
  }
  return kNoCapture;
}

int FindManCapture(const Field& field, int row, int col, Capture& capture) {
  return FindCapture(field, row, col, false, capture);
}

int FindKingCapture(const Field& field, int row, int col, Capture& capture) {
  return FindCapture(field, row, col, true, capture);
}

// Plays one found capture: the player piece leaves its set through the board's own removal, so
// the rest keep their order; the step is traced and the piece lands. The grid is left to the
// caller, whose marks differ between men and kings.
void PlayCapture(CpuPlayer& cpu, PieceSet& playerSet, Piece& piece, const Capture& capture) {
  theBoard.RemovePiece(playerSet, capture.takenRow, capture.takenCol);
  cpu.MovePiece(piece, capture.landRow, capture.landCol);
}

// A king capture on the grid: the square left may not be crossed or landed on again in this chain.
void MarkKingCapture(Field& field, const Piece& king, const Capture& capture) {
  FieldAt(field, king.row, king.col) = FieldLeft;
  FieldAt(field, capture.takenRow, capture.takenCol) = FieldEmpty;
  FieldAt(field, capture.landRow, capture.landCol) = FieldCpu;
}

// After a capture with no continuation the king slides on along the line of its jump to the first
// empty square with no occupied neighbour. The landing square is still marked as the king's, so
// the square right after it never qualifies.
void SlideKing(CpuPlayer& cpu, Field& field, Piece& king, Direction dir) {
  int row = king.row + dir.rowStep;
  int col = king.col + dir.colStep;
  while (CpuPlayer::IsOnBoard(row, col) && FieldAt(field, row, col) == FieldEmpty) {
    if (CpuPlayer::CountFreeNeighbours(field, row, col) == 4) {
      FieldAt(field, king.row, king.col) = FieldEmpty;
      FieldAt(field, row, col) = FieldCpu;
      cpu.MovePiece(king, row, col);
      return;
    }
    row += dir.rowStep;
    col += dir.colStep;
  }
}

// The king's chain goes capture, continuation, capture, continuation...; only a capture that is
// not itself a continuation and has none is followed by the slide.
bool PlayKingChain(CpuPlayer& cpu, Field& field, PieceSet& playerSet, Piece& king) {
  bool captured = false;
  Capture capture{};
  for (int d = FindKingCapture(field, king.row, king.col, capture); d != kNoCapture;
       d = FindKingCapture(field, king.row, king.col, capture)) {
    MarkKingCapture(field, king, capture);
    PlayCapture(cpu, playerSet, king, capture);
    captured = true;
    Capture next{};
    if (FindKingCapture(field, king.row, king.col, next) == kNoCapture) {
      SlideKing(cpu, field, king, kDiagonals[d]);
      return true;
    }
    MarkKingCapture(field, king, next);
    PlayCapture(cpu, playerSet, king, next);
  }
  return captured;
}

}  // namespace

bool CpuPlayer::TryCapture(PieceSet& playerSet, PieceSet& cpuSet, Piece& piece) {
  Field field;
  BuildField(field, cpuSet, playerSet);
  bool captured = false;
  if (piece.state == Man) {
    Capture capture{};
    while (FindManCapture(field, piece.row, piece.col, capture) != kNoCapture) {
      const int fromRow = piece.row;
      const int fromCol = piece.col;
      FieldAt(field, fromRow, fromCol) = FieldEmpty;
      FieldAt(field, capture.takenRow, capture.takenCol) = FieldEmpty;
      FieldAt(field, capture.landRow, capture.landCol) = FieldCpu;
      PlayCapture(*this, playerSet, piece, capture);
      captured = true;
      if (piece.row == kCpuCrowningRow) {
        // Crowned mid-chain: the man goes on capturing as a king, and may not come back over the
        // square it jumped from.
        FieldAt(field, fromRow, fromCol) = FieldLeft;
        piece.state = King;
        MessageBeep(Sound::Question);
        break;
      }
    }
    if (piece.state == Man) {
      return captured;
    }
  }
  return PlayKingChain(*this, field, playerSet, piece) || captured;
}

int CpuPlayer::CountFreeNeighbours(const Field& field, int row, int col) {
  int freeCount = 0;
  for (const Direction dir : kDiagonals) {
    const int r = row + dir.rowStep;
    const int c = col + dir.colStep;
    if (!IsOnBoard(r, c) || FieldAt(field, r, c) == FieldEmpty) {
      ++freeCount;
    }
  }
  return freeCount;
}
