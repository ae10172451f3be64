// The game's four sound kinds made audible. The front end plays through a SoundPlayer so that
// tests can put a recording one in its place.
#pragma once

#include "game/frontend.h"

struct ca_context;

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Starts the sound and returns at once; a sound that cannot be played is simply not heard.
  virtual void Play(Sound sound) = 0;
};

// Plays the desktop's sound theme through libcanberra: each kind by its freedesktop event name,
// and the crowning sound, which the freedesktop theme lacks, from our own file. The audio context
// is made on the first sound, so a game that stays silent never opens the audio system. Without
// an audio device every sound fails quickly and silently: the sound library's own complaints on
// stderr are switched off.
class CanberraSoundPlayer : public SoundPlayer {
 public:
  CanberraSoundPlayer() = default;
  ~CanberraSoundPlayer() override;
  CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
  CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

  void Play(Sound sound) override;

 private:
  bool Open();

  ca_context* context = nullptr;
};
