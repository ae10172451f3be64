#include "app/qt/frontend.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "app/common/shell.h"
#include "app/common/turn_words.h"
#include "app/qt/sound_player.h"

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int RunModal(QDialog& dialog, QWidget& owner) {
  const int result = dialog.exec();
  owner.activateWindow();
  return result;
}

QtFrontend::QtFrontend(QWidget& ownerWindow, QWidget& boardWidget, SoundPlayer& player,
                       TurnTeller& turnTeller)
    : owner(ownerWindow), board(boardWidget), sounds(player), teller(turnTeller) {}

void QtFrontend::PlaySound(Sound sound) {
  sounds.Play(sound);
}

void QtFrontend::ShowMessage(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok, &owner);
  // The OK button in Cyrillic letters, like the rest of the window.
  box.button(QMessageBox::Ok)->setText(QString::fromUtf8(KORDAVELMIX_OK));
  RunModal(box, owner);
}

void QtFrontend::RequestRepaint() {
  board.update();
}

void QtFrontend::TellTurn(const TurnRecord& turn) {
  teller.Tell(turn);
}
