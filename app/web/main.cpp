#include <emscripten/emscripten.h>

#include "app/web/main_window.h"
#include "app/web/piece_images.h"

namespace {

EM_JS(void, JsStart, (), { Page.start(); });

}  // namespace

int main() {
  BuildMainWindow();
  LoadPageAssets();
  JsStart();
  return 0;
}
