// The positions the benchmarks run on: a few hundred, from games played through the mouse
// handlers by a seeded random player against the computer, sampled so that openings, middlegames,
// positions with kings and positions with captures are all well represented. The same seed gives
// the same corpus on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/board.h"

// Both sides and the score, enough to put a game back on a board.
struct Snapshot {
  PieceSet player;
  PieceSet cpu;
  std::int32_t playerCount;
  std::int32_t cpuCount;

  static Snapshot Of(const Board& board);
  void Restore(Board& board) const;
};

// Sampling classes, each with its own share of the corpus.
enum class Phase { Opening, Middlegame, Kings, Capture };

// One position with the player to move, one legal move of the player that the computer answers,
// and the position the computer answers.
struct CorpusEntry {
  Phase phase;
  Snapshot beforeDrop;
  int fromRow;
  int fromCol;
  int toRow;
  int toCol;
  Snapshot afterDrop;
};

// Square side of the board in the 834 × 441 client area the program opens with.
inline constexpr int kCorpusCell = 55;

// Built on first use.
const std::vector<CorpusEntry>& Corpus();

// What the corpus holds, for the benchmark's context line.
std::string DescribeCorpus();
