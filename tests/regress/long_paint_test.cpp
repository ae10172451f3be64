// A long session of frames: 10,000 paints with drags in between, through the real handlers and
// the real paint routine. The game keeps no growing state: nothing is allocated on the way, every
// drag draws the same frames as the first one did, and the position and the trace come out as
// they went in.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

#include "ai/cpu_player.h"
#include "fuzz/counting_window.h"
#include "fuzz/event_script.h"
#include "game/board.h"
#include "game/turn.h"
#include "render/paint.h"
#include "tests/support/position.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Every allocation of the test program is counted, so that the loop below can show it makes none.
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) {
    return block;
  }
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace {

constexpr int kFrames = 10000;
// One drag: the press, the moves, and the release, each followed by a frame.
constexpr int kFramesPerDrag = 50;
constexpr int kMovesPerDrag = kFramesPerDrag - 2;

// The pointer wanders over the board and the panel, in steps that cover both.
LParam Wander(int step) {
  return MakePointParam(20 + step * 17, 400 - step * 7);
}

TEST(LongPaint, TenThousandFramesWithDragsKeepNoGrowingState) {
  CountingWindow window;
  ResetToStartUp(window);
  // A middlegame with kings on both sides and the computer's last path still shown.
  SetPosition(theBoard, "w5,0 W3,2 w6,3 w7,6 b0,1 B4,5 b2,3");
  theCpuPlayer.shownSteps = 1;
  theCpuPlayer.stepCount = 1;
  theCpuPlayer.steps[0] = MoveStep{3, 6, 4, 5};
  const std::string position = Describe(theBoard);

  PaintMainWindow(window);
  const std::uint64_t withPath = window.frameHash;
  theCpuPlayer.shownSteps = 0;
  PaintMainWindow(window);
  const std::uint64_t idle = window.frameHash;
  ASSERT_NE(withPath, idle);

  // The frames of the first drag of each of the two pieces, which every later drag must repeat.
  std::uint64_t firstDrags[2][kFramesPerDrag] = {};
  const int framesBefore = window.frames;
  int framesDifferingFromFirstDrag = 0;
  int idleFramesChanged = 0;
  const long allocationsBefore = allocations.load();

  for (int drag = 0; drag < kFrames / kFramesPerDrag; ++drag) {
    // Each drag picks up another piece, as the player would.
    const int row = drag % 2 == 0 ? 5 : 3;
    const int col = drag % 2 == 0 ? 0 : 2;
    for (int frame = 0; frame < kFramesPerDrag; ++frame) {
      if (frame == 0) {
        OnLButtonDown(0, SquareCentre(row, col));
      } else if (frame <= kMovesPerDrag) {
        OnMouseMove(0, Wander(frame));
      } else {
        // Dropped back on its own square: refused, and nothing changes.
        OnLButtonUp(0, SquareCentre(row, col));
      }
      PaintMainWindow(window);
      std::uint64_t& first = firstDrags[drag % 2][frame];
      if (drag < 2) {
        first = window.frameHash;
      } else if (window.frameHash != first) {
        ++framesDifferingFromFirstDrag;
      }
      if (frame == kFramesPerDrag - 1 && window.frameHash != idle) {
        ++idleFramesChanged;
      }
    }
  }
  const long allocated = allocations.load() - allocationsBefore;
  const std::string finalPosition = Describe(theBoard);

  EXPECT_EQ(allocated, 0);
  // The counter does see allocations: describing the position makes one.
  EXPECT_GT(allocations.load() - allocationsBefore, allocated);
  EXPECT_EQ(window.frames - framesBefore, kFrames);
  EXPECT_EQ(idleFramesChanged, 0);
  EXPECT_EQ(framesDifferingFromFirstDrag, 0);
  EXPECT_EQ(window.fault, nullptr);
  EXPECT_EQ(FindBrokenInvariant(window), nullptr);
  EXPECT_EQ(finalPosition, position);
  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(theCpuPlayer.stepCount, 1);
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
}

}  // namespace
