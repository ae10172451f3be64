#include "app/web/about_dialog.h"

#include <emscripten/emscripten.h>

#include "app/common/shell.h"

namespace {

// The About box's parts, as the page names them.
enum Part : int { Icon = 0, Version = 1, Copyright = 2, Ok = 3 };

EM_JS(void, JsBuildAbout,
      (const char* caption, const char* version, const char* copyright, const char* ok), {
        Page.buildAbout(UTF8ToString(caption), UTF8ToString(version), UTF8ToString(copyright),
                        UTF8ToString(ok));
      });
EM_JS(double, JsDialogTextWidth, (const char* text),
      { return Page.measureDialogText(UTF8ToString(text)).width; });
EM_JS(double, JsDialogFontHeight, (), { return Page.measureDialogText("").height; });
EM_JS(void, JsPlaceAboutPart, (int part, int x, int y, int width, int height),
      { Page.placeAboutPart(part, x, y, width, height); });
EM_ASYNC_JS(void, JsRunAbout, (), { await Page.runAbout(); });

bool built = false;

void Build() {
  JsBuildAbout(KORDAVELMIX_ABOUT_CAPTION, KORDAVELMIX_ABOUT_VERSION, KORDAVELMIX_ABOUT_COPYRIGHT,
               KORDAVELMIX_OK);
  const Shell::DialogUnits units =
      Shell::MeasuredDialogUnits(JsDialogTextWidth(Shell::kDialogLetters), JsDialogFontHeight());
  const auto place = [&](int part, const Shell::DialogRect& rect) {
    const Shell::DialogRect pixels = Shell::ToPixels(rect, units);
    JsPlaceAboutPart(part, pixels.x, pixels.y, pixels.width, pixels.height);
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
