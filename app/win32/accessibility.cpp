#include "app/win32/accessibility.h"

#include <string>

#include "app/common/board_input.h"
#include "app/win32/display_scale.h"
#include "app/win32/wide_text.h"
#include "game/board.h"
#include "render/paint.h"
// After windows.h, which they build on.
#include <oleacc.h>

namespace {

constexpr LONG kSquares = kBoardSide * kBoardSide;
constexpr LONG kChildren = kLiveRegionChild;

// Dynamic Annotation and UI Automation's LiveSetting property, by their published GUIDs (the
// import library's own IID and CLSID symbols are not to be trusted with mingw-w64).
constexpr IID kIAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kLivePolite = 1;

// UI Automation's notification, looked up at run time: a Windows without it (before Windows 10
// 1709), and Wine, still run the program. The provider is the window's own host provider.
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingAll = 2;

class BoardAccessible;

// The window the object answers for and what it reads; one window, one object.
HWND boardWindow = nullptr;
const BoardInput* input = nullptr;
const DisplayScale* windowScale = nullptr;
BoardAccessible* board = nullptr;
int liveObjects = 0;
// The last turn's words, the live region's name.
std::wstring liveWords;
// What assistive technology was last told of the board.
BoardReport report;

LONG CursorChild() {
  const Cell cursor = input->Cursor();
  return kFirstSquareChild + cursor.row * kBoardSide + cursor.col;
}

LONG HeldChild() {
  Cell held{};
  return input->Held(&held) ? kFirstSquareChild + held.row * kBoardSide + held.col : 0;
}

// Where a child is drawn, in the game's pixels: a square, a line of the score panel, and for the
// live region the whole panel.
Rect ChildRect(LONG id) {
  if (id < kFirstScoreChild) {
    const int square = static_cast<int>(id - kFirstSquareChild);
    return SquareRect(square / kBoardSide, square % kBoardSide);
  }
  if (id < kLiveRegionChild) {
    return ScoreLineRect(static_cast<int>(id - kFirstScoreChild));
  }
  return PanelRect();
}

BSTR ToBstr(const std::wstring& text) {
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void Notify(DWORD event, LONG child) {
  if (boardWindow != nullptr) {
    NotifyWinEvent(event, boardWindow, OBJID_CLIENT, child);
  }
}

// The client area: a table of the 64 squares, then the score's lines and the live region. Its
// children are simple elements, known by child id. Once the window has gone every call answers
// that the object is no longer there.
class BoardAccessible final : public IAccessible {
 public:
  BoardAccessible() { ++liveObjects; }
  BoardAccessible(const BoardAccessible&) = delete;
  BoardAccessible& operator=(const BoardAccessible&) = delete;

  void Disconnect() { connected = false; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references);
    if (left == 0) {
      --liveObjects;
      delete this;
    }
    return left;
  }

  // No type information: clients call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!connected) {
      return CO_E_OBJNOTCONNECTED;
    }
    return AccessibleObjectFromWindow(boardWindow, static_cast<DWORD>(OBJID_WINDOW),
                                      __uuidof(IDispatch), reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    *count = kChildren;
    return connected ? S_OK : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    *object = nullptr;
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    *name = nullptr;
    if (!Valid(child)) {
      return connected ? E_INVALIDARG : CO_E_OBJNOTCONNECTED;
    }
    const LONG id = child.lVal;
    if (id == CHILDID_SELF) {
      *name = ToBstr(Widen(AccessText::kBoard));
    } else if (id < kFirstScoreChild) {
      const LONG square = id - kFirstSquareChild;
      *name = ToBstr(Widen(SquareWords(theBoard, square / kBoardSide, square % kBoardSide)));
    } else if (id < kLiveRegionChild) {
      *name = ToBstr(Widen(ScoreLines(theBoard)[static_cast<std::size_t>(id - kFirstScoreChild)]));
    } else {
      *name = ToBstr(liveWords);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    *value = nullptr;
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    *description = nullptr;
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!Valid(child)) {
      return E_INVALIDARG;
    }
    const LONG id = child.lVal;
    role->vt = VT_I4;
    role->lVal = id == CHILDID_SELF      ? ROLE_SYSTEM_TABLE
                 : id < kFirstScoreChild ? ROLE_SYSTEM_CELL
                                         : ROLE_SYSTEM_STATICTEXT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!Valid(child)) {
      return E_INVALIDARG;
    }
    const LONG id = child.lVal;
    const bool focused = GetFocus() == boardWindow;
    LONG bits = 0;
    if (id == CHILDID_SELF) {
      bits = STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
    } else if (id < kFirstScoreChild) {
      bits = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE |
             (focused && id == CursorChild() ? STATE_SYSTEM_FOCUSED : 0) |
             (id == HeldChild() ? STATE_SYSTEM_SELECTED : 0);
    } else {
      bits = STATE_SYSTEM_READONLY;
    }
    state->vt = VT_I4;
    state->lVal = bits;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    *help = nullptr;
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    *shortcut = nullptr;
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    if (!connected) {
      return CO_E_OBJNOTCONNECTED;
    }
    child->vt = VT_EMPTY;
    if (GetFocus() == boardWindow) {
      child->vt = VT_I4;
      child->lVal = CursorChild();
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* child) override {
    if (!connected) {
      return CO_E_OBJNOTCONNECTED;
    }
    child->vt = VT_EMPTY;
    if (const LONG held = HeldChild(); held != 0) {
      child->vt = VT_I4;
      child->lVal = held;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    *action = nullptr;
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT child) override {
    return Valid(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!Valid(child)) {
      return E_INVALIDARG;
    }
    RECT area{};
    GetClientRect(boardWindow, &area);
    const LONG id = child.lVal;
    if (id != CHILDID_SELF) {
      const Rect place = ChildRect(id);
      area = {windowScale->ToDevice(place.x), windowScale->ToDevice(place.y),
              windowScale->ToDevice(place.x + place.width),
              windowScale->ToDevice(place.y + place.height)};
    }
    MapWindowPoints(boardWindow, nullptr, reinterpret_cast<POINT*>(&area), 2);
    *left = area.left;
    *top = area.top;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    end->vt = VT_EMPTY;
    return connected ? S_FALSE : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (!connected) {
      return CO_E_OBJNOTCONNECTED;
    }
    child->vt = VT_EMPTY;
    POINT point{x, y};
    ScreenToClient(boardWindow, &point);
    RECT client{};
    GetClientRect(boardWindow, &client);
    if (!PtInRect(&client, point)) {
      return S_FALSE;
    }
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    if (theBoard.cellSize > 0) {
      int col = 0;
      int row = 0;
      theBoard.PixelToCell(windowScale->ToLogical(point.x), windowScale->ToLogical(point.y), &col,
                           &row);
      if (Board::IsOnBoard(row, col)) {
        child->lVal = kFirstSquareChild + row * kBoardSide + col;
      }
    }
    return S_OK;
  }
  // Activating a square is Enter on it, carried out once the client's call has returned: the move
  // may open a message box, whose wait must not hold the screen reader.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Valid(child) || child.lVal == CHILDID_SELF || child.lVal >= kFirstScoreChild) {
      return connected ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
    }
    PostMessageW(boardWindow, kActivateSquareMessage, static_cast<WPARAM>(child.lVal), 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // A child id the object has, while its window is there.
  bool Valid(const VARIANT& child) const {
    return connected && child.vt == VT_I4 && child.lVal >= CHILDID_SELF && child.lVal <= kChildren;
  }

  LONG references = 1;
  bool connected = true;
};

void AnnotateLiveRegion(HWND window) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                              reinterpret_cast<void**>(&services)))) {
    return;
  }
  VARIANT polite;
  VariantInit(&polite);
  polite.vt = VT_I4;
  polite.lVal = kLivePolite;
  services->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT),
                        static_cast<DWORD>(kLiveRegionChild), kLiveSettingProperty, polite);
  services->Release();
}

