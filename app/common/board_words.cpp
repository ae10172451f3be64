#include "app/common/board_words.h"

#include <algorithm>
#include <utility>

#include "app/common/board_input.h"
#include "render/score.h"

namespace {

std::string_view PieceWords(const Board& board, int row, int col) {
  if ((row + col) % 2 == 0) {
    return AccessText::kLight;
  }
  if (const int index = IndexOf(board.player, row, col); index >= 0) {
    return board.player.pieces[index].state == King ? AccessText::kWhiteKing
                                                    : AccessText::kWhiteMan;
  }
  if (const int index = IndexOf(board.cpu, row, col); index >= 0) {
    return board.cpu.pieces[index].state == King ? AccessText::kBlackKing : AccessText::kBlackMan;
  }
  return AccessText::kEmpty;
}

// The same live pieces in the same order, each in the same state on the same square.
bool SamePieces(const PieceSet& a, const PieceSet& b) {
  if (a.count != b.count) {
    return false;
  }
  const int live = std::clamp(a.count, 0, PieceSet::kCapacity);
  for (int i = 0; i < live; ++i) {
    const Piece& p = a.pieces[i];
    const Piece& q = b.pieces[i];
    if (p.state != q.state || p.row != q.row || p.col != q.col) {
      return false;
    }
  }
  return true;
}

int SquareIndex(const Cell& square) {
  return square.row * kBoardSide + square.col;
}

// The line's text, wherever the panel stands.
std::string LineText(int line, std::int32_t playerCount, std::int32_t cpuCount) {
  return ScorePanelLine(line, playerCount, cpuCount, 0).text;
}

}  // namespace

std::string SquareName(int row, int col) {
  if (!Board::IsOnBoard(row, col)) {
    return {};
  }
  return {static_cast<char>('a' + col), static_cast<char>('0' + kBoardSide - row)};
}

bool SquareOfName(std::string_view name, Cell* square) {
  if (name.size() != 2 || name[0] < 'a' || name[0] >= 'a' + kBoardSide || name[1] < '1' ||
      name[1] >= '1' + kBoardSide) {
    return false;
  }
  *square = {kBoardSide - (name[1] - '0'), name[0] - 'a'};
  return true;
}

std::string SquareWords(const Board& board, int row, int col) {
  std::string words = SquareName(row, col);
  words += ", ";
  words += PieceWords(board, row, col);
  return words;
}

std::array<std::string, 3> ScoreLines(const Board& board) {
  return {LineText(kHeadingLine, board.playerCount, board.cpuCount),
          LineText(kPlayerLine, board.playerCount, board.cpuCount),
          LineText(kCpuLine, board.playerCount, board.cpuCount)};
}

std::string ScoreWords(std::int32_t playerCount, std::int32_t cpuCount) {
  return LineText(kPlayerLine, playerCount, cpuCount) + ", " +
         LineText(kCpuLine, playerCount, cpuCount) + ".";
}

bool BoardReport::Update(const Board& board, const BoardInput& input) {
  const bool moved = !told_ || !SamePieces(board.player, player_) || !SamePieces(board.cpu, cpu_);
  const bool scored = !told_ || board.playerCount != playerCount_ || board.cpuCount != cpuCount_;
  changed_.fill(false);
  if (moved) {
    for (int i = 0; i < kSquares; ++i) {
      std::string words = SquareWords(board, i / kBoardSide, i % kBoardSide);
      std::string& told = words_[static_cast<std::size_t>(i)];
      changed_[static_cast<std::size_t>(i)] = told_ && words != told;
      told = std::move(words);
    }
    player_ = board.player;
    cpu_ = board.cpu;
  }
  playerCount_ = board.playerCount;
  cpuCount_ = board.cpuCount;
  cursorBefore_ = cursor_;
  cursor_ = SquareIndex(input.Cursor());
  Cell held{};
  heldBefore_ = held_;
  held_ = input.Held(&held) ? SquareIndex(held) : kNone;
  const bool first = !told_;
  told_ = true;
  return first || moved || scored || cursor_ != cursorBefore_ || held_ != heldBefore_;
}
