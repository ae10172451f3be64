#include "ai/cpu_player.h"

CpuPlayer theCpuPlayer;

void CpuPlayer::RecordStep(int fromRow, int fromCol, int toRow, int toCol) {
  if (stepCount >= kMaxSteps) {
    return;
  }
  steps[stepCount] = MoveStep{fromRow, fromCol, toRow, toCol};
  ++stepCount;
  ++shownSteps;
}

void CpuPlayer::BuildField(Field& field, const PieceSet& cpuSet, const PieceSet& playerSet) {
  field.fill(FieldEmpty);
  for (int i = 0; i < cpuSet.count; ++i) {
    field[cpuSet.pieces[i].row * 8 + cpuSet.pieces[i].col] = FieldCpu;
  }
  for (int i = 0; i < playerSet.count; ++i) {
    field[playerSet.pieces[i].row * 8 + playerSet.pieces[i].col] = FieldPlayer;
  }
}

bool CpuPlayer::IsOnBoard(int row, int col) { return row >= 0 && col >= 0 && row < 8 && col < 8; }
