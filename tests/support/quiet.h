// A platform that plays, shows and speaks nothing, behind the access model where a test or the
// fuzz target needs one. Header only and standard C++ only, so that programs without GoogleTest
// use it too.
#pragma once

#include <string_view>

#include "app/common/access.h"
#include "game/frontend.h"

class QuietPlatform : public Frontend, public Announcer {
 public:
  void PlaySound(Sound) override {}
  void ShowMessage(std::string_view, std::string_view) override {}
  void RequestRepaint() override {}
  void Announce(std::string_view) override {}
};
