// The computer's rule-based quiet moves, tried before its ordinary quiet move: block a threatened
// piece, crown a piece on row 6, step a threatened piece away, step onto the edge. Each rule looks
// only at the squares next to the pieces involved and plays one forward step.

#include "ai/cpu_player.h"
#include "ai/grid.h"

namespace {

// A square relative to the computer piece under consideration, P, as a column and a row step of
// up to two squares; forward is row + 1.
using Offset = Direction;

// A player piece next to P could jump it onto the free target behind it; a computer piece on one
// of the blocker squares, which lie one forward step behind the target, covers it.
struct BlockPattern {
  Offset attacker;
  Offset target;
  Offset blockers[2];
  int blockerCount;
};

constexpr BlockPattern kBlockPatterns[4] = {
    {{+1, +1}, {-1, -1}, {{-2, -2}, {0, -2}}, 2},
    {{-1, +1}, {+1, -1}, {{+2, -2}, {0, -2}}, 2},
    {{+1, -1}, {-1, +1}, {{-2, 0}}, 1},
    {{-1, -1}, {+1, +1}, {{+2, 0}}, 1},
};

// A threatened P steps forward onto a free square that no player piece watches from beyond.
struct Escape {
  Offset square;
  Offset beyond;
};

constexpr Escape kEscapeRight = {{+1, +1}, {+2, +2}};
constexpr Escape kEscapeLeft = {{-1, +1}, {-2, +2}};

// A threat holds when a player piece stands on one of the attacker squares and, for a rule that
// asks it, the landing square of the jump over P is free.
struct EscapeRule {
  Offset attackers[2];
  int attackerCount;
  bool needsFreeLanding;
  Offset landing;
  Escape escapes[2];
  int escapeCount;
};

constexpr EscapeRule kEscapeRules[3] = {
    // A: jumped from the front left onto the back right, P steps away to the front right.
    {{{-1, +1}}, 1, true, {+1, -1}, {kEscapeRight}, 1},
    // B: jumped from the front right onto the back left, P steps away to the front left.
    {{{+1, +1}}, 1, true, {-1, -1}, {kEscapeLeft}, 1},
    // C: any player piece diagonally behind P, whatever lies in front of P.
    {{{-1, -1}, {+1, -1}}, 2, false, {0, 0}, {kEscapeRight, kEscapeLeft}, 2},
};

// Moves the piece one step onto the square, records the step, and crowns it on row 7 if asked.
void Step(CpuPlayer& cpu, Piece& piece, int row, int col, bool crownOnLastRow) {
  cpu.MovePiece(piece, row, col);
  if (crownOnLastRow && row == kCpuCrowningRow) {
    piece.state = King;
  }
}

bool TryBlock(CpuPlayer& cpu, PieceSet& cpuSet, const PieceSet& playerSet, Piece& p) {
  for (const BlockPattern& pattern : kBlockPatterns) {
    const int targetRow = p.row + pattern.target.rowStep;
    const int targetCol = p.col + pattern.target.colStep;
    if (!CpuPlayer::HasPieceAt(playerSet, p.row + pattern.attacker.rowStep,
                               p.col + pattern.attacker.colStep) ||
        !CpuPlayer::IsFreeSquare(cpuSet, playerSet, targetRow, targetCol)) {
      continue;
    }
    for (int b = 0; b < pattern.blockerCount; ++b) {
      const int blocker =
          IndexOf(cpuSet, p.row + pattern.blockers[b].rowStep, p.col + pattern.blockers[b].colStep);
      if (blocker >= 0) {
        Step(cpu, cpuSet.pieces[blocker], targetRow, targetCol, true);
        return true;
      }
    }
  }
  return false;
}

bool TryCrown(CpuPlayer& cpu, PieceSet& cpuSet, const PieceSet& playerSet, Piece& p) {
  if (p.row != kCpuRowBeforeCrowning) {
    return false;
  }
  for (const Direction dir : kCpuForward) {
    const int row = p.row + dir.rowStep;
    const int col = p.col + dir.colStep;
    if (CpuPlayer::IsFreeSquare(cpuSet, playerSet, row, col)) {
      Step(cpu, p, row, col, true);
      return true;
    }
  }
  return false;
}

bool TryEscape(CpuPlayer& cpu, PieceSet& cpuSet, const PieceSet& playerSet, Piece& p) {
  for (const EscapeRule& rule : kEscapeRules) {
    bool threatened = false;
    for (int a = 0; a < rule.attackerCount; ++a) {
      threatened = threatened || CpuPlayer::HasPieceAt(playerSet, p.row + rule.attackers[a].rowStep,
                                                       p.col + rule.attackers[a].colStep);
    }
    if (!threatened || (rule.needsFreeLanding &&
                        !CpuPlayer::IsFreeSquare(cpuSet, playerSet, p.row + rule.landing.rowStep,
                                                 p.col + rule.landing.colStep))) {
      continue;
    }
    for (int e = 0; e < rule.escapeCount; ++e) {
      const Escape& escape = rule.escapes[e];
      const int row = p.row + escape.square.rowStep;
      const int col = p.col + escape.square.colStep;
      if (CpuPlayer::IsFreeSquare(cpuSet, playerSet, row, col) &&
          !CpuPlayer::HasPieceAt(playerSet, p.row + escape.beyond.rowStep,
                                 p.col + escape.beyond.colStep)) {
        Step(cpu, p, row, col, false);
        return true;
      }
    }
  }
  return false;
}

// A square on the edge column cannot be jumped, since the square beyond it is off the board.
bool TryEdge(CpuPlayer& cpu, PieceSet& cpuSet, const PieceSet& playerSet, Piece& p) {
  for (const Direction dir : kCpuForward) {
    const int row = p.row + dir.rowStep;
    const int col = p.col + dir.colStep;
    if (CpuPlayer::IsFreeSquare(cpuSet, playerSet, row, col) &&
        !CpuPlayer::IsOnBoard(row + dir.rowStep, col + dir.colStep)) {
      Step(cpu, p, row, col, false);
      return true;
    }
  }
  return false;
}

// The groups in the order they are tried; each walks the computer's pieces in stored order.
using TacticalGroup = bool (*)(CpuPlayer&, PieceSet&, const PieceSet&, Piece&);
constexpr TacticalGroup kTacticalGroups[4] = {TryBlock, TryCrown, TryEscape, TryEdge};

}  // namespace

bool CpuPlayer::TacticalMove(PieceSet& cpuSet, const PieceSet& playerSet) {
  for (const TacticalGroup group : kTacticalGroups) {
    for (int i = 0; i < cpuSet.count; ++i) {
      if (group(*this, cpuSet, playerSet, cpuSet.pieces[i])) {
        return true;
      }
    }
  }
  return false;
}

bool CpuPlayer::IsFreeSquare(const PieceSet& a, const PieceSet& b, int row, int col) {
  return IsOnBoard(row, col) && !IsOccupied(a, row, col) && !IsOccupied(b, row, col);
}

bool CpuPlayer::HasPieceAt(const PieceSet& set, int row, int col) {
  return IsOnBoard(row, col) && IsOccupied(set, row, col) != 0;
}
