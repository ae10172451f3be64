// The flow of play: a press picks up one of the player's pieces, moves drag it, and the release
// plays the whole turn — the player's drop, the score, a further capture, the computer's reply and
// the tests for the end of the game — and reports what the turn was before any box it opens.

#include "game/turn.h"

#include "game/frontend.h"

namespace {

// The centre of a square in client pixels, as the board was last drawn.
void CentreOf(Cell square, int* x, int* y) {
  const int cell = theBoard.cellSize;
  *x = theBoard.originX + square.col * cell + cell / 2;
  *y = theBoard.originY + square.row * cell + cell / 2;
}

// The state of the piece of the set on the square, or 0 when none of it stands there.
int StateAt(const PieceSet& set, Cell square) {
  const int index = IndexOf(set, square.row, square.col);
  return index >= 0 ? set.pieces[index].state : 0;
}

int Kings(const PieceSet& set) {
  int kings = 0;
  for (int i = 0; i < set.count; ++i) {
    kings += set.pieces[i].state == King ? 1 : 0;
  }
  return kings;
}

// The press: one of the player's pieces under it is picked up, held at the point.
void PickUp(Cell square, int x, int y) {
  if (IsOccupied(theBoard.player, square.row, square.col)) {
    theBoard.BeginDrag(square.col, square.row, x, y);
    RequestRepaint();
  }
}

// The player's drop: judged and carried out, with what it was.
TurnRecord PlayDrop(Cell drop) {
  TurnRecord turn{};
  turn.from = {theBoard.dragRow, theBoard.dragCol};
  turn.to = drop;
  const int stateBefore = StateAt(theBoard.player, turn.from);
  turn.result = theBoard.EndDrag(drop.col, drop.row);
  if (turn.result == MoveCode::Moved || turn.result == MoveCode::Captured) {
    turn.crowned = stateBefore == Man && StateAt(theBoard.player, drop) == King;
  }
  return turn;
}

// The computer's reply, played at once, with the player's pieces it took off the score. The
// computer loses no piece in its own move, so one more king is its man crowned.
void PlayReply(TurnRecord& turn) {
  const int playerPiecesBefore = theBoard.player.count;
  const int cpuKingsBefore = Kings(theBoard.cpu);
  turn.reply = theCpuPlayer.MakeMove(theBoard.cpu, theBoard.player);
  turn.taken = playerPiecesBefore - theBoard.player.count;
  turn.cpuCrowned = Kings(theBoard.cpu) > cpuKingsBefore;
  turn.replySteps = theCpuPlayer.shownSteps;
  for (int i = 0; i < turn.replySteps && i < CpuPlayer::kMaxSteps; ++i) {
    turn.steps[i] = theCpuPlayer.steps[i];
  }
  if (turn.reply == MakeMoveResult::Captured) {
    theBoard.playerCount -= turn.taken;
  }
}

// The turn's play is done: the front end hears of it, with the score as it now stands.
void Report(TurnRecord& turn) {
  turn.playerCount = theBoard.playerCount;
  turn.cpuCount = theBoard.cpuCount;
  TellTurn(turn);
}

// The whole turn of a release on the drop square, while a drag is in progress.
void PlayRelease(Cell drop) {
  TurnRecord turn = PlayDrop(drop);
  const int result = turn.result;

  if (result == MoveCode::MustCapture) {
    Report(turn);
    ShowMessage(TurnText::kMustCapture, TurnText::kErrorCaption);
    RequestRepaint();
    return;
  }
  if (result == MoveCode::Captured) {
    --theBoard.cpuCount;
  }
  if (theBoard.cpuCount <= 0) {
    turn.end = GameEnd::PlayerWins;
    Report(turn);
    ShowMessage(TurnText::kPlayerWins, TurnText::kGameOverCaption);
    RequestRepaint();
    return;
  }
  if (result == MoveCode::Captured && theBoard.CanCaptureAgain(drop.row, drop.col)) {
    turn.mustCaptureAgain = true;
    Report(turn);
    RequestRepaint();
    return;
  }
  if (result > 0) {
    PlayReply(turn);
  }

  // The end tests, reported as the boxes below will show them.
  const bool cpuTookTheLast = turn.reply == MakeMoveResult::Captured && theBoard.playerCount <= 0;
  bool playerStuck = theBoard.PlayerHasNoMove() != 0;
  if (cpuTookTheLast) {
    turn.end = GameEnd::CpuWins;
  } else if (turn.reply == MakeMoveResult::NoMove) {
    turn.end = playerStuck ? GameEnd::NeitherCanMove : GameEnd::CpuHasNoMove;
  } else if (playerStuck) {
    turn.end = GameEnd::CpuWins;
  }
  Report(turn);

  if (cpuTookTheLast) {
    ShowMessage(TurnText::kCpuWins, TurnText::kGameOverCaption);
  } else if (turn.reply == MakeMoveResult::NoMove) {
    ShowMessage(TurnText::kCpuHasNoMove, TurnText::kGameOverCaption);
    // The player may have played while the box was open: the test runs on the board as it is now.
    playerStuck = theBoard.PlayerHasNoMove() != 0;
  }
  if (playerStuck && !cpuTookTheLast) {
    ShowMessage(TurnText::kCpuWins, TurnText::kGameOverCaption);
  }
  RequestRepaint();
}

}  // namespace

LParam SquareCentre(int row, int col) {
  int x = 0;
  int y = 0;
  CentreOf({row, col}, &x, &y);
  return MakePointParam(x, y);
}

void OnLButtonDown(WParam, LParam lParam) {
  theCpuPlayer.shownSteps = 0;
  // Before the first frame (or after one too low to hold a board) no square can be found.
  if (theBoard.cellSize == 0) {
    return;
  }
  const int x = PointX(lParam);
  const int y = PointY(lParam);
  Cell square{};
  theBoard.PixelToCell(x, y, &square.col, &square.row);
  PickUp(square, x, y);
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
  Cell drop{};
  theBoard.PixelToCell(PointX(lParam), PointY(lParam), &drop.col, &drop.row);
  PlayRelease(drop);
}

void PressSquare(Cell square) {
  theCpuPlayer.shownSteps = 0;
  int x = 0;
  int y = 0;
  CentreOf(square, &x, &y);
  PickUp(square, x, y);
}

void CarryToSquare(Cell square) {
  if (theBoard.dragState == Dragging) {
    int x = 0;
    int y = 0;
    CentreOf(square, &x, &y);
    theBoard.DragTo(x, y);
    RequestRepaint();
  }
}

void ReleaseOnSquare(Cell square) {
  if (theBoard.dragState == Dragging) {
    PlayRelease(square);
  }
}
