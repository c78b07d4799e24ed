// The statistics are recomputed on every keystroke in a cell: a full pass over a table of
// 10000 rows must stay well under a millisecond.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "tables/statistics1v.h"
#include "tables/statistics2v.h"

namespace {

constexpr int32_t kRows = 10000;

// Rising values (or touching classes) with varied frequencies: every part of the pass runs,
// the median and the grouped mode included.
tables::Table1V Table1V(int16_t kind) {
  tables::Table1V t;
  t.DataType1V = kind;
  t.N1V = kRows;
  for (int32_t i = 1; i < kRows; ++i) {
    t.Data1V_X1[i] = 100 + 0.5 * i;
    if (kind == 1) t.Data1V_X2[i] = 100 + 0.5 * (i + 1);
    t.Data1V_N[i] = 1 + (i * 7919) % 13;
  }
  return t;
}

tables::Table2V Table2V(int16_t model) {
  tables::Table2V t;
  t.RegType2V = model;
  t.N2V = kRows;
  for (int32_t i = 1; i < kRows; ++i) {
    const double x = 1 + 0.01 * i;
    t.Data2V_X[i] = x;
    t.Data2V_Y[i] = 2 + 0.3 * x + 0.01 * x * x + ((i * 7919) % 17) * 0.05;
    t.Data2V_N[i] = 1 + i % 3;
  }
  return t;
}

void BM_ProcesarDatos1VAR(benchmark::State& state) {
  const auto table = Table1V(static_cast<int16_t>(state.range(0)));
  tables::Stats1V stats;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tables::ProcesarDatos1VAR(table, stats, 3, 1));
  }
  state.SetLabel(state.range(0) == 0 ? "ungrouped" : "grouped");
}
BENCHMARK(BM_ProcesarDatos1VAR)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ProcesarDatos2VAR(benchmark::State& state) {
  const auto table = Table2V(static_cast<int16_t>(state.range(0)));
  tables::Stats2V stats;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tables::ProcesarDatos2VAR(table, stats));
  }
  state.SetLabel(tables::ModelCaption(static_cast<int16_t>(state.range(0))));
}
BENCHMARK(BM_ProcesarDatos2VAR)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
