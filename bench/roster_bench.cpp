// The wrestler database at scale, measured through the windows' own handlers on generated rosters
// of 1,000 to 100,000 wrestlers; loading and saving beside a plain read and write of the same file.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/support/bench_game.h"
#include "common/line_file.h"
#include "common/paths.h"

namespace {

using bench::openRoster;
using bench::Session;
using bench::sizeOf;

std::string rosterPath() { return common::dataFilePath("\\Data\\", "wrestlers.vl1"); }

void RosterLoad(benchmark::State& state) {
  bench::useGameFolder(sizeOf(state));
  Session s;
  for (auto _ : state) {
    state.PauseTiming();
    s.editor.form12.hide();
    s.editor.form14.show();
    state.ResumeTiming();
    s.editor.form14.Command2.click();
  }
  if (s.editor.form12.wrestlerCount() != state.range(0)) state.SkipWithError("not loaded");
}

void RosterLoad_Baseline(benchmark::State& state) {
  bench::useGameFolder(sizeOf(state));
  for (auto _ : state) {
    std::vector<std::string> lines;
    if (!common::readLines(rosterPath(), lines)) state.SkipWithError("unreadable");
    benchmark::DoNotOptimize(lines.data());
  }
}

void RosterSave(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  for (auto _ : state) s->editor.form12.Command4.click();  // "Save Changes"
}

void RosterSave_Baseline(benchmark::State& state) {
  bench::useGameFolder(sizeOf(state));
  std::vector<std::string> lines;
  if (!common::readLines(rosterPath(), lines)) state.SkipWithError("unreadable");
  for (auto _ : state)
    if (!common::writeLines(rosterPath(), lines)) state.SkipWithError("unwritable");
}

// Each sort starts from the other order, so every click really moves the rows.
void Sort(benchmark::State& state, ui::CommandButton Form12::*other,
          ui::CommandButton Form12::*sort) {
  auto s = openRoster(sizeOf(state));
  Form12& list = s->editor.form12;
  for (auto _ : state) {
    state.PauseTiming();
    (list.*other).click();
    state.ResumeTiming();
    (list.*sort).click();
  }
}
void SortByName(benchmark::State& state) { Sort(state, &Form12::Command6, &Form12::Command5); }
void SortByPromotion(benchmark::State& state) { Sort(state, &Form12::Command5, &Form12::Command6); }

void ShowInjured(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  for (auto _ : state) s->editor.form12.Command8.click();
}

void Search(benchmark::State& state, const std::string& text) {
  auto s = openRoster(sizeOf(state));
  Form12& list = s->editor.form12;
  for (auto _ : state) {
    list.Text1.type(text);
    list.Text1.pressKey(ui::KeyEnter);
  }
}
void SearchStar(benchmark::State& state) { Search(state, "*"); }
void SearchLongPattern(benchmark::State& state) { Search(state, "*a*a*a*a*a*b"); }

void OpenWrestlerAndBack(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  Form12& list = s->editor.form12;
  const int row = list.MSFlexGrid1.rows() / 2;
  for (auto _ : state) {
    list.MSFlexGrid1.selectCell(row, 0);
    s->editor.form13.Command3.click();  // "OK" under the grid
  }
  if (!list.visible()) state.SkipWithError("the list did not come back");
}

void CheckAllDates(benchmark::State& state) {
  bench::useGameFolder(sizeOf(state));
  Session s;
  for (auto _ : state) {
    s.editor.form14.Command6.click();  // "Check All Dates"
    state.PauseTiming();
    s.editor.form14.Command8.click();  // the panel's "OK"
    state.ResumeTiming();
  }
}

void sizes(benchmark::internal::Benchmark* b) {
  for (long n : {1000L, 10000L, 32767L, 100000L}) b->Arg(n);
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(RosterLoad)->Apply(sizes);
BENCHMARK(RosterLoad_Baseline)->Apply(sizes);
BENCHMARK(RosterSave)->Apply(sizes);
BENCHMARK(RosterSave_Baseline)->Apply(sizes);
BENCHMARK(SortByName)->Apply(sizes);
BENCHMARK(SortByPromotion)->Apply(sizes);
BENCHMARK(ShowInjured)->Apply(sizes);
BENCHMARK(SearchStar)->Apply(sizes);
BENCHMARK(SearchLongPattern)->Apply(sizes);
BENCHMARK(OpenWrestlerAndBack)->Apply(sizes);
BENCHMARK(CheckAllDates)->Apply(sizes);

}  // namespace
