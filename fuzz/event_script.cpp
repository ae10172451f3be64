#include "fuzz/event_script.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ai/cpu_player.h"
#include "app/common/board_input.h"
#include "app/common/game_log.h"
#include "game/board.h"
#include "game/turn.h"
#include "render/paint.h"
#include "tests/support/invariants.h"
#include "tests/support/quiet.h"

namespace {

// Reads the script's bytes in order; past the end every byte is 0.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return next_ >= size_; }
  std::uint8_t Byte() { return next_ < size_ ? data_[next_++] : 0; }
  std::uint64_t Little(int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      value |= static_cast<std::uint64_t>(Byte()) << (8 * i);
    }
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t next_ = 0;
};

// The centre of a square byte 00rrrccc as the board was last drawn.
LParam SquareByteCentre(std::uint8_t square) {
  return SquareCentre((square >> 3) & 7, square & 7);
}

LParam Point(std::uint8_t opcode, ByteReader& bytes) {
  if ((opcode & kSquarePointFlag) != 0) {
    return SquareByteCentre(bytes.Byte());
  }
  const int x = static_cast<int>(bytes.Little(2));
  const int y = static_cast<int>(bytes.Little(2));
  return MakePointParam(x, y);
}

// A frame as the front ends paint it, with the keyboard cursor framed while it is shown.
void Paint(CountingWindow& window, const BoardInput& input) {
  const Cell cursor = input.Cursor();
  PaintMainWindow(window, input.CursorShown() ? &cursor : nullptr);
}

void BoardEventOf(std::uint8_t opcode, ByteReader& bytes, BoardInput& input) {
  const auto event = static_cast<BoardEvent>(opcode & kEventKindMask);
  switch (event) {
    case BoardEvent::Square: {
      const std::uint8_t square = bytes.Byte();
      input.MoveCursorTo({(square >> 3) & 7, square & 7}, (square & kActivateFlag) != 0);
      break;
    }
    case BoardEvent::Focus: {
      const std::uint8_t focus = bytes.Byte();
      input.FocusChanged((focus & 1) != 0, (focus & 2) != 0);
      break;
    }
    default:
      input.Key(static_cast<BoardKey>(event));
      break;
  }
}

void MouseEvent(int handler, WParam wParam, LParam lParam) {
  switch (handler) {
    case 0:
      OnLButtonDown(wParam, lParam);
      break;
    case 1:
      OnMouseMove(wParam, lParam);
      break;
    default:
      OnLButtonUp(wParam, lParam);
      break;
  }
}

}  // namespace

void ResetToStartUp(CountingWindow& window) {
  theBoard.NewGame();
  theBoard.selectedIndex = 0;
  theBoard.dragCol = 0;
  theBoard.dragRow = 0;
  theBoard.mouseX = 0;
  theBoard.mouseY = 0;
  theBoard.originX = 0;
  theBoard.originY = 0;
  theBoard.cellSize = 0;
  theCpuPlayer.shownSteps = 0;
  theCpuPlayer.stepCount = 0;
  std::fill(std::begin(theCpuPlayer.steps), std::end(theCpuPlayer.steps), MoveStep{});
  SetWindowMetrics(kStartClientWidth, kStartClientHeight);
  PaintMainWindow(window);
}

const char* FindBrokenInvariant(const CountingWindow& window) {
  if (window.fault != nullptr) {
    return window.fault;
  }
  if (theBoard.dragState != Idle && theBoard.dragState != Dragging) {
    return "the drag state is neither Idle nor Dragging";
  }
  return FindBrokenGameInvariant(theBoard, theCpuPlayer);
}

