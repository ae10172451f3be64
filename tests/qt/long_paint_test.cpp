// The real window through a long session of drags: ten thousand frames painted through the
// widget's backing store, the piece images and the score text included, must leave the process
// with as many open files and as much memory as it had once the first frames were drawn.

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <vector>

#include "ai/cpu_player.h"
#include "app/qt/main_window.h"
#include "app/qt/sound_player.h"
#include "game/board.h"
#include "tests/qt/process.h"

namespace {

constexpr int kFrames = 10000;
// One drag: the press, the moves, and the release, each followed by a frame.
constexpr int kFramesPerDrag = 50;
// Frames drawn before the counts are taken: fonts, images and Qt's own caches fill up first.
constexpr int kWarmUpFrames = 1000;
// What the allocator may keep in hand beyond the warmed-up figure; growth per frame would show as
// tens of megabytes over the loop.
constexpr long kRssSlackKb = 4096;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

class SilentSounds : public SoundPlayer {
 public:
  void Play(Sound) override {}
};

long ResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) {
    return -1;
  }
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').front().toLong();
    }
  }
  return -1;
}

TEST(WindowLongPaint, TenThousandFramesWithDragsGrowNoFilesOrMemory) {
  StartNewGame();
  theCpuPlayer.stepCount = 1;
  theCpuPlayer.shownSteps = 1;
  theCpuPlayer.steps[0] = MoveStep{2, 1, 3, 2};
  SilentSounds sounds;
  MainWindow window(sounds);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QWidget* board = window.centralWidget();
  board->repaint();
  const int cell = theBoard.cellSize;
  ASSERT_GT(cell, 0);
  const QPoint man = board->mapTo(&window, QPoint(cell / 2, 5 * cell + cell / 2));
  QWindow* handle = window.windowHandle();

  int framesPainted = 0;
  int fdsAfterWarmUp = 0;
  long rssAfterWarmUp = 0;
  while (framesPainted < kFrames) {
    for (int frame = 0; frame < kFramesPerDrag; ++frame) {
      if (frame == 0) {
        QTest::mousePress(handle, Qt::LeftButton, {}, man);
      } else if (frame < kFramesPerDrag - 1) {
        // The pointer wanders over the board and the panel.
        QTest::mouseMove(handle, QPoint(20 + frame * 17, 400 - frame * 7));
      } else {
        // Dropped back on its own square: refused, and the position stays as it was.
        QTest::mouseRelease(handle, Qt::LeftButton, {}, man);
      }
      board->repaint();
      if (++framesPainted == kWarmUpFrames) {
        fdsAfterWarmUp = OpenFileDescriptors();
        rssAfterWarmUp = ResidentKb();
      }
    }
  }

  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(theBoard.player.count, PieceSet::kCapacity);
  EXPECT_EQ(OpenFileDescriptors(), fdsAfterWarmUp);
  // Under AddressSanitizer freed memory is held in quarantine, so the resident size says nothing
  // there; its leak check at exit covers that run instead.
  if (!kAddressSanitizer) {
    ASSERT_GT(rssAfterWarmUp, 0);
    EXPECT_LE(ResidentKb() - rssAfterWarmUp, kRssSlackKb);
  }
  theCpuPlayer.stepCount = 0;
  theCpuPlayer.shownSteps = 0;
}

}  // namespace
