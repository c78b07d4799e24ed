#include "graph/plot_frame.h"

#include <algorithm>
#include <cmath>

#include "numeric/numeric.h"

namespace graph {

namespace {

const Rgb kScreenGrid{215, 225, 240};
const Rgb kPaperGrid{128, 128, 255};
const Rgb kScreenAxes{128, 128, 128};
const Rgb kBlack{0, 0, 0};

// A grid has 20 to 50 lines per range; the cap only stops a loop that rounding keeps from
// reaching the end.
constexpr int kMaxGridLines = 1000;

// Runs each(k, k·s) for the multiples of s from the first one at or beyond lo (counted away
// from 0) while the running value stays within hi.
template <class Each>
void RunLines(double lo, double hi, double s, Each&& each) {
  double n = std::fabs(lo) / s;
  if (n != std::floor(n)) n = std::floor(n) + 1;
  int64_t k = static_cast<int64_t>(n) * (lo > 0 ? 1 : (lo < 0 ? -1 : 0));
  double x = static_cast<double>(k) * s;
  for (int count = 0; x <= hi && count < kMaxGridLines; ++count) {
    if (k == 0) x = 0;
    each(k, static_cast<double>(k) * s);
    const double next = x + s;
    if (next == x) break;
    x = next;
    ++k;
  }
}

}  // namespace

Mapping Mapping::Of(const ViewBounds& v, double W, double H) {
  Mapping m;
  m.kx = W / (v.ViewXmax - v.ViewXmin);
  m.bx = -m.kx * v.ViewXmin;
  m.ky = -H / (v.ViewYmax - v.ViewYmin);
  m.by = -m.ky * v.ViewYmax;
  return m;
}

double MmToPixels(double mm, double twipsPerPixel) {
  const double w = std::nearbyint(mm / 25.4 * 1440 / twipsPerPixel);
  return w < 1 || !std::isfinite(w) ? 1 : w;
}

TargetSetup SetUpTarget(Surface& target, const PlotScene& scene, double screenPen,
                        double paperMm) {
  TargetSetup t;
  t.W = target.ScaleWidth();
  t.H = target.ScaleHeight();
  if (target.IsScreen()) {
    t.width = screenPen;
  } else {
    t.width = MmToPixels(paperMm, target.TwipsPerPixel());
    const float r1 = static_cast<float>(scene.screenHeight / scene.screenWidth);
    const float r2 = static_cast<float>(t.H / t.W);
    if (r2 < r1) {
      t.W = scene.screenWidth * t.H / scene.screenHeight;
    } else {
      t.H = scene.screenHeight * t.W / scene.screenWidth;
    }
  }
  if (t.width < 1) t.width = 1;
  t.map = Mapping::Of(scene.handover->View, t.W, t.H);
  return t;
}

double GridStep(double range) {
  const double L = std::log(range) / std::log(10.0);
  const double whole = std::floor(L);
  const double P = std::pow(10.0, whole);
  const double f = L - whole;
  if (f <= 0.301) return P / 20;
  if (f <= 0.602) return P / 10;
  return P / 5;
}

bool GridDrawable(double lo, double hi) {
  const double range = hi - lo;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(range)) return false;
  if (range <= 1E-199 || range >= 1E+199) return false;
  return range >= 1E-12 * std::max(std::fabs(lo), std::fabs(hi));
}

std::string NumberText(double v) {
  std::string text = StrNumero(v);
  const size_t first = text.find_first_not_of(' ');
  text = first == std::string::npos ? "" : text.substr(first);
  for (size_t at = text.find("-."); at != std::string::npos; at = text.find("-.", at)) {
    text.replace(at, 2, "-0.");
  }
  if (text.empty() || text[0] != '.') return text;
  std::string withZero = "0";
  return withZero += text;
}