void RaiseUiaNotification(const std::wstring& words) {
  static const HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
  if (uia == nullptr || boardWindow == nullptr) {
    return;
  }
  static const auto hostProvider = reinterpret_cast<HostProviderFromHwnd>(
      reinterpret_cast<void*>(GetProcAddress(uia, "UiaHostProviderFromHwnd")));
  static const auto raise = reinterpret_cast<RaiseNotificationEvent>(
      reinterpret_cast<void*>(GetProcAddress(uia, "UiaRaiseNotificationEvent")));
  IUnknown* provider = nullptr;
  if (hostProvider == nullptr || raise == nullptr || FAILED(hostProvider(boardWindow, &provider)) ||
      provider == nullptr) {
    return;
  }
  BSTR text = ToBstr(words);
  BSTR activity = SysAllocString(L"Kordavelmix.Turn");
  raise(provider, kNotificationKindActionCompleted, kNotificationProcessingAll, text, activity);
  SysFreeString(activity);
  SysFreeString(text);
  provider->Release();
}

}  // namespace

void LiveRegion::Announce(std::string_view words) {
  liveWords = Widen(words);
  Notify(EVENT_OBJECT_NAMECHANGE, kLiveRegionChild);
  Notify(EVENT_OBJECT_LIVEREGIONCHANGED, kLiveRegionChild);
  RaiseUiaNotification(liveWords);
}

void ConnectBoardAccessible(HWND window, const BoardInput& boardInput, const DisplayScale& scale) {
  boardWindow = window;
  input = &boardInput;
  windowScale = &scale;
  board = new BoardAccessible;
  report = BoardReport();
  AnnotateLiveRegion(window);
}

LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam) {
  if (board == nullptr || static_cast<LONG>(lParam) != OBJID_CLIENT) {
    return 0;
  }
  return LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(board));
}

void TellBoardChanges() {
  if (board == nullptr || !report.Update(theBoard, *input)) {
    return;
  }
  for (int i = 0; i < kSquares; ++i) {
    if (report.WordsChanged(i)) {
      Notify(EVENT_OBJECT_NAMECHANGE, kFirstSquareChild + i);
    }
  }
  if (report.Held() != report.HeldBefore()) {
    if (report.HeldBefore() != BoardReport::kNone) {
      Notify(EVENT_OBJECT_SELECTIONREMOVE, kFirstSquareChild + report.HeldBefore());
      Notify(EVENT_OBJECT_STATECHANGE, kFirstSquareChild + report.HeldBefore());
    }
    if (report.Held() != BoardReport::kNone) {
      Notify(EVENT_OBJECT_SELECTION, kFirstSquareChild + report.Held());
      Notify(EVENT_OBJECT_STATECHANGE, kFirstSquareChild + report.Held());
    }
  }
  if (report.Cursor() != report.CursorBefore() && GetFocus() == boardWindow) {
    Notify(EVENT_OBJECT_FOCUS, kFirstSquareChild + report.Cursor());
  }
}

void FocusCursorCell() {
  if (board != nullptr) {
    Notify(EVENT_OBJECT_FOCUS, CursorChild());
  }
}

void DisconnectBoardAccessible() {
  if (board == nullptr) {
    return;
  }
  board->Disconnect();
  CoDisconnectObject(static_cast<IAccessible*>(board), 0);
  board->Release();
  board = nullptr;
  boardWindow = nullptr;
}

int LiveBoardAccessibles() {
  return liveObjects;
}
