// The main window's client area: the board and the score panel are painted here, and the mouse
// events and the board's keys here drive the game.
#pragma once

#include <QWidget>
#include <functional>

#include "app/qt/piece_images.h"

class BoardInput;

// Paints every frame through the game's paint routine, with the keyboard cursor framed while the
// keys are in use; hands the left button, every mouse move, the board's keys (the arrows, Enter,
// Space, Esc) and its focus to the board's input; and keeps the window metrics equal to its size:
// the board as high as the client area, the panel taking the rest. The whole widget is painted
// every time, so Qt never needs to erase it first. It keeps the decoded piece images from frame to
// frame, for as long as their files stay unchanged.
class BoardWidget : public QWidget {
 public:
  explicit BoardWidget(BoardInput& input, QWidget* parent = nullptr);

  BoardInput& Input() const { return input_; }

  // Called after the metrics have followed a size change, with the new client size.
  std::function<void(int width, int height)> onResized;
  // Called after every frame.
  std::function<void()> onPainted;
  // Called once the board has gained the focus and the window's own activation and focus have been
  // told, so that a screen reader can be sent to the cursor's square rather than the board.
  std::function<void()> onFocused;

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
  BoardInput& input_;
};
