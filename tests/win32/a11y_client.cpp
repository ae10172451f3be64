// A small accessibility client, run under Wine beside the game as a screen reader would be: it
// reads the game's client area through AccessibleObjectFromWindow, then listens with an
// out-of-context WinEvent hook and writes one line for each thing a screen reader would speak, in
// UTF-8, until the «Ошибка» box opens (or a minute has passed):
//
//   table <name> <children>     the client area's object, its role a table
//   cell <n> <name>             the 64 cells at the start, row by row from a8
//   line <name>                 the score panel's lines
//   ready                       the hook listens
//   focus <name>                EVENT_OBJECT_FOCUS on a cell
//   selected <name>             EVENT_OBJECT_SELECTION on a cell
//   live <name>                 EVENT_OBJECT_LIVEREGIONCHANGED, with the live region's name
//   dialog <title>              the «Ошибка» box, found among the windows (Wine 8 sends no WinEvent
//                               for a message box's window or its button's focus)
//
// Names are read from the object each event names (AccessibleObjectFromEvent), as a screen
// reader reads them. The end-to-end script sends the keys and checks the lines.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
// After windows.h, which it builds on.
#include <oleacc.h>

namespace {

constexpr wchar_t kWindowClass[] = L"KORDAVELMIX";
constexpr wchar_t kErrorCaption[] = L"Ошибка";
constexpr DWORD kTimeoutMs = 60000;

bool done = false;

void Print(const char* kind, const std::wstring& text) {
  std::string utf8(
      static_cast<std::size_t>(WideCharToMultiByte(
          CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr)),
      '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                      static_cast<int>(utf8.size()), nullptr, nullptr);
  std::printf("%s %s\n", kind, utf8.c_str());
  std::fflush(stdout);
}

std::wstring Name(IAccessible* object, LONG child) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(object->get_accName(id, &name)) && name != nullptr) {
    text.assign(name, SysStringLen(name));
  }
  SysFreeString(name);
  return text;
}

LONG Role(IAccessible* object, LONG child) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  VARIANT role;
  VariantInit(&role);
  return SUCCEEDED(object->get_accRole(id, &role)) && role.vt == VT_I4 ? role.lVal : 0;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                      DWORD) {
  if (object != OBJID_CLIENT || child <= CHILDID_SELF) {
    return;
  }
  IAccessible* accessible = nullptr;
  VARIANT id;
  VariantInit(&id);
  if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                       static_cast<DWORD>(child), &accessible, &id)) ||
      accessible == nullptr) {
    return;
  }
  const LONG which = id.vt == VT_I4 ? id.lVal : child;
  const std::wstring name = Name(accessible, which);
  switch (event) {
    case EVENT_OBJECT_FOCUS:
      Print("focus", name);
      break;
    case EVENT_OBJECT_SELECTION:
      Print("selected", name);
      break;
    case EVENT_OBJECT_LIVEREGIONCHANGED:
      Print("live", name);
      break;
    default:
      break;
  }
  accessible->Release();
}

}  // namespace

int wmain() {
  // Lines end as on the Unix side that reads them.
  _setmode(_fileno(stdout), _O_BINARY);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND window = nullptr;
  for (int tries = 0; tries < 300 && window == nullptr; ++tries) {
    window = FindWindowW(kWindowClass, nullptr);
    if (window == nullptr) {
      Sleep(100);
    }
  }
  if (window == nullptr) {
    std::printf("no game window\n");
    return 1;
  }
  IAccessible* board = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&board))) ||
      board == nullptr) {
    std::printf("no accessible object for the client area\n");
    return 1;
  }
  LONG children = 0;
  board->get_accChildCount(&children);
  Print("table", Name(board, CHILDID_SELF) + L" " + std::to_wstring(children) +
                     (Role(board, CHILDID_SELF) == ROLE_SYSTEM_TABLE ? L"" : L" (not a table)"));
  for (LONG child = 1; child <= children; ++child) {
    const LONG role = Role(board, child);
    if (role == ROLE_SYSTEM_CELL) {
      Print("cell", std::to_wstring(child) + L" " + Name(board, child));
    } else if (child <= 67) {
      Print("line", Name(board, child));
    }
  }
  board->Release();

  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                       OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
  std::printf("ready\n");
  std::fflush(stdout);

  const DWORD start = GetTickCount();
  MSG message;
  while (!done && GetTickCount() - start < kTimeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
    }
    if (HWND box = FindWindowW(nullptr, kErrorCaption); box != nullptr && IsWindowVisible(box)) {
      Print("dialog", kErrorCaption);
      done = true;
    }
  }
  UnhookWinEvent(hook);
  CoUninitialize();
  return done ? 0 : 2;
}
