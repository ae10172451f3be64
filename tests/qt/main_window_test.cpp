// The real main window driven as a player would: QTest mouse events through the window (which,
// like a real pointer, keep the implicit grab), at square centres computed from the geometry the
// last frame stored in theBoard, with a recording sound player in place of the audio system.

#include "app/qt/main_window.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "ai/cpu_player.h"
#include "app/qt/sound_player.h"
#include "game/board.h"
#include "render/appearance.h"
#include "render/paint.h"
#include "render/palette.h"
#include "tests/qt/process.h"
#include "tests/support/position.h"

namespace {

class RecordingSounds : public SoundPlayer {
 public:
  void Play(Sound sound) override { played.push_back(sound); }

  std::vector<Sound> played;
};

// What a modal dialog showed, noted just before it was closed.
struct SeenDialog {
  bool seen = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QWidget* owner = nullptr;
  bool modal = false;
};

// Closes the next modal dialog as soon as it is open, noting what it showed. It must be started
// before the action that opens the dialog, since that action returns only once it is closed.
void CloseNextDialog(SeenDialog& seen, std::function<void(QWidget&)> close,
                     std::function<void(QWidget&)> whileOpen = {}) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, &seen, close, whileOpen] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) {
      return;
    }
    timer->stop();
    timer->deleteLater();
    seen.seen = true;
    seen.title = dialog->windowTitle();
    seen.owner = dialog->parentWidget();
    seen.modal = dialog->isModal();
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      seen.text = box->text();
      seen.icon = box->icon();
    }
    if (whileOpen) {
      whileOpen(*dialog);
    }
    close(*dialog);
  });
  timer->start();
}

void PressKey(QWidget& dialog, Qt::Key key) {
  QTest::keyClick(&dialog, key);
}

void ClickButton(QWidget& dialog, QMessageBox::StandardButton button) {
  qobject_cast<QMessageBox*>(&dialog)->button(button)->click();
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixel(x, y) == colour ? 1 : 0;
    }
  }
  return count;
}

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    StartNewGame();
    theCpuPlayer.shownSteps = 0;
    newGame = Describe(theBoard);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    board = window.centralWidget();
    // The first frame stores the board geometry that the square centres below are computed from.
    board->repaint();
    ASSERT_GT(theBoard.cellSize, 0);
  }

  QPoint SquareCentre(int row, int col) const {
    const int cell = theBoard.cellSize;
    return board->mapTo(&window, QPoint(theBoard.originX + col * cell + cell / 2,
                                        theBoard.originY + row * cell + cell / 2));
  }

  void Drag(QPoint from, QPoint to) {
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseMove(handle, (from + to) / 2);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
  }

  void Click(QPoint at) { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at); }

  QImage Frame() const { return board->grab().toImage(); }

  QAction& Action(const char* name) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return *action;
  }

  RecordingSounds sounds;
  MainWindow window{sounds};
  QWidget* board = nullptr;
  std::string newGame;
};

TEST_F(MainWindowTest, OpensAtItsPlaceWithItsMenuAndTheBoardAsHighAsTheClientArea) {
  EXPECT_EQ(window.frameGeometry(), QRect(50, 50, 850, 500));
  EXPECT_EQ(window.windowTitle(), Text("Kordavelmix"));
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(clientWidth, board->width());
  EXPECT_EQ(boardHeight, board->height());
  EXPECT_EQ(boardWidth, board->height());
  EXPECT_EQ(theBoard.cellSize, board->height() / 8);

  std::vector<QString> menus;
  for (QAction* menu : window.menuBar()->actions()) {
    menus.push_back(menu->text());
    for (QAction* item : menu->menu()->actions()) {
      menus.push_back(item->isSeparator() ? QStringLiteral("-") : item->text());
    }
  }
  EXPECT_EQ(menus,
            (std::vector<QString>{Text("&Игра"), Text("Новая игра"), QStringLiteral("-"),
                                  Text("Вы&ход"), Text("&Справка"), Text("&О программе...")}));
}

TEST_F(MainWindowTest, FrameShowsSquaresPanelScoreAndThePathOverThePieces) {
  theCpuPlayer.stepCount = 1;
  theCpuPlayer.shownSteps = 1;
  theCpuPlayer.steps[0] = MoveStep{2, 1, 3, 2};
  const QImage frame = Frame();
  const int cell = theBoard.cellSize;
  const auto corner = [cell](int row, int col) { return QPoint(col * cell + 2, row * cell + 2); };
  const auto centre = [cell](int row, int col) {
    return QPoint(col * cell + cell / 2, row * cell + cell / 2);
  };

  EXPECT_EQ(frame.pixel(corner(0, 0)), Colour::White);
  EXPECT_EQ(frame.pixel(corner(3, 0)), Colour::Dark);
  EXPECT_EQ(frame.pixel(corner(4, 1)), Colour::Dark);
  EXPECT_EQ(frame.pixel(boardWidth + 5, frame.height() - 5), Colour::Panel);
  EXPECT_EQ(frame.pixel(frame.width() - 1, frame.height() / 2), Colour::Panel);
  EXPECT_GT(CountPixels(frame, Colour::Heading), 0);
  EXPECT_GT(CountPixels(frame, Colour::Count), 0);
  // The computer's man on row 2, column 1 lies under the start of the path.
  EXPECT_EQ(frame.pixel(centre(2, 1)), Colour::Path);
  EXPECT_NE(frame.pixel(centre(2, 3)), Colour::Path);
}

