#include <QApplication>

#include "app/qt/main_window.h"
#include "app/qt/sound_player.h"
#include "game/board.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CanberraSoundPlayer sounds;
  MainWindow window(sounds);
  window.show();
  application.exec();
  StartNewGame();
  return 0;
}
