// The game's one window.
#pragma once

#include <QMainWindow>

#include "app/common/board_input.h"
#include "app/common/turn_words.h"
#include "app/qt/accessibility.h"
#include "app/qt/contrast.h"
#include "app/qt/frontend.h"

class BoardWidget;
class SoundPlayer;

// Wires the game to Qt: the board widget as the client area, the menu with New game, Exit and
// About (also Alt+"?" and Alt+"/"), the window's place and size at start, and the size rule that
// keeps a panel at least 350 pixels wide right of a square board as high as the client area. It
// wires the game's pieces together and installs its seam for its lifetime: the board widget's
// pointer and keys go to the board's input, each turn's record to the teller of turns, whose words
// go to a notification, every frame to the announcer that keeps assistive technology told of the
// board, and the desktop's contrast to the colours the board is drawn in.
class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(SoundPlayer& sounds);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

 protected:
  bool event(QEvent* event) override;

 private:
  void BuildMenu();
  void ApplySizeRule(int width, int height);
  void ResizeFrame(int outerWidth, int outerHeight);
  void PlaceFrame();
  void NewGame();
  void About();
  void Exit();

  // The flags come first: creating the board widget already sends the window events that read
  // them.
  bool framePlaced = false;
  bool sizeRulePending = false;
  BoardInput input;
  BoardWidget* board;
  TurnNotice* notice;
  TurnTeller teller;
  QtFrontend frontend;
  BoardAnnouncer announcer;
  DesktopContrast contrast;
};
