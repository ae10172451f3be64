#include <emscripten/emscripten.h>

#include "app/common/access.h"
#include "app/web/accessibility.h"
#include "app/web/main_window.h"
#include "app/web/page_assets.h"
#include "app/web/web_frontend.h"

namespace {

EM_JS(void, JsStart, (), { Page.start(); });

// Live as long as the page: the runtime stays up after main returns. The access model is the
// game's seam, in front of the page's own.
WebFrontend frontend;
LiveRegion liveRegion;
AccessModel access(frontend, liveRegion);

}  // namespace

int main() {
  SetFrontend(&access);
  BuildMainWindow(access);
  LoadPageAssets();
  JsStart();
  return 0;
}