namespace {

// The same live pieces in the same order, each in the same state on the same square.
bool SameSet(const PieceSet& a, const PieceSet& b) {
  return a.count == b.count &&
         std::memcmp(a.pieces, b.pieces,
                     sizeof(Piece) * static_cast<std::size_t>(
                                         std::clamp(a.count, 0, PieceSet::kCapacity))) == 0;
}

// A game brought back from a tab's storage: given bytes, or with none the game played so far,
// which must come back as it was: the same pieces in the same order, the same score and, once a
// drop was played, the same path shown. The platform's record follows what was brought back.
const char* Restore(ByteReader& bytes, QuietPlatform& platform, BoardInput& input) {
  const std::size_t size = bytes.Byte();
  std::string stored;
  for (std::size_t i = 0; i < size; ++i) {
    stored += static_cast<char>(bytes.Byte());
  }
  const bool ownGame = size == 0;
  if (ownGame) {
    stored = StoredGame(platform.log, theCpuPlayer.shownSteps > 0, input.Cursor());
  }
  const Board before = theBoard;
  const CpuPlayer cpuBefore = theCpuPlayer;
  const bool played = !platform.log.Drops().empty();
  Cell cursor{};
  const char* fault = RestoreGame(stored, platform.log, &cursor);
  SetFrontend(&platform);
  if (fault == nullptr) {
    input.MoveCursorTo(cursor, false);
  }
  if (!ownGame) {
    return nullptr;
  }
  if (fault != nullptr) {
    return "the game played so far, kept, could not be brought back";
  }
  const bool sameTrace =
      !played ||
      (theCpuPlayer.shownSteps == cpuBefore.shownSteps &&
       std::memcmp(theCpuPlayer.steps, cpuBefore.steps,
                   sizeof(MoveStep) * static_cast<std::size_t>(theCpuPlayer.shownSteps)) == 0);
  if (!SameSet(theBoard.player, before.player) || !SameSet(theBoard.cpu, before.cpu) ||
      theBoard.playerCount != before.playerCount || theBoard.cpuCount != before.cpuCount ||
      !sameTrace) {
    return "the game played so far, kept and brought back, is not as it was";
  }
  return nullptr;
}

const char* FindBrokenState(const CountingWindow& window, const BoardInput& input) {
  if (!Board::IsOnBoard(input.Cursor().row, input.Cursor().col)) {
    return "the keyboard cursor left the board";
  }
  return FindBrokenInvariant(window);
}

const char* PlayScript(const std::uint8_t* data, std::size_t size, CountingWindow& window,
                       QuietPlatform& platform, BoardInput& input, int* played) {
  ByteReader bytes(data, size);
  while (!bytes.AtEnd()) {
    const std::uint8_t opcode = bytes.Byte();
    if ((opcode & kRestoreFlag) != 0) {
      if (const char* broken = Restore(bytes, platform, input)) {
        return broken;
      }
      if (const char* broken = FindBrokenState(window, input)) {
        return broken;
      }
      ++*played;
      continue;
    }
    if ((opcode & kBoardEventFlag) != 0) {
      BoardEventOf(opcode, bytes, input);
      if (const char* broken = FindBrokenState(window, input)) {
        return broken;
      }
      ++*played;
      continue;
    }
    switch (static_cast<EventKind>(opcode & kEventKindMask)) {
      case EventKind::Press:
        input.PointerDown(Point(opcode, bytes));
        break;
      case EventKind::Move:
        input.PointerMove(Point(opcode, bytes));
        break;
      case EventKind::Release:
        input.PointerUp(Point(opcode, bytes));
        break;
      case EventKind::RawMouse: {
        const int handler = bytes.Byte() % 3;
        const auto wParam = static_cast<WParam>(bytes.Little(8));
        const auto lParam = static_cast<LParam>(bytes.Little(8));
        MouseEvent(handler, wParam, lParam);
        break;
      }
      case EventKind::NewGame:
        StartNewGame();
        input.NewGame();
        platform.log.Clear();
        break;
      case EventKind::Resize: {
        const int width = static_cast<int>(bytes.Little(2));
        const int height = static_cast<int>(bytes.Little(2));
        // The window's own snap to a minimum width is not applied, so the paint meets every
        // size, however narrow.
        if ((opcode & kUprightFlag) != 0) {
          SetUprightWindowMetrics(width, height);
        } else {
          SetWindowMetrics(width, height);
        }
        break;
      }
      case EventKind::Paint:
        Paint(window, input);
        break;
      case EventKind::Drop: {
        const std::uint8_t from = bytes.Byte();
        const std::uint8_t to = bytes.Byte();
        input.PointerDown(SquareByteCentre(from));
        if (const char* broken = FindBrokenState(window, input)) {
          return broken;
        }
        input.PointerUp(SquareByteCentre(to));
        if (const char* broken = FindBrokenState(window, input)) {
          return broken;
        }
        Paint(window, input);
        break;
      }
    }
    if (const char* broken = FindBrokenState(window, input)) {
      return broken;
    }
    ++*played;
  }
  return nullptr;
}

}  // namespace

ScriptOutcome RunScript(const std::uint8_t* data, std::size_t size, CountingWindow& window) {
  ResetToStartUp(window);
  if (const char* broken = FindBrokenInvariant(window)) {
    return {broken, -1};
  }
  QuietPlatform platform;
  SetFrontend(&platform);
  BoardInput input;
  int played = 0;
  const char* broken = PlayScript(data, size, window, platform, input, &played);
  SetFrontend(nullptr);
  return {broken, played};
}
