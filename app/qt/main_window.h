// The game's one window.
#pragma once

#include <QMainWindow>

#include "app/common/access.h"
#include "app/qt/frontend.h"

class BoardWidget;
class SoundPlayer;
class TurnNotice;

// Wires the game to Qt: the board widget as the client area, the menu with New game, Exit and
// About (also Alt+"?" and Alt+"/"), the window's place and size at start, and the size rule that
// keeps a panel at least 350 pixels wide right of a square board as high as the client area. It
// installs the access model, in front of its own seam, as the game's front end for its lifetime:
// the board's keys and the pointer go through it, and the turn's words go to a notification.
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
  BoardWidget* board;
  QtFrontend frontend;
  TurnNotice* notice;
  AccessModel access;
};
