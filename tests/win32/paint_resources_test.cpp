// The paint on GDI+ over a long session, on a 96-dpi display and on one of 192 dpi: thousands of
// frames, with a drag, a path and cell sizes changing in between, leave the process holding the
// same GDI objects and about the same memory as after the first frame, and the last frame is drawn
// as fully as the first. A frame that leaked a device context, a bitmap, an image, a brush, a pen
// or a font, or a piece image cache that kept the bitmaps of sizes it no longer draws, would show
// in one of the two counts. And a frame in high contrast, as GDI+ draws it, keeps the contrast of
// each of its pairs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "ai/cpu_player.h"
#include "app/win32/display_scale.h"
#include "app/win32/piece_images.h"
#include "app/win32/surface.h"
#include "game/board.h"
#include "render/appearance.h"
#include "render/paint.h"
#include "render/palette.h"
#include "tests/support/contrast_theme.h"
#include "tests/support/position.h"
// After windows.h, which they build on.
#include <psapi.h>
#include <winternl.h>

namespace {

constexpr int kWidth = 834;
constexpr int kHeight = 441;
// The side of a square in a frame of that height.
constexpr int kCell = kHeight / kBoardSide;
// The long session paints a small client area: what a frame makes and releases does not depend on
// its size, and small frames are quick to draw.
constexpr int kSessionHeight = 48;
constexpr int kFrames = 2000;
// Heap noise of the process; a leak of anything drawn per frame exceeds it many times over.
constexpr std::uint64_t kMemorySlack = 2 * 1024 * 1024;

// Windows' own entry for one GDI object in the process's table of them; the table lies behind the
// process environment block.
struct GdiHandleEntry {
  std::uint64_t kernelObject;
  std::uint16_t processId;
  std::uint16_t count;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userObject;
};
constexpr std::size_t kGdiHandleTableEntries = 0x10000;
constexpr std::size_t kPebGdiHandleTable = 0xF8;

// The GDI objects the process holds. Windows counts them itself; Wine answers 0 there, so its
// table of GDI objects is counted instead.
int GdiObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) {
    return static_cast<int>(counted);
  }
  PROCESS_BASIC_INFORMATION process{};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process,
                            nullptr);
  const auto* peb = reinterpret_cast<const std::uint8_t*>(process.PebBaseAddress);
  const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiHandleTable);
  if (table == nullptr) {
    return -1;
  }
  int live = 0;
  for (std::size_t i = 0; i < kGdiHandleTableEntries; ++i) {
    if (table[i].type != 0 && table[i].kernelObject != 0) {
      ++live;
    }
  }
  return live;
}

std::uint64_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PrivateUsage;
}

// The window the frames are shown in: a device context with a 32-bit picture of the client area,
// readable pixel by pixel, on a display of the given resolution, and the piece images it keeps.
class FakeWindow {
 public:
  explicit FakeWindow(DisplayScale displayScale)
      : scale(displayScale), width(scale.ToDevice(kWidth)), height(scale.ToDevice(kHeight)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    bitmap =
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  ~FakeWindow() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  FakeWindow(const FakeWindow&) = delete;
  FakeWindow& operator=(const FakeWindow&) = delete;

  void Paint() {
    MemoryDcTarget target(dc, scale, images);
    PaintMainWindow(target);
    GdiFlush();
  }
  void Clear() { std::fill(pixels, pixels + width * height, 0u); }
  // The colour drawn for the game pixel (x, y), as opaque ARGB.
  std::uint32_t At(int x, int y) const {
    return pixels[scale.ToDevice(y) * width + scale.ToDevice(x)] | 0xFF000000u;
  }

 private:
  DisplayScale scale;
  int width;
  int height;
  PieceImageCache images;
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previous;
  std::uint32_t* pixels = nullptr;
};

class PaintResources : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
  }
  void SetUp() override {
    theBoard.NewGame();
    clientWidth = kWidth;
    boardWidth = boardHeight = kHeight;
    // A path of three steps, drawn in red over the board.
    theCpuPlayer.shownSteps = 3;
    theCpuPlayer.steps[0] = {2, 1, 4, 3};
    theCpuPlayer.steps[1] = {4, 3, 2, 5};
    theCpuPlayer.steps[2] = {2, 5, 4, 7};
  }
  void TearDown() override {
    theBoard.NewGame();
    theCpuPlayer.shownSteps = 0;
    boardWidth = boardHeight = clientWidth = 0;
  }
  static ULONG_PTR token;
};
ULONG_PTR PaintResources::token = 0;

