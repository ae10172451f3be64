// Whole frames through the Qt front end, at the size the window opens with and at two large
// client areas: the board widget's own paint, from the panel fill to the frame's transfer into the
// widget's backing store, the piece images and the score text included. Idle frames show the
// opening position with the computer's last path; drag frames follow a piece that the pointer
// carries across the board and the panel, one pointer move per frame, as in play. Beside them, the
// floor no composition of a full frame can go under on this machine: filling a frame of the same
// size once and copying it once.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QWindow>
#include <cstring>
#include <string>

#include "ai/cpu_player.h"
#include "app/common/board_input.h"
#include "app/qt/board_widget.h"
#include "game/board.h"
#include "game/turn.h"
#include "render/appearance.h"

namespace {

struct ClientSize {
  int width;
  int height;
};

constexpr ClientSize kSizes[] = {{834, 441}, {1920, 1057}, {3840, 2137}};

// The man picked up in drag frames, and the computer's last move shown in idle ones.
constexpr int kDragRow = 5;
constexpr int kDragCol = 0;
constexpr MoveStep kShownStep{2, 1, 3, 2};

// Pointer steps that wander over the whole client area without repeating soon.
constexpr int kWanderX = 37;
constexpr int kWanderY = 23;

constexpr int kExposeTimeoutMs = 5000;

std::string SizeName(ClientSize size) {
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

void BM_Frame(benchmark::State& state, ClientSize size, bool dragging) {
  StartNewGame();
  theCpuPlayer.stepCount = 1;
  theCpuPlayer.steps[0] = kShownStep;
  theCpuPlayer.shownSteps = dragging ? 0 : 1;

  BoardInput input;
  BoardWidget widget(input);
  widget.resize(size.width, size.height);
  widget.show();
  // A window paints only once the platform has exposed it.
  const QDeadlineTimer deadline(kExposeTimeoutMs);
  while (!widget.windowHandle()->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, kExposeTimeoutMs);
  }
  // The first frame stores the geometry that the press below is aimed with.
  widget.repaint();
  if (widget.size() != QSize(size.width, size.height) || theBoard.cellSize != size.height / 8) {
    state.SkipWithError("the board widget did not get its size or paint its first frame");
    return;
  }
  if (dragging) {
    OnLButtonDown(0, SquareCentre(kDragRow, kDragCol));
    if (theBoard.dragState != Dragging) {
      state.SkipWithError("the press did not pick up the man");
      return;
    }
  }

  int step = 0;
  for (auto _ : state) {
    if (dragging) {
      ++step;
      OnMouseMove(0, MakePointParam(step * kWanderX % size.width, step * kWanderY % size.height));
    }
    widget.repaint();
  }

  if (dragging) {
    OnLButtonUp(0, SquareCentre(kDragRow, kDragCol));
  }
  StartNewGame();
  theCpuPlayer.stepCount = 0;
  theCpuPlayer.shownSteps = 0;
}

// One fill of the frame and one copy of all of it, in the frame's pixel format: what composing a
// full frame and handing it on costs in memory traffic alone.
void BM_FillAndCopy(benchmark::State& state, ClientSize size) {
  QImage frame(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
  QImage shown(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    frame.fill(Colour::Panel);
    std::memcpy(shown.bits(), frame.constBits(), static_cast<std::size_t>(frame.sizeInBytes()));
    benchmark::ClobberMemory();
  }
}

const bool registered = [] {
  for (const ClientSize size : kSizes) {
    const std::string name = SizeName(size);
    benchmark::RegisterBenchmark(("BM_Frame/" + name + "/idle").c_str(), BM_Frame, size, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_Frame/" + name + "/drag").c_str(), BM_Frame, size, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_FillAndCopy/" + name).c_str(), BM_FillAndCopy, size)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
