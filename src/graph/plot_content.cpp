#include "graph/plot_content.h"

#include <cmath>

#include "tables/statistics_internal.h"

namespace graph {

namespace {

using tables::IsEmpty;
using tables::detail::LastRow;

const Rgb kLightBar{140, 160, 255};
const Rgb kDarkBar{60, 80, 255};
const Rgb kScreenMarker{40, 60, 255};
const Rgb kScreenCurve{255, 0, 80};
const Rgb kBand{240, 240, 250};
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

Rgb RowColour(int32_t row, bool black) {
  if (black) return kBlack;
  return row % 2 == 1 ? kLightBar : kDarkBar;
}

}  // namespace

CurveValue EvaluateModel(int16_t kind, double a, double b, double c, double x, double& y) {
  double value = 0;
  switch (kind) {
    case 0:
      value = a + b * x;
      break;
    case 1:
      if (x <= 0) return CurveValue::Undefined;
      value = a + b * std::log(x);
      break;
    case 2: {
      const double power = std::pow(b, x);
      if (!std::isfinite(power)) return CurveValue::NotComputable;
      value = a * power;
      break;
    }
    case 3: {
      const double power = std::pow(x, b);
      if (!std::isfinite(power)) return CurveValue::NotComputable;
      value = a * power;
      break;
    }
    case 4:
      value = a * (x * x) + b * x + c;
      break;
    default:
      return CurveValue::NotComputable;
  }
  if (!std::isfinite(value)) return CurveValue::NotComputable;
  y = value;
  return CurveValue::Defined;
}

double CurveStep(double d, double cw) {
  if (d >= 0 && d <= 1) return cw / 3;
  if (d > 1 && d <= 2) return cw / 4;
  if (d > 2 && d <= 4) return cw / 8;
  if (d > 4 && d <= 8) return cw / 16;
  return cw / 20;  // steeper, the first column, or a row off every scale
}

double BarWidth(double W, int32_t N1V) {
  double bw = std::nearbyint(W / 50);
  if (N1V > 25) bw = std::nearbyint((W / 2) / N1V);
  if (bw <= 1) bw = 2;
  return bw;
}

void DibujarBARRAS(Surface& target, const PlotScene& scene) {
  const tables::Table1V& t = *scene.table1;
  const double bw = BarWidth(target.ScaleWidth(), t.N1V);
  const bool black = !target.IsScreen() && scene.Check1;
  const TargetSetup s = SetUpTarget(target, scene, 1, 0);
  target.SetDrawWidth(1);
  for (int32_t i = 1; i <= LastRow(t.N1V); ++i) {
    const double x = t.Data1V_X1[i];
    const double n = t.Data1V_N[i];
    if (IsEmpty(x) || IsEmpty(n)) continue;
    const double px = s.map.Px(x);
    target.FilledBox(px - bw / 2, s.map.Py(0), px + bw / 2, s.map.Py(n), RowColour(i, black));
  }
}

void DibujarHistograma(Surface& target, const PlotScene& scene) {
  const tables::Table1V& t = *scene.table1;
  const bool black = !target.IsScreen() && scene.Check1;
  // Solid black classes that touch would print as one block: each is edged in the
  // paper's colour, so that a line of paper parts it from its neighbours.
  const double edge = MmToPixels(kHistogramEdgeMm, target.TwipsPerPixel());
  const TargetSetup s = SetUpTarget(target, scene, 12, 3);
  const double m = s.width;
  target.SetDrawWidth(1);
  auto inside = [&](double p, double lo, double hi) { return p >= lo && p <= hi; };
  const std::vector<double> heights = HistogramHeights(t, scene.M1V);
  for (int32_t i = 1; i <= LastRow(scene.M1V); ++i) {
    const double px1 = s.map.Px(t.Data1V_X1[i]);
    const double px2 = s.map.Px(t.Data1V_X2[i]);
    const double py0 = s.map.Py(0);
    const double pyn = s.map.Py(heights[i - 1]);
    // A class is drawn whole or not at all.
    if (!(px1 > m && px1 <= s.W - 3 && px2 > m && px2 <= s.W - 3)) continue;
    if (!inside(py0, m, s.H - m) || !inside(pyn, m, s.H - m)) continue;
    target.FilledBox(px1, py0, px2, pyn, RowColour(i, black));
    if (black) {
      // Its sides only: the class still stands on the axis.
      for (const double px : {px1, px2}) {
        target.FilledBox(px - edge / 2, py0, px + edge / 2, pyn, kWhite);
      }
    }
  }
}

void DibujarNube(Surface& target, const PlotScene& scene) {
  const tables::Table2V& t = *scene.table2;
  const TargetSetup s = SetUpTarget(target, scene, 12, 3);
  const double m = s.width;
  const Rgb colour = target.IsScreen() ? kScreenMarker : kBlack;
  const double centre = std::nearbyint(m / 2);
  for (int32_t i = 1; i <= LastRow(t.N2V); ++i) {
    const double x = t.Data2V_X[i];
    const double y = t.Data2V_Y[i];
    if (IsEmpty(x) || IsEmpty(y)) continue;
    const double px = s.map.Px(x);
    const double py = s.map.Py(y);
    if (!(px > m && px <= s.W - 3 && py >= m && py <= s.H - m)) continue;
    target.SetDrawWidth(m);
    target.Dot(px, py, colour);
    target.SetDrawWidth(centre);
    target.Dot(px, py, kWhite);
  }
}

void DibujarCurva(Surface& target, const PlotScene& scene) {
  const GraphHandover& h = *scene.handover;
  if (h.GraphFormula.empty()) return;
  const TargetSetup s = SetUpTarget(target, scene, 3, 0.3);
  const double cw = s.width;
  const Rgb colour = target.IsScreen() ? kScreenCurve : kBlack;
  target.SetDrawWidth(cw);
  double p = 0;
  double step = cw / 12;
  double previous = 1E+300;
  double py = 0;
  while (p <= s.W - 3) {
    const double x = s.map.WorldX(p);
    double y = 0;
    switch (EvaluateModel(h.GraphKind, h.GraphCoefA, h.GraphCoefB, h.GraphCoefC, x, y)) {
      case CurveValue::NotComputable:
        break;
      case CurveValue::Undefined:
        // A light band shows where the model has no value; the grid stays visible through it.
        if (target.IsScreen()) {
          target.SetMaskPen(true);
          target.SetDrawWidth(1);
          target.Line(p, 1, p, s.H - 2, kBand);
          target.SetDrawWidth(cw);
          target.SetMaskPen(false);
        }
        break;
      case CurveValue::Defined:
        py = s.map.Py(y);
        if (!(py < cw || py > s.H - cw)) target.Dot(p, py, colour);
        break;
    }
    step = CurveStep(std::fabs(py - previous) / step, cw);
    p += step;
    previous = py;
  }
}

void DibujarDatosPuntuales(Surface& target, const PlotScene& scene) {
  const int16_t kind = scene.handover->GraphKind;
  if (kind < 10) {
    DibujarNube(target, scene);
  } else if (kind == 10) {
    DibujarBARRAS(target, scene);
  } else if (kind == 11) {
    DibujarHistograma(target, scene);
  }
}

void DibujarTODO(Surface& target, const PlotScene& scene) {
  if (target.IsScreen()) target.Clear();
  DibujarRejilla(target, scene);
  DibujarEjes(target, scene);
  DibujarCurva(target, scene);
  DibujarDatosPuntuales(target, scene);
}

}  // namespace graph
