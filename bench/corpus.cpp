#include "bench/corpus.h"

#include <array>
#include <cstdint>
#include <random>

#include "ai/cpu_player.h"
#include "game/turn.h"

namespace {

constexpr std::uint32_t kSeed = 20240607;
constexpr int kPerPhase = 75;
constexpr int kPhases = 4;
constexpr int kOpeningPlies = 8;
// Games are cut off here; a random player and the computer's kings may otherwise shuffle forever.
constexpr int kMaxPlies = 120;
constexpr int kMaxGames = 2000;

struct Move {
  int fromRow;
  int fromCol;
  int toRow;
  int toCol;
};

// Every move of the player that the rules accept, found by trying each piece on each diagonal
// square and putting the position back after each try.
int LegalMoves(std::array<Move, PieceSet::kCapacity * 4 * 7>& moves) {
  const Snapshot position = Snapshot::Of(theBoard);
  int found = 0;
  for (int i = 0; i < position.player.count; ++i) {
    const Piece piece = position.player.pieces[i];
    for (const int rowStep : {-1, 1}) {
      for (const int colStep : {-1, 1}) {
        for (int distance = 1; distance < 8; ++distance) {
          const int row = piece.row + rowStep * distance;
          const int col = piece.col + colStep * distance;
          if (Board::IsOnBoard(row, col) == 0) {
            break;
          }
          theBoard.BeginDrag(piece.col, piece.row, 0, 0);
          const int result = theBoard.EndDrag(col, row);
          position.Restore(theBoard);
          if (result == MoveCode::Moved || result == MoveCode::Captured) {
            moves[found++] = Move{piece.row, piece.col, row, col};
          }
        }
      }
    }
  }
  return found;
}

bool HasKing(const PieceSet& set) {
  for (int i = 0; i < set.count; ++i) {
    if (set.pieces[i].state == King) {
      return true;
    }
  }
  return false;
}

// The computer's answer to the position, played on copies.
int ReplyTo(const Snapshot& position) {
  CpuPlayer scratch{};
  PieceSet cpu = position.cpu;
  PieceSet player = position.player;
  return scratch.MakeMove(cpu, player);
}

Phase PhaseOf(int ply, int dropResult, const Snapshot& afterDrop) {
  if (dropResult == MoveCode::Captured || ReplyTo(afterDrop) == MakeMoveResult::Captured) {
    return Phase::Capture;
  }
  if (HasKing(afterDrop.player) || HasKing(afterDrop.cpu)) {
    return Phase::Kings;
  }
  return ply < kOpeningPlies ? Phase::Opening : Phase::Middlegame;
}

std::vector<CorpusEntry> BuildCorpus() {
  std::mt19937 random(kSeed);
  std::vector<CorpusEntry> corpus;
  std::array<int, kPhases> taken{};
  std::array<Move, PieceSet::kCapacity * 4 * 7> moves{};
  theBoard.originX = 0;
  theBoard.originY = 0;
  theBoard.cellSize = kCorpusCell;

  for (int game = 0; game < kMaxGames && static_cast<int>(corpus.size()) < kPerPhase * kPhases;
       ++game) {
    StartNewGame();
    for (int ply = 0; ply < kMaxPlies; ++ply) {
      const int count = LegalMoves(moves);
      if (count == 0 || theBoard.cpu.count == 0) {
        break;
      }
      const Move move = moves[random() % static_cast<std::uint32_t>(count)];
      const Snapshot before = Snapshot::Of(theBoard);
      theBoard.BeginDrag(move.fromCol, move.fromRow, 0, 0);
      const int result = theBoard.EndDrag(move.toCol, move.toRow);
      const Snapshot after = Snapshot::Of(theBoard);
      const bool capturesAgain =
          result == MoveCode::Captured && theBoard.CanCaptureAgain(move.toRow, move.toCol) != 0;
      before.Restore(theBoard);

      // Positions after which the player moves again get no answer, so they are not sampled.
      if (!capturesAgain && after.cpu.count > 0) {
        const Phase phase = PhaseOf(ply, result, after);
        int& share = taken[static_cast<int>(phase)];
        // Sampling one position in three spreads each phase's share over many games.
        if (share < kPerPhase && (phase == Phase::Capture || random() % 3 == 0)) {
          ++share;
          corpus.push_back(CorpusEntry{phase, before, move.fromRow, move.fromCol, move.toRow,
                                       move.toCol, after});
        }
      }
      OnLButtonDown(0, SquareCentre(move.fromRow, move.fromCol));
      OnLButtonUp(0, SquareCentre(move.toRow, move.toCol));
      if (theCpuPlayer.stepCount == 0 && !capturesAgain) {
        break;
      }
    }
  }
  StartNewGame();
  return corpus;
}

}  // namespace

Snapshot Snapshot::Of(const Board& board) {
  return Snapshot{board.player, board.cpu, board.playerCount, board.cpuCount};
}

void Snapshot::Restore(Board& board) const {
  board.player = player;
  board.cpu = cpu;
  board.playerCount = playerCount;
  board.cpuCount = cpuCount;
  board.dragState = Idle;
}

const std::vector<CorpusEntry>& Corpus() {
  static const std::vector<CorpusEntry> corpus = BuildCorpus();
  return corpus;
}

std::string DescribeCorpus() {
  std::array<int, kPhases> counts{};
  int chains = 0;
  for (const CorpusEntry& entry : Corpus()) {
    ++counts[static_cast<int>(entry.phase)];
    CpuPlayer scratch{};
    PieceSet cpu = entry.afterDrop.cpu;
    PieceSet player = entry.afterDrop.player;
    if (scratch.MakeMove(cpu, player) == MakeMoveResult::Captured &&
        entry.afterDrop.player.count - player.count >= 2) {
      ++chains;
    }
  }
  return std::to_string(Corpus().size()) +
         " positions: " + std::to_string(counts[static_cast<int>(Phase::Opening)]) + " openings, " +
         std::to_string(counts[static_cast<int>(Phase::Middlegame)]) + " middlegames, " +
         std::to_string(counts[static_cast<int>(Phase::Kings)]) + " with kings, " +
         std::to_string(counts[static_cast<int>(Phase::Capture)]) + " with captures (" +
         std::to_string(chains) + " replies take two or more)";
}
