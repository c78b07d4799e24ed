// The full redraw of the graph window's plot: the scatter plot of 10000 points with its
// fitted curve, painted offscreen at the window's first plot size.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "graph/plot_content.h"
#include "graph/qt_surface.h"

namespace {

constexpr int kPlotWidth = 992 - 112 - 10;
constexpr int kPlotHeight = 684 - 41;

void BM_FullRedrawScatter10000(benchmark::State& state) {
  const int16_t kind = static_cast<int16_t>(state.range(0));
  graph::GraphHandover h;
  h.GraphKind = kind;
  h.GraphFormula = "y = fitted";
  h.GraphCoefA = kind == 4 ? 0.05 : 2;
  h.GraphCoefB = kind == 4 ? -0.3 : 0.8;
  h.GraphCoefC = 1;
  tables::Table1V t1;
  tables::Table2V t2;
  t2.N2V = 10000;
  for (int i = 1; i <= 10000; ++i) {
    const double x = 0.5 + 20.0 * i / 10000;
    double y = 0;
    graph::EvaluateModel(kind, h.GraphCoefA, h.GraphCoefB, h.GraphCoefC, x, y);
    t2.Data2V_X[i] = x;
    t2.Data2V_Y[i] = y + std::sin(i * 0.37) * 2;
  }
  h.View = {-1.5, 22.5, -4, 30};
  graph::PlotScene scene;
  scene.handover = &h;
  scene.table1 = &t1;
  scene.table2 = &t2;
  scene.screenWidth = kPlotWidth;
  scene.screenHeight = kPlotHeight;
  QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    graph::PainterSurface surface(painter, kPlotWidth, kPlotHeight, true);
    graph::DibujarTODO(surface, scene);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FullRedrawScatter10000)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
