// The fuzz target: arbitrary bytes played as a script of window events (see event_script.h)
// through the mouse handlers and the paint routine, with the game's invariants checked after every
// event. A broken invariant aborts, so the fuzzer keeps the input that led to it.

#include <cstdio>
#include <cstdlib>

#include "fuzz/counting_window.h"
#include "fuzz/event_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CountingWindow window;
  const ScriptOutcome outcome = RunScript(data, size, window);
  if (outcome.broken != nullptr) {
    std::fprintf(stderr, "invariant broken after event %d: %s\n", outcome.events, outcome.broken);
    std::abort();
  }
  return 0;
}
