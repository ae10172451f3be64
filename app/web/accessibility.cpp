#include "app/web/accessibility.h"

#include <emscripten/emscripten.h>

#include <array>
#include <optional>
#include <string>

#include "app/common/board_input.h"
#include "app/common/board_words.h"
#include "app/common/game_log.h"
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
EM_JS(void, JsBuildBoard, (const char* name, int side, const char* moves),
      { Page.buildBoard(UTF8ToString(name), side, UTF8ToString(moves)); });
EM_JS(void, JsAddBoardKey, (const char* name, int key),
      { Page.addBoardKey(UTF8ToString(name), key); });
EM_JS(void, JsShowBoard, (const char* names, int cursor, int held, const char* score), {
  Page.showBoard(UTF8ToString(names).split('\n'), cursor, held, UTF8ToString(score).split('\n'));
});

// An empty list of moves comes as no text: an empty line is no move.
EM_JS(void, JsShowMoves, (const char* moves),
      { Page.showMoves(UTF8ToString(moves).split('\n').filter(Boolean)); });

// What the page was last given: the board, and the moves as the log's revision had them.
BoardReport report;
std::optional<unsigned> movesShown;

}  // namespace

void LiveRegion::Announce(std::string_view words) {
  JsAnnounce(words.data(), static_cast<int>(words.size()));
}

void BuildBoardAccess() {
  JsBuildBoard(std::string(AccessText::kBoard).c_str(), kBoardSide,
               std::string(AccessText::kMoves).c_str());
  for (const KeyName& key : kBoardKeys) {
    JsAddBoardKey(key.name, static_cast<int>(key.key));
  }
}

void UpdateBoardAccess(const BoardInput& input, const GameLog& log) {
  if (movesShown != log.Revision()) {
    std::string lines;
    for (const std::string& move : log.Moves()) {
      lines += lines.empty() ? "" : "\n";
      lines += move;
    }
    JsShowMoves(lines.c_str());
    movesShown = log.Revision();
  }
  if (!report.Update(theBoard, input)) {
    return;
  }
  std::string names;
  for (int i = 0; i < BoardReport::kSquares; ++i) {
    if (i > 0) {
      names += '\n';
    }
    names += report.Words(i);
  }
  const std::array<std::string, 3> lines = ScoreLines(theBoard);
  const std::string score = lines[0] + '\n' + lines[1] + '\n' + lines[2];
  JsShowBoard(names.c_str(), report.Cursor(), report.Held(), score.c_str());
}
