#include "app/qt/about_dialog.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

#include "app/common/shell.h"

namespace {

// A rectangle in dialog units: x, y, width, height.
struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

constexpr DialogRect kIconRect{KORDAVELMIX_ABOUT_ICON_RECT};
constexpr DialogRect kVersionRect{KORDAVELMIX_ABOUT_VERSION_RECT};
constexpr DialogRect kCopyrightRect{KORDAVELMIX_ABOUT_COPYRIGHT_RECT};
constexpr DialogRect kOkRect{KORDAVELMIX_ABOUT_OK_RECT};

// The average character width is measured over the 52 Latin letters, as dialog units are defined.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromUtf8(KORDAVELMIX_ABOUT_CAPTION));

  const QFontMetricsF metrics(font());
  const qreal unitX = metrics.horizontalAdvance(QLatin1String(kAlphabet)) / kAlphabetLength / 4;
  const qreal unitY = metrics.height() / 8;
  const auto toPixels = [&](const DialogRect& r) {
    return QRect(qRound(r.x * unitX), qRound(r.y * unitY), qRound(r.width * unitX),
                 qRound(r.height * unitY));
  };

  auto* icon = new QLabel(this);
  icon->setGeometry(toPixels(kIconRect));

  auto* version = new QLabel(QString::fromUtf8(KORDAVELMIX_ABOUT_VERSION), this);
  version->setTextFormat(Qt::PlainText);
  version->setGeometry(toPixels(kVersionRect));

  auto* copyright = new QLabel(QString::fromUtf8(KORDAVELMIX_ABOUT_COPYRIGHT), this);
  copyright->setTextFormat(Qt::PlainText);
  copyright->setGeometry(toPixels(kCopyrightRect));

  auto* ok = new QPushButton(QString::fromUtf8(KORDAVELMIX_OK), this);
  ok->setGeometry(toPixels(kOkRect));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(qRound(KORDAVELMIX_ABOUT_WIDTH * unitX), qRound(KORDAVELMIX_ABOUT_HEIGHT * unitY));
}
