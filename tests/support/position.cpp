#include "tests/support/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>

void SetPosition(Board& board, std::string_view text) {
  board.player.count = 0;
  board.player.colour = WhiteSide;
  board.cpu.count = 0;
  board.cpu.colour = BlackSide;
  std::istringstream in{std::string(text)};
  std::string token;
  while (in >> token) {
    char side = 0;
    int row = -1;
    int col = -1;
    char comma = 0;
    std::istringstream square(token.substr(1));
    side = token[0];
    square >> row >> comma >> col;
    ASSERT_TRUE(comma == ',' && (side == 'w' || side == 'W' || side == 'b' || side == 'B'))
        << "bad square '" << token << "' in '" << text << "'";
    PieceSet& set = (side == 'w' || side == 'W') ? board.player : board.cpu;
    ASSERT_LT(set.count, PieceSet::kCapacity) << "too many pieces in '" << text << "'";
    set.pieces[set.count++] = Piece{(side == 'W' || side == 'B') ? King : Man, row, col};
  }
  board.playerCount = board.player.count;
  board.cpuCount = board.cpu.count;
  board.dragState = Idle;
}

void RandomPosition(std::mt19937& rng, Board& board, int minPlayerPieces) {
  constexpr int kDarkSquares = kBoardSide * kBoardSide / 2;
  std::array<int, kDarkSquares> squares{};
  for (int i = 0; i < kDarkSquares; ++i) {
    const int row = i / (kBoardSide / 2);
    squares[i] = row * kBoardSide + (i % (kBoardSide / 2)) * 2 + (row % 2 == 0 ? 1 : 0);
  }
  std::shuffle(squares.begin(), squares.end(), rng);
  std::bernoulli_distribution king(0.2);
  int next = 0;
  const auto fill = [&](PieceSet& set, int colour, int fewest, int crowningRow) {
    set.colour = colour;
    set.count = std::uniform_int_distribution<int>(fewest, PieceSet::kCapacity)(rng);
    for (int i = 0; i < set.count; ++i) {
      const int row = squares[next] / kBoardSide;
      const int col = squares[next] % kBoardSide;
      ++next;
      set.pieces[i] = Piece{row == crowningRow || king(rng) ? King : Man, row, col};
    }
  };
  fill(board.cpu, BlackSide, 0, kCpuCrowningRow);
  fill(board.player, WhiteSide, minPlayerPieces, kPlayerCrowningRow);
  board.cpuCount = board.cpu.count;
  board.playerCount = board.player.count;
  board.dragState = Idle;
}

std::string Describe(const PieceSet& set) {
  std::string out;
  const char man = set.colour == WhiteSide ? 'w' : 'b';
  const char king = set.colour == WhiteSide ? 'W' : 'B';
  for (int i = 0; i < set.count; ++i) {
    const Piece& piece = set.pieces[i];
    if (!out.empty()) {
      out += ' ';
    }
    out += piece.state == King ? king : man;
    out += std::to_string(piece.row) + ',' + std::to_string(piece.col);
  }
  return out;
}

std::string Describe(const Board& board) {
  const std::string player = Describe(board.player);
  const std::string cpu = Describe(board.cpu);
  return player.empty() || cpu.empty() ? player + cpu : player + ' ' + cpu;
}
