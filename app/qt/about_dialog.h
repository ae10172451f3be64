// The About box of the Help menu.
#pragma once

#include <QDialog>

// The program's name, version and copyright under an icon area that shows no image, with one
// default "ОК" button; Enter, Esc and the close box close it. Laid out in dialog units (a quarter
// of the dialog font's average character width, an eighth of its height), so it keeps its
// proportions with any font.
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};
