// Whole frames of the Windows front end at the size the window opens with (client area 834 x 441
// in the game's pixels), on a 96-dpi display and on one of 192 dpi, where the same window is
// 1668 x 882 device pixels: the paint routine on GDI+, from the memory device context to the
// transfer into a real window, the score text included, and the piece images looked up in the
// window's cache (their files checked once per frame). Idle frames show the opening position with
// the computer's last path; drag frames follow a man that the pointer carries across the board and
// the panel, one pointer move per frame. Beside them, the floor of any full frame of that device
// size: making the memory bitmap, filling it once and copying it once. Each figure is the median
// of 10 runs of 200 frames; Google Benchmark is not built for Windows here, so the program times
// itself with the performance counter.

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "ai/cpu_player.h"
#include "app/win32/display_scale.h"
#include "app/win32/piece_images.h"
#include "app/win32/surface.h"
#include "game/board.h"
#include "render/paint.h"

namespace {

constexpr int kWidth = 834;
constexpr int kHeight = 441;
constexpr int kRuns = 10;
constexpr int kFramesPerRun = 200;

// Each display resolution measured, with the longest a frame may take there.
struct Display {
  int dpi;
  double frameGoalMs;
};
constexpr Display kDisplays[] = {{96, 2.0}, {192, 6.0}};
constexpr int kLargestDpi = 192;

constexpr int kDragRow = 5;
constexpr int kDragCol = 0;
constexpr MoveStep kShownStep{2, 1, 3, 2};
constexpr int kWanderX = 37;
constexpr int kWanderY = 23;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median time of one frame in milliseconds, over kRuns runs of kFramesPerRun frames.
template <typename Frame>
double MedianFrameMs(Frame frame) {
  std::array<double, kRuns> runs{};
  for (double& run : runs) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kFramesPerRun; ++i) {
      frame(i);
    }
    GdiFlush();
    QueryPerformanceCounter(&end);
    run = Seconds(start, end) * 1000.0 / kFramesPerRun;
  }
  std::sort(runs.begin(), runs.end());
  return (runs[kRuns / 2 - 1] + runs[kRuns / 2]) / 2;
}

// Prints the figure, beside its goal when it has one (a goal of 0).
void Report(const char* name, double ms, double goalMs) {
  if (goalMs > 0) {
    std::printf("  %-28s %8.3f ms   goal <= %.1f ms: %s\n", name, ms, goalMs,
                ms <= goalMs ? "met" : "MISSED");
  } else {
    std::printf("  %-28s %8.3f ms\n", name, ms);
  }
}

// A window as large as the largest frame measured.
HWND CreateFrameWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"KordavelmixFrameBench";
  RegisterClassExW(&windowClass);
  const DisplayScale largest(kLargestDpi);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"frame bench", WS_POPUP, 0, 0,
                                largest.ToDevice(kWidth), largest.ToDevice(kHeight), nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  if (window != nullptr) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
  }
  return window;
}

}  // namespace

int main() {
  const Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  HWND window = CreateFrameWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "no window: the benchmark needs a display\n");
    return 1;
  }
  HDC dc = GetDC(window);
  clientWidth = kWidth;
  boardWidth = boardHeight = kHeight;
  StartNewGame();
  theCpuPlayer.stepCount = 1;
  theCpuPlayer.steps[0] = kShownStep;

  for (const Display& display : kDisplays) {
    const DisplayScale scale(display.dpi);
    const int width = scale.ToDevice(kWidth);
    const int height = scale.ToDevice(kHeight);
    PieceImageCache images;
    const auto paint = [dc, scale, &images] {
      MemoryDcTarget target(dc, scale, images);
      PaintMainWindow(target);
    };
    paint();

    std::printf(
        "Frames of %d x %d at %d dpi (%d x %d device pixels), median of %d runs of %d "
        "frames\n",
        kWidth, kHeight, display.dpi, width, height, kRuns, kFramesPerRun);
    theCpuPlayer.shownSteps = 1;
    Report("frame, idle", MedianFrameMs([&](int) { paint(); }), display.frameGoalMs);

    theCpuPlayer.shownSteps = 0;
    const int cell = theBoard.cellSize;
    theBoard.BeginDrag(kDragCol, kDragRow, kDragCol * cell + cell / 2, kDragRow * cell + cell / 2);
    Report("frame, during a drag", MedianFrameMs([&](int i) {
             theBoard.DragTo(i * kWanderX % kWidth, i * kWanderY % kHeight);
             paint();
           }),
           display.frameGoalMs);
    theBoard.EndDrag(kDragCol, kDragRow);

    Report("fill-and-copy (the floor)", MedianFrameMs([dc, width, height](int) {
             HDC memory = CreateCompatibleDC(dc);
             HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
             HGDIOBJ previous = SelectObject(memory, bitmap);
             PatBlt(memory, 0, 0, width, height, WHITENESS);
             BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
             SelectObject(memory, previous);
             DeleteObject(bitmap);
             DeleteDC(memory);
           }),
           0);
  }

  ReleaseDC(window, dc);
  DestroyWindow(window);
  return 0;
}
