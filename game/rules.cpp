// The rules the player's moves are held to, judged when a dragged piece is dropped.

#include <cstdlib>

#include "game/board.h"
#include "game/direction.h"
#include "game/frontend.h"

int Board::IsOnBoard(int row, int col) {
  return row >= 0 && col >= 0 && row < kBoardSide && col < kBoardSide;
}

int Board::EndDrag(int col, int row) {
  if (dragState != Dragging) {
    return MoveCode::Refused;
  }
  // The drag always ends, whatever the outcome: a refused piece is drawn back on its square.
  dragState = Idle;
  const int index = IndexOf(player, dragRow, dragCol);
  if (index < 0) {
    // No piece of the player stands where the drag began: there is nothing to move.
    return MoveCode::Refused;
  }
  selectedIndex = index;
  return ValidateMove(col, row);
}

int Board::ValidateMove(int col, int row) {
  Piece& piece = player.pieces[selectedIndex];
  if (IsOccupied(cpu, row, col)) {
    return MoveCode::DropOnCpuPiece;
  }
  const int colDelta = col - piece.col;
  const int rowDelta = row - piece.row;
  if (colDelta == 0 || rowDelta == 0 || std::abs(colDelta) != std::abs(rowDelta)) {
    MessageBeep(Sound::Exclamation);
    return MoveCode::NotDiagonal;
  }
  const int distance = std::abs(colDelta);
  const int colStep = colDelta / distance;
  const int rowStep = rowDelta / distance;

  if (piece.state == Man) {
    if (distance == 1) {
      if (row >= piece.row || !IsOnBoard(row, col) || IsOccupied(player, row, col)) {
        MessageBeep(Sound::Exclamation);
        return MoveCode::BadStep;
      }
      if (HasCapture()) {
        return MoveCode::MustCapture;
      }
      piece.row = row;
      piece.col = col;
      if (row == kPlayerCrowningRow) {
        piece.state = King;
        MessageBeep(Sound::Question);
      } else {
        MessageBeep(Sound::Asterisk);
      }
      return MoveCode::Moved;
    }
    if (distance == 2) {
      if (!CanManCapture(piece.row, piece.col, colStep, rowStep)) {
        MessageBeep(Sound::Exclamation);
        return MoveCode::BadJump;
      }
      RemovePiece(cpu, piece.row + rowStep, piece.col + colStep);
      piece.row = row;
      piece.col = col;
      MessageBeep(Sound::SimpleBeep);
      if (row == kPlayerCrowningRow) {
        piece.state = King;
        MessageBeep(Sound::Question);
      }
      return MoveCode::Captured;
    }
    return MoveCode::TooFar;
  }

  switch (TryKingMove(piece, row, col, colStep, rowStep)) {
    case MoveCode::Moved:
      if (HasCapture()) {
        return MoveCode::MustCapture;
      }
      piece.row = row;
      piece.col = col;
      return MoveCode::Moved;
    case MoveCode::Captured:
      MessageBeep(Sound::SimpleBeep);
      return MoveCode::Captured;
    default:
      MessageBeep(Sound::Exclamation);
      return MoveCode::Refused;
  }
}

// Walks from the king towards the target: at most one computer piece may stand on the way, and
// none of the player's. Performs a capture at once; a quiet move is left to the caller.
int Board::TryKingMove(Piece& piece, int row, int col, int colStep, int rowStep) {
  if (IsOccupied(cpu, row, col) || IsOccupied(player, row, col)) {
    return MoveCode::Refused;
  }
  int passed = 0;
  int takenRow = 0;
  int takenCol = 0;
  for (int r = piece.row + rowStep, c = piece.col + colStep;; r += rowStep, c += colStep) {
    if (!IsOnBoard(r, c) || IsOccupied(player, r, c)) {
      return MoveCode::Refused;
    }
    if (IsOccupied(cpu, r, c)) {
      if (++passed > 1) {
        return MoveCode::Refused;
      }
      takenRow = r;
      takenCol = c;
    }
    if (r == row && c == col) {
      break;
    }
  }
  if (passed == 0) {
    return MoveCode::Moved;
  }
  piece.row = row;
  piece.col = col;
  RemovePiece(cpu, takenRow, takenCol);
  return MoveCode::Captured;
}

// The short jump, with the square between not held by the player: a man's capture of code 2.
int Board::CanManCapture(int row, int col, int colStep, int rowStep) const {
  return HasShortJump(row, col, colStep, rowStep) &&
         !IsOccupied(player, row + rowStep, col + colStep);
}

// A king captures along a diagonal when the first piece met is a computer piece with an empty
// square right behind it.
int Board::CanKingCapture(const Piece& piece, int colStep, int rowStep) const {
  for (int r = piece.row + rowStep, c = piece.col + colStep;; r += rowStep, c += colStep) {
    if (!IsOnBoard(r, c) || IsOccupied(player, r, c)) {
      return 0;
    }
    if (IsOccupied(cpu, r, c)) {
      const int behindRow = r + rowStep;
      const int behindCol = c + colStep;
      return IsOnBoard(behindRow, behindCol) && !IsOccupied(player, behindRow, behindCol) &&
             !IsOccupied(cpu, behindRow, behindCol);
    }
  }
}

int Board::HasShortJump(int row, int col, int colStep, int rowStep) const {
  const int midRow = row + rowStep;
  const int midCol = col + colStep;
  const int landRow = row + 2 * rowStep;
  const int landCol = col + 2 * colStep;
  return IsOnBoard(midRow, midCol) && IsOccupied(cpu, midRow, midCol) &&
         IsOnBoard(landRow, landCol) && !IsOccupied(player, landRow, landCol) &&
         !IsOccupied(cpu, landRow, landCol);
}

int Board::HasCapture() const {
  for (int i = 0; i < player.count; ++i) {
    const Piece& piece = player.pieces[i];
    for (const Direction& dir : kDiagonals) {
      if (piece.state == Man) {
        if (HasShortJump(piece.row, piece.col, dir.colStep, dir.rowStep)) {
          return 1;
        }
      } else if (CanKingCapture(piece, dir.colStep, dir.rowStep)) {
        return 1;
      }
    }
  }
  return 0;
}
