// A front end for tests: it records every sound, message box and repaint request, in order, as
// short strings ("sound exclamation", "box Ошибка: Неверный ход.\n...", "repaint"), and each turn's
// record on a list of its own; it installs itself for its lifetime.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/frontend.h"
#include "game/turn.h"

class Recorder : public Frontend {
 public:
  Recorder();
  ~Recorder() override;
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  void PlaySound(Sound sound) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void RequestRepaint() override;
  void TellTurn(const TurnRecord& turn) override;

  // The events recorded so far, which are then forgotten.
  std::vector<std::string> Take();
  // Only the sounds among the recorded events, as names; the events are kept.
  std::vector<std::string> Sounds() const;

  // Runs while a message box is open, as the player's clicks in the window would.
  std::function<void()> whileBoxOpen;

  std::vector<std::string> events;
  std::vector<TurnRecord> turns;
};

const char* SoundName(Sound sound);
