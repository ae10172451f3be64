#include "app/common/turn_words.h"

#include <algorithm>

#include "app/common/board_words.h"

namespace {

std::string Notation(const Cell* squares, int count, bool capture) {
  std::string notation;
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      notation += capture ? ':' : '-';
    }
    notation += SquareName(squares[i].row, squares[i].col);
  }
  return notation;
}

void AppendSentence(std::string& words, std::string_view sentence) {
  if (!words.empty()) {
    words += ' ';
  }
  words += sentence;
}

}  // namespace

std::string DropNotation(const TurnRecord& turn) {
  const Cell move[] = {turn.from, turn.to};
  return Notation(move, 2, turn.result == MoveCode::Captured);
}

std::string ReplyNotation(const TurnRecord& turn) {
  const int steps = std::clamp(turn.replySteps, 0, CpuPlayer::kMaxSteps);
  if (steps == 0) {
    return {};
  }
  Cell path[CpuPlayer::kMaxSteps + 1];
  path[0] = {turn.steps[0].fromRow, turn.steps[0].fromCol};
  for (int i = 0; i < steps; ++i) {
    path[i + 1] = {turn.steps[i].toRow, turn.steps[i].toCol};
  }
  return Notation(path, steps + 1, turn.reply == MakeMoveResult::Captured);
}

std::string TurnWords(const TurnRecord& turn) {
  if (turn.result == MoveCode::MustCapture) {
    return {};
  }
  if (turn.result != MoveCode::Moved && turn.result != MoveCode::Captured) {
    return std::string(AccessText::kRefused);
  }
  std::string words(AccessText::kPlayer);
  words += DropNotation(turn);
  words += '.';
  if (turn.crowned) {
    AppendSentence(words, AccessText::kCrowned);
  }
  if (turn.mustCaptureAgain) {
    AppendSentence(words, AccessText::kCaptureAgain);
  }
  if (const std::string reply = ReplyNotation(turn); !reply.empty()) {
    words += ' ';
    words += AccessText::kComputer;
    words += reply;
    words += '.';
    if (turn.cpuCrowned) {
      AppendSentence(words, AccessText::kCrowned);
    }
  }
  const bool captured = turn.result == MoveCode::Captured;
  const bool taken = turn.reply == MakeMoveResult::Captured;
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
