// The board in words, one model for every front end's accessibility: the squares' names in the
// notation of Russian draughts, what each square holds, the score as the panel shows it, and what a
// front end last told assistive technology of the board. Standard C++ only; each front end carries
// it to its platform's accessibility (an ARIA grid in a browser, AT-SPI on Linux, Active
// Accessibility on Windows).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/board.h"

class BoardInput;

// The words the board is told in, Russian as everything the game says.
namespace AccessText {
inline constexpr std::string_view kBoard = "Доска";
inline constexpr std::string_view kWhiteMan = "белая шашка";
inline constexpr std::string_view kWhiteKing = "белая дамка";
inline constexpr std::string_view kBlackMan = "черная шашка";
inline constexpr std::string_view kBlackKing = "черная дамка";
inline constexpr std::string_view kEmpty = "пусто";
inline constexpr std::string_view kLight = "светлое поле";
inline constexpr std::string_view kPlayer = "Вы: ";
inline constexpr std::string_view kComputer = "Компьютер: ";
inline constexpr std::string_view kCrowned = "Дамка.";
inline constexpr std::string_view kCaptureAgain = "Бейте дальше.";
inline constexpr std::string_view kRefused = "Ход невозможен.";
inline constexpr std::string_view kMoves = "Ходы";
}  // namespace AccessText

// "c3": the column's letter a-h from the player's left, the rank 1-8 from the player's edge.
std::string SquareName(int row, int col);
// The square a name such as "c3" names; false for any other text.
bool SquareOfName(std::string_view name, Cell* square);
// "c3, белая шашка": the name, then what stands there, "пусто" or "светлое поле".
std::string SquareWords(const Board& board, int row, int col);
// The score panel's three lines as it draws them: the heading, the player's count, the computer's.
std::array<std::string, 3> ScoreLines(const Board& board);
// The score as the panel shows it, in one sentence: "Игрок: 11, AI: 12."
std::string ScoreWords(std::int32_t playerCount, std::int32_t cpuCount);

// What a front end last told assistive technology of the board, brought up to date after every
// frame: the squares' words, the cursor's square and the held piece's, as square indices row by row
// from a8. The words are worked out again only when a piece has moved, been crowned or been taken,
// so a frame of a drag costs a comparison of the two sides' pieces.
class BoardReport {
 public:
  static constexpr int kSquares = kBoardSide * kBoardSide;
  static constexpr int kNone = -1;

  // Takes the board, the cursor and the held piece as they are now; true when any of them, or the
  // score, differs from what the report held before, and always the first time.
  bool Update(const Board& board, const BoardInput& input);

  const std::string& Words(int square) const { return words_[static_cast<std::size_t>(square)]; }
  // Whether the square's words changed at the last update; never at the first, as nothing was told
  // before it.
  bool WordsChanged(int square) const { return changed_[static_cast<std::size_t>(square)]; }
  int Cursor() const { return cursor_; }
  int CursorBefore() const { return cursorBefore_; }
  // kNone when no piece is held.
  int Held() const { return held_; }
  int HeldBefore() const { return heldBefore_; }

 private:
  bool told_ = false;
  PieceSet player_{};
  PieceSet cpu_{};
  std::int32_t playerCount_ = 0;
  std::int32_t cpuCount_ = 0;
  std::array<std::string, kSquares> words_;
  std::array<bool, kSquares> changed_{};
  int cursor_ = kNone;
  int cursorBefore_ = kNone;
  int held_ = kNone;
  int heldBefore_ = kNone;
};
