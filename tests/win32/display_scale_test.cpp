// The mapping between the game's 96-dpi pixels and a display's: the identity at 96 dpi, and at
// every other resolution a mouse point that converts to the game pixel drawn under it, and a
// client area whose game pixels cover all of it.

#include "app/win32/display_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayScale, ChangesNothingAt96Dpi) {
  const DisplayScale scale(96);
  for (int x = -200; x < 2000; ++x) {
    ASSERT_EQ(scale.ToDevice(x), x);
    ASSERT_EQ(scale.ToLogical(x), x);
    ASSERT_EQ(scale.ToDevicePoint(static_cast<float>(x)), static_cast<float>(x));
  }
  EXPECT_EQ(scale.LogicalExtent(441), 441);
  EXPECT_EQ(scale.ToDeviceLength(5.0f), 5.0f);
  // A mouse point reaches the turn controller exactly as Windows packed it, also left of and
  // above the window, where a captured mouse reports negative coordinates.
  for (const LPARAM point : {MAKELPARAM(834, 441), MAKELPARAM(-3, 17), MAKELPARAM(5, -1)}) {
    EXPECT_EQ(scale.ToLogicalPoint(point), static_cast<LParam>(point & 0xFFFFFFFF));
  }
}

TEST(DisplayScale, MousePointsLandOnTheGamePixelDrawnUnderThem) {
  for (const int dpi : {120, 144, 168, 192, 240, 288}) {
    const DisplayScale scale(dpi);
    for (int device = -300; device < 4000; ++device) {
      const int logical = scale.ToLogical(device);
      ASSERT_LE(scale.ToDevice(logical), device) << dpi << " dpi, device pixel " << device;
      ASSERT_GT(scale.ToDevice(logical + 1), device) << dpi << " dpi, device pixel " << device;
    }
    for (int size = 1; size < 4000; ++size) {
      const int extent = scale.LogicalExtent(size);
      ASSERT_GE(scale.ToDevice(extent), size) << dpi << " dpi, " << size << " device pixels";
      ASSERT_LT(scale.ToDevice(extent - 1), size) << dpi << " dpi, " << size << " device pixels";
    }
    EXPECT_EQ(scale.LogicalExtent(0), 0);
  }
  const DisplayScale doubled(192);
  EXPECT_EQ(doubled.ToLogicalPoint(MAKELPARAM(-3, 881)), MakePointParam(-2, 440));
}

}  // namespace
