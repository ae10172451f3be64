#include "app/win32/piece_images.h"

#include <array>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "app/win32/data_files.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// A PNG file starts with its signature and then its header chunk, which gives the width and the
// height as big-endian 32-bit numbers.
constexpr std::array<unsigned char, 16> kPngStart = {0x89, 'P',  'N',  'G',  0x0D, 0x0A, 0x1A, 0x0A,
                                                     0x00, 0x00, 0x00, 0x0D, 'I',  'H',  'D',  'R'};
constexpr std::size_t kPngHeaderBytes = kPngStart.size() + 8;

std::uint32_t BigEndian32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

// Whether the file begins as a PNG of dimensions a piece may have, read from its first bytes
// alone.
bool IsAcceptablePng(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::array<unsigned char, kPngHeaderBytes> header{};
  if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) {
    return false;
  }
  if (std::memcmp(header.data(), kPngStart.data(), kPngStart.size()) != 0) {
    return false;
  }
  const std::uint32_t width = BigEndian32(header.data() + kPngStart.size());
  const std::uint32_t height = BigEndian32(header.data() + kPngStart.size() + 4);
  constexpr auto kMaxSide = static_cast<std::uint32_t>(kMaxPieceImageSide);
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
}

}  // namespace

PieceImageCache::~PieceImageCache() {
  Release();
}

void PieceImageCache::NewFrame() {
  ++frame;
}

HDC PieceImageCache::Scaled(const char* path, int width, int height) {
  Entry& entry = EntryFor(path);
  if (entry.checkedInFrame != frame) {
    entry.checkedInFrame = frame;
    Refresh(entry);
  }
  if (entry.pixels.empty() || width <= 0 || height <= 0) {
    return nullptr;
  }
  if (entry.scaled.dc == nullptr || entry.scaled.width != width || entry.scaled.height != height) {
    Rescale(entry, width, height);
  }
  return entry.scaled.dc;
}

void PieceImageCache::Release() {
  for (Entry& entry : entries) {
    ReleaseScaled(entry.scaled);
  }
  entries.clear();
}

// The drawing asks for its few piece images only, so a search of the entries is quick; it looks
// the path up without copying it, since this runs for every piece of every frame.
PieceImageCache::Entry& PieceImageCache::EntryFor(const char* path) {
  for (Entry& entry : entries) {
    if (entry.path == path) {
      return entry;
    }
  }
  Entry& added = entries.emplace_back();
  added.path = path;
  return added;
}

// Decodes the file again when it is found elsewhere than before, or its size or modification
// time has changed; forgets the image when the file has gone. A new entry is as one whose file was
// not found, so a file found at its first use is decoded.
void PieceImageCache::Refresh(Entry& entry) {
  std::filesystem::path file = LocateDataFile(entry.path);
  std::error_code error;
  const std::uintmax_t bytes = file.empty() ? 0 : std::filesystem::file_size(file, error);
  const std::filesystem::file_time_type modified =
      file.empty() ? std::filesystem::file_time_type{}
                   : std::filesystem::last_write_time(file, error);
  if (file == entry.file && bytes == entry.bytes && modified == entry.modified) {
    return;
  }
  entry.file = std::move(file);
  entry.bytes = bytes;
  entry.modified = modified;
  Decode(entry);
}

// The image is copied out of GDI+ into pixels of the cache's own: an image loaded from a file keeps
// the file open as long as it lives.
void PieceImageCache::Decode(Entry& entry) {
  ReleaseScaled(entry.scaled);
  entry.pixels.clear();
  entry.width = entry.height = 0;
  if (entry.file.empty() || !IsAcceptablePng(entry.file)) {
    return;
  }
  GpImage* image = nullptr;
  if (GdipLoadImageFromFile(entry.file.c_str(), &image) != Ok) {
    return;
  }
  UINT width = 0;
  UINT height = 0;
  GdipGetImageWidth(image, &width);
  GdipGetImageHeight(image, &height);
  constexpr auto kMaxSide = static_cast<UINT>(kMaxPieceImageSide);
  if (width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = static_cast<INT>(width * sizeof(std::uint32_t));
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = pixels.data();
    const GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    auto* bitmap = static_cast<GpBitmap*>(image);
    if (GdipBitmapLockBits(bitmap, &all, ImageLockModeRead | ImageLockModeUserInputBuf,
                           PixelFormat32bppARGB, &data) == Ok) {
      GdipBitmapUnlockBits(bitmap, &data);
      entry.pixels = std::move(pixels);
      entry.width = static_cast<int>(width);
      entry.height = static_cast<int>(height);
    }
  }
  GdipDisposeImage(image);
}

// The scaled copy is drawn by GDI+ straight into the bits of a top-down 32-bit bitmap, with GDI+'s
// default resampling, so that the blended piece looks as one drawn scaled onto the frame does.
void PieceImageCache::Rescale(Entry& entry, int width, int height) {
  ReleaseScaled(entry.scaled);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScaledImage scaled;
  scaled.width = width;
  scaled.height = height;
  scaled.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  scaled.dc = CreateCompatibleDC(nullptr);
  if (scaled.bitmap == nullptr || scaled.dc == nullptr) {
    ReleaseScaled(scaled);
    return;
  }
  GpBitmap* source = nullptr;
  GpBitmap* target = nullptr;
  GpGraphics* graphics = nullptr;
  const bool drawn =
      GdipCreateBitmapFromScan0(entry.width, entry.height, entry.width * 4, PixelFormat32bppARGB,
                                reinterpret_cast<BYTE*>(entry.pixels.data()), &source) == Ok &&
      GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                static_cast<BYTE*>(bits), &target) == Ok &&
      GdipGetImageGraphicsContext(target, &graphics) == Ok &&
      GdipSetCompositingMode(graphics, CompositingModeSourceCopy) == Ok &&
      GdipDrawImageRectI(graphics, source, 0, 0, width, height) == Ok;
  if (graphics != nullptr) {
    GdipDeleteGraphics(graphics);
  }
  if (target != nullptr) {
    GdipDisposeImage(target);
  }
  if (source != nullptr) {
    GdipDisposeImage(source);
  }
  if (!drawn) {
    ReleaseScaled(scaled);
    return;
  }
  scaled.previous = SelectObject(scaled.dc, scaled.bitmap);
  entry.scaled = scaled;
}

void PieceImageCache::ReleaseScaled(ScaledImage& scaled) {
  if (scaled.previous != nullptr) {
    SelectObject(scaled.dc, scaled.previous);
  }
  if (scaled.bitmap != nullptr) {
    DeleteObject(scaled.bitmap);
  }
  if (scaled.dc != nullptr) {
    DeleteDC(scaled.dc);
  }
  scaled = ScaledImage{};
}
