// The drawing surface of the game on Windows: GDI+ drawing on a memory device context, and the
// main window's paint as the window a frame is composed for.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/win32/gdiplus_api.h"
#include "render/surface.h"

// Draws the frame's elements with the GDI+ flat interface on one device context, with GDI+'s
// default quality settings: no antialiasing of shapes or images. Font sizes in points follow the
// device's resolution. Each piece image is decoded from its PNG file at its first use in the
// surface's lifetime and released with the surface, so no image outlives a frame. Every brush,
// pen, font and family is made for its one drawing call and released at once; where GDI+ knows a
// family only by a substitute's name ("Times" as "Times New Roman"), the name found is kept for
// the surface's lifetime.
class GdiplusSurface : public Surface {
 public:
  explicit GdiplusSurface(HDC dc);
  ~GdiplusSurface() override;
  GdiplusSurface(const GdiplusSurface&) = delete;
  GdiplusSurface& operator=(const GdiplusSurface&) = delete;

  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override;
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override;
  void DrawImage(const char* path, int x, int y, int width, int height) override;
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override;

 private:
  // A decoded piece image, or none when its file is missing or unreadable.
  struct LoadedImage {
    const char* path = nullptr;
    Gdiplus::GpImage* image = nullptr;
  };

  // The image of the file at path as decoded in this surface, decoding it at its first use; none
  // when the surface already holds four others.
  const LoadedImage* Loaded(const char* path);
  // Decodes the piece image at path (found as FindDataFile finds it); none when it cannot.
  static Gdiplus::GpImage* DecodeImage(const char* path);
  // The font family of that name, or of its substitute; none when GDI+ finds neither.
  Gdiplus::GpFontFamily* CreateFamily(std::string_view family);

  // The name GDI+ finds a requested family by; empty when it finds none.
  struct FamilyName {
    std::string requested;
    std::wstring name;
  };

  Gdiplus::GpGraphics* graphics = nullptr;
  std::optional<FamilyName> familyName;
  // A frame draws the four piece images at most.
  std::array<LoadedImage, 4> images{};
};

// The main window's paint as the window a frame is shown in; one target serves one paint. The
// frame is composed in a bitmap compatible with the window, selected into a memory device context,
// and copied to the window in one transfer, so a drag never flickers. Every GDI object is made in
// BeginFrame and released in EndFrame.
class MemoryDcTarget : public WindowTarget {
 public:
  explicit MemoryDcTarget(HDC window);
  ~MemoryDcTarget() override;
  MemoryDcTarget(const MemoryDcTarget&) = delete;
  MemoryDcTarget& operator=(const MemoryDcTarget&) = delete;

  Surface& BeginFrame(int width, int height) override;
  void EndFrame(int width, int height) override;

 private:
  void Release();

  HDC window;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  std::optional<GdiplusSurface> surface;
};
