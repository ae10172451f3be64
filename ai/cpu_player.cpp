// The computer's turn: a capture chain if any piece has one, else a rule-based move, else an
// ordinary quiet move that prefers a square with no player piece next to it.

#include "ai/cpu_player.h"

#include "ai/grid.h"
#include "game/frontend.h"

CpuPlayer theCpuPlayer;

namespace {

// The quiet-move directions: men take the first two (their forward steps), kings all four.
constexpr Direction kMoveDirs[4] = {kCpuForward[0], kCpuForward[1], Diagonal::UpRight,
                                    Diagonal::UpLeft};
constexpr int kManMoveDirCount = 2;

bool IsEmptySquare(const Field& field, int row, int col) {
  return CpuPlayer::IsOnBoard(row, col) && FieldAt(field, row, col) == FieldEmpty;
}

}  // namespace

int CpuPlayer::MakeMove(PieceSet& cpuSet, PieceSet& playerSet) {
  shownSteps = 0;
  stepCount = 0;

  // The first piece in stored order that can capture plays its chain, however short.
  for (int i = 0; i < cpuSet.count; ++i) {
    if (TryCapture(playerSet, cpuSet, cpuSet.pieces[i])) {
      MessageBeep(Sound::SimpleBeep);
      return MakeMoveResult::Captured;
    }
  }

  if (TacticalMove(cpuSet, playerSet)) {
    return MakeMoveResult::Moved;
  }

  // Safety is judged on the position before the move; nothing moves while the move is chosen.
  Field field;
  BuildField(field, cpuSet, playerSet);
  int fallbackPiece = -1;
  int fallbackRow = -1;
  int fallbackCol = -1;
  for (int i = 0; i < cpuSet.count; ++i) {
    Piece& piece = cpuSet.pieces[i];
    if (piece.state == Man) {
      for (int d = 0; d < kManMoveDirCount; ++d) {
        const int row = piece.row + kMoveDirs[d].rowStep;
        const int col = piece.col + kMoveDirs[d].colStep;
        if (!IsEmptySquare(field, row, col)) {
          continue;
        }
        fallbackPiece = i;
        fallbackRow = row;
        fallbackCol = col;
        if (IsSafeSquare(field, row, col)) {
          MovePiece(piece, row, col);
          return MakeMoveResult::Moved;
        }
      }
      continue;
    }
    // A king commits to its first direction with an empty neighbour and walks along it to the
    // first safe square, or to the last empty one; it never passes over a piece.
    for (const Direction dir : kMoveDirs) {
      int row = piece.row + dir.rowStep;
      int col = piece.col + dir.colStep;
      if (!IsEmptySquare(field, row, col)) {
        continue;
      }
      while (!IsSafeSquare(field, row, col) &&
             IsEmptySquare(field, row + dir.rowStep, col + dir.colStep)) {
        row += dir.rowStep;
        col += dir.colStep;
      }
      MovePiece(piece, row, col);
      return MakeMoveResult::Moved;
    }
  }

  if (fallbackRow >= 0) {
    MovePiece(cpuSet.pieces[fallbackPiece], fallbackRow, fallbackCol);
    return MakeMoveResult::Moved;
  }
  return MakeMoveResult::NoMove;
}

bool CpuPlayer::IsSafeSquare(const Field& field, int row, int col) {
  for (const Direction dir : kDiagonals) {
    const int r = row + dir.rowStep;
    const int c = col + dir.colStep;
    if (IsOnBoard(r, c) && FieldAt(field, r, c) == FieldPlayer) {
      return false;
    }
  }
  return true;
}

void CpuPlayer::RecordStep(int fromRow, int fromCol, int toRow, int toCol) {
  if (stepCount >= kMaxSteps) {
    return;
  }
  steps[stepCount] = MoveStep{fromRow, fromCol, toRow, toCol};
  ++stepCount;
  ++shownSteps;
}

void CpuPlayer::MovePiece(Piece& piece, int row, int col) {
  RecordStep(piece.row, piece.col, row, col);
  piece.row = row;
  piece.col = col;
}

void CpuPlayer::BuildField(Field& field, const PieceSet& cpuSet, const PieceSet& playerSet) {
  field.fill(FieldEmpty);
  for (int i = 0; i < cpuSet.count; ++i) {
    FieldAt(field, cpuSet.pieces[i].row, cpuSet.pieces[i].col) = FieldCpu;
  }
  for (int i = 0; i < playerSet.count; ++i) {
    FieldAt(field, playerSet.pieces[i].row, playerSet.pieces[i].col) = FieldPlayer;
  }
}

bool CpuPlayer::IsOnBoard(int row, int col) {
  return Board::IsOnBoard(row, col) != 0;
}
