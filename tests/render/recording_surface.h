// A drawing surface and window for tests: every call is recorded, in order, as one line of text
// with its exact arguments, so a test can compare a whole frame with what it expects.
//   "fill X Y W H AARRGGBB"   "line X1 Y1 X2 Y2 AARRGGBB WIDTH"   "image PATH X Y W H"
//   "text TEXT|FAMILY POINTS bold italic|AARRGGBB X Y"            "begin W H"   "end W H"
#pragma once

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "render/surface.h"

class RecordingSurface : public Surface, public WindowTarget {
 public:
  void FillRect(int x, int y, int width, int height, std::uint32_t argb) override {
    Record() << "fill " << x << ' ' << y << ' ' << width << ' ' << height << ' ' << Hex(argb);
  }
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) override {
    Record() << "line " << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2 << ' ' << Hex(argb) << ' '
             << width;
  }
  void DrawImage(const char* path, int x, int y, int width, int height) override {
    Record() << "image " << path << ' ' << x << ' ' << y << ' ' << width << ' ' << height;
  }
  void DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb, float x,
                float y) override {
    Record() << "text " << text << '|' << font.family << ' ' << font.points
             << (font.bold ? " bold" : "") << (font.italic ? " italic" : "") << '|' << Hex(argb)
             << ' ' << x << ' ' << y;
  }
  Surface& BeginFrame(int width, int height) override {
    Record() << "begin " << width << ' ' << height;
    return *this;
  }
  void EndFrame(int width, int height) override { Record() << "end " << width << ' ' << height; }

  // The recorded lines that start with prefix, in order.
  std::vector<std::string> Only(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const std::string& event : events) {
      if (event.starts_with(prefix)) {
        out.push_back(event);
      }
    }
    return out;
  }

  std::vector<std::string> events;

 private:
  // One event being written; it is stored at the end of the statement that wrote it.
  struct Line {
    explicit Line(std::vector<std::string>& out) : out_(out) {}
    ~Line() { out_.push_back(text_.str()); }
    template <typename T>
    Line& operator<<(const T& value) {
      text_ << value;
      return *this;
    }
    std::vector<std::string>& out_;
    std::ostringstream text_;
  };
  Line Record() { return Line(events); }

  static std::string Hex(std::uint32_t argb) {
    std::ostringstream out;
    out << std::uppercase << std::hex << std::setw(8) << std::setfill('0') << argb;
    return out.str();
  }
};
