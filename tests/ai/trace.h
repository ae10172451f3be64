// Text forms for the opponent tests: the trace of the last move as "2,1>3,0 3,0>5,2" and the
// recorded sounds as "question beep".
#pragma once

#include <string>

#include "ai/cpu_player.h"
#include "tests/support/recorder.h"

inline std::string DescribeTrace(const CpuPlayer& cpu) {
  std::string out;
  for (int i = 0; i < cpu.stepCount; ++i) {
    const MoveStep& step = cpu.steps[i];
    if (!out.empty()) {
      out += ' ';
    }
    out += std::to_string(step.fromRow) + ',' + std::to_string(step.fromCol) + '>' +
           std::to_string(step.toRow) + ',' + std::to_string(step.toCol);
  }
  return out;
}

inline std::string DescribeSounds(const Recorder& recorder) {
  std::string out;
  for (const std::string& sound : recorder.Sounds()) {
    out += out.empty() ? sound : ' ' + sound;
  }
  return out;
}
