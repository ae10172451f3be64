#include "app/win32/surface.h"

#include "app/win32/wide_text.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// Families that Windows knows only as GDI substitutes, which GDI+ does not look up, with the
// installed family that stands for each.
struct FamilySubstitute {
  std::string_view family;
  const wchar_t* substitute;
};
constexpr FamilySubstitute kFamilySubstitutes[] = {{"Times", L"Times New Roman"}};

// The GDI colour of an opaque ARGB colour.
COLORREF ColourOf(std::uint32_t argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

bool IsOpaque(std::uint32_t argb) {
  return (argb >> 24) == 0xFF;
}

}  // namespace

GdiplusSurface::GdiplusSurface(HDC surfaceDc, DisplayScale displayScale,
                               PieceImageCache& pieceImages)
    : dc(surfaceDc), scale(displayScale), images(pieceImages) {
  if (GdipCreateFromHDC(dc, &graphics) != Ok) {
    graphics = nullptr;
  }
}

GdiplusSurface::~GdiplusSurface() {
  ReleaseFamily();
  if (graphics != nullptr) {
    GdipDeleteGraphics(graphics);
  }
}

// GDI draws on the device context only while GDI+ hands it over, so that the two keep the order
// of the drawing calls.
HDC GdiplusSurface::BeginGdi() {
  HDC gdi = nullptr;
  if (graphics == nullptr) {
    return dc;
  }
  return GdipGetDC(graphics, &gdi) == Ok ? gdi : nullptr;
}

void GdiplusSurface::EndGdi(HDC gdi) {
  if (graphics != nullptr && gdi != nullptr) {
    GdipReleaseDC(graphics, gdi);
  }
}

// A rectangle covers the device pixels of the game pixels it covers, so neighbouring squares meet
// exactly at every scale. The game's colours are opaque, which a GDI fill with the device
// context's own brush draws exactly as GDI+ would, without making a brush; any other colour is
// blended by GDI+.
void GdiplusSurface::FillRect(int x, int y, int width, int height, std::uint32_t argb) {
  if (width <= 0 || height <= 0) {
    return;
  }
  const RECT device{scale.ToDevice(x), scale.ToDevice(y), scale.ToDevice(x + width),
                    scale.ToDevice(y + height)};
  if (!IsOpaque(argb)) {
    GpSolidFill* brush = nullptr;
    if (graphics != nullptr && GdipCreateSolidFill(argb, &brush) == Ok) {
      GdipFillRectangleI(graphics, brush, device.left, device.top, device.right - device.left,
                         device.bottom - device.top);
      GdipDeleteBrush(brush);
    }
    return;
  }
  if (HDC gdi = BeginGdi()) {
    SetDCBrushColor(gdi, ColourOf(argb));
    ::FillRect(gdi, &device, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    EndGdi(gdi);
  }
}

// The line joins the device centres of its two game pixels and is as much wider as the display's
// pixels are smaller.
void GdiplusSurface::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) {
  GpPen* pen = nullptr;
  if (graphics == nullptr ||
      GdipCreatePen1(argb, scale.ToDeviceLength(width), UnitPixel, &pen) != Ok) {
    return;
  }
  GdipDrawLine(graphics, pen, scale.ToDevicePoint(static_cast<float>(x1)),
               scale.ToDevicePoint(static_cast<float>(y1)),
               scale.ToDevicePoint(static_cast<float>(x2)),
               scale.ToDevicePoint(static_cast<float>(y2)));
  GdipDeletePen(pen);
}

// Every piece is blended at one device size, that of a cell, from the first device pixel of its
// rectangle: all pieces look alike although cells of a fractional scale alternate between two
// device widths.
void GdiplusSurface::DrawImage(const char* path, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) {
    return;
  }
  const int deviceWidth = scale.ToDevice(width);
  const int deviceHeight = scale.ToDevice(height);
  HDC image = images.Scaled(path, deviceWidth, deviceHeight);
  if (image == nullptr) {
    return;
  }
  if (HDC gdi = BeginGdi()) {
    // GDI32's own blend, which msimg32's AlphaBlend only forwards to: the program needs no DLL
    // beyond USER32, GDI32, GDI+ and KERNEL32 (and the C runtime every Windows has).
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(gdi, scale.ToDevice(x), scale.ToDevice(y), deviceWidth, deviceHeight, image, 0, 0,
                  deviceWidth, deviceHeight, blend);
    EndGdi(gdi);
  }
}

