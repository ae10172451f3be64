// The flow of play: a press picks up one of the player's pieces, moves drag it, and the release
// plays the whole turn — the player's drop, the score, a further capture, the computer's reply and
// the tests for the end of the game.

#include "game/turn.h"

#include "ai/cpu_player.h"
#include "game/board.h"
#include "game/frontend.h"

LParam SquareCentre(int row, int col) {
  const int cell = theBoard.cellSize;
  return MakePointParam(theBoard.originX + col * cell + cell / 2,
                        theBoard.originY + row * cell + cell / 2);
}

void OnLButtonDown(WParam, LParam lParam) {
  theCpuPlayer.shownSteps = 0;
  // Before the first frame (or after one too low to hold a board) no square can be found.
  if (theBoard.cellSize == 0) {
    return;
  }
  const int x = PointX(lParam);
  const int y = PointY(lParam);
  int col = 0;
  int row = 0;
  theBoard.PixelToCell(x, y, &col, &row);
  if (IsOccupied(theBoard.player, row, col)) {
    theBoard.BeginDrag(col, row, x, y);
    RequestRepaint();
  }
}

void OnMouseMove(WParam, LParam lParam) {
  if (theBoard.dragState == Dragging) {
    theBoard.DragTo(PointX(lParam), PointY(lParam));
    RequestRepaint();
  }
}

void OnLButtonUp(WParam, LParam lParam) {
  if (theBoard.dragState != Dragging || theBoard.cellSize == 0) {
    return;
  }
  int col = 0;
  int row = 0;
  theBoard.PixelToCell(PointX(lParam), PointY(lParam), &col, &row);
  const int result = theBoard.EndDrag(col, row);

  if (result == MoveCode::MustCapture) {
    ShowMessage(TurnText::kMustCapture, TurnText::kErrorCaption);
    RequestRepaint();
    return;
  }
  if (result == MoveCode::Captured) {
    --theBoard.cpuCount;
  }
  if (theBoard.cpuCount <= 0) {
    ShowMessage(TurnText::kPlayerWins, TurnText::kGameOverCaption);
    RequestRepaint();
    return;
  }
  if (result == MoveCode::Captured && theBoard.CanCaptureAgain(row, col)) {
    RequestRepaint();
    return;
  }

  bool cpuWinShown = false;
  if (result > 0) {
    const int playerPiecesBefore = theBoard.player.count;
    const int reply = theCpuPlayer.MakeMove(theBoard.cpu, theBoard.player);
    if (reply == MakeMoveResult::Captured) {
      theBoard.playerCount -= playerPiecesBefore - theBoard.player.count;
      if (theBoard.playerCount <= 0) {
        ShowMessage(TurnText::kCpuWins, TurnText::kGameOverCaption);
        cpuWinShown = true;
      }
    } else if (reply == MakeMoveResult::NoMove) {
      ShowMessage(TurnText::kCpuHasNoMove, TurnText::kGameOverCaption);
    }
  }
  if (theBoard.PlayerHasNoMove() && !cpuWinShown) {
    ShowMessage(TurnText::kCpuWins, TurnText::kGameOverCaption);
  }
  RequestRepaint();
}
