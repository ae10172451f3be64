// The About box of the Help menu, built from the dialog resource.
#pragma once

#include <windows.h>

// The dialog procedure of the About box: the default focus on opening, and the dialog ends with
// the command that closes it: "ОК" or Enter (IDOK), Esc or the close box (IDCANCEL).
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
