#include "tests/support/invariants.h"

namespace {

bool IsDarkSquare(const Piece& piece) {
  return Board::IsOnBoard(piece.row, piece.col) != 0 && (piece.row + piece.col) % 2 == 1;
}

const char* FindBrokenSetInvariant(const PieceSet& set, int crowningRow) {
  if (set.count < 0 || set.count > PieceSet::kCapacity) {
    return "a side holds fewer than 0 or more than 12 pieces";
  }
  for (int i = 0; i < set.count; ++i) {
    const Piece& piece = set.pieces[i];
    if (!IsDarkSquare(piece)) {
      return "a piece stands off the dark squares of the board";
    }
    if (piece.state != Man && piece.state != King) {
      return "a piece is neither a man nor a king";
    }
    if (piece.state == Man && piece.row == crowningRow) {
      return "a man stands uncrowned on its crowning row";
    }
  }
  return nullptr;
}

bool SquaresAreDistinct(const Board& board) {
  bool taken[kBoardSide][kBoardSide] = {};
  for (const PieceSet* set : {&board.player, &board.cpu}) {
    for (int i = 0; i < set->count; ++i) {
      bool& square = taken[set->pieces[i].row][set->pieces[i].col];
      if (square) {
        return false;
      }
      square = true;
    }
  }
  return true;
}

}  // namespace

const char* FindBrokenPositionInvariant(const Board& board) {
  if (const char* broken = FindBrokenSetInvariant(board.player, kPlayerCrowningRow)) {
    return broken;
  }
  if (const char* broken = FindBrokenSetInvariant(board.cpu, kCpuCrowningRow)) {
    return broken;
  }
  if (!SquaresAreDistinct(board)) {
    return "two pieces share a square";
  }
  return nullptr;
}

const char* FindBrokenGameInvariant(const Board& board, const CpuPlayer& cpu) {
  if (const char* broken = FindBrokenPositionInvariant(board)) {
    return broken;
  }
  if (board.playerCount != board.player.count) {
    return "the player's score differs from the player's pieces";
  }
  if (board.cpuCount != board.cpu.count) {
    return "the computer's score differs from the computer's pieces";
  }
  if (cpu.stepCount < 0 || cpu.stepCount > CpuPlayer::kMaxSteps || cpu.shownSteps < 0 ||
      cpu.shownSteps > cpu.stepCount) {
    return "the trace of the computer's move is out of its capacity";
  }
  return nullptr;
}
