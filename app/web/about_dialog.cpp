#include "app/web/about_dialog.h"

#include <emscripten/emscripten.h>

#include <cmath>

#include "app/common/shell.h"

namespace {

// The About box's parts, as the page names them.
enum Part : int { Icon = 0, Version = 1, Copyright = 2, Ok = 3 };

EM_JS(void, JsBuildAbout,
      (const char* caption, const char* version, const char* copyright, const char* ok), {
        Page.buildAbout(UTF8ToString(caption), UTF8ToString(version), UTF8ToString(copyright),
                        UTF8ToString(ok));
      });
EM_JS(double, JsDialogUnitX, (), { return Page.dialogUnits().x; });
EM_JS(double, JsDialogUnitY, (), { return Page.dialogUnits().y; });
EM_JS(void, JsPlaceAboutPart, (int part, int x, int y, int width, int height),
      { Page.placeAboutPart(part, x, y, width, height); });
EM_ASYNC_JS(void, JsRunAbout, (), { await Page.runAbout(); });

bool built = false;

void Build() {
  JsBuildAbout(KORDAVELMIX_ABOUT_CAPTION, KORDAVELMIX_ABOUT_VERSION, KORDAVELMIX_ABOUT_COPYRIGHT,
               KORDAVELMIX_OK);
  const double unitX = JsDialogUnitX();
  const double unitY = JsDialogUnitY();
  const auto place = [&](int part, const Shell::DialogRect& r) {
    JsPlaceAboutPart(part, static_cast<int>(std::lround(r.x * unitX)),
                     static_cast<int>(std::lround(r.y * unitY)),
                     static_cast<int>(std::lround(r.width * unitX)),
                     static_cast<int>(std::lround(r.height * unitY)));
  };
  place(Icon, Shell::kAboutIconRect);
  place(Version, Shell::kAboutVersionRect);
  place(Copyright, Shell::kAboutCopyrightRect);
  place(Ok, Shell::kAboutOkRect);
  place(-1, Shell::DialogRect{0, 0, KORDAVELMIX_ABOUT_WIDTH, KORDAVELMIX_ABOUT_HEIGHT});
  built = true;
}

}  // namespace

void RunAboutDialog() {
  if (!built) {
    Build();
  }
  JsRunAbout();
}
