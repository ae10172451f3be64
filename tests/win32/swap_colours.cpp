// Changes the system's colours as turning on a contrast theme does, for the end-to-end test of the
// Windows program: the window's background and its text trade colours. SetSysColors tells every
// top-level window with WM_SYSCOLORCHANGE. Wine 8 cannot turn high contrast itself on, so the
// colours are all that changes; the exit status is 0 when they changed.

#include <windows.h>

int main() {
  const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
  const COLORREF traded[] = {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
  return SetSysColors(2, elements, traded) != FALSE ? 0 : 1;
}
