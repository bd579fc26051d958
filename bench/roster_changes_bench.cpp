// The wrestler list's changes at scale, through the windows' own handlers: creating and deleting
// a wrestler, a promotion's bulk delete (half the roster) and rename, automatic expiry dates, a
// promotion's export, and merging the roster into another roster file of the same size with every
// question answered Yes, or every one No.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/bench_game.h"

namespace {

namespace fs = std::filesystem;
using bench::openRoster;
using bench::Session;
using bench::sizeOf;

// Loads the roster again from the file, as "Done" then "Edit The Wrestlers File" would.
void reload(Session& s) {
  s.editor.form12.hide();
  s.editor.form14.show();
  s.editor.form14.Command2.click();
}

void CreateWrestler(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  for (auto _ : state) {
    s->editor.form12.Command2.click();  // "Create New Wrestler": the new one's stat sheet
    state.PauseTiming();
    s->editor.form13.Command3.click();  // "OK" back to the list
    state.ResumeTiming();
  }
}

void DeleteOneWrestler(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  s->desktop.yesNo = ui::Answer::Yes;
  Form12& list = s->editor.form12;
  for (auto _ : state) {
    state.PauseTiming();
    list.MSFlexGrid1.selectCell(list.MSFlexGrid1.rows() / 2, 0);
    state.ResumeTiming();
    s->editor.form13.Command4.click();  // "Delete This Wrestler", Yes: back to the list
  }
}

void BulkDeleteHalf(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  Form12& list = s->editor.form12;
  for (auto _ : state) {
    state.PauseTiming();
    reload(*s);
    list.Text6.type(bench::bigPromotion);
    state.ResumeTiming();
    list.Command12.click();
  }
  if (list.wrestlerCount() >= state.range(0)) state.SkipWithError("nobody was deleted");
}

void RenamePromotion(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  Form12& list = s->editor.form12;
  std::string from = bench::bigPromotion, to = "XYZ";
  for (auto _ : state) {
    state.PauseTiming();
    list.Text2.type(from);
    list.Text3.type(to);
    state.ResumeTiming();
    list.Command10.click();
    std::swap(from, to);
  }
}

void AutoExpiryDates(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  s->desktop.yesNo = ui::Answer::Yes;
  for (auto _ : state) s->editor.form12.Command3.click();
}

void ExportPromotion(benchmark::State& state) {
  auto s = openRoster(sizeOf(state));
  Form12& list = s->editor.form12;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove("Data/export.vl1");
    list.Text4.type(bench::bigPromotion);
    list.Text5.type("export.vl1");
    state.ResumeTiming();
    list.Command11.click();
  }
  if (!fs::exists("Data/export.vl1")) state.SkipWithError("nothing exported");
}

// The roster merged into a copy of itself: every wrestler is asked about.
void Merge(benchmark::State& state, ui::Answer answer) {
  auto s = openRoster(sizeOf(state));
  s->desktop.yesNo = answer;
  for (auto _ : state) {
    state.PauseTiming();
    fs::copy_file("Data/wrestlers.vl1", "Data/other.vl1", fs::copy_options::overwrite_existing);
    s->desktop.replies.push_back("other.vl1");
    const std::size_t asked = s->desktop.messages;
    state.ResumeTiming();
    s->editor.form12.Command9.click();  // "Export This Roster Into Another Roster File"
    state.PauseTiming();
    if (s->desktop.messages - asked < static_cast<std::size_t>(state.range(0)))
      state.SkipWithError("not every wrestler was asked about");
    state.ResumeTiming();
  }
  fs::remove("Data/other.vl1");
}
void MergeAllYes(benchmark::State& state) { Merge(state, ui::Answer::Yes); }
void MergeAllNo(benchmark::State& state) { Merge(state, ui::Answer::No); }

void sizes(benchmark::internal::Benchmark* b) {
  for (long n : {1000L, 10000L, 32767L, 100000L}) b->Arg(n);
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Operations with a heavy untimed set-up each time run a fixed, small number of times.
void fewSizes(benchmark::internal::Benchmark* b) {
  sizes(b);
  b->Iterations(5);
}

BENCHMARK(CreateWrestler)->Apply(fewSizes);
BENCHMARK(DeleteOneWrestler)->Apply(fewSizes);
BENCHMARK(BulkDeleteHalf)->Apply(fewSizes);
BENCHMARK(RenamePromotion)->Apply(sizes);
BENCHMARK(AutoExpiryDates)->Apply(sizes);
BENCHMARK(ExportPromotion)->Apply(fewSizes);
BENCHMARK(MergeAllYes)->Apply(fewSizes);
BENCHMARK(MergeAllNo)->Apply(fewSizes);

}  // namespace
