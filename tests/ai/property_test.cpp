#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ai/cpu_player.h"
#include "tests/support/invariants.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

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
    EXPECT_EQ(FindBrokenPositionInvariant(board), nullptr) << Describe(board);
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
