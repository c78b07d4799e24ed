// The one-variable panel on a 10000-row table, driven offscreen: one keystroke in a cell
// until every result box is written, and a data file read until the grid is filled.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "shared/program_state.h"
#include "../bench_ui.h"
#include "platform/ui.h"
#include "tables/Panel1V.h"
#include "tables/data_files.h"

namespace {

using namespace tables;

using QuietUi = bench::BenchUi;

constexpr int32_t kRows = 9998;

struct PanelFixture {
  PanelFixture() {
    platform::InstallUi(&ui);
    for (int32_t i = 1; i <= kRows; ++i) {
      table.Data1V_X1[i] = i * 0.5;
      table.Data1V_N[i] = 1 + i % 7;
    }
    table.N1V = kRows + 1;
    table.Top1V = 5000;
    table.View1V->Refresh();
    table.View1V->Recompute();
  }
  QuietUi ui;
  shared::ProgramState state;
  Table1V table;
  Stats1V stats;
  QWidget window;
  Panel1V panel{table, stats, state, nullptr, nullptr, &window};
};

void Key(QWidget* target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
}

// Alternately types a frequency digit and erases it: each is a complete edit of the row
// and a full pass of the statistics over every row.
void BM_KeystrokeIn10000Rows(benchmark::State& state) {
  PanelFixture f;
  QLineEdit* cell = f.panel.findChild<QLineEdit*>("Txt1V_N_6");
  cell->setFocus();
  cell->setCursorPosition(static_cast<int>(cell->text().size()));
  bool type = true;
  for (auto _ : state) {
    if (type) {
      Key(cell, Qt::Key_3, "3");
    } else {
      Key(cell, Qt::Key_Backspace, "");
    }
    type = !type;
  }
  if (f.panel.findChild<QLineEdit*>("Txt1V_MX")->text().isEmpty()) state.SkipWithError("no mean");
}
BENCHMARK(BM_KeystrokeIn10000Rows)->Unit(benchmark::kMillisecond);

void BM_OpenA10000RowFile(benchmark::State& state) {
  PanelFixture f;
  QTemporaryDir folder;
  f.table.FileName1V = folder.path().toStdString() + "/large.e1v";
  Save1VAR(f.table);
  const std::string path = f.table.FileName1V;
  for (auto _ : state) {
    if (!Load1VAR(f.table, path)) state.SkipWithError("not read");
  }
  if (f.panel.findChild<QLineEdit*>("Txt1V_x1_1")->text().isEmpty()) {
    state.SkipWithError("grid not filled");
  }
}
BENCHMARK(BM_OpenA10000RowFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
