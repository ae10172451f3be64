#include "app/win32/about_dialog.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND: {
      const WORD command = LOWORD(wParam);
      if (command == IDOK || command == IDCANCEL) {
        EndDialog(dialog, command);
        return TRUE;
      }
      break;
    }
    default:
      break;
  }
  return FALSE;
}
