#include "app/web/tab_storage.h"

#include <emscripten/emscripten.h>

#include <string>

#include "ai/cpu_player.h"
#include "app/common/board_input.h"
#include "app/common/game_log.h"

namespace {

EM_JS(void, JsStoreGame, (const char* text, int length),
      { Page.storeGame(UTF8ToString(text, length)); });
EM_JS(void, JsForgetGame, (), { Page.forgetGame(); });
// The kept game's length in bytes of UTF-8, 0 when there is none; then the game itself.
EM_JS(int, JsStoredGameLength, (), { return lengthBytesUTF8(Page.storedGame()); });
EM_JS(void, JsCopyStoredGame, (char* text, int size),
      { stringToUTF8(Page.storedGame(), text, size); });
EM_JS(void, JsWarn, (const char* text), { console.warn(UTF8ToString(text)); });

}  // namespace

void KeepGame(const GameLog& log, const BoardInput& input) {
  const std::string text = StoredGame(log, theCpuPlayer.shownSteps > 0, input.Cursor());
  JsStoreGame(text.data(), static_cast<int>(text.size()));
}

void ForgetGame() {
  JsForgetGame();
}

void BringBackGame(GameLog& log, BoardInput& input) {
  const int length = JsStoredGameLength();
  if (length <= 0) {
    return;
  }
  // stringToUTF8 writes a terminating zero as well.
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  JsCopyStoredGame(text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  Cell cursor{};
  if (const char* fault = RestoreGame(text, log, &cursor)) {
    ForgetGame();
    JsWarn((std::string("Kordavelmix: the game kept in this tab is not brought back: ") + fault)
               .c_str());
    return;
  }
  input.MoveCursorTo(cursor, false);
}
