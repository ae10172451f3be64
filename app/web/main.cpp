#include <emscripten/emscripten.h>

#include "app/web/main_window.h"
#include "app/web/page_assets.h"
#include "app/web/web_frontend.h"

namespace {

EM_JS(void, JsStart, (), { Page.start(); });

// Lives as long as the page: the runtime stays up after main returns.
WebFrontend frontend;

}  // namespace

int main() {
  SetFrontend(&frontend);
  BuildMainWindow();
  LoadPageAssets();
  JsStart();
  return 0;
}
