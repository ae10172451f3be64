// The piece images of the Windows front end, decoded and scaled once and kept from frame to frame
// while their files stay as they were.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/win32/gdiplus_api.h"

// Decoding the four PNG files and resampling them to the cell size took nearly all of a frame's
// time, so each file is decoded once into pixels of its own (the file is closed at once, so the
// player may replace it while the game runs), and a copy at the device size last asked for is
// kept as a premultiplied 32-bit bitmap in a memory device context, ready to be blended onto the
// frame. The files stay the truth: at the first use of a file in each frame its place, size and
// modification time are looked at again, so a file replaced while the game runs shows at the next
// frame and a removed one disappears. A file that is not a PNG, or whose header claims larger
// dimensions than any piece needs, is refused before it is decoded; a refused or unreadable file
// is remembered until it changes, and the pieces that use it stay undrawn.
//
// The owner, the main window, keeps the cache for its lifetime and releases it when it is
// destroyed; every GDI object of the cache (two per image) is made when an image is first scaled
// to a size and released when it is scaled again, its file changes, or the cache is released.
class PieceImageCache {
 public:
  PieceImageCache() = default;
  ~PieceImageCache();
  PieceImageCache(const PieceImageCache&) = delete;
  PieceImageCache& operator=(const PieceImageCache&) = delete;

  // Starts a frame: each file is looked at again before its first use in the frame.
  void NewFrame();

  // A memory device context whose bitmap is the image of the data file at path (found as
  // FindDataFile finds it) scaled to exactly width x height device pixels, premultiplied by its
  // alpha; nullptr when there is no such image or the size is empty. Valid until the next call.
  HDC Scaled(const char* path, int width, int height);

  // Releases every image and GDI object the cache holds; it fills again at its next use.
  void Release();

 private:
  struct ScaledImage {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    int width = 0;
    int height = 0;
  };
  struct Entry {
    std::string path;
    std::filesystem::path file;
    std::uintmax_t bytes = 0;
    std::filesystem::file_time_type modified{};
    // The decoded image as 32-bit ARGB, row after row; empty when there is none.
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    ScaledImage scaled;
    std::uint64_t checkedInFrame = 0;
  };

  Entry& EntryFor(const char* path);
  static void Refresh(Entry& entry);
  static void Decode(Entry& entry);
  static void Rescale(Entry& entry, int width, int height);
  static void ReleaseScaled(ScaledImage& scaled);

  std::vector<Entry> entries;
  std::uint64_t frame = 1;
};
