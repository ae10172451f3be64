// A window and drawing surface that keep no pixels: every frame is reduced to a few counts and a
// running hash of every drawing call with its arguments. It lets the paint routine run at any
// client size, 65535 × 65535 included, without allocating a frame, and two frames compare equal
// when they would have been drawn alike. It allocates nothing, so it can watch for allocation.
#pragma once

#include <cstdint>
#include <string_view>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "render/surface.h"

class CountingWindow : public Surface, public WindowTarget {
 public:
  // A frame draws at most both full sides and one red line per step of the trace.
  static constexpr int kMaxImagesPerFrame = 2 * PieceSet::kCapacity;
  static constexpr int kMaxLinesPerFrame = CpuPlayer::kMaxSteps;

  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override {
    Drawn('f');
    Mix(x, y, width, height, static_cast<std::int64_t>(argb));
  }
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override {
    Drawn('l');
    ++linesInFrame;
    Mix(x1, y1, x2, y2, static_cast<std::int64_t>(argb) ^ static_cast<std::int64_t>(width * 64));
    if (linesInFrame > kMaxLinesPerFrame) {
      Fault("more red lines in one frame than the trace can hold");
    }
  }
  void DrawImage(const char* path, int x, int y, int width, int height) override {
    Drawn('i');
    ++imagesInFrame;
    // The four image paths are named constants, so the address tells them apart.
    Mix(x, y, width, height, reinterpret_cast<std::intptr_t>(path));
    if (imagesInFrame > kMaxImagesPerFrame) {
      Fault("more pieces drawn in one frame than both sides hold");
    }
  }
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override {
    Drawn('t');
    MixText(text);
    MixText(font.family);
    Mix(static_cast<std::int64_t>(font.points * 64), font.bold, font.italic,
        static_cast<std::int64_t>(argb), static_cast<std::int64_t>(x * 64),
        static_cast<std::int64_t>(y * 64));
  }

  Surface& BeginFrame(int width, int height) override {
    if (open) {
      Fault("a frame was begun inside another");
    }
    open = true;
    frameWidth = width;
    frameHeight = height;
    callsInFrame = 0;
    linesInFrame = 0;
    imagesInFrame = 0;
    frameHash = kHashSeed;
    return *this;
  }
  void EndFrame(int width, int height) override {
    if (!open) {
      Fault("a frame was shown that was never begun");
    } else if (width != frameWidth || height != frameHeight) {
      Fault("a frame was shown at another size than it was composed at");
    }
    open = false;
    ++frames;
  }

  // The first fault seen, or nullptr: drawing outside a frame, unpaired frames, too much drawn.
  const char* fault = nullptr;

  bool open = false;
  int frames = 0;
  int frameWidth = 0;
  int frameHeight = 0;
  // Of the last frame begun.
  int callsInFrame = 0;
  int linesInFrame = 0;
  int imagesInFrame = 0;
  std::uint64_t frameHash = kHashSeed;

 private:
  // FNV-1a, 64-bit, taking whole numbers a value at a time and texts a byte at a time.
  static constexpr std::uint64_t kHashSeed = 14695981039346656037ull;
  static constexpr std::uint64_t kHashPrime = 1099511628211ull;

  void Fault(const char* what) {
    if (fault == nullptr) {
      fault = what;
    }
  }
  void Drawn(char kind) {
    if (!open) {
      Fault("drawn outside a frame");
    }
    ++callsInFrame;
    MixByte(static_cast<std::uint8_t>(kind));
  }
  void MixByte(std::uint8_t byte) {
    frameHash ^= byte;
    frameHash *= kHashPrime;
  }
  void MixText(std::string_view text) {
    for (const char c : text) {
      MixByte(static_cast<std::uint8_t>(c));
    }
    MixByte(0);
  }
  template <typename... Values>
  void Mix(Values... values) {
    for (const std::int64_t value : {static_cast<std::int64_t>(values)...}) {
      frameHash ^= static_cast<std::uint64_t>(value);
      frameHash *= kHashPrime;
    }
  }
};
