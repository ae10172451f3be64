#include "app/qt/contrast.h"

#include <gio/gio.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <string>

#include "render/palette.h"

namespace {

constexpr char kSchema[] = KORDAVELMIX_CONTRAST_SCHEMA;
constexpr char kKey[] = KORDAVELMIX_CONTRAST_KEY;

// GNOME's accessibility settings, or nullptr where they are not installed.
GSettings* OpenSettings() {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (source == nullptr) {
    return nullptr;
  }
  GSettingsSchema* schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
  if (schema == nullptr) {
    return nullptr;
  }
  GSettings* settings = nullptr;
  if (g_settings_schema_has_key(schema, kKey)) {
    settings = g_settings_new_full(schema, nullptr, nullptr);
  }
  g_settings_schema_unref(schema);
  return settings;
}

SystemColours FromPalette(const QPalette& palette) {
  const auto colour = [&](QPalette::ColorGroup group, QPalette::ColorRole role) {
    return static_cast<std::uint32_t>(palette.color(group, role).rgb());
  };
  return {colour(QPalette::Active, QPalette::Window),
          colour(QPalette::Active, QPalette::WindowText),
          colour(QPalette::Active, QPalette::Highlight),
          colour(QPalette::Active, QPalette::HighlightedText),
          colour(QPalette::Disabled, QPalette::WindowText),
          colour(QPalette::Active, QPalette::Link)};
}

}  // namespace

DesktopContrast::DesktopContrast(QWidget& boardWidget)
    : board(boardWidget), settings(OpenSettings()) {
  if (settings != nullptr) {
    const std::string changed = std::string("changed::") + kKey;
    g_signal_connect_swapped(settings, changed.c_str(),
                             G_CALLBACK(+[](DesktopContrast* self) { self->Apply(); }), this);
  }
  QCoreApplication::instance()->installEventFilter(this);
  Apply();
}

// The frames outside the window's lifetime are the game's own again.
DesktopContrast::~DesktopContrast() {
  if (settings != nullptr) {
    g_object_unref(settings);
  }
  SetPalette(kGamePalette);
}

// Qt tells the application of every change of the desktop palette; a window hears of it only where
// its own palette changes with it.
bool DesktopContrast::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QCoreApplication::instance() &&
      event->type() == QEvent::ApplicationPaletteChange) {
    Apply();
  }
  return QObject::eventFilter(watched, event);
}

void DesktopContrast::Apply() {
  ContrastRequest request = ContrastRequest::None;
  SystemColours system = kBlackOnWhite;
  if (settings != nullptr && g_settings_get_boolean(settings, kKey)) {
    system = FromPalette(QGuiApplication::palette());
    request = ContrastRatio(system.window, system.windowText) >= kTextContrast
                  ? ContrastRequest::SystemColours
                  : ContrastRequest::More;
  }
  SetPalette(PaletteFor(request, system));
  board.update();
}
