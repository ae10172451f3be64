#include "bench/runner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "bench/corpus.h"
#include "bench/goals.h"

namespace {

// Prints the goals after the table: the median of each figure when the run has repetitions, else
// the single figure.
class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) {
        continue;
      }
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
      const Figure* figure = Find(goal.benchmark);
      if (figure == nullptr) {
        continue;
      }
      double limitNs = goal.limitNs;
      if (!goal.baseline.empty()) {
        const Figure* baseline = Find(goal.baseline);
        if (baseline == nullptr) {
          continue;
        }
        limitNs = goal.timesBaseline * baseline->ns;
      }
      const double share = figure->ns / limitNs;
      char line[320];
      std::snprintf(
          line, sizeof line, "  %-24s %12.1f ns %-6s  goal: %s (%.1f ns)  %s (%.1f%% of it)\n",
          std::string(goal.benchmark).c_str(), figure->ns, figure->median ? "median" : "single",
          std::string(goal.says).c_str(), limitNs, share <= 1.0 ? "MET" : "MISSED", share * 100.0);
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

  const Figure* Find(std::string_view name) const {
    const auto found = figures_.find(std::string(name));
    return found == figures_.end() ? nullptr : &found->second;
  }

  std::map<std::string, Figure> figures_;
};

}  // namespace

int RunBenchmarks(int argc, char** argv) {
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