TEST_F(MainWindowTest, LegalMoveIsAnsweredAndThePathShownUntilTheNextPress) {
  const std::string cpuBefore = Describe(theBoard.cpu);
  Drag(SquareCentre(5, 0), SquareCentre(4, 1));

  EXPECT_TRUE(IsOccupied(theBoard.player, 4, 1));
  EXPECT_FALSE(IsOccupied(theBoard.player, 5, 0));
  EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::Asterisk});
  EXPECT_NE(Describe(theBoard.cpu), cpuBefore);
  EXPECT_GT(theCpuPlayer.shownSteps, 0);
  EXPECT_GT(CountPixels(Frame(), Colour::Path), 0);

  // A press on an empty square picks up nothing but hides the path.
  Click(SquareCentre(4, 3));
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
  EXPECT_EQ(CountPixels(Frame(), Colour::Path), 0);
}

TEST_F(MainWindowTest, RefusedMoveSoundsAndChangesNothing) {
  Drag(SquareCentre(5, 0), SquareCentre(4, 0));
  EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::Exclamation});
  EXPECT_EQ(Describe(theBoard), newGame);
  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
}

// The button let go outside the window still ends the drag: the release arrives under the
// implicit grab with a negative x, is packed as an unsigned 16-bit coordinate far right of the
// board, and is refused as a drop off the board.
TEST_F(MainWindowTest, ReleaseOutsideTheWindowReturnsThePiece) {
  const QPoint from = SquareCentre(5, 0);
  const QPoint outside(-10, from.y());
  QWindow* handle = window.windowHandle();
  QTest::mousePress(handle, Qt::LeftButton, {}, from);
  QTest::mouseMove(handle, outside);
  EXPECT_GE(theBoard.mouseX, 0);
  QTest::mouseRelease(handle, Qt::LeftButton, {}, outside);

  EXPECT_EQ(theBoard.dragState, Idle);
  EXPECT_EQ(Describe(theBoard), newGame);
  EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::Exclamation});
}

// The box is modal to the main window: while it is open, a press on one of the player's pieces
// does not reach the game, so no second turn can start inside the first.
TEST_F(MainWindowTest, QuietMoveWhileACaptureIsDueIsExplainedInABox) {
  SetPosition(theBoard, "w5,0 w5,4 b4,1 b0,7");
  board->repaint();
  const std::string position = Describe(theBoard);

  SeenDialog seen;
  bool pressReachedGame = true;
  CloseNextDialog(
      seen, [](QWidget& dialog) { PressKey(dialog, Qt::Key_Return); },
      [&](QWidget&) {
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, SquareCentre(5, 0));
        pressReachedGame = theBoard.dragState == Dragging;
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, SquareCentre(5, 0));
      });
  Drag(SquareCentre(5, 4), SquareCentre(4, 5));

  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.title, Text("Ошибка"));
  EXPECT_EQ(seen.text, Text("Неверный ход.\nВы должны бить шашку противника."));
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.owner, &window);
  EXPECT_TRUE(seen.modal);
  EXPECT_FALSE(pressReachedGame);
  EXPECT_EQ(Describe(theBoard), position);
  EXPECT_EQ(theCpuPlayer.shownSteps, 0);
}

struct NewGameCase {
  const char* name;
  QMessageBox::StandardButton answer;
  bool resets;
};

class NewGameTest : public MainWindowTest, public testing::WithParamInterface<NewGameCase> {};

TEST_P(NewGameTest, AsksFirstAndResetsOnlyOnYes) {
  Drag(SquareCentre(5, 0), SquareCentre(4, 1));
  const std::string played = Describe(theBoard);
  ASSERT_NE(played, newGame);

  SeenDialog seen;
  CloseNextDialog(seen, [](QWidget& dialog) { ClickButton(dialog, GetParam().answer); });
  Action("newGameAction").trigger();

  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.title, Text("Новая игра"));
  EXPECT_EQ(seen.text, Text("Вы хотите начать новую игру?"));
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.owner, &window);
  EXPECT_EQ(Describe(theBoard), GetParam().resets ? newGame : played);
}

INSTANTIATE_TEST_SUITE_P(Answers, NewGameTest,
                         testing::Values(NewGameCase{"Yes", QMessageBox::Yes, true},
                                         NewGameCase{"No", QMessageBox::No, false}),
                         [](const auto& param) { return std::string(param.param.name); });

