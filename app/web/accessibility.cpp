#include "app/web/accessibility.h"

#include <emscripten/emscripten.h>

#include <string>
#include <utility>

#include "game/board.h"

namespace {

// The board's keys by the names the browser gives them.
struct KeyName {
  const char* name;
  BoardKey key;
};
constexpr KeyName kBoardKeys[] = {
    {"ArrowUp", BoardKey::Up},       {"ArrowDown", BoardKey::Down}, {"ArrowLeft", BoardKey::Left},
    {"ArrowRight", BoardKey::Right}, {"Enter", BoardKey::Activate}, {" ", BoardKey::Activate},
    {"Escape", BoardKey::Escape},
};

EM_JS(void, JsAnnounce, (const char* words, int length),
      { Page.announce(UTF8ToString(words, length)); });
EM_JS(void, JsBuildBoard, (const char* name, int side),
      { Page.buildBoard(UTF8ToString(name), side); });
EM_JS(void, JsAddBoardKey, (const char* name, int key),
      { Page.addBoardKey(UTF8ToString(name), key); });
EM_JS(void, JsShowBoard, (const char* names, int cursor, int held, const char* score), {
  Page.showBoard(UTF8ToString(names).split('\n'), cursor, held, UTF8ToString(score).split('\n'));
});

// What the page was last given, so that an unchanged board costs no call.
std::string shown;

int Index(const Cell& square) {
  return square.row * kBoardSide + square.col;
}

}  // namespace

void LiveRegion::Announce(std::string_view words) {
  JsAnnounce(words.data(), static_cast<int>(words.size()));
}

void BuildBoardAccess() {
  JsBuildBoard(std::string(AccessText::kBoard).c_str(), kBoardSide);
  for (const KeyName& key : kBoardKeys) {
    JsAddBoardKey(key.name, static_cast<int>(key.key));
  }
}

void UpdateBoardAccess(const AccessModel& access) {
  std::string names;
  for (int row = 0; row < kBoardSide; ++row) {
    for (int col = 0; col < kBoardSide; ++col) {
      if (!names.empty()) {
        names += '\n';
      }
      names += SquareWords(theBoard, row, col);
    }
  }
  Cell held{};
  const int heldIndex = access.Held(&held) ? Index(held) : -1;
  const int cursor = Index(access.Cursor());
  const std::array<std::string, 3> lines = ScoreLines(theBoard);
  const std::string score = lines[0] + '\n' + lines[1] + '\n' + lines[2];
  std::string state =
      names + '\t' + std::to_string(cursor) + '\t' + std::to_string(heldIndex) + '\t' + score;
  if (state == shown) {
    return;
  }
  shown = std::move(state);
  JsShowBoard(names.c_str(), cursor, heldIndex, score.c_str());
}
