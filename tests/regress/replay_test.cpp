// Every input committed under fuzz/corpus — the seeds and each input the fuzzer ever found to break
// the game (named crash-…) — replayed through the script reader with the invariants checked after
// every event; and the checker itself shown to catch each kind of broken state.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ai/cpu_player.h"
#include "fuzz/counting_window.h"
#include "fuzz/event_script.h"
#include "game/board.h"
#include "render/paint.h"
#include "tests/support/position.h"

namespace {

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(KORDAVELMIX_FUZZ_CORPUS)) {
    if (entry.is_regular_file()) {
      files.push_back(entry.path().filename().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::uint8_t> ReadBytes(const std::string& name) {
  std::ifstream in(std::filesystem::path(KORDAVELMIX_FUZZ_CORPUS) / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

class Replay : public testing::TestWithParam<std::string> {};

TEST_P(Replay, KeepsEveryInvariantAfterEveryEvent) {
  const std::vector<std::uint8_t> bytes = ReadBytes(GetParam());
  ASSERT_FALSE(bytes.empty());
  CountingWindow window;
  const ScriptOutcome outcome = RunScript(bytes.data(), bytes.size(), window);
  EXPECT_EQ(outcome.broken, nullptr) << outcome.broken << " (after event " << outcome.events << ")";
  EXPECT_FALSE(window.open);
}

INSTANTIATE_TEST_SUITE_P(FuzzCorpus, Replay, testing::ValuesIn(CorpusFiles()), TestName);

constexpr std::uint8_t kDrop = static_cast<std::uint8_t>(EventKind::Drop);
constexpr std::uint8_t kPress = static_cast<std::uint8_t>(EventKind::Press);
constexpr std::uint8_t kResize = static_cast<std::uint8_t>(EventKind::Resize);
constexpr std::uint8_t kPaint = static_cast<std::uint8_t>(EventKind::Paint);

constexpr std::uint8_t Square(int row, int col) {
  return static_cast<std::uint8_t>(row << 3 | col);
}

// The reader must reach the real handlers: a drop of the man on 5,2 to 4,3 is a move of the
// player, answered by the computer at once.
TEST(Script, ADropPlaysThePlayersMoveAndTheComputersReply) {
  const std::uint8_t bytes[] = {kDrop, Square(5, 2), Square(4, 3)};
  CountingWindow window;
  const ScriptOutcome outcome = RunScript(bytes, sizeof bytes, window);
  EXPECT_EQ(outcome.broken, nullptr);
  EXPECT_EQ(outcome.events, 1);
  EXPECT_EQ(IndexOf(theBoard.player, 4, 3), 1);
  EXPECT_EQ(theCpuPlayer.stepCount, 1);
  EXPECT_EQ(window.frames, 2);
}

// After a paint of a client area too low for a board no square can be found, and a press at the
// square encoding picks up nothing.
TEST(Script, ResizeAndPaintSetTheGeometryThePressesUse) {
  const std::uint8_t bytes[] = {kResize,     0, 0, 7, 0, kPaint, kPress | kSquarePointFlag,
                                Square(5, 0)};
  CountingWindow window;
  const ScriptOutcome outcome = RunScript(bytes, sizeof bytes, window);
  EXPECT_EQ(outcome.broken, nullptr);
  EXPECT_EQ(clientWidth, 0);
  EXPECT_EQ(boardHeight, 7);
  EXPECT_EQ(theBoard.cellSize, 0);
  EXPECT_EQ(theBoard.dragState, Idle);
}

struct BrokenCase {
  const char* name;
  void (*breakIt)();
  const char* expected;
};

// The checker must not be vacuous: each kind of damage is named.
TEST(Invariants, EachKindOfDamageIsCaught) {
  const BrokenCase cases[] = {
      {"shared square", [] { SetPosition(theBoard, "w5,0 b5,0"); }, "two pieces share a square"},
      {"light square", [] { SetPosition(theBoard, "w4,4 b1,0"); },
       "a piece stands off the dark squares of the board"},
      {"off the board", [] { SetPosition(theBoard, "w8,1 b1,0"); },
       "a piece stands off the dark squares of the board"},
      {"player man crowned late", [] { SetPosition(theBoard, "w0,1 b3,0"); },
       "a man stands uncrowned on its crowning row"},
      {"computer man crowned late", [] { SetPosition(theBoard, "w5,0 b7,0"); },
       "a man stands uncrowned on its crowning row"},
      {"unknown state", [] { theBoard.cpu.pieces[0].state = 1; },
       "a piece is neither a man nor a king"},
      {"score lags", [] { --theBoard.cpuCount; },
       "the computer's score differs from the computer's pieces"},
      {"player score lags", [] { ++theBoard.playerCount; },
       "the player's score differs from the player's pieces"},
      {"drag state 1", [] { theBoard.dragState = 1; },
       "the drag state is neither Idle nor Dragging"},
      {"trace overfull", [] { theCpuPlayer.stepCount = CpuPlayer::kMaxSteps + 1; },
       "the trace of the computer's move is out of its capacity"},
      {"more shown than recorded", [] { theCpuPlayer.shownSteps = 1; },
       "the trace of the computer's move is out of its capacity"},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    CountingWindow window;
    ResetToStartUp(window);
    ASSERT_EQ(FindBrokenInvariant(window), nullptr);
    c.breakIt();
    const char* broken = FindBrokenInvariant(window);
    ASSERT_NE(broken, nullptr);
    EXPECT_STREQ(broken, c.expected);
  }
  CountingWindow window;
  ResetToStartUp(window);
}

TEST(Invariants, FramesMustBePairedAndShownAtTheirOwnSize) {
  CountingWindow nested;
  nested.BeginFrame(10, 10);
  nested.BeginFrame(10, 10);
  EXPECT_STREQ(nested.fault, "a frame was begun inside another");

  CountingWindow resized;
  resized.BeginFrame(10, 10);
  resized.EndFrame(10, 11);
  EXPECT_STREQ(resized.fault, "a frame was shown at another size than it was composed at");

  CountingWindow outside;
  outside.FillRect(0, 0, 1, 1, 0);
  EXPECT_STREQ(outside.fault, "drawn outside a frame");
}

}  // namespace
