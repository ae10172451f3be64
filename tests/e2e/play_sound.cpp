// Plays one of the game's four sounds through the front end's own sound player, so that the
// end-to-end test can record each kind alone and compare them with what the game plays.
//
//   e2e_play_sound exclamation|asterisk|question|beep
//
// The player starts a sound and returns at once and tells nobody when it has ended, and its
// sounds stop when it is destroyed: the program stays long enough for the longest of them.

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "app/qt/sound_player.h"

namespace {

struct NamedSound {
  const char* name;
  Sound sound;
};

constexpr NamedSound kSounds[] = {
    {"exclamation", Sound::Exclamation},
    {"asterisk", Sound::Asterisk},
    {"question", Sound::Question},
    {"beep", Sound::SimpleBeep},
};

// The longest sound, the theme's warning, lasts half a second.
constexpr unsigned long kPlayMilliseconds = 1500;

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  if (argc == 2) {
    for (const NamedSound& named : kSounds) {
      if (std::strcmp(argv[1], named.name) == 0) {
        CanberraSoundPlayer player;
        player.Play(named.sound);
        QThread::msleep(kPlayMilliseconds);
        return 0;
      }
    }
  }
  std::fprintf(stderr, "usage: %s exclamation|asterisk|question|beep\n", argv[0]);
  return 2;
}
