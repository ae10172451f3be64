#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform warns about every message box that it cannot pass size hints on to a
// window system it does not have; that says nothing about the program under test.
void SkipOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
    qtDefaultHandler(type, context, text);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // GNOME's settings kept in memory: the tests neither read the desktop's own, whose high contrast
  // would change every frame they look at, nor write them.
  qputenv("GSETTINGS_BACKEND", "memory");
  qtDefaultHandler = qInstallMessageHandler(SkipOffscreenNoise);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
