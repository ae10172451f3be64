// Text forms of what the computer did: the steps of its trace as "2,1>3,0 3,0>5,2" and the
// recorded sounds as "question beep".
#pragma once

#include <string>

#include "ai/cpu_player.h"
#include "tests/support/recorder.h"

// The first count steps.
inline std::string DescribeTrace(const MoveStep* steps, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const MoveStep& step = steps[i];
    if (!out.empty()) {
      out += ' ';
    }
    out += std::to_string(step.fromRow) + ',' + std::to_string(step.fromCol) + '>' +
           std::to_string(step.toRow) + ',' + std::to_string(step.toCol);
  }
  return out;
}

// Every step recorded in the last turn.
inline std::string DescribeTrace(const CpuPlayer& cpu) {
  return DescribeTrace(cpu.steps, cpu.stepCount);
}

inline std::string DescribeSounds(const Recorder& recorder) {
  std::string out;
  for (const std::string& sound : recorder.Sounds()) {
    out += out.empty() ? sound : ' ' + sound;
  }
  return out;
}
