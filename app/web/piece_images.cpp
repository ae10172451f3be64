#include "app/web/piece_images.h"

#include <emscripten/emscripten.h>

#include "render/appearance.h"

namespace {

bool fontLoaded = false;

// Resolves once every image has loaded or failed, with whether the face loaded.
EM_ASYNC_JS(bool, JsLoadAssets,
            (const char* const* images, int count, const char* family, const char* fontFile), {
              const paths = [];
              for (let i = 0; i < count; i++) {
                paths.push(UTF8ToString(HEAPU32[(images >> 2) + i]));
              }
              return Page.loadAssets(paths, UTF8ToString(family), UTF8ToString(fontFile));
            });

}  // namespace

void LoadPageAssets() {
  fontLoaded = JsLoadAssets(PieceImage::kAll, static_cast<int>(std::size(PieceImage::kAll)),
                            kScoreFontFamily, kScoreFontFile);
}

bool ScoreFontLoaded() {
  return fontLoaded;
}
