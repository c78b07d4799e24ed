// The tables' operations on a full table of 10000 rows: the data file both ways, the
// clipboard text both ways, and the undo snapshot.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "../bench_ui.h"
#include "platform/ui.h"
#include "tables/data_files.h"
#include "tables/edit_commands.h"
#include "tables/undo.h"

namespace {

using namespace tables;

using ClipboardOnlyUi = bench::BenchUi;

ClipboardOnlyUi& InstalledClipboard() {
  static ClipboardOnlyUi ui;
  platform::InstallUi(&ui);
  return ui;
}

// Values of mixed magnitudes and signs, some cells empty, as typed data has them.
void Fill(Table1V& table, int32_t rows) {
  for (int32_t i = 1; i <= rows; ++i) {
    table.Data1V_X1[i] = (i % 7 == 0) ? NoValue : i * 1.25 - 300.0;
    table.Data1V_X2[i] = (i % 2 == 0) ? NoValue : i / 3.0;
    table.Data1V_N[i] = static_cast<double>(i % 5 + 1);
  }
  table.N1V = rows;
}

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          (std::string("orvalis-bench-") + std::to_string(getpid()) + name))
      .string();
}

void BM_SaveFile10000(benchmark::State& state) {
  InstalledClipboard();
  Table1V table;
  Fill(table, kMaxRows);
  table.FileName1V = TempPath(".e1v");
  for (auto _ : state) {
    table.Modified1V = true;
    Save1VAR(table);
    if (table.Modified1V) state.SkipWithError("the save failed");
  }
  std::filesystem::remove(table.FileName1V);
}
BENCHMARK(BM_SaveFile10000)->Unit(benchmark::kMillisecond);

void BM_LoadFile10000(benchmark::State& state) {
  InstalledClipboard();
  Table1V source;
  Fill(source, kMaxRows);
  source.FileName1V = TempPath("-load.e1v");
  Save1VAR(source);
  Table1V table;
  for (auto _ : state) {
    Load1VAR(table, source.FileName1V);
    if (table.N1V != kMaxRows) state.SkipWithError("the read failed");
  }
  std::filesystem::remove(source.FileName1V);
}
BENCHMARK(BM_LoadFile10000)->Unit(benchmark::kMillisecond);

void BM_CopySelection10000(benchmark::State& state) {
  ClipboardOnlyUi& ui = InstalledClipboard();
  Table1V table;
  Fill(table, kMaxRows);
  SetSelection1V(table, 1, kMaxRows);
  for (auto _ : state) {
    Copiar1V(table);
    benchmark::DoNotOptimize(ui.clipboard.data());
  }
}
BENCHMARK(BM_CopySelection10000)->Unit(benchmark::kMillisecond);

// Pastes 9986 rows, as many as fit after a new table's 12, then undoes the paste so each
// round starts from the same table.
void BM_PasteSelection9986(benchmark::State& state) {
  ClipboardOnlyUi& ui = InstalledClipboard();
  Table1V source;
  Fill(source, 9986);
  ui.clipboard = SelectionText1V(source, 1, 9986);
  Table1V table;
  for (auto _ : state) {
    Pegar1V(table);
    if (table.N1V != 9999) state.SkipWithError("the paste failed");
    state.PauseTiming();
    Deshacer1V(table);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteSelection9986)->Unit(benchmark::kMillisecond);

void BM_UndoSnapshot10000(benchmark::State& state) {
  Table1V table;
  Fill(table, kMaxRows);
  for (auto _ : state) {
    SaveForUndo1V(table);
    benchmark::DoNotOptimize(table.Undo1V.Columns[0].data());
  }
}
BENCHMARK(BM_UndoSnapshot10000)->Unit(benchmark::kMicrosecond);

}  // namespace
