// The words of a turn, formatted from its record alone.

#include "app/common/turn_words.h"

#include <gtest/gtest.h>

namespace {

TurnRecord Drop(Cell from, Cell to, int result) {
  TurnRecord turn{};
  turn.from = from;
  turn.to = to;
  turn.result = result;
  turn.playerCount = 12;
  turn.cpuCount = 12;
  return turn;
}

TEST(TurnWords, FormatsEachKindOfTurn) {
  EXPECT_EQ(TurnWords(Drop({5, 2}, {5, 2}, MoveCode::NotDiagonal)), "Ход невозможен.");
  EXPECT_EQ(TurnWords(Drop({5, 2}, {4, 1}, MoveCode::MustCapture)), "");

  TurnRecord quiet = Drop({5, 2}, {4, 3}, MoveCode::Moved);
  quiet.reply = MakeMoveResult::Moved;
  quiet.replySteps = 1;
  quiet.steps[0] = {2, 1, 3, 0};
  EXPECT_EQ(TurnWords(quiet), "Вы: c3-d4. Компьютер: b6-a5.");

  TurnRecord again = Drop({5, 2}, {3, 4}, MoveCode::Captured);
  again.mustCaptureAgain = true;
  again.cpuCount = 11;
  EXPECT_EQ(TurnWords(again), "Вы: c3:e5. Бейте дальше. Игрок: 12, AI: 11.");

  TurnRecord crowned = Drop({1, 2}, {0, 3}, MoveCode::Moved);
  crowned.crowned = true;
  crowned.reply = MakeMoveResult::Captured;
  crowned.cpuCrowned = true;
  crowned.taken = 2;
  crowned.playerCount = 10;
  crowned.replySteps = 2;
  crowned.steps[0] = {3, 4, 5, 2};
  crowned.steps[1] = {5, 2, 7, 0};
  EXPECT_EQ(TurnWords(crowned), "Вы: c7-d8. Дамка. Компьютер: e5:c3:a1. Дамка. Игрок: 10, AI: 12.");
}

}  // namespace
