// A machine that lacks what the game would like to have: no "Times" font (or no fonts at all), no
// sound theme and no audio device. The game must stay fully playable there and say nothing on
// stderr. The environment has to be in place before the font and sound libraries start, so the
// play itself runs in a child process: this test program, started again with only
// QuietPlay.WholeTurnWithSoundsAndScore selected.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "ai/cpu_player.h"
#include "app/qt/main_window.h"
#include "app/qt/sound_player.h"
#include "game/board.h"
#include "tests/support/position.h"

namespace {

constexpr int kChildTimeoutMs = 120'000;

// The play the child runs: a move answered by the computer, a refused move, a crowning, all with
// the real sound player, and frames with the score panel drawn after each.
TEST(QuietPlay, WholeTurnWithSoundsAndScore) {
  StartNewGame();
  theCpuPlayer.shownSteps = 0;
  CanberraSoundPlayer sounds;
  MainWindow window(sounds);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QWidget* board = window.centralWidget();
  board->repaint();
  const int cell = theBoard.cellSize;
  ASSERT_GT(cell, 0);
  const auto centre = [&](int row, int col) {
    return board->mapTo(&window, QPoint(col * cell + cell / 2, row * cell + cell / 2));
  };
  const auto drag = [&](QPoint from, QPoint to) {
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(window.windowHandle(), to);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, to);
    board->repaint();
  };

  drag(centre(5, 0), centre(4, 1));
  EXPECT_TRUE(IsOccupied(theBoard.player, 4, 1));
  EXPECT_EQ(theCpuPlayer.shownSteps, 1);

  const std::string before = Describe(theBoard);
  drag(centre(5, 2), centre(5, 3));
  EXPECT_EQ(Describe(theBoard), before);

  SetPosition(theBoard, "w1,2 b3,6");
  board->repaint();
  drag(centre(1, 2), centre(0, 1));
  EXPECT_EQ(theBoard.player.pieces[0].state, King);

  for (const Sound sound :
       {Sound::Exclamation, Sound::Asterisk, Sound::Question, Sound::SimpleBeep}) {
    sounds.Play(sound);
  }
  StartNewGame();
  theCpuPlayer.shownSteps = 0;
}

struct Environment {
  const char* name;
  // The font configuration the child sees: only these directories, and no aliases.
  const char* fontDirs;
};

const Environment kEnvironments[] = {
    {"NoTimesFont", "<dir>/usr/share/fonts/truetype/dejavu</dir>"},
    {"NoFontsAtAll", ""},
};

class QuietEnvironmentTest : public testing::TestWithParam<Environment> {};

TEST_P(QuietEnvironmentTest, GameIsPlayableAndStderrStaysEmpty) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const QDir dir(home.path());
  ASSERT_TRUE(dir.mkpath(QStringLiteral("runtime")));
  ASSERT_TRUE(QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  ASSERT_TRUE(dir.mkpath(QStringLiteral("no-data")));

  QFile fonts(dir.filePath(QStringLiteral("fonts.conf")));
  ASSERT_TRUE(fonts.open(QIODevice::WriteOnly));
  fonts.write(QByteArray("<?xml version=\"1.0\"?>\n<fontconfig>") + GetParam().fontDirs +
              "<cachedir>" + QFile::encodeName(dir.filePath(QStringLiteral("font-cache"))) +
              "</cachedir></fontconfig>\n");
  fonts.close();
  // An ALSA configuration that defines no device at all.
  QFile alsa(dir.filePath(QStringLiteral("asound.conf")));
  ASSERT_TRUE(alsa.open(QIODevice::WriteOnly));
  alsa.close();

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), home.path());
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("no-data")));
  environment.insert(QStringLiteral("XDG_DATA_DIRS"), dir.filePath(QStringLiteral("no-data")));
  environment.insert(QStringLiteral("FONTCONFIG_FILE"), fonts.fileName());
  environment.insert(QStringLiteral("ALSA_CONFIG_PATH"), alsa.fileName());
  environment.insert(QStringLiteral("PULSE_SERVER"), dir.filePath(QStringLiteral("no-server")));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

  QProcess child;
  child.setProcessEnvironment(environment);
  child.setWorkingDirectory(home.path());
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=QuietPlay.WholeTurnWithSoundsAndScore")});
  ASSERT_TRUE(child.waitForFinished(kChildTimeoutMs));
  const QByteArray out = child.readAllStandardOutput();
  const QByteArray err = child.readAllStandardError();

  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
  EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
  EXPECT_EQ(err, QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Machines, QuietEnvironmentTest, testing::ValuesIn(kEnvironments),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
