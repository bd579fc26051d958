// The venue window on the generated game's 5,000 venues: opening it from the hub beside a plain
// read of venues.txt, and a country filter.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/support/bench_game.h"
#include "common/line_file.h"

namespace {

constexpr long venueCount = 5000;

void VenueLoad(benchmark::State& state) {
  bench::useGameFolder(1000);
  bench::Session s;
  for (auto _ : state) {
    s.editor.form14.Command5.click();  // "Edit The Venues"
    state.PauseTiming();
    s.editor.form18.Command4.click();  // "Back To Menu"
    state.ResumeTiming();
  }
}

void VenueLoad_Baseline(benchmark::State& state) {
  bench::useGameFolder(1000);
  for (auto _ : state) {
    std::vector<std::string> lines;
    if (!common::readLines("Data/venues.txt", lines)) state.SkipWithError("unreadable");
    benchmark::DoNotOptimize(lines.data());
  }
}

// "Japan Only" then "Show All", each timed.
void VenueFilter(benchmark::State& state) {
  bench::useGameFolder(1000);
  bench::Session s;
  s.editor.form14.Command5.click();
  Form18& venues = s.editor.form18;
  bool japan = true;
  for (auto _ : state) {
    (japan ? venues.Command9 : venues.Command6).click();
    japan = !japan;
  }
}

void venues(benchmark::internal::Benchmark* b) {
  b->Arg(venueCount)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(VenueLoad)->Apply(venues);
BENCHMARK(VenueLoad_Baseline)->Apply(venues);
BENCHMARK(VenueFilter)->Apply(venues);

}  // namespace
