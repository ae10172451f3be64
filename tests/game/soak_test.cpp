// Random games through the three mouse handlers: the player's drops are mostly near its pieces,
// some anywhere, some off the board, and every message box is closed at once. After every release
// the position must still be one that the game can show and go on from.

#include <gtest/gtest.h>

#include <random>

#include "ai/cpu_player.h"
#include "game/board.h"
#include "game/turn.h"
#include "tests/support/invariants.h"
#include "tests/support/position.h"

#ifndef KORDAVELMIX_SOAK_GAMES
#define KORDAVELMIX_SOAK_GAMES 40
#endif

namespace {

constexpr int kCell = 55;
constexpr int kDropsPerGame = 150;

TEST(Soak, RandomGamesThroughTheHandlersKeepThePositionPlayable) {
  std::mt19937 rng(7);
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  theBoard.cellSize = kCell;
  for (int game = 0; game < KORDAVELMIX_SOAK_GAMES; ++game) {
    StartNewGame();
    for (int drop = 0; drop < kDropsPerGame && theBoard.player.count > 0; ++drop) {
      const Piece piece = theBoard.player.pieces[pick(0, theBoard.player.count - 1)];
      int x = 0;
      int y = 0;
      const int kind = pick(0, 9);
      if (kind < 7) {  // one or two squares along a diagonal
        const int distance = pick(1, 2);
        x = (piece.col + (pick(0, 1) != 0 ? distance : -distance)) * kCell + pick(0, kCell - 1);
        y = (piece.row + (pick(0, 1) != 0 ? -distance : distance)) * kCell + pick(0, kCell - 1);
      } else if (kind < 9) {  // anywhere in the window, the score panel included
        x = pick(0, 833);
        y = pick(0, 440);
      } else {  // off the window: the coordinates wrap as the window system packs them
        x = pick(-2000, 70000);
        y = pick(-2000, 70000);
      }
      OnLButtonDown(0, MakePointParam(piece.col * kCell + kCell / 2, piece.row * kCell + 10));
      OnMouseMove(0, MakePointParam(x, y));
      OnLButtonUp(0, MakePointParam(x, y));
      SCOPED_TRACE("game " + std::to_string(game) + " drop " + std::to_string(drop));
      ASSERT_EQ(FindBrokenGameInvariant(theBoard, theCpuPlayer), nullptr) << Describe(theBoard);
      ASSERT_EQ(theBoard.dragState, Idle);
    }
  }
}

}  // namespace
