// Random positions and random drops: whatever the player does, the position stays a position.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "game/board.h"
#include "tests/support/position.h"
#include "tests/support/recorder.h"

namespace {

// Up to twelve pieces a side on distinct dark squares; men never on their own crowning row.
void RandomPosition(Board& board, std::mt19937& rng) {
  int squares[32];
  int n = 0;
  for (int row = 0; row < 8; ++row) {
    for (int col = (row + 1) % 2; col < 8; col += 2) {
      squares[n++] = row * 8 + col;
    }
  }
  std::shuffle(squares, squares + n, rng);
  const int players = std::uniform_int_distribution<int>(1, 12)(rng);
  const int cpus = std::uniform_int_distribution<int>(0, 12)(rng);
  board.player.count = 0;
  board.cpu.count = 0;
  int next = 0;
  for (int i = 0; i < players + cpus; ++i) {
    PieceSet& set = i < players ? board.player : board.cpu;
    const int row = squares[next] / 8;
    const int col = squares[next] % 8;
    ++next;
    const int crowningRow = i < players ? 0 : 7;
    const bool king = row == crowningRow || std::uniform_int_distribution<int>(0, 3)(rng) == 0;
    set.pieces[set.count++] = Piece{king ? King : Man, row, col};
  }
  board.playerCount = board.player.count;
  board.cpuCount = board.cpu.count;
}

void ExpectSoundPosition(const Board& board) {
  bool taken[8][8] = {};
  for (const PieceSet* set : {&board.player, &board.cpu}) {
    ASSERT_GE(set->count, 0);
    ASSERT_LE(set->count, 12);
    for (int i = 0; i < set->count; ++i) {
      const Piece& p = set->pieces[i];
      ASSERT_TRUE(Board::IsOnBoard(p.row, p.col)) << Describe(board);
      ASSERT_EQ((p.row + p.col) % 2, 1) << Describe(board);
      ASSERT_FALSE(taken[p.row][p.col]) << "two pieces on one square: " << Describe(board);
      taken[p.row][p.col] = true;
    }
  }
}

TEST(DropProperty, EveryDropKeepsAValidPositionAndRefusalsChangeNothing) {
  std::mt19937 rng(20261208);
  Recorder recorder;
  for (int round = 0; round < 20000; ++round) {
    Board board;
    RandomPosition(board, rng);
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
    ExpectSoundPosition(board);
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
