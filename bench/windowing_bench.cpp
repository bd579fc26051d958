// Costs of the windowing layer's heavy operations on generated data: filling and sorting a large
// grid, and filling a hidden list.

#include <benchmark/benchmark.h>

#include <string>

#include "ui/ui.h"

namespace {

class BenchForm : public ui::Form {
 public:
  ui::Grid grid{*this, "grid"};
  ui::ListBox list{*this, "list"};
};

// A name-like text for row i, in no particular order.
std::string nameOf(int i) {
  const unsigned scrambled = static_cast<unsigned>(i) * 2654435761u;
  return "Wrestler " + std::to_string(scrambled % 1000003u);
}

void fillGrid(ui::Grid& grid, int rows) {
  grid.setCols(2);
  grid.setFixedCols(0);
  grid.setRows(rows + 1);
  for (int r = 1; r <= rows; ++r) {
    grid.setTextMatrix(r, 0, nameOf(r));
    grid.setTextMatrix(r, 1, r % 7 == 0 ? "Free Agent" : "GCF");
  }
}

void GridFill(benchmark::State& state) {
  for (auto _ : state) {
    BenchForm form;
    fillGrid(form.grid, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(form.grid.rows());
  }
}
BENCHMARK(GridFill)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void GridSortByName(benchmark::State& state) {
  BenchForm form;
  for (auto _ : state) {
    state.PauseTiming();
    fillGrid(form.grid, static_cast<int>(state.range(0)));
    form.grid.setCol(0);
    state.ResumeTiming();
    form.grid.sort();
  }
}
BENCHMARK(GridSortByName)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void HiddenListFill(benchmark::State& state) {
  for (auto _ : state) {
    BenchForm form;
    form.list.setVisible(false);
    for (int i = 0; i < state.range(0); ++i) form.list.addItem(nameOf(i));
    benchmark::DoNotOptimize(form.list.listCount());
  }
}
BENCHMARK(HiddenListFill)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
