#include "app/common/game_log.h"

#include "app/common/board_words.h"
#include "app/common/identity.h"
#include "app/common/turn_words.h"
#include "game/frontend.h"

namespace {

// The first line of a stored game: this program's version and the text's own.
constexpr std::string_view kMark = "kordavelmix " KORDAVELMIX_VERSION " game 1";
constexpr std::string_view kProgram = "kordavelmix ";
constexpr std::string_view kDrops = "drops";
constexpr std::string_view kPath = "path ";
constexpr std::string_view kCursor = "cursor ";

bool SameSquare(const Cell& a, const Cell& b) {
  return a.row == b.row && a.col == b.col;
}

// The next line of the text, without its line feed; false at the end.
bool NextLine(std::string_view& text, std::string_view* line) {
  if (text.empty()) {
    return false;
  }
  const std::size_t end = text.find('\n');
  *line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return true;
}

bool StartsWith(std::string_view line, std::string_view word, std::string_view* rest) {
  if (!line.starts_with(word)) {
    return false;
  }
  *rest = line.substr(word.size());
  return true;
}

struct Parsed {
  std::vector<PlayerDrop> drops;
  bool pathShown = false;
  Cell cursor{};
};

// The drops " c3d4 d4f6": each a space, then the two squares' names.
const char* ParseDrops(std::string_view text, std::vector<PlayerDrop>* drops) {
  constexpr std::size_t kDropText = 5;
  if (text.size() % kDropText != 0) {
    return "its drops are malformed";
  }
  if (text.size() / kDropText > kMaxStoredDrops) {
    return "it holds more drops than any game";
  }
  for (std::size_t at = 0; at < text.size(); at += kDropText) {
    PlayerDrop drop{};
    if (text[at] != ' ' || !SquareOfName(text.substr(at + 1, 2), &drop.from) ||
        !SquareOfName(text.substr(at + 3, 2), &drop.to)) {
      return "its drops are malformed";
    }
    drops->push_back(drop);
  }
  return nullptr;
}

const char* Parse(std::string_view text, Parsed* game) {
  std::string_view line;
  std::string_view rest;
  if (!NextLine(text, &line) || !line.starts_with(kProgram)) {
    return "it is not a stored game";
  }
  if (line != kMark) {
    return "it is from another version";
  }
  if (!NextLine(text, &line) || !StartsWith(line, kDrops, &rest)) {
    return "it has no drops";
  }
  if (const char* fault = ParseDrops(rest, &game->drops)) {
    return fault;
  }
  if (!NextLine(text, &line) || !StartsWith(line, kPath, &rest) || (rest != "0" && rest != "1")) {
    return "it does not say whether the path is shown";
  }
  game->pathShown = rest == "1";
  if (!NextLine(text, &line) || !StartsWith(line, kCursor, &rest) ||
      !SquareOfName(rest, &game->cursor)) {
    return "it has no cursor";
  }
  if (NextLine(text, &line)) {
    return "it goes on past its end";
  }
  return nullptr;
}

// The seam while a game is played again: nothing is heard or shown, and each turn's record is
// kept.
class ReplaySeam : public Frontend {
 public:
  void PlaySound(Sound) override {}
  void ShowMessage(std::string_view, std::string_view) override {}
  void RequestRepaint() override {}
  void TellTurn(const TurnRecord& turn) override {
    last = turn;
    told = true;
  }

  TurnRecord last{};
  bool told = false;
};

bool Accepted(const TurnRecord& turn) {
  return turn.result == MoveCode::Moved || turn.result == MoveCode::Captured;
}

const char* PlayAgain(const std::vector<PlayerDrop>& drops, GameLog& log) {
  ReplaySeam seam;
  SetFrontend(&seam);
  const char* fault = nullptr;
  for (const PlayerDrop& drop : drops) {
    PressSquare(drop.from);
    seam.told = false;
    ReleaseOnSquare(drop.to);
    if (!seam.told || !Accepted(seam.last)) {
      fault = "the rules refuse one of its drops";
      break;
    }
    log.Note(seam.last);
  }
  SetFrontend(nullptr);
  return fault;
}

void StartAfresh() {
  StartNewGame();
  theCpuPlayer.shownSteps = 0;
  theCpuPlayer.stepCount = 0;
}

}  // namespace

void GameLog::Note(const TurnRecord& turn) {
  if (!Accepted(turn)) {
    return;
  }
  ++revision_;
  drops_.push_back({turn.from, turn.to});
  if (capturing_ && turn.result == MoveCode::Captured && SameSquare(turn.from, chainEnd_)) {
    moves_.back() += ':' + SquareName(turn.to.row, turn.to.col);
  } else {
    moves_.push_back(std::to_string(moves_.size() + 1) + ". " + DropNotation(turn));
  }
  capturing_ = turn.mustCaptureAgain;
  chainEnd_ = turn.to;
  if (const std::string reply = ReplyNotation(turn); !reply.empty()) {
    moves_.back() += ' ' + reply;
  }
}

void GameLog::Clear() {
  ++revision_;
  drops_.clear();
  moves_.clear();
  capturing_ = false;
}

std::string StoredGame(const GameLog& log, bool pathShown, Cell cursor) {
  std::string stored(kMark);
  stored += '\n';
  stored += kDrops;
  for (const PlayerDrop& drop : log.Drops()) {
    stored += ' ';
    stored += SquareName(drop.from.row, drop.from.col);
    stored += SquareName(drop.to.row, drop.to.col);
  }
  stored += '\n';
  stored += kPath;
  stored += pathShown ? '1' : '0';
  stored += '\n';
  stored += kCursor;
  stored += SquareName(cursor.row, cursor.col);
  stored += '\n';
  return stored;
}

const char* RestoreGame(std::string_view stored, GameLog& log, Cell* cursor) {
  log.Clear();
  StartAfresh();
  Parsed game;
  const char* fault = Parse(stored, &game);
  if (fault == nullptr) {
    fault = PlayAgain(game.drops, log);
  }
  if (fault != nullptr) {
    log.Clear();
    StartAfresh();
    return fault;
  }
  if (!game.pathShown) {
    theCpuPlayer.shownSteps = 0;
  }
  *cursor = game.cursor;
  return nullptr;
}
