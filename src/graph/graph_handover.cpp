#include "graph/graph_handover.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "tables/statistics_internal.h"

namespace graph {

namespace {

using tables::IsEmpty;
using tables::detail::LastRow;

// The data's extent along one axis; empty cells take no part. The first value found starts
// the range, so that values beyond ±1E+300 are not missed.
struct AxisRange {
  double min = 0, max = 0;
  bool found = false;
  void Take(double lo, double hi) {
    if (IsEmpty(lo) || IsEmpty(hi)) return;
    min = found ? std::min(min, lo) : lo;
    max = found ? std::max(max, hi) : hi;
    found = true;
  }
  void Take(double v) { Take(v, v); }
};

// The first window over an axis: the data's range with a tenth of it added on each side.
// A single value is widened by half its size; no data, a single 0 or a window beyond the
// doubles show 0..10.
void InitialWindow(AxisRange r, double& lo, double& hi) {
  if (r.found && r.min == r.max) {
    r.min -= std::fabs(r.min) / 2;
    r.max += std::fabs(r.max) / 2;
  }
  if (!r.found || r.min == r.max) {
    r.min = 0;
    r.max = 10;
  }
  // A range wider than the largest double still has a representable tenth.
  const double width = r.max - r.min;
  const double margin = std::isfinite(width) ? width / 10 : r.max / 10 - r.min / 10;
  lo = r.min - margin;
  hi = r.max + margin;
  if (!std::isfinite(lo) || !std::isfinite(hi)) {
    lo = -1;
    hi = 11;
  }
}

void SetView(const AxisRange& x, const AxisRange& y, ViewBounds& view) {
  InitialWindow(x, view.ViewXmin, view.ViewXmax);
  InitialWindow(y, view.ViewYmin, view.ViewYmax);
}

// Typed bounds are decimal fractions the doubles hold only nearly, so classes typed equally
// wide (0.1-0.2 and 0.2-0.3) differ in width by a few units in the last place of their
// bounds; anything more is a width of its own.
bool SameWidth(double a1, double a2, double b1, double b2) {
  const double wa = a2 - a1, wb = b2 - b1;
  if (wa == wb) return true;
  const double size = std::max({std::fabs(a1), std::fabs(a2), std::fabs(b1), std::fabs(b2)});
  return std::fabs(wa - wb) <= 8 * DBL_EPSILON * size;
}

}  // namespace

std::vector<double> HistogramHeights(const tables::Table1V& t, int32_t M1V) {
  const int32_t last = LastRow(M1V);
  const auto& x1 = t.Data1V_X1;
  const auto& x2 = t.Data1V_X2;
  bool equal = true;
  for (int32_t i = 2; i <= last && equal; ++i) equal = SameWidth(x1[1], x2[1], x1[i], x2[i]);
  std::vector<double> heights;
  for (int32_t i = 1; i <= last; ++i) {
    heights.push_back(equal ? t.Data1V_N[i] : t.Data1V_N[i] / (x2[i] - x1[i]));
  }
  return heights;
}

bool HandOverGraph1V(const tables::Table1V& t, const tables::Stats1V& stats, GraphHandover& h) {
  const bool grouped = t.DataType1V == 1;
  if (grouped && !stats.ClassesOK1V) return false;
  AxisRange x, y;
  if (grouped) {
    // Only the classes the histogram draws: empty rows below them must not stretch the
    // window down to 0.
    const std::vector<double> heights = HistogramHeights(t, stats.M1V);
    for (int32_t i = 1; i <= LastRow(stats.M1V); ++i) {
      x.Take(t.Data1V_X1[i], t.Data1V_X2[i]);
      y.Take(heights[i - 1]);
    }
  } else {
    for (int32_t i = 1; i <= LastRow(t.N1V); ++i) {
      x.Take(t.Data1V_X1[i]);
      y.Take(t.Data1V_N[i]);
    }
  }
  if (y.found && y.min > 0) y.min = 0;  // bars stand on 0
  h.GraphFormula.clear();
  h.GraphKind = static_cast<int16_t>(10 + (grouped ? 1 : 0));
  SetView(x, y, h.View);
  return true;
}

void HandOverGraph2V(const tables::Table2V& t, const tables::Stats2V& stats,
                     const std::string& Txt2V_CUR, GraphHandover& h) {
  h.GraphCoefA = stats.RegCoefA;
  h.GraphCoefB = stats.RegCoefB;
  h.GraphCoefC = stats.RegCoefC;
  h.GraphFormula = tables::detail::TrimBlanks(Txt2V_CUR);
  h.GraphKind = t.RegType2V;
  AxisRange x, y;
  for (int32_t i = 1; i <= LastRow(t.N2V); ++i) {
    x.Take(t.Data2V_X[i]);
    y.Take(t.Data2V_Y[i]);
  }
  SetView(x, y, h.View);
}

GraphHandover& ProgramGraphHandover() {
  static GraphHandover handover;
  return handover;
}

}  // namespace graph
