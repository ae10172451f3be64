// A platform that plays, shows and speaks nothing, where a test or the fuzz target needs one; it
// still words every turn, as a front end does, forgetting the words, and notes it in the game's
// record. Header only and standard C++ only, so that programs without GoogleTest use it too.
#pragma once

#include <string_view>

#include "app/common/game_log.h"
#include "app/common/turn_words.h"
#include "game/frontend.h"

class QuietPlatform : public Frontend {
 public:
  void PlaySound(Sound) override {}
  void ShowMessage(std::string_view, std::string_view) override {}
  void RequestRepaint() override {}
  void TellTurn(const TurnRecord& turn) override {
    TurnWords(turn);
    log.Note(turn);
  }

  GameLog log;
};
