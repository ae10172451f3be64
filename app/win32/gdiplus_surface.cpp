#include "app/win32/gdiplus_surface.h"

#include <cstring>
#include <filesystem>
#include <string>

#include "app/common/data_files.h"
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

// The folder that holds the program, where its own copy of the piece images lies.
const std::filesystem::path& ProgramFolder() {
  static const std::filesystem::path folder = [] {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length =
          GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
      if (length == 0) {
        return std::filesystem::path();
      }
      if (length < name.size()) {
        name.resize(length);
        return std::filesystem::path(name).parent_path();
      }
      name.resize(name.size() * 2);
    }
  }();
  return folder;
}

}  // namespace

GdiplusSurface::GdiplusSurface(HDC dc) {
  if (GdipCreateFromHDC(dc, &graphics) != Ok) {
    graphics = nullptr;
  }
}

GdiplusSurface::~GdiplusSurface() {
  for (LoadedImage& loaded : images) {
    if (loaded.image != nullptr) {
      GdipDisposeImage(loaded.image);
    }
  }
  if (graphics != nullptr) {
    GdipDeleteGraphics(graphics);
  }
}

void GdiplusSurface::FillRect(int x, int y, int width, int height, std::uint32_t argb) {
  GpSolidFill* brush = nullptr;
  if (graphics == nullptr || GdipCreateSolidFill(argb, &brush) != Ok) {
    return;
  }
  GdipFillRectangleI(graphics, brush, x, y, width, height);
  GdipDeleteBrush(brush);
}

void GdiplusSurface::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) {
  GpPen* pen = nullptr;
  if (graphics == nullptr || GdipCreatePen1(argb, width, UnitPixel, &pen) != Ok) {
    return;
  }
  GdipDrawLineI(graphics, pen, x1, y1, x2, y2);
  GdipDeletePen(pen);
}

void GdiplusSurface::DrawImage(const char* path, int x, int y, int width, int height) {
  if (graphics == nullptr) {
    return;
  }
  if (const LoadedImage* loaded = Loaded(path)) {
    if (loaded->image != nullptr) {
      GdipDrawImageRectI(graphics, loaded->image, x, y, width, height);
    }
    return;
  }
  // More distinct images than a frame ever draws: this one is decoded for its one use.
  if (GpImage* image = DecodeImage(path)) {
    GdipDrawImageRectI(graphics, image, x, y, width, height);
    GdipDisposeImage(image);
  }
}

void GdiplusSurface::DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb,
                              float x, float y) {
  if (graphics == nullptr) {
    return;
  }
  GpFontFamily* family = CreateFamily(font.family);
  if (family == nullptr) {
    return;
  }
  const INT style = (font.bold ? FontStyleBold : 0) | (font.italic ? FontStyleItalic : 0);
  GpFont* face = nullptr;
  GpSolidFill* brush = nullptr;
  if (GdipCreateFont(family, font.points, style, UnitPoint, &face) == Ok &&
      GdipCreateSolidFill(argb, &brush) == Ok) {
    // An empty layout box anchors the text by its top-left corner and neither wraps nor clips it.
    const RectF origin(x, y, 0.0f, 0.0f);
    GdipDrawString(graphics, Widen(text).c_str(), -1, face, &origin, nullptr, brush);
  }
  if (brush != nullptr) {
    GdipDeleteBrush(brush);
  }
  if (face != nullptr) {
    GdipDeleteFont(face);
  }
  GdipDeleteFontFamily(family);
}

// The name is looked up once per surface: a family GDI+ does not know costs a search of every
// installed font, and every line of the score asks for the same family.
GpFontFamily* GdiplusSurface::CreateFamily(std::string_view family) {
  if (!familyName || familyName->requested != family) {
    familyName = FamilyName{std::string(family), Widen(family)};
    GpFontFamily* found = nullptr;
    if (GdipCreateFontFamilyFromName(familyName->name.c_str(), nullptr, &found) == Ok) {
      return found;
    }
    familyName->name.clear();
    for (const FamilySubstitute& entry : kFamilySubstitutes) {
      if (entry.family == family) {
        familyName->name = entry.substitute;
      }
    }
  }
  GpFontFamily* created = nullptr;
  if (familyName->name.empty() ||
      GdipCreateFontFamilyFromName(familyName->name.c_str(), nullptr, &created) != Ok) {
    return nullptr;
  }
  return created;
}

const GdiplusSurface::LoadedImage* GdiplusSurface::Loaded(const char* path) {
  for (LoadedImage& loaded : images) {
    if (loaded.path == nullptr) {
      loaded.path = path;
      loaded.image = DecodeImage(path);
      return &loaded;
    }
    if (std::strcmp(loaded.path, path) == 0) {
      return &loaded;
    }
  }
  return nullptr;
}

GpImage* GdiplusSurface::DecodeImage(const char* path) {
  const std::filesystem::path file = FindDataFile(path, {ProgramFolder()});
  GpImage* image = nullptr;
  if (file.empty() || GdipLoadImageFromFile(file.c_str(), &image) != Ok) {
    return nullptr;
  }
  return image;
}

MemoryDcTarget::MemoryDcTarget(HDC windowDc) : window(windowDc) {}

MemoryDcTarget::~MemoryDcTarget() {
  Release();
}

Surface& MemoryDcTarget::BeginFrame(int width, int height) {
  Release();
  memory = CreateCompatibleDC(window);
  bitmap = CreateCompatibleBitmap(window, width, height);
  if (memory != nullptr && bitmap != nullptr) {
    previousBitmap = SelectObject(memory, bitmap);
  }
  surface.emplace(memory);
  return *surface;
}

void MemoryDcTarget::EndFrame(int width, int height) {
  // The drawing context is closed first, so that everything drawn has reached the bitmap.
  surface.reset();
  if (memory != nullptr && bitmap != nullptr) {
    BitBlt(window, 0, 0, width, height, memory, 0, 0, SRCCOPY);
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
