// The main window's client area: the board and the score panel are painted here, and the mouse
// events here drive the game.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/qt/piece_images.h"

class AccessModel;
class BoardAnnouncer;

// Paints every frame through the game's paint routine, hands the left button and every mouse move
// to the turn controller in client coordinates, and keeps the window metrics equal to its size:
// the board as high as the client area, the panel taking the rest. The whole widget is painted
// every time, so Qt never needs to erase it first. It keeps the decoded piece images from frame to
// frame, for as long as their files stay unchanged.
//
// With an access model, the pointer goes through it, the widget takes the keyboard's focus and the
// board's keys (the arrows, Enter, Space, Esc), frames the keyboard cursor while the keys are in
// use, and keeps assistive technology told of the board after every frame.
class BoardWidget : public QWidget {
 public:
  explicit BoardWidget(QWidget* parent = nullptr);
  ~BoardWidget() override;

  void SetAccess(AccessModel* access);
  AccessModel* Access() const { return access; }

  // Called after the metrics have followed a size change, with the new client size.
  std::function<void(int width, int height)> onResized;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  PieceImageCache images;
  AccessModel* access = nullptr;
  std::unique_ptr<BoardAnnouncer> announcer;
};
