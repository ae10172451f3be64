#include "app/common/turn_words.h"

#include <algorithm>

#include "app/common/board_words.h"

namespace {

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

void AppendSentence(std::string& words, std::string_view sentence) {
  if (!words.empty()) {
    words += ' ';
  }
  words += sentence;
}

}  // namespace

std::string TurnWords(const TurnRecord& turn) {
  if (turn.result == MoveCode::MustCapture) {
    return {};
  }
  if (turn.result != MoveCode::Moved && turn.result != MoveCode::Captured) {
    return std::string(AccessText::kRefused);
  }
  std::string words;
  const bool captured = turn.result == MoveCode::Captured;
  const Cell move[] = {turn.from, turn.to};
  AppendMove(words, AccessText::kPlayer, move, 2, captured);
  if (turn.crowned) {
    AppendSentence(words, AccessText::kCrowned);
  }
  if (turn.mustCaptureAgain) {
    AppendSentence(words, AccessText::kCaptureAgain);
  }

  const int steps = std::clamp(turn.replySteps, 0, CpuPlayer::kMaxSteps);
  const bool taken = turn.reply == MakeMoveResult::Captured;
  if (steps > 0) {
    Cell path[CpuPlayer::kMaxSteps + 1];
    path[0] = {turn.steps[0].fromRow, turn.steps[0].fromCol};
    for (int i = 0; i < steps; ++i) {
      path[i + 1] = {turn.steps[i].toRow, turn.steps[i].toCol};
    }
    words += ' ';
    AppendMove(words, AccessText::kComputer, path, steps + 1, taken);
    if (turn.cpuCrowned) {
      AppendSentence(words, AccessText::kCrowned);
    }
  }
  if (captured || taken) {
    AppendSentence(words, ScoreWords(turn.playerCount, turn.cpuCount));
  }
  return words;
}

void TurnTeller::Tell(const TurnRecord& turn) {
  const std::string words = TurnWords(turn);
  if (!words.empty()) {
    announcer_.Announce(words);
  }
}
