// The day walk behind the start date check: every day from Sunday 1 January 1950 to the end of
// 2050, as one click of "Confirm Start Date" walks it.

#include <benchmark/benchmark.h>

#include "common/dates.h"

namespace {

void StartDateWalk(benchmark::State& state) {
  for (auto _ : state) {
    common::WalkDate day{"7", "1", "1", "1950", common::HeldAs::Number, common::HeldAs::Number};
    int steps = 0;
    while (day.year != "2051") {
      common::advanceOneDay(day);
      ++steps;
    }
    benchmark::DoNotOptimize(steps);
  }
}
BENCHMARK(StartDateWalk)->Unit(benchmark::kMillisecond);

}  // namespace
