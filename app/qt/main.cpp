#include <QApplication>

#include "app/common/identity.h"
#include "app/common/shell.h"
#include "app/qt/accessibility.h"
#include "app/qt/main_window.h"
#include "app/qt/sound_player.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Ties the window to its menu entry and icon: the Wayland app id, and the X11 class.
  QGuiApplication::setDesktopFileName(QStringLiteral(KORDAVELMIX_APP_ID));
  InstallBoardAccessibility();
  CanberraSoundPlayer sounds;
  MainWindow window(sounds);
  window.show();
  application.exec();
  Shell::ResetBoardAtExit();
  return 0;
}
