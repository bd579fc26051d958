// The benchmarks' main: runs them as Google Benchmark does, then prints one table of the results
// in milliseconds. A benchmark named "X_Baseline/N" is the baseline of "X/N" (reading or writing
// the same file's lines, say), and "X/N" shows its time as a multiple of it. For every operation
// measured at 10,000 and 100,000, a second table shows how its time grew.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Result {
  std::string operation;
  long n = -1;
  double milliseconds = 0;
};

class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      Result result;
      const std::string name = run.benchmark_name();
      const std::size_t slash = name.find('/');
      result.operation = name.substr(0, slash);
      if (slash != std::string::npos) result.n = std::atol(name.c_str() + slash + 1);
      const double seconds =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      result.milliseconds = seconds * 1000.0;
      results_.push_back(result);
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::map<std::pair<std::string, long>, double> times;
    for (const Result& r : results_) times[{r.operation, r.n}] = r.milliseconds;

    std::printf("\n%-34s %9s %12s %12s\n", "operation", "N", "time (ms)", "x baseline");
    for (const Result& r : results_) {
      const auto baseline = times.find({r.operation + "_Baseline", r.n});
      std::printf("%-34s %9s %12.3f", r.operation.c_str(),
                  r.n < 0 ? "" : std::to_string(r.n).c_str(), r.milliseconds);
      if (baseline != times.end() && baseline->second > 0)
        std::printf(" %12.2f", r.milliseconds / baseline->second);
      std::printf("\n");
    }

    bool heading = false;
    for (const auto& [key, time] : times) {
      if (key.second != 100000) continue;
      const auto small = times.find({key.first, 10000});
      if (small == times.end() || small->second <= 0) continue;
      if (!heading) std::printf("\n%-34s %22s\n", "operation", "t(100,000) / t(10,000)");
      heading = true;
      std::printf("%-34s %22.2f\n", key.first.c_str(), time / small->second);
    }
    std::fflush(stdout);
  }

 private:
  std::vector<Result> results_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
