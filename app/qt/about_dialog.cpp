#include "app/qt/about_dialog.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr char kCaption[] = "О программе Kordavelmix";
constexpr char kVersion[] = "Игра Kordavelmix, Версия " KORDAVELMIX_VERSION;
constexpr char kCopyright[] = "© 2026 Команда Kordavelmix";
constexpr char kOk[] = "ОК";

// A rectangle in dialog units: x, y, width, height.
struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

constexpr DialogRect kIconRect{14, 14, 20, 20};
constexpr DialogRect kVersionRect{42, 14, 114, 8};
constexpr DialogRect kCopyrightRect{42, 26, 114, 8};
constexpr DialogRect kOkRect{113, 41, 50, 14};
constexpr int kDialogWidth = 170;
constexpr int kDialogHeight = 62;

// The average character width is measured over the 52 Latin letters, as dialog units are defined.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromUtf8(kCaption));

  const QFontMetricsF metrics(font());
  const qreal unitX = metrics.horizontalAdvance(QLatin1String(kAlphabet)) / kAlphabetLength / 4;
  const qreal unitY = metrics.height() / 8;
  const auto toPixels = [&](const DialogRect& r) {
    return QRect(qRound(r.x * unitX), qRound(r.y * unitY), qRound(r.width * unitX),
                 qRound(r.height * unitY));
  };

  auto* icon = new QLabel(this);
  icon->setGeometry(toPixels(kIconRect));

  auto* version = new QLabel(QString::fromUtf8(kVersion), this);
  version->setTextFormat(Qt::PlainText);
  version->setGeometry(toPixels(kVersionRect));

  auto* copyright = new QLabel(QString::fromUtf8(kCopyright), this);
  copyright->setTextFormat(Qt::PlainText);
  copyright->setGeometry(toPixels(kCopyrightRect));

  auto* ok = new QPushButton(QString::fromUtf8(kOk), this);
  ok->setGeometry(toPixels(kOkRect));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(qRound(kDialogWidth * unitX), qRound(kDialogHeight * unitY));
}
