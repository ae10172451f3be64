// The benchmark program with the front end: the game's work and whole frames through the Qt
// surface. Frames are painted on Qt's offscreen platform unless another is chosen, so the run
// needs no display and measures composition, not a window system.

#include <QApplication>

#include "bench/runner.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  return RunBenchmarks(argc, argv);
}
