// The drawing surface of the game on Windows: GDI+ drawing on a memory device context, and the
// main window's paint as the window a frame is composed for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/win32/display_scale.h"
#include "app/win32/gdiplus_api.h"
#include "app/win32/piece_images.h"
#include "render/surface.h"

// Draws the frame's elements on one device context, in device pixels: every position and size the
// game gives in its 96-dpi pixels is converted by the window's display scale, so the frame keeps
// its layout at every resolution and nothing is stretched. Squares and the panel are solid fills
// of whole device pixels (plain GDI fills, the same pixels GDI+ fills, at a fraction of the cost);
// pieces are blended from the window's piece image cache, already scaled to the device cell size;
// text and the path are drawn with the GDI+ flat interface, with GDI+'s default quality settings
// (no antialiasing of shapes or images). Font sizes in points follow the window's resolution, not
// the device context's, which Windows reports as the system's on every monitor. Every pen, font
// and GDI+ brush is made for its one drawing call and released at once; the font family, found by
// its name or, where GDI+ knows it only by a substitute's ("Times" as "Times New Roman"), by that,
// is kept for the surface's lifetime, one frame.
class GdiplusSurface : public Surface {
 public:
  GdiplusSurface(HDC dc, DisplayScale scale, PieceImageCache& images);
  ~GdiplusSurface() override;
  GdiplusSurface(const GdiplusSurface&) = delete;
  GdiplusSurface& operator=(const GdiplusSurface&) = delete;

  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override;
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override;
  void DrawImage(const char* path, int x, int y, int width, int height) override;
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override;

 private:
  // The device context to draw on with GDI, between drawing calls of GDI+.
  HDC BeginGdi();
  void EndGdi(HDC gdi);
  // The font family of that name, or of its substitute, kept until the surface is released or
  // another family is asked for; none when GDI+ finds neither.
  Gdiplus::GpFontFamily* Family(std::string_view family);
  void ReleaseFamily();

  // The family GDI+ found for the name last asked for; none when it found none.
  struct FoundFamily {
    std::string requested;
    Gdiplus::GpFontFamily* family;
  };

  HDC dc;
  DisplayScale scale;
  PieceImageCache& images;
  Gdiplus::GpGraphics* graphics = nullptr;
  std::optional<FoundFamily> found;
};

// The main window's paint as the window a frame is shown in; one target serves one paint. The
// frame is composed at the window's device size in a bitmap compatible with the window, selected
// into a memory device context, and copied to the window in one transfer, so a drag never
// flickers. Every GDI object of the frame is made in BeginFrame and released in EndFrame; the
// piece images are the window's, kept from frame to frame.
class MemoryDcTarget : public WindowTarget {
 public:
  MemoryDcTarget(HDC window, DisplayScale scale, PieceImageCache& images);
  ~MemoryDcTarget() override;
  MemoryDcTarget(const MemoryDcTarget&) = delete;
  MemoryDcTarget& operator=(const MemoryDcTarget&) = delete;

  Surface& BeginFrame(int width, int height) override;
  void EndFrame(int width, int height) override;

 private:
  void Release();

  HDC window;
  DisplayScale scale;
  PieceImageCache& images;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  std::optional<GdiplusSurface> surface;
};
