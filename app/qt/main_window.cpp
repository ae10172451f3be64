#include "app/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "app/common/shell.h"
#include "app/qt/about_dialog.h"
#include "app/qt/accessibility.h"
#include "app/qt/board_widget.h"
#include "game/board.h"
#include "render/paint.h"

namespace {

constexpr char kIcon[] = ":/kordavelmix.png";

using Shell::kInitialBoard;
using Shell::kMinPanelWidth;
constexpr QPoint kInitialPosition{Shell::kInitialX, Shell::kInitialY};

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace

MainWindow::MainWindow(SoundPlayer& sounds)
    : board(new BoardWidget(input, this)),
      notice(new TurnNotice(this)),
      teller(*notice),
      frontend(*this, *board, sounds, teller),
      announcer(*board, input),
      contrast(*board) {
  setWindowTitle(Text(KORDAVELMIX_TITLE));
  setWindowIcon(QIcon(QString::fromLatin1(kIcon)));
  BuildMenu();
  setCentralWidget(board);
  board->onResized = [this](int width, int height) { ApplySizeRule(width, height); };
  board->onPainted = [this] { announcer.Update(); };
  board->onFocused = [this] { announcer.FocusCursor(); };

  boardWidth = kInitialBoard;
  boardHeight = kInitialBoard;
  // Outer size: without a window manager the window has no frame and gets exactly this; with one,
  // the frame is corrected once its margins are known.
  move(kInitialPosition);
  resize(kInitialBoard + kMinPanelWidth, kInitialBoard);
  board->setFocus();
  SetFrontend(&frontend);
}

// The board widget goes first: as a child of the window it would otherwise outlive the input and
// the announcer it uses.
MainWindow::~MainWindow() {
  SetFrontend(nullptr);
  delete board;
}

void MainWindow::BuildMenu() {
  QMenu* game = menuBar()->addMenu(Text(KORDAVELMIX_MENU_GAME));
  QAction* newGame = game->addAction(Text(KORDAVELMIX_MENU_NEW_GAME), this, [this] { NewGame(); });
  newGame->setObjectName(QStringLiteral("newGameAction"));
  game->addSeparator();
  QAction* exit = game->addAction(Text(KORDAVELMIX_MENU_EXIT), this, [this] { Exit(); });
  exit->setObjectName(QStringLiteral("exitAction"));

  QMenu* help = menuBar()->addMenu(Text(KORDAVELMIX_MENU_HELP));
  QAction* about = help->addAction(Text(KORDAVELMIX_MENU_ABOUT), this, [this] { About(); });
  about->setObjectName(QStringLiteral("aboutAction"));
  QList<QKeySequence> aboutKeys;
  for (const char key : Shell::kAboutKeys) {
    aboutKeys.append(QKeySequence(QKeyCombination(Qt::ALT, Qt::Key(key))));
  }
  about->setShortcuts(aboutKeys);
}

void MainWindow::ApplySizeRule(int width, int height) {
  // Resizing the window from inside the layout's own resize would nest one layout pass in
  // another, so the correction runs once the current one has finished, on the size as it is then.
  if (width >= height + kMinPanelWidth || sizeRulePending) {
    return;
  }
  sizeRulePending = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        sizeRulePending = false;
        const int clientHeight = board->height();
        if (board->width() < clientHeight + kMinPanelWidth) {
          ResizeFrame(clientHeight + kMinPanelWidth, clientHeight);
        }
      },
      Qt::QueuedConnection);
}

void MainWindow::ResizeFrame(int outerWidth, int outerHeight) {
  const QSize frame = frameGeometry().size() - geometry().size();
  resize(outerWidth - frame.width(), outerHeight - frame.height());
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (!framePlaced && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
    PlaceFrame();
  }
  return handled;
}

void MainWindow::PlaceFrame() {
  // A window manager adds its frame after the window is shown; only then can the outer size be
  // set. Without one the window has no frame and is already where it belongs.
  if (frameGeometry().size() == geometry().size()) {
    return;
  }
  framePlaced = true;
  ResizeFrame(kInitialBoard + kMinPanelWidth, kInitialBoard);
  move(kInitialPosition);
}

void MainWindow::NewGame() {
  QMessageBox question(QMessageBox::Question, Text(KORDAVELMIX_NEW_GAME_CAPTION),
                       Text(KORDAVELMIX_NEW_GAME_QUESTION), QMessageBox::Yes | QMessageBox::No,
                       this);
  question.button(QMessageBox::Yes)->setText(Text(KORDAVELMIX_YES));
  question.button(QMessageBox::No)->setText(Text(KORDAVELMIX_NO));
  if (RunModal(question, *this) == QMessageBox::Yes) {
    StartNewGame();
    input.NewGame();
  }
  RequestRepaint();
}

void MainWindow::About() {
  AboutDialog about(this);
  RunModal(about, *this);
}

void MainWindow::Exit() {
  close();
  QApplication::quit();
}
