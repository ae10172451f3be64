// The client area's accessible object over a long run, as a screen reader uses it: thousands of
// times fetched through WM_GETOBJECT and read whole, every name a string the client frees. The
// objects, handles and memory of the process come back to where they were, and once the window
// has gone a reference a client still holds answers that the object is no longer there.

#include "app/win32/accessibility.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "app/common/board_input.h"
#include "app/win32/display_scale.h"
#include "game/board.h"
// After windows.h, which they build on.
#include <oleacc.h>
#include <psapi.h>

namespace {

constexpr int kRounds = 1000;
constexpr std::uint64_t kMemorySlack = 2 * 1024 * 1024;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT) {
    if (const LRESULT object = AnswerGetObject(wParam, lParam); object != 0) {
      return object;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::uint64_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PrivateUsage;
}

DWORD Handles() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return count;
}

VARIANT Child(LONG id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// Fetches the client area's object as a client does and reads every child's name, role, state
// and place; the number of names read.
int ReadWhole(HWND window) {
  IAccessible* board = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&board)))) {
    return 0;
  }
  int names = 0;
  for (LONG id = CHILDID_SELF; id <= kLiveRegionChild; ++id) {
    BSTR name = nullptr;
    if (board->get_accName(Child(id), &name) == S_OK && name != nullptr) {
      ++names;
    }
    SysFreeString(name);
    VARIANT role;
    VariantInit(&role);
    board->get_accRole(Child(id), &role);
    VARIANT state;
    VariantInit(&state);
    board->get_accState(Child(id), &state);
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
    board->accLocation(&left, &top, &width, &height, Child(id));
  }
  board->Release();
  return names;
}

TEST(BoardAccessible, AThousandsFoldReadLeavesNothingBehindAndAClosedWindowsObjectAnswersGone) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  WNDCLASSW host{};
  host.lpfnWndProc = HostProc;
  host.hInstance = GetModuleHandleW(nullptr);
  host.lpszClassName = L"KordavelmixAccessibilityTest";
  RegisterClassW(&host);
  // A window that only takes messages, as the test runs without a display.
  HWND window = CreateWindowExW(0, host.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                host.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  theBoard.NewGame();
  theBoard.cellSize = 55;
  BoardInput input;
  const DisplayScale scale;
  ConnectBoardAccessible(window, input, scale);

  // The object itself and every child.
  constexpr int kNames = kLiveRegionChild + 1;
  ASSERT_EQ(ReadWhole(window), kNames);
  const std::uint64_t memory = PrivateBytes();
  const DWORD handles = Handles();
  int names = 0;
  for (int round = 0; round < kRounds; ++round) {
    names += ReadWhole(window);
  }
  EXPECT_EQ(names, kRounds * kNames);
  EXPECT_EQ(Handles(), handles);
  EXPECT_LT(PrivateBytes(), memory + kMemorySlack);
  EXPECT_EQ(LiveBoardAccessibles(), 1);

  IAccessible* kept = nullptr;
  ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                      __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&kept)));
  DisconnectBoardAccessible();
  DestroyWindow(window);
  BSTR name = nullptr;
  // The object itself answers so, and a proxy between the client and it that it is cut off.
  const HRESULT gone = kept->get_accName(Child(kFirstSquareChild), &name);
  EXPECT_TRUE(gone == CO_E_OBJNOTCONNECTED || gone == RPC_E_DISCONNECTED) << std::hex << gone;
  EXPECT_EQ(name, nullptr);
  kept->Release();
  EXPECT_EQ(LiveBoardAccessibles(), 0);
  CoUninitialize();
}

}  // namespace
