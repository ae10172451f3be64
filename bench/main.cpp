// Runs the benchmarks and, after the usual table, prints each figure that has a goal beside that
// goal: the median when the run has repetitions, else the single figure.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "bench/corpus.h"
#include "bench/goals.h"

namespace {

class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median) {
        Figure& figure = figures_[run.run_name.function_name];
        // A median, once there is one, replaces the single repetitions.
        if (median || !figure.median) {
          figure = Figure{RealNs(run), median};
        }
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    out << "\nGoals (wall-clock time per call):\n";
    for (const Goal& goal : kGoals) {
      const auto found = figures_.find(std::string(goal.benchmark));
      if (found == figures_.end()) {
        continue;
      }
      const Figure& figure = found->second;
      const double share = figure.ns / goal.limitNs;
      char line[256];
      std::snprintf(line, sizeof line, "  %-20s %10.1f ns %-6s  goal: %s  %s (%.1f%% of it)\n",
                    std::string(goal.benchmark).c_str(), figure.ns,
                    figure.median ? "median" : "single", std::string(goal.says).c_str(),
                    share <= 1.0 ? "MET" : "MISSED", share * 100.0);
      out << line;
    }
  }

 private:
  struct Figure {
    double ns = 0;
    bool median = false;
  };

  static double RealNs(const Run& run) {
    return run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
  }

  std::map<std::string, Figure> figures_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::AddCustomContext("corpus", DescribeCorpus());
  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