void GdiplusSurface::DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb,
                              float x, float y) {
  if (graphics == nullptr) {
    return;
  }
  GpFontFamily* family = Family(font.family);
  if (family == nullptr) {
    return;
  }
  const INT style = (font.bold ? FontStyleBold : 0) | (font.italic ? FontStyleItalic : 0);
  GpFont* face = nullptr;
  GpSolidFill* brush = nullptr;
  const float emPixels = font.points * static_cast<float>(scale.Dpi()) / kPointsPerInch;
  if (GdipCreateFont(family, emPixels, style, UnitPixel, &face) == Ok &&
      GdipCreateSolidFill(argb, &brush) == Ok) {
    // An empty layout box anchors the text by its top-left corner and neither wraps nor clips it.
    const RectF origin(scale.ToDevicePoint(x), scale.ToDevicePoint(y), 0.0f, 0.0f);
    GdipDrawString(graphics, Widen(text).c_str(), -1, face, &origin, nullptr, brush);
  }
  if (brush != nullptr) {
    GdipDeleteBrush(brush);
  }
  if (face != nullptr) {
    GdipDeleteFont(face);
  }
}

// The family is looked up once per surface: making one costs a search of the installed fonts
// (twice as much for a family GDI+ knows only by its substitute's name), and every line of the
// score asks for the same family.
GpFontFamily* GdiplusSurface::Family(std::string_view family) {
  if (found && found->requested == family) {
    return found->family;
  }
  ReleaseFamily();
  found = FoundFamily{std::string(family), nullptr};
  if (GdipCreateFontFamilyFromName(Widen(family).c_str(), nullptr, &found->family) == Ok) {
    return found->family;
  }
  found->family = nullptr;
  for (const FamilySubstitute& entry : kFamilySubstitutes) {
    if (entry.family == family &&
        GdipCreateFontFamilyFromName(entry.substitute, nullptr, &found->family) != Ok) {
      found->family = nullptr;
    }
  }
  return found->family;
}

void GdiplusSurface::ReleaseFamily() {
  if (found && found->family != nullptr) {
    GdipDeleteFontFamily(found->family);
  }
  found.reset();
}

MemoryDcTarget::MemoryDcTarget(HDC windowDc, DisplayScale displayScale,
                               PieceImageCache& pieceImages)
    : window(windowDc), scale(displayScale), images(pieceImages) {}

MemoryDcTarget::~MemoryDcTarget() {
  Release();
}

Surface& MemoryDcTarget::BeginFrame(int width, int height) {
  Release();
  images.NewFrame();
  memory = CreateCompatibleDC(window);
  bitmap = CreateCompatibleBitmap(window, scale.ToDevice(width), scale.ToDevice(height));
  if (memory != nullptr && bitmap != nullptr) {
    previousBitmap = SelectObject(memory, bitmap);
  }
  surface.emplace(memory, scale, images);
  return *surface;
}

void MemoryDcTarget::EndFrame(int width, int height) {
  // The drawing context is closed first, so that everything drawn has reached the bitmap.
  surface.reset();
  if (memory != nullptr && bitmap != nullptr) {
    BitBlt(window, 0, 0, scale.ToDevice(width), scale.ToDevice(height), memory, 0, 0, SRCCOPY);
  }
  Release();
}

void MemoryDcTarget::Release() {
  surface.reset();
  if (previousBitmap != nullptr) {
    SelectObject(memory, previousBitmap);
    previousBitmap = nullptr;
  }
  if (bitmap != nullptr) {
    DeleteObject(bitmap);
    bitmap = nullptr;
  }
  if (memory != nullptr) {
    DeleteDC(memory);
    memory = nullptr;
  }
}
