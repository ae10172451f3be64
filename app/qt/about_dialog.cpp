#include "app/qt/about_dialog.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

#include "app/common/shell.h"

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromUtf8(KORDAVELMIX_ABOUT_CAPTION));

  const QFontMetricsF metrics(font());
  const Shell::DialogUnits units = Shell::MeasuredDialogUnits(
      metrics.horizontalAdvance(QLatin1String(Shell::kDialogLetters)), metrics.height());
  const auto toPixels = [&](const Shell::DialogRect& rect) {
    const Shell::DialogRect pixels = Shell::ToPixels(rect, units);
    return QRect(pixels.x, pixels.y, pixels.width, pixels.height);
  };

  auto* icon = new QLabel(this);
  icon->setGeometry(toPixels(Shell::kAboutIconRect));

  auto* version = new QLabel(QString::fromUtf8(KORDAVELMIX_ABOUT_VERSION), this);
  version->setTextFormat(Qt::PlainText);
  version->setGeometry(toPixels(Shell::kAboutVersionRect));

  auto* copyright = new QLabel(QString::fromUtf8(KORDAVELMIX_ABOUT_COPYRIGHT), this);
  copyright->setTextFormat(Qt::PlainText);
  copyright->setGeometry(toPixels(Shell::kAboutCopyrightRect));

  auto* ok = new QPushButton(QString::fromUtf8(KORDAVELMIX_OK), this);
  ok->setGeometry(toPixels(Shell::kAboutOkRect));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(toPixels({0, 0, KORDAVELMIX_ABOUT_WIDTH, KORDAVELMIX_ABOUT_HEIGHT}).size());
}