// Each shortcut opens the About box, each way of closing it closes it, and the window's shortcuts
// keep working after it has closed.
TEST_F(MainWindowTest, AboutOpensFromItsShortcutsAndClosesEveryWay) {
  struct Case {
    char key;
    std::function<void(QWidget&)> close;
  };
  const Case cases[] = {
      {'/', [](QWidget& dialog) { PressKey(dialog, Qt::Key_Return); }},
      {'?', [](QWidget& dialog) { PressKey(dialog, Qt::Key_Escape); }},
      {'/', [](QWidget& dialog) { dialog.close(); }},
  };
  window.activateWindow();
  for (const Case& c : cases) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    SeenDialog seen;
    CloseNextDialog(seen, c.close);
    QTest::keyClick(window.windowHandle(), c.key, Qt::AltModifier);
    ASSERT_TRUE(seen.seen) << "Alt+" << c.key;
    EXPECT_EQ(seen.title, Text("О программе Kordavelmix"));
    EXPECT_EQ(seen.owner, &window);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

TEST_F(MainWindowTest, AboutShowsNameVersionAndCopyrightWithADefaultOkButton) {
  QStringList labels;
  QString button;
  bool isDefault = false;
  SeenDialog seen;
  CloseNextDialog(
      seen, [](QWidget& dialog) { PressKey(dialog, Qt::Key_Return); },
      [&](QWidget& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
          labels << label->text();
        }
        const auto* ok = dialog.findChild<QPushButton*>();
        button = ok->text();
        isDefault = ok->isDefault();
      });
  Action("aboutAction").trigger();

  ASSERT_TRUE(seen.seen);
  EXPECT_TRUE(labels.contains(Text("Игра Kordavelmix, Версия 1.0")));
  EXPECT_TRUE(labels.contains(QString()));  // the icon area, which shows no image
  EXPECT_EQ(labels.filter(Text("©")).size(), 1);
  EXPECT_EQ(button, Text("ОК"));
  EXPECT_TRUE(isDefault);
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
  Action("exitAction").trigger();
  EXPECT_FALSE(window.isVisible());
}

struct SizeCase {
  const char* name;
  QSize requested;
};

class SizeRuleTest : public MainWindowTest, public testing::WithParamInterface<SizeCase> {};

// A client area less than 350 pixels wider than high snaps back: the outer width becomes the
// client height + 350 and the outer height the former client height.
TEST_P(SizeRuleTest, KeepsAPanelAtLeast350PixelsWide) {
  const int menuBar = window.height() - board->height();
  window.resize(GetParam().requested);
  const int clientHeight = GetParam().requested.height() - menuBar;
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().height() == clientHeight; }));
  EXPECT_EQ(window.frameGeometry().size(), QSize(clientHeight + 350, clientHeight));
  EXPECT_GE(board->width(), board->height() + 350);
  EXPECT_EQ(clientWidth, board->width());
  EXPECT_EQ(boardWidth, board->height());
  EXPECT_EQ(boardHeight, board->height());
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeRuleTest,
                         testing::Values(SizeCase{"Narrower", QSize(600, 600)},
                                         SizeCase{"Taller", QSize(850, 700)}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindowTest, WideEnoughSizeIsKept) {
  window.resize(1000, 400);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(1000, 400); }));
  QTest::qWait(20);
  EXPECT_EQ(window.size(), QSize(1000, 400));
  EXPECT_EQ(clientWidth, 1000);
  EXPECT_EQ(boardHeight, board->height());
}

// Every frame reads the piece images afresh and makes its own off-screen image: a long drag must
// not leave anything open behind.
TEST_F(MainWindowTest, RepeatedPaintsHoldNoResources) {
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, SquareCentre(5, 0));
  ASSERT_EQ(theBoard.dragState, Dragging);
  board->repaint();
  const int before = OpenFileDescriptors();
  for (int i = 0; i < 200; ++i) {
    QTest::mouseMove(window.windowHandle(), SquareCentre(5, 0) + QPoint(i % 7, i % 5));
    board->repaint();
  }
  EXPECT_EQ(OpenFileDescriptors(), before);
}

// With GNOME's high contrast on, the frame follows the desktop palette as Qt hands it over again:
// the colours of one of high contrast, black on white instead of one of low contrast; with it off,
// the game's own colours.
TEST_F(MainWindowTest, HighContrastFollowsTheDesktopPalette) {
  GSettings* settings = g_settings_new(KORDAVELMIX_CONTRAST_SCHEMA);
  g_settings_set_boolean(settings, KORDAVELMIX_CONTRAST_KEY, TRUE);
  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(QPalette(Qt::white, Qt::black));
  EXPECT_EQ(CurrentPalette().lightSquare,
            QApplication::palette().color(QPalette::WindowText).rgb());
  QApplication::setPalette(QPalette(Qt::gray, Qt::darkGray));
  EXPECT_EQ(CurrentPalette().lightSquare, kBlackOnWhite.windowText);
  QApplication::setPalette(desktop);
  g_settings_reset(settings, KORDAVELMIX_CONTRAST_KEY);
  g_object_unref(settings);
  EXPECT_EQ(CurrentPalette().lightSquare, kGamePalette.lightSquare);
}

}  // namespace
