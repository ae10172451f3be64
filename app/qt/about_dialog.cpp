#include "app/qt/about_dialog.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

#include "app/common/shell.h"

namespace {

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
  const auto toPixels = [&](const Shell::DialogRect& r) {
    return QRect(qRound(r.x * unitX), qRound(r.y * unitY), qRound(r.width * unitX),
                 qRound(r.height * unitY));
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

  setFixedSize(qRound(KORDAVELMIX_ABOUT_WIDTH * unitX), qRound(KORDAVELMIX_ABOUT_HEIGHT * unitY));
}
