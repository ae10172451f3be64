#include "app/common/access.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "ai/cpu_player.h"
#include "render/appearance.h"

namespace {

// Room for a score line: "Игрок: " is 13 bytes of UTF-8 and a count at most 11 characters.
constexpr int kLineCapacity = 32;

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

std::string Line(const char* format, int count) {
  char line[kLineCapacity];
  std::snprintf(line, sizeof line, format, count);
  return line;
}

// The state of the piece standing on the square, or 0 when none of the set stands there.
int StateAt(const PieceSet& set, int row, int col) {
  const int index = IndexOf(set, row, col);
  return index >= 0 ? set.pieces[index].state : 0;
}

// One side's move in notation: the squares it passed through, joined by ':' for a capture and by
// '-' for a quiet move, then a full stop.
void AppendMove(std::string& words, std::string_view side, const Cell* squares, int count,
                bool capture) {
  words += side;
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      words += capture ? ':' : '-';
    }
    words += SquareName(squares[i].row, squares[i].col);
  }
  words += '.';
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

void AppendSentence(std::string& words, std::string_view sentence) {
  if (!words.empty()) {
    words += ' ';
  }
  words += sentence;
}

}  // namespace

std::string SquareName(int row, int col) {
  if (!Board::IsOnBoard(row, col)) {
    return {};
  }
  return {static_cast<char>('a' + col), static_cast<char>('0' + kBoardSide - row)};
}

std::string SquareWords(const Board& board, int row, int col) {
  std::string words = SquareName(row, col);
  words += ", ";
  words += PieceWords(board, row, col);
  return words;
}

std::array<std::string, 3> ScoreLines(const Board& board) {
  return {ScorePanel::kHeading, Line(ScorePanel::kPlayerLine, board.playerCount),
          Line(ScorePanel::kCpuLine, board.cpuCount)};
}

std::string ScoreWords(const Board& board) {
  const std::array<std::string, 3> lines = ScoreLines(board);
  return lines[1] + ", " + lines[2] + ".";
}

// Everything is read off the two boards: the controller lets the computer answer only an accepted
// drop, and the computer never moves or takes the player's pieces but in its reply, nor loses its
// own then. So the drop was accepted when the held piece left its square; the player captured when
// the computer has fewer pieces; the computer answered when its trace has steps, since every press
// empties the trace and a release always follows a press.
std::string TurnWords(const Board& before, const Cell& drop, const Board& after,
                      const MoveStep* steps, int stepCount) {
  std::string words;
  if (before.dragState != Dragging) {
    return words;
  }
  const Cell from{before.dragRow, before.dragCol};
  const int state = StateAt(before.player, from.row, from.col);
  if (state == 0 || IsOccupied(after.player, from.row, from.col)) {
    return std::string(AccessText::kRefused);
  }

  const bool captured = after.cpu.count < before.cpu.count;
  const Cell move[] = {from, drop};
  AppendMove(words, AccessText::kPlayer, move, 2, captured);
  if (state == Man && drop.row == kPlayerCrowningRow) {
    AppendSentence(words, AccessText::kCrowned);
  }
  const int shown = std::clamp(stepCount, 0, CpuPlayer::kMaxSteps);
  if (captured && shown == 0 && after.cpuCount > 0 && after.CanCaptureAgain(drop.row, drop.col)) {
    AppendSentence(words, AccessText::kCaptureAgain);
  }

  const bool taken = after.player.count < before.player.count;
  if (shown > 0) {
    Cell path[CpuPlayer::kMaxSteps + 1];
    path[0] = {steps[0].fromRow, steps[0].fromCol};
    for (int i = 0; i < shown; ++i) {
      path[i + 1] = {steps[i].toRow, steps[i].toCol};
    }
    words += ' ';
    AppendMove(words, AccessText::kComputer, path, shown + 1, taken);
    const Cell& end = path[shown];
    if (StateAt(before.cpu, path[0].row, path[0].col) == Man &&
        StateAt(after.cpu, end.row, end.col) == King) {
      AppendSentence(words, AccessText::kCrowned);
    }
  }
  if (captured || taken) {
    AppendSentence(words, ScoreWords(after));
  }
  return words;
}

bool BoardReport::Update(const Board& board, const AccessModel& access) {
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
  cursor_ = SquareIndex(access.Cursor());
  Cell held{};
  heldBefore_ = held_;
  held_ = access.Held(&held) ? SquareIndex(held) : kNone;
  const bool first = !told_;
  told_ = true;
  return first || moved || scored || cursor_ != cursorBefore_ || held_ != heldBefore_;
}

