#include "tests/support/recorder.h"

Recorder::Recorder() {
  SetFrontend(this);
}

Recorder::~Recorder() {
  SetFrontend(nullptr);
}

const char* SoundName(Sound sound) {
  switch (sound) {
    case Sound::Exclamation:
      return "exclamation";
    case Sound::Asterisk:
      return "asterisk";
    case Sound::Question:
      return "question";
    case Sound::SimpleBeep:
      return "beep";
  }
  return "unknown";
}

void Recorder::PlaySound(Sound sound) {
  events.push_back(std::string("sound ") + SoundName(sound));
}

void Recorder::ShowMessage(std::string_view text, std::string_view caption) {
  events.push_back("box " + std::string(caption) + ": " + std::string(text));
  if (whileBoxOpen) {
    whileBoxOpen();
  }
}

void Recorder::RequestRepaint() {
  events.push_back("repaint");
}

void Recorder::TellTurn(const TurnRecord& turn) {
  turns.push_back(turn);
}

std::vector<std::string> Recorder::Take() {
  std::vector<std::string> taken;
  taken.swap(events);
  return taken;
}

std::vector<std::string> Recorder::Sounds() const {
  std::vector<std::string> sounds;
  for (const std::string& event : events) {
    if (event.rfind("sound ", 0) == 0) {
      sounds.push_back(event.substr(6));
    }
  }
  return sounds;
}
