#include "app/web/surface.h"

#include <emscripten/emscripten.h>

#include <cstring>
#include <iterator>

#include "app/web/piece_images.h"
#include "render/appearance.h"
#include "render/paint.h"

namespace {

// A CSS pixel is one of the game's pixels.
constexpr float kPixelsPerPoint = kPixelsPerInch / kPointsPerInch;

// The page's drawing primitives (canvas.js), one per element of a frame.
EM_JS(void, JsBeginFrame, (int width, int height, double scale),
      { Page.beginFrame(width, height, scale); });
EM_JS(void, JsFillRect, (int x, int y, int width, int height, std::uint32_t argb),
      { Page.fillRect(x, y, width, height, argb); });
EM_JS(void, JsDrawLine, (int x1, int y1, int x2, int y2, std::uint32_t argb, float width),
      { Page.drawLine(x1, y1, x2, y2, argb, width); });
EM_JS(void, JsDrawImage, (int index, int x, int y, int width, int height),
      { Page.drawImage(index, x, y, width, height); });
EM_JS(void, JsDrawText,
      (const char* text, int length, const char* family, float pixels, bool bold, bool italic,
       std::uint32_t argb, float x, float y),
      {
        Page.drawText(UTF8ToString(text, length), UTF8ToString(family), pixels, bold, italic, argb,
                      x, y);
      });

// Families that the page ships under a name of its own, with the face that stands for each.
struct FamilySubstitute {
  std::string_view family;
  const char* face;
};
constexpr FamilySubstitute kFamilySubstitutes[] = {{ScorePanel::kFontFamily, kScoreFontFamily}};

const char* FaceFor(std::string_view family) {
  for (const FamilySubstitute& entry : kFamilySubstitutes) {
    if (entry.family == family) {
      return entry.face;
    }
  }
  return nullptr;
}

int ImageIndex(const char* path) {
  for (int i = 0; i < static_cast<int>(std::size(PieceImage::kAll)); ++i) {
    if (std::strcmp(PieceImage::kAll[i], path) == 0) {
      return i;
    }
  }
  return -1;
}

}  // namespace

void CanvasSurface::FillRect(int x, int y, int width, int height, std::uint32_t argb) {
  if (width > 0 && height > 0) {
    JsFillRect(x, y, width, height, argb);
  }
}

void CanvasSurface::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t argb, float width) {
  JsDrawLine(x1, y1, x2, y2, argb, width);
}

void CanvasSurface::DrawImage(const char* path, int x, int y, int width, int height) {
  const int index = ImageIndex(path);
  if (index >= 0 && width > 0 && height > 0) {
    JsDrawImage(index, x, y, width, height);
  }
}

void CanvasSurface::DrawText(std::string_view text, const FontSpec& font, std::uint32_t argb,
                             float x, float y) {
  const char* face = FaceFor(font.family);
  if (face == nullptr || !ScoreFontLoaded()) {
    return;
  }
  JsDrawText(text.data(), static_cast<int>(text.size()), face, font.points * kPixelsPerPoint,
             font.bold, font.italic, argb, x, y);
}

CanvasTarget::CanvasTarget(double pixelScale) : scale(pixelScale) {}

// The canvas still holds the last frame. The panel fill and the squares paint over all of it but
// the strips that the board's whole cells leave over; those are cleared, so that they show black
// as a new surface would and a piece dragged across them leaves no trail.
Surface& CanvasTarget::BeginFrame(int width, int height) {
  JsBeginFrame(width, height, scale);
  ClearBoardStrips(surface, height);
  return surface;
}

void CanvasTarget::EndFrame(int, int) {}
