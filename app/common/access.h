// The game for a player without a mouse or without sight, one model for every front end: the
// squares' names in the notation of Russian draughts, what each square holds in words, the keyboard
// cursor that plays through the same three handlers as the mouse, and the words that tell each
// turn. Standard C++ only; each front end carries it to its platform's accessibility (an ARIA grid
// and a live region in a browser).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/board.h"
#include "game/frontend.h"
#include "game/turn.h"

struct MoveStep;
class AccessModel;

// The words the model speaks in, Russian as everything the game says.
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
}  // namespace AccessText

// The keys the board takes while it has the keyboard's focus.
enum class BoardKey {
  Up,    // one square towards the computer's side
  Down,  // one square towards the player's side
  Left,
  Right,
  Activate,  // Enter or Space: pick up, or drop what is held
  Escape     // put a held piece back: a drop on its own square
};

// "c3": the column's letter a-h from the player's left, the rank 1-8 from the player's edge.
std::string SquareName(int row, int col);
// "c3, белая шашка": the name, then what stands there, "пусто" or "светлое поле".
std::string SquareWords(const Board& board, int row, int col);
// The score panel's three lines as it draws them: the heading, the player's count, the computer's.
std::array<std::string, 3> ScoreLines(const Board& board);
// The score as the panel shows it, in one sentence: "Игрок: 11, AI: 12."
std::string ScoreWords(const Board& board);
// What one release said, from the board before it (a piece held), the square it was released on,
// the board after it and the computer's trace: "Вы: c3-d4. Компьютер: f6-e5." and the like. A
// release that ended no drag says nothing.
std::string TurnWords(const Board& before, const Cell& drop, const Board& after,
                      const MoveStep* steps, int stepCount);

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
  bool Update(const Board& board, const AccessModel& access);

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

// Where the turn's words go: the front end hands them to the screen reader (a live region, a
// notification), which speaks them once.
class Announcer {
 public:
  virtual ~Announcer() = default;
  virtual void Announce(std::string_view words) = 0;
};

// The model a front end installs as the game's seam, in front of its own: sounds and repaints pass
// through; a message box is preceded by the words of the release that opened it, so that they are
// spoken first. The front end routes the pointer and the board's keys through it, and reads from it
// what its accessibility shows: the cursor, the held piece, whether the cursor is framed.
class AccessModel : public Frontend {
 public:
  // The cursor's square at start-up and at every new game: c3.
  static constexpr Cell kStartCursor{5, 2};

  AccessModel(Frontend& platform, Announcer& announcer);

  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;

  // The pointer's three events, passed to the turn controller; a press ends the keyboard's use.
  void PointerDown(LParam point);
  void PointerMove(LParam point);
  void PointerUp(LParam point);

  // A key on the board; false when the key means nothing there (Escape with nothing held), so that
  // the front end may pass it on.
  bool Key(BoardKey key);
  // The cursor moved straight to a square, as an assistive technology moves the focus, and with
  // activate the square activated as by Enter (a screen reader's double tap).
  void MoveCursorTo(Cell square, bool activate);
  // The board gained or lost the keyboard focus; byKeyboard when the focus came from a key (Tab).
  void FocusChanged(bool focused, bool byKeyboard);
  // After the front end has set up a new game: the cursor goes back to its start.
  void NewGame();

  Cell Cursor() const { return cursor_; }
  // The cursor is framed while the board has the focus and the keyboard is in use: from the first
  // key until the next pointer press.
  bool CursorShown() const { return focused_ && keyboardUsed_; }
  // The square of the player's piece being carried, or false when none is.
  bool Held(Cell* square) const;

 private:
  void Release(LParam point);
  void TellTurn();
  void SetKeyboardUsed(bool used);

  Frontend& platform_;
  Announcer& announcer_;
  Cell cursor_ = kStartCursor;
  bool focused_ = false;
  bool keyboardUsed_ = false;
  // The release in progress, whose words are not told yet: the board as it was and the drop.
  bool pending_ = false;
  Board before_;
  Cell drop_{};
};
