// The desktop's request for high contrast, as the frames of the board and the score panel follow
// it.
#pragma once

#include <QObject>

class QEvent;
class QWidget;
typedef struct _GSettings GSettings;

// Follows GNOME's high-contrast setting: read when the window is made, before its first frame, and
// followed while the game runs, as are the desktop palette's colours, which Qt hands the
// application again whenever they change. With high contrast on, the frames are drawn in the
// desktop palette's colours where that palette is itself one of high contrast, and black on white
// where it is not; with it off, or on a desktop without GNOME's settings (whose library ends a
// program that opens settings it does not know, so they are looked up first), in the game's own
// colours. Each change repaints the board.
class DesktopContrast : public QObject {
 public:
  explicit DesktopContrast(QWidget& board);
  ~DesktopContrast() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply();

  QWidget& board;
  GSettings* settings = nullptr;
};
