// The benchmark program without the front end: the game's own work only.

#include "bench/runner.h"

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv);
}
