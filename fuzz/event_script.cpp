#include "fuzz/event_script.h"

#include <algorithm>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "game/turn.h"
#include "render/paint.h"

namespace {

constexpr int kPlayerCrowningRow = 0;
constexpr int kCpuCrowningRow = 7;

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

// The centre of a square as the board was last drawn, packed as the window system packs points.
LParam SquareCentre(std::uint8_t square) {
  const int row = (square >> 3) & 7;
  const int col = square & 7;
  const int cell = theBoard.cellSize;
  return MakePointParam(theBoard.originX + col * cell + cell / 2,
                        theBoard.originY + row * cell + cell / 2);
}

LParam Point(std::uint8_t opcode, ByteReader& bytes) {
  if ((opcode & kSquarePointFlag) != 0) {
    return SquareCentre(bytes.Byte());
  }
  const int x = static_cast<int>(bytes.Little(2));
  const int y = static_cast<int>(bytes.Little(2));
  return MakePointParam(x, y);
}

// What the window's size handling sets; the window's own snap to a minimum width is not applied,
// so the paint meets every size, however narrow.
void Resize(int width, int height) {
  clientWidth = width;
  boardWidth = height;
  boardHeight = height;
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

bool IsDarkSquare(const Piece& piece) {
  return Board::IsOnBoard(piece.row, piece.col) != 0 && (piece.row + piece.col) % 2 == 1;
}

const char* FindBrokenSetInvariant(const PieceSet& set, int crowningRow) {
  if (set.count < 0 || set.count > PieceSet::kCapacity) {
    return "a side holds fewer than 0 or more than 12 pieces";
  }
  for (int i = 0; i < set.count; ++i) {
    const Piece& piece = set.pieces[i];
    if (!IsDarkSquare(piece)) {
      return "a piece stands off the dark squares of the board";
    }
    if (piece.state != Man && piece.state != King) {
      return "a piece is neither a man nor a king";
    }
    if (piece.state == Man && piece.row == crowningRow) {
      return "a man stands uncrowned on its crowning row";
    }
  }
  return nullptr;
}

bool SquaresAreDistinct() {
  bool taken[8][8] = {};
  for (const PieceSet* set : {&theBoard.player, &theBoard.cpu}) {
    for (int i = 0; i < set->count; ++i) {
      bool& square = taken[set->pieces[i].row][set->pieces[i].col];
      if (square) {
        return false;
      }
      square = true;
    }
  }
  return true;
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
  Resize(kStartClientWidth, kStartClientHeight);
  PaintMainWindow(window);
}

const char* FindBrokenInvariant(const CountingWindow& window) {
  if (window.fault != nullptr) {
    return window.fault;
  }
  if (theBoard.dragState != Idle && theBoard.dragState != Dragging) {
    return "the drag state is neither Idle nor Dragging";
  }
  if (const char* broken = FindBrokenSetInvariant(theBoard.player, kPlayerCrowningRow)) {
    return broken;
  }
  if (const char* broken = FindBrokenSetInvariant(theBoard.cpu, kCpuCrowningRow)) {
    return broken;
  }
  if (!SquaresAreDistinct()) {
    return "two pieces share a square";
  }
  if (theBoard.playerCount != theBoard.player.count) {
    return "the player's score differs from the player's pieces";
  }
  if (theBoard.cpuCount != theBoard.cpu.count) {
    return "the computer's score differs from the computer's pieces";
  }
  if (theCpuPlayer.stepCount < 0 || theCpuPlayer.stepCount > CpuPlayer::kMaxSteps ||
      theCpuPlayer.shownSteps < 0 || theCpuPlayer.shownSteps > theCpuPlayer.stepCount) {
    return "the trace of the computer's move is out of its capacity";
  }
  return nullptr;
}

ScriptOutcome RunScript(const std::uint8_t* data, std::size_t size, CountingWindow& window) {
  ResetToStartUp(window);
  if (const char* broken = FindBrokenInvariant(window)) {
    return {broken, -1};
  }
  ByteReader bytes(data, size);
  int played = 0;
  while (!bytes.AtEnd()) {
    const std::uint8_t opcode = bytes.Byte();
    switch (static_cast<EventKind>(opcode & kEventKindMask)) {
      case EventKind::Press:
        OnLButtonDown(0, Point(opcode, bytes));
        break;
      case EventKind::Move:
        OnMouseMove(0, Point(opcode, bytes));
        break;
      case EventKind::Release:
        OnLButtonUp(0, Point(opcode, bytes));
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
        break;
      case EventKind::Resize: {
        const int width = static_cast<int>(bytes.Little(2));
        const int height = static_cast<int>(bytes.Little(2));
        Resize(width, height);
        break;
      }
      case EventKind::Paint:
        PaintMainWindow(window);
        break;
      case EventKind::Drop: {
        const std::uint8_t from = bytes.Byte();
        const std::uint8_t to = bytes.Byte();
        OnLButtonDown(0, SquareCentre(from));
        if (const char* broken = FindBrokenInvariant(window)) {
          return {broken, played};
        }
        OnLButtonUp(0, SquareCentre(to));
        if (const char* broken = FindBrokenInvariant(window)) {
          return {broken, played};
        }
        PaintMainWindow(window);
        break;
      }
    }
    if (const char* broken = FindBrokenInvariant(window)) {
      return {broken, played};
    }
    ++played;
  }
  return {nullptr, played};
}
