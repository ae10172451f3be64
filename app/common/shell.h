/* The game's window as every front end shows it: its title, menu, About box and new-game question,
   where the window opens and the size rule's panel width. Plain macros in UTF-8, so that the
   Windows resource script reads them as well as the C++ code does. */
#pragma once

#include "app/common/identity.h"

#define KORDAVELMIX_TITLE "Kordavelmix"
/* What the game is, in a sentence: for the web page's description and its app's. */
#define KORDAVELMIX_DESCRIPTION "Шашки против компьютера на доске 8 × 8"

#define KORDAVELMIX_MENU_GAME "&Игра"
#define KORDAVELMIX_MENU_NEW_GAME "Новая игра"
#define KORDAVELMIX_MENU_EXIT "Вы&ход"
#define KORDAVELMIX_MENU_HELP "&Справка"
#define KORDAVELMIX_MENU_ABOUT "&О программе..."

#define KORDAVELMIX_NEW_GAME_QUESTION "Вы хотите начать новую игру?"
#define KORDAVELMIX_NEW_GAME_CAPTION "Новая игра"
/* The question's buttons, where the platform does not name them itself (Windows does). */
#define KORDAVELMIX_YES "Да"
#define KORDAVELMIX_NO "Нет"

/* What the page shows once Exit has ended the game in a browser tab that it cannot close. */
#define KORDAVELMIX_EXITED "Игра завершена."
#define KORDAVELMIX_PLAY_AGAIN "Играть снова"

/* The About box and its controls' places in dialog units: x, y, width, height. */
#define KORDAVELMIX_ABOUT_CAPTION "О программе Kordavelmix"
#define KORDAVELMIX_ABOUT_VERSION "Игра Kordavelmix, Версия " KORDAVELMIX_VERSION
#define KORDAVELMIX_ABOUT_COPYRIGHT "© 2026 Команда Kordavelmix"
#define KORDAVELMIX_OK "ОК"
/* What a dialog's close box is called, where the page draws one. */
#define KORDAVELMIX_CLOSE "Закрыть"
#define KORDAVELMIX_ABOUT_WIDTH 170
#define KORDAVELMIX_ABOUT_HEIGHT 62
#define KORDAVELMIX_ABOUT_ICON_RECT 14, 14, 20, 20
#define KORDAVELMIX_ABOUT_VERSION_RECT 42, 14, 114, 8
#define KORDAVELMIX_ABOUT_COPYRIGHT_RECT 42, 26, 114, 8
#define KORDAVELMIX_ABOUT_OK_RECT 113, 41, 50, 14

#ifndef RC_INVOKED
namespace Shell {

// The board's side before the first size change, and where the window's outer frame opens.
inline constexpr int kInitialBoard = 500;
inline constexpr int kInitialX = 50;
inline constexpr int kInitialY = 50;
// The narrowest score panel the size rule allows right of the board.
inline constexpr int kMinPanelWidth = 350;

// A place in the About box in dialog units: x, y, width, height.
struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

// The About box's controls, for the front ends that lay it out themselves (Windows reads the
// macros above in its resource script).
inline constexpr DialogRect kAboutIconRect{KORDAVELMIX_ABOUT_ICON_RECT};
inline constexpr DialogRect kAboutVersionRect{KORDAVELMIX_ABOUT_VERSION_RECT};
inline constexpr DialogRect kAboutCopyrightRect{KORDAVELMIX_ABOUT_COPYRIGHT_RECT};
inline constexpr DialogRect kAboutOkRect{KORDAVELMIX_ABOUT_OK_RECT};

}  // namespace Shell
#endif
