// The game's own work per turn, timed over the corpus: the computer's reply, the player's capture
// and no-move tests, and a whole turn through the mouse handlers. Each iteration takes the next
// position of the corpus, so a figure is the mean over all of them.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "ai/cpu_player.h"
#include "bench/corpus.h"
#include "game/board.h"
#include "game/turn.h"

namespace {

// Walks the corpus round and round.
class Cycle {
 public:
  const CorpusEntry& Next() {
    const CorpusEntry& entry = Corpus()[next_];
    next_ = next_ + 1 == Corpus().size() ? 0 : next_ + 1;
    return entry;
  }

 private:
  std::size_t next_ = 0;
};

// The boards with the player to move, built before the timing starts.
const std::vector<Board>& BoardsBeforeDrop() {
  static const std::vector<Board> boards = [] {
    std::vector<Board> built(Corpus().size());
    for (std::size_t i = 0; i < built.size(); ++i) {
      Corpus()[i].beforeDrop.Restore(built[i]);
    }
    return built;
  }();
  return boards;
}

void SetCorpusGeometry() {
  theBoard.originX = 0;
  theBoard.originY = 0;
  theBoard.cellSize = kCorpusCell;
}

// Copying both sides out of the corpus: part of BM_MakeMove, measured alone so it can be taken off.
void BM_CorpusRestore(benchmark::State& state) {
  Cycle corpus;
  for (auto _ : state) {
    const CorpusEntry& entry = corpus.Next();
    PieceSet cpu = entry.afterDrop.cpu;
    PieceSet player = entry.afterDrop.player;
    benchmark::DoNotOptimize(cpu);
    benchmark::DoNotOptimize(player);
  }
}
BENCHMARK(BM_CorpusRestore);

void BM_MakeMove(benchmark::State& state) {
  Cycle corpus;
  for (auto _ : state) {
    const CorpusEntry& entry = corpus.Next();
    PieceSet cpu = entry.afterDrop.cpu;
    PieceSet player = entry.afterDrop.player;
    benchmark::DoNotOptimize(theCpuPlayer.MakeMove(cpu, player));
  }
}
BENCHMARK(BM_MakeMove);

void BM_HasCapture(benchmark::State& state) {
  const std::vector<Board>& boards = BoardsBeforeDrop();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(boards[next].HasCapture());
    next = next + 1 == boards.size() ? 0 : next + 1;
  }
}
BENCHMARK(BM_HasCapture);

void BM_PlayerHasNoMove(benchmark::State& state) {
  const std::vector<Board>& boards = BoardsBeforeDrop();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(boards[next].PlayerHasNoMove());
    next = next + 1 == boards.size() ? 0 : next + 1;
  }
}
BENCHMARK(BM_PlayerHasNoMove);

// Putting a corpus position on theBoard and pressing on the piece to move: the part of
// BM_WholeTurn that precedes the release.
void BM_TurnSetup(benchmark::State& state) {
  SetCorpusGeometry();
  Cycle corpus;
  for (auto _ : state) {
    const CorpusEntry& entry = corpus.Next();
    entry.beforeDrop.Restore(theBoard);
    OnLButtonDown(0, SquareCentre(entry.fromRow, entry.fromCol));
  }
  StartNewGame();
}
BENCHMARK(BM_TurnSetup);

// The press on the piece and the release on its target square: the player's move judged and made,
// the score kept, the end tests and the computer's reply. The position is put back on theBoard
// inside the timing; BM_TurnSetup shows what that and the press cost.
void BM_WholeTurn(benchmark::State& state) {
  SetCorpusGeometry();
  Cycle corpus;
  for (auto _ : state) {
    const CorpusEntry& entry = corpus.Next();
    entry.beforeDrop.Restore(theBoard);
    OnLButtonDown(0, SquareCentre(entry.fromRow, entry.fromCol));
    OnLButtonUp(0, SquareCentre(entry.toRow, entry.toCol));
  }
  StartNewGame();
}
BENCHMARK(BM_WholeTurn);

}  // namespace