// What a frame at 834 x 441 shows at a few points: the squares, a piece of each side, the grey
// panel and the red path.
void ExpectFrameDrawn(const FakeWindow& window) {
  EXPECT_EQ(window.At(10, 10), Colour::White);
  EXPECT_EQ(window.At(kCell + 2, 2), Colour::Dark);
  EXPECT_EQ(window.At(800, 430), Colour::Panel);
  EXPECT_NE(window.At(kCell + 27, 27 + 10), Colour::Dark) << "no black man on row 0, column 1";
  EXPECT_NE(window.At(27, 7 * kCell + 27 + 10), Colour::Dark) << "no white man on row 7, column 0";
  EXPECT_EQ(window.At(2 * kCell + 27, 3 * kCell + 27), Colour::Path)
      << "no path through row 3, column 2";
}

TEST_P(PaintResources, ThousandsOfFramesHoldNothingAfterwards) {
  FakeWindow window{DisplayScale(GetParam())};
  window.Paint();
  ExpectFrameDrawn(window);
  const int objects = GdiObjectCount();
  ASSERT_GT(objects, 0);
  // The heap settles over the first frames.
  for (int i = 0; i < 100; ++i) {
    window.Paint();
  }
  const std::uint64_t memory = PrivateBytes();

  boardWidth = boardHeight = kSessionHeight;
  theBoard.BeginDrag(0, 5, 3, 33);
  for (int frame = 0; frame < kFrames; ++frame) {
    theBoard.DragTo(frame % kWidth, frame % kSessionHeight);
    window.Paint();
    if (frame % 100 == 99) {
      ASSERT_EQ(GdiObjectCount(), objects) << "after frame " << frame;
    }
  }
  theBoard.EndDrag(0, 5);
  boardWidth = boardHeight = kHeight;

  EXPECT_LT(PrivateBytes(), memory + kMemorySlack);
  window.Clear();
  window.Paint();
  ExpectFrameDrawn(window);
}

// The frame in the palette a yellow-on-black contrast theme makes, with a man and a king of each
// side and the path: the squares in the theme's colours and at least 3:1 apart, the pieces' edges
// and the path 3:1 or more against the squares, the score's text 7:1 or more against the panel,
// each read from the pixels GDI+ drew.
using HighContrastFrame = PaintResources;
TEST_F(HighContrastFrame, KeepsEachPairsContrast) {
  const Palette palette = PaletteFor(ContrastRequest::SystemColours, kYellowOnBlack);
  SetPalette(palette);
  SetPosition(theBoard, "w5,0 W7,2 b0,3 B0,7");
  FakeWindow window{DisplayScale()};
  window.Paint();
  SetPalette(kGamePalette);

  const std::uint32_t light = window.At(10, 10);
  const std::uint32_t dark = window.At(kCell + 2, 2);
  EXPECT_EQ(light, palette.lightSquare);
  EXPECT_EQ(dark, palette.darkSquare);
  EXPECT_GE(ContrastRatio(light, dark), kShapeContrast);
  // The edge of the player's man on 5,0 and of the computer's king on 0,7, just inside the
  // piece's square, against the corner of the dark square it stands on.
  for (const auto& [x, y] : {std::pair{0, 5 * kCell}, std::pair{7 * kCell, 0}}) {
    EXPECT_GE(ContrastRatio(window.At(x + 8, y + 8), window.At(x + 2, y + 2)), kShapeContrast)
        << "the piece at (" << x << ", " << y << ")";
  }
  const std::uint32_t path = window.At(2 * kCell + 27, 3 * kCell + 27);
  EXPECT_GE(ContrastRatio(path, light), kShapeContrast);
  EXPECT_GE(ContrastRatio(path, dark), kShapeContrast);

  const std::uint32_t panel = window.At(800, 430);
  int text = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = kHeight; x < kWidth; ++x) {
      text += window.At(x, y) == palette.count ? 1 : 0;
    }
  }
  EXPECT_GT(text, 0) << "no score text in the panel";
  EXPECT_GE(ContrastRatio(palette.count, panel), kTextContrast);
}

INSTANTIATE_TEST_SUITE_P(Displays, PaintResources, ::testing::Values(96, 192),
                         [](const ::testing::TestParamInfo<int>& display) {
                           return "At" + std::to_string(display.param) + "Dpi";
                         });

}  // namespace
