// Random positions and random drops: whatever the player does, the position stays a position.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "game/board.h"
#include "tests/support/invariants.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

TEST(DropProperty, EveryDropKeepsAValidPositionAndRefusalsChangeNothing) {
  std::mt19937 rng(20261208);
  Recorder recorder;
  for (int round = 0; round < 20000; ++round) {
    Board board;
    RandomPosition(rng, board, 1);
    const Board before = board;
    const Piece& mover =
        board.player.pieces[std::uniform_int_distribution<int>(0, board.player.count - 1)(rng)];
    // Mostly along a diagonal of the piece, sometimes anywhere, sometimes off the board.
    int toRow = 0;
    int toCol = 0;
    if (std::uniform_int_distribution<int>(0, 3)(rng) != 0) {
      const int distance = std::uniform_int_distribution<int>(1, 7)(rng);
      toRow = mover.row + (rng() % 2 ? distance : -distance);
      toCol = mover.col + (rng() % 2 ? distance : -distance);
    } else {
      toRow = std::uniform_int_distribution<int>(0, 11)(rng);
      toCol = std::uniform_int_distribution<int>(0, 11)(rng);
    }
    board.BeginDrag(mover.col, mover.row, 0, 0);
    const int code = board.EndDrag(toCol, toRow);

    SCOPED_TRACE(Describe(before) + " drop " + std::to_string(mover.row) + "," +
                 std::to_string(mover.col) + " to " + std::to_string(toRow) + "," +
                 std::to_string(toCol));
    ASSERT_EQ(FindBrokenPositionInvariant(board), nullptr) << Describe(board);
    EXPECT_EQ(board.player.count, before.player.count);
    if (code == MoveCode::Captured) {
      EXPECT_EQ(board.cpu.count, before.cpu.count - 1);
    } else {
      EXPECT_EQ(board.cpu.count, before.cpu.count);
    }
    if (code != MoveCode::Moved && code != MoveCode::Captured) {
      ASSERT_EQ(0, std::memcmp(&before.player, &board.player, sizeof board.player));
      ASSERT_EQ(0, std::memcmp(&before.cpu, &board.cpu, sizeof board.cpu));
    }
    recorder.events.clear();
  }
}

}  // namespace
