#include "app/qt/sound_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryFile>
#include <cstdio>

namespace {

// Everything written to the process's stderr while the action runs.
template <typename Action>
QByteArray StderrDuring(Action action) {
  QTemporaryFile capture;
  EXPECT_TRUE(capture.open());
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  dup2(capture.handle(), STDERR_FILENO);
  action();
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  QFile written(capture.fileName());
  EXPECT_TRUE(written.open(QIODevice::ReadOnly));
  return written.readAll();
}

// On a machine without an audio device (as in CI) every sound fails; the sound library must not
// fill the terminal with its complaints. Where there is a device, the four sounds are heard.
TEST(CanberraSoundPlayerTest, PlaysEveryKindWithoutWritingToStderr) {
  CanberraSoundPlayer player;
  const QByteArray written = StderrDuring([&player] {
    for (int round = 0; round < 2; ++round) {
      player.Play(Sound::Exclamation);
      player.Play(Sound::Asterisk);
      player.Play(Sound::Question);
      player.Play(Sound::SimpleBeep);
    }
  });
  EXPECT_EQ(written, QByteArray());
}

}  // namespace