AccessModel::AccessModel(Frontend& platform, Announcer& announcer)
    : platform_(platform), announcer_(announcer) {}

void AccessModel::PlaySound(Sound sound) {
  platform_.PlaySound(sound);
}

// A box that a release opens comes after the release's words, which it would otherwise cut off or
// hide; the compulsory-capture box says all there is to say of its release, so it has none.
void AccessModel::ShowMessage(std::string_view text, std::string_view caption) {
  if (pending_ && caption == TurnText::kErrorCaption) {
    pending_ = false;
  }
  TellTurn();
  platform_.ShowMessage(text, caption);
}

void AccessModel::RequestRepaint() {
  platform_.RequestRepaint();
}

void AccessModel::PointerDown(LParam point) {
  SetKeyboardUsed(false);
  OnLButtonDown(0, point);
}

void AccessModel::PointerMove(LParam point) {
  OnMouseMove(0, point);
}

void AccessModel::PointerUp(LParam point) {
  Release(point);
}

bool AccessModel::Key(BoardKey key) {
  SetKeyboardUsed(true);
  Cell next = cursor_;
  switch (key) {
    case BoardKey::Up:
      next.row = std::max(next.row - 1, 0);
      break;
    case BoardKey::Down:
      next.row = std::min(next.row + 1, kBoardSide - 1);
      break;
    case BoardKey::Left:
      next.col = std::max(next.col - 1, 0);
      break;
    case BoardKey::Right:
      next.col = std::min(next.col + 1, kBoardSide - 1);
      break;
    case BoardKey::Activate:
      MoveCursorTo(cursor_, true);
      return true;
    case BoardKey::Escape:
      if (theBoard.dragState != Dragging) {
        return false;
      }
      Release(SquareCentre(theBoard.dragRow, theBoard.dragCol));
      return true;
  }
  MoveCursorTo(next, false);
  return true;
}

// With a piece held, the cursor carries it as the pointer would; the release then lands where the
// cursor is.
void AccessModel::MoveCursorTo(Cell square, bool activate) {
  if (!Board::IsOnBoard(square.row, square.col)) {
    return;
  }
  if (square.row != cursor_.row || square.col != cursor_.col) {
    cursor_ = square;
    OnMouseMove(0, SquareCentre(cursor_.row, cursor_.col));
    platform_.RequestRepaint();
  }
  if (!activate) {
    return;
  }
  SetKeyboardUsed(true);
  if (theBoard.dragState == Dragging) {
    Release(SquareCentre(cursor_.row, cursor_.col));
  } else {
    OnLButtonDown(0, SquareCentre(cursor_.row, cursor_.col));
  }
}

void AccessModel::FocusChanged(bool focused, bool byKeyboard) {
  const bool shown = CursorShown();
  focused_ = focused;
  if (byKeyboard) {
    keyboardUsed_ = true;
  }
  if (CursorShown() != shown) {
    platform_.RequestRepaint();
  }
}

void AccessModel::NewGame() {
  cursor_ = kStartCursor;
  platform_.RequestRepaint();
}

bool AccessModel::Held(Cell* square) const {
  if (theBoard.dragState != Dragging ||
      !IsOccupied(theBoard.player, theBoard.dragRow, theBoard.dragCol)) {
    return false;
  }
  *square = {theBoard.dragRow, theBoard.dragCol};
  return true;
}

// The words are taken at the first box of the release or at its end, whichever comes first; a
// release that ended no drag has none.
void AccessModel::Release(LParam point) {
  if (theBoard.dragState == Dragging && theBoard.cellSize > 0) {
    before_ = theBoard;
    theBoard.PixelToCell(PointX(point), PointY(point), &drop_.col, &drop_.row);
    pending_ = true;
  }
  OnLButtonUp(0, point);
  TellTurn();
}

void AccessModel::TellTurn() {
  if (!pending_) {
    return;
  }
  pending_ = false;
  const std::string words =
      TurnWords(before_, drop_, theBoard, theCpuPlayer.steps, theCpuPlayer.shownSteps);
  if (!words.empty()) {
    announcer_.Announce(words);
  }
}

void AccessModel::SetKeyboardUsed(bool used) {
  const bool shown = CursorShown();
  keyboardUsed_ = used;
  if (CursorShown() != shown) {
    platform_.RequestRepaint();
  }
}