GridPlan PlanGrid(const ViewBounds& v, double W, double H, double gw, Surface& measure) {
  GridPlan plan;
  if (!GridDrawable(v.ViewXmin, v.ViewXmax) || !GridDrawable(v.ViewYmin, v.ViewYmax)) return plan;
  const double sx = GridStep(v.ViewXmax - v.ViewXmin);
  const double sy = GridStep(v.ViewYmax - v.ViewYmin);
  if (!(sx > 0) || !(sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return plan;
  plan.stepX = sx;
  plan.stepY = sy;
  const Mapping map = Mapping::Of(v, W, H);
  const double sampleW = measure.TextWidth(kGridSampleText);
  const double sampleH = measure.TextHeight(kGridSampleText);

  // Labels go on every other line, the even multiples of the step, so 0 is always among
  // them; the left strip is kept for the y labels and the bottom strip for the x labels.
  RunLines(v.ViewXmin, v.ViewXmax, sx, [&](int64_t k, double value) {
    const double px = map.Px(value);
    if (!(px > 1.5 * sampleW)) return;
    GridMark mark;
    mark.x1 = px;
    mark.y1 = gw;
    mark.x2 = px;
    mark.y2 = gw + H - 1.5 * sampleH;
    mark.index = k;
    if (k % 2 == 0) {
      const std::string text = NumberText(value);
      const double lw = measure.TextWidth(text);
      const double x = k == 0 ? px + lw / 2 : px - lw / 2;
      if (x + 1.1 * lw < W) {
        mark.labelled = true;
        mark.labelX = x;
        mark.labelY = H - 1.2 * sampleH;
        mark.label = text;
      }
    }
    plan.vertical.push_back(mark);
  });
  RunLines(v.ViewYmin, v.ViewYmax, sy, [&](int64_t k, double value) {
    const double py = map.Py(value);
    if (!(H - py > 1.5 * sampleH)) return;
    GridMark mark;
    mark.x1 = sampleW;
    mark.y1 = py;
    mark.x2 = W - 0.01 * sampleW;
    mark.y2 = py;
    mark.index = k;
    if (k % 2 == 0) {
      std::string text = " ";
      text += NumberText(value);
      const double y = k == 0 ? py - sampleH : py - sampleH / 2;
      if (y > 0 && y + 1.1 * measure.TextHeight(text) < H) {
        mark.labelled = true;
        mark.labelX = 5;
        mark.labelY = y;
        mark.label = text;
      }
    }
    plan.horizontal.push_back(mark);
  });
  return plan;
}

void DibujarRejilla(Surface& target, const PlotScene& scene) {
  const TargetSetup t = SetUpTarget(target, scene, 1, 0.1);
  const double gw = t.width;
  const Rgb colour = target.IsScreen()           ? kScreenGrid
                     : scene.PrintBlackWhite ? kBlack
                                             : kPaperGrid;
  if (scene.hideReadout) scene.hideReadout();
  if (!target.IsScreen()) {
    target.SetDrawWidth(2 * gw);
    target.Rectangle(2 * gw, 2 * gw, t.W - 2 * gw, t.H - 2 * gw, colour);
  }
  const GridPlan plan = PlanGrid(scene.handover->View, t.W, t.H, gw, target);
  if (plan.stepX == 0) return;
  target.SetDrawWidth(gw);
  for (const auto* marks : {&plan.vertical, &plan.horizontal}) {
    for (const GridMark& m : *marks) {
      target.Line(m.x1, m.y1, m.x2, m.y2, colour);
      if (m.labelled) target.Text(m.labelX, m.labelY, m.label);
    }
  }
}

void DibujarEjes(Surface& target, const PlotScene& scene) {
  const TargetSetup t = SetUpTarget(target, scene, 3, 0.3);
  const double aw = t.width;
  const Rgb colour = target.IsScreen() ? kScreenAxes : kBlack;
  const double letterW = target.TextWidth("P");
  const double letterH = target.TextHeight("P");
  const ViewBounds& v = scene.handover->View;
  const double py0 = t.H * v.ViewYmax / (v.ViewYmax - v.ViewYmin);
  if (py0 >= 3 && py0 <= t.H - 3) {
    target.SetDrawWidth(aw);
    target.Line(aw, py0, t.W - 0.1 * letterW, py0, colour);
    target.SetDrawWidth(1);
  }
  const double px0 = -v.ViewXmin * t.W / (v.ViewXmax - v.ViewXmin);
  if (px0 >= 3 && px0 <= t.W - 3) {
    target.SetDrawWidth(aw);
    target.Line(px0, aw, px0, t.H - 0.1 * letterH, colour);
    target.SetDrawWidth(1);
  }
}

}  // namespace graph
