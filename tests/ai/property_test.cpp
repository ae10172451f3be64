#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "ai/cpu_player.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

// A legal-looking position: distinct dark squares, random counts for both sides, some kings, and
// no man on the row where it would already have been crowned.
void RandomPosition(std::mt19937& rng, Board& board) {
  std::array<int, 32> squares{};
  for (int i = 0; i < 32; ++i) {
    const int row = i / 4;
    squares[i] = row * 8 + (i % 4) * 2 + (row % 2 == 0 ? 1 : 0);
  }
  std::shuffle(squares.begin(), squares.end(), rng);
  std::uniform_int_distribution<int> countOf(0, PieceSet::kCapacity);
  std::bernoulli_distribution king(0.2);
  int next = 0;
  const auto fill = [&](PieceSet& set, int colour, int crowningRow) {
    set.colour = colour;
    set.count = countOf(rng);
    for (int i = 0; i < set.count; ++i) {
      const int row = squares[next] / 8;
      const int col = squares[next] % 8;
      ++next;
      set.pieces[i] = Piece{row == crowningRow || king(rng) ? King : Man, row, col};
    }
  };
  fill(board.cpu, BlackSide, 7);
  fill(board.player, WhiteSide, 0);
  board.cpuCount = board.cpu.count;
  board.playerCount = board.player.count;
}

// The player's pieces after the reply are the ones before it, fewer, in the same order.
bool IsOrderedSubset(const PieceSet& after, const PieceSet& before) {
  int j = 0;
  for (int i = 0; i < after.count; ++i) {
    while (j < before.count && (before.pieces[j].row != after.pieces[i].row ||
                                before.pieces[j].col != after.pieces[i].col ||
                                before.pieces[j].state != after.pieces[i].state)) {
      ++j;
    }
    if (j == before.count) {
      return false;
    }
    ++j;
  }
  return true;
}

TEST(MakeMoveProperty, RandomPositionsKeepTheBoardSound) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 5000; ++round) {
    Board board;
    RandomPosition(rng, board);
    const std::string position = Describe(board);
    const PieceSet playerBefore = board.player;
    const int cpuBefore = board.cpu.count;
    Recorder recorder;
    CpuPlayer cpu{};

    const int result = cpu.MakeMove(board.cpu, board.player);

    SCOPED_TRACE(position);
    std::array<int, 64> seen{};
    for (const PieceSet* set : {&board.cpu, &board.player}) {
      for (int i = 0; i < set->count; ++i) {
        const Piece& piece = set->pieces[i];
        ASSERT_TRUE(CpuPlayer::IsOnBoard(piece.row, piece.col));
        EXPECT_EQ((piece.row + piece.col) % 2, 1);
        EXPECT_EQ(++seen[piece.row * 8 + piece.col], 1);
      }
    }
    for (int i = 0; i < board.cpu.count; ++i) {
      EXPECT_FALSE(board.cpu.pieces[i].state == Man && board.cpu.pieces[i].row == 7);
    }
    EXPECT_EQ(board.cpu.count, cpuBefore);
    EXPECT_EQ(cpu.stepCount, cpu.shownSteps);
    EXPECT_LE(cpu.stepCount, CpuPlayer::kMaxSteps);
    EXPECT_EQ(result == MakeMoveResult::NoMove, Describe(board) == position);
    EXPECT_TRUE(IsOrderedSubset(board.player, playerBefore));
    if (result == MakeMoveResult::Captured) {
      EXPECT_LT(board.player.count, playerBefore.count);
      EXPECT_GE(cpu.stepCount, playerBefore.count - board.player.count);
      EXPECT_EQ(recorder.Sounds().back(), "beep");
    } else {
      EXPECT_EQ(board.player.count, playerBefore.count);
      EXPECT_EQ(cpu.stepCount, result == MakeMoveResult::Moved ? 1 : 0);
      EXPECT_TRUE(recorder.events.empty());
    }
  }
}

}  // namespace
