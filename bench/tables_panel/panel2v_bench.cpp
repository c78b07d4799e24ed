// The two-variable panel on a 10000-row table, driven offscreen: one keystroke in a cell
// until every result box and the equation are written, for each regression model; and a
// change of model, which relabels and recomputes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>
#include <cstdlib>
#include <string>

#include "shared/program_state.h"
#include "../bench_ui.h"
#include "platform/ui.h"
#include "tables/Panel2V.h"
#include "tables/edit_commands.h"

namespace {

using namespace tables;

using QuietUi = bench::BenchUi;

constexpr int32_t kRows = 9998;

struct PanelFixture {
  explicit PanelFixture(int16_t model) {
    platform::InstallUi(&ui);
    // Positive x and y, so that every model can take its logarithms.
    for (int32_t i = 1; i <= kRows; ++i) {
      table.Data2V_X[i] = 1 + i * 0.25;
      table.Data2V_Y[i] = 3 + 0.5 * i + 2 * std::sin(i);
      table.Data2V_N[i] = 1 + i % 5;
    }
    table.N2V = kRows + 1;
    table.Top2V = 5000;
    SetRegType2V(table, model);
    table.View2V->Refresh();
    table.View2V->Recompute();
  }
  QuietUi ui;
  shared::ProgramState state;
  Table2V table;
  Stats2V stats;
  QWidget window;
  Panel2V panel{table, stats, state, nullptr, nullptr, &window};
};

void Key(QWidget* target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
}

// Alternately types a frequency digit and erases it: each is a complete edit of the row
// and a full pass of the statistics and the fit over every row.
void BM_KeystrokeIn10000Rows(benchmark::State& state) {
  PanelFixture f(static_cast<int16_t>(state.range(0)));
  QLineEdit* cell = f.panel.findChild<QLineEdit*>("Txt2V_N_6");
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
  if (f.panel.findChild<QLineEdit*>("Txt2V_CUR")->text().isEmpty()) {
    state.SkipWithError("no equation");
  }
  state.SetLabel(ModelCaption(static_cast<int16_t>(state.range(0))));
}
BENCHMARK(BM_KeystrokeIn10000Rows)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Power and back to linear: two relabellings and two full recomputations.
void BM_ModelChangeIn10000Rows(benchmark::State& state) {
  PanelFixture f(0);
  for (auto _ : state) {
    SetRegType2V(f.table, 3);
    SetRegType2V(f.table, 0);
  }
  if (f.panel.findChild<QLineEdit*>("Txt2V_CUR")->text().isEmpty()) {
    state.SkipWithError("no equation");
  }
}
BENCHMARK(BM_ModelChangeIn10000Rows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
