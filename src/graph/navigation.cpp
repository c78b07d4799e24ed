#include "graph/navigation.h"

#include <algorithm>
#include <cmath>

#include "graph/plot_content.h"
#include "graph/plot_frame.h"

namespace graph {

namespace {

// How far an axis lies outside the workable ranges, 0 inside them; infinite when a bound
// is not finite.
double AxisBadness(double lo, double hi) {
  const double range = hi - lo;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(range) || !(range > 0)) {
    return INFINITY;
  }
  const double smallest = std::max(1E-150, 1E-12 * std::max(std::fabs(lo), std::fabs(hi)));
  if (range < smallest) return std::log(smallest / range);
  if (range > 1E+150) return std::log(range / 1E+150);
  return 0;
}

}  // namespace

bool ViewAcceptable(const ViewBounds& v) {
  return AxisBadness(v.ViewXmin, v.ViewXmax) == 0 && AxisBadness(v.ViewYmin, v.ViewYmax) == 0;
}

bool TryChangeView(ViewBounds& view, const ViewBounds& next) {
  const double nx = AxisBadness(next.ViewXmin, next.ViewXmax);
  const double ny = AxisBadness(next.ViewYmin, next.ViewYmax);
  if (std::isinf(nx) || std::isinf(ny)) return false;
  // A pan of an out-of-bounds view may round its range a little: that is no step further.
  const double slack = 1E-9;
  if (nx > 0 && nx > AxisBadness(view.ViewXmin, view.ViewXmax) + slack) return false;
  if (ny > 0 && ny > AxisBadness(view.ViewYmin, view.ViewYmax) + slack) return false;
  view = next;
  return true;
}

std::optional<ViewBounds> ToolView(int index, const ViewBounds& v, double W, double H) {
  const double rangeX = v.ViewXmax - v.ViewXmin;
  const double rangeY = v.ViewYmax - v.ViewYmin;
  const double hx = rangeX / 2;
  const double hy = rangeY / 2;
  const double cx = (v.ViewXmax + v.ViewXmin) / 2;
  const double cy = (v.ViewYmax + v.ViewYmin) / 2;
  ViewBounds n = v;
  auto zoomX = [&](double half) {
    n.ViewXmin = cx - half;
    n.ViewXmax = cx + half;
  };
  auto zoomY = [&](double half) {
    n.ViewYmin = cy - half;
    n.ViewYmax = cy + half;
  };
  switch (index) {
    case kZoomIn:
      zoomX(hx * kZoomFactor);
      zoomY(hy * kZoomFactor);
      break;
    case kZoomOut:
      zoomX(hx / kZoomFactor);
      zoomY(hy / kZoomFactor);
      break;
    case kUp:
      n.ViewYmin += hy * kPanFactor;
      n.ViewYmax += hy * kPanFactor;
      break;
    case kLeft:
      n.ViewXmin -= hx * kPanFactor;
      n.ViewXmax -= hx * kPanFactor;
      break;
    case kRight:
      n.ViewXmin += hx * kPanFactor;
      n.ViewXmax += hx * kPanFactor;
      break;
    case kDown:
      n.ViewYmin -= hy * kPanFactor;
      n.ViewYmax -= hy * kPanFactor;
      break;
    case kZoomInY:
      zoomY(hy * kZoomFactor);
      break;
    case kZoomOutX:
      zoomX(hx / kZoomFactor);
      break;
    case kZoomInX:
      zoomX(hx * kZoomFactor);
      break;
    case kZoomOutY:
      zoomY(hy / kZoomFactor);
      break;
    case kEqualScales: {
      // One world unit spans as many pixels along both axes; only the relatively shorter
      // range grows.
      const double r = H / W;
      const double t = rangeY / rangeX;
      if (t <= r) {
        zoomY(r * rangeX / 2);
      } else {
        zoomX((rangeY / r) / 2);
      }
      break;
    }
    default:
      return std::nullopt;
  }
  return n;
}

bool ApplyTool(int index, ViewBounds& view, double W, double H) {
  const std::optional<ViewBounds> next = ToolView(index, view, W, H);
  return next && TryChangeView(view, *next);
}

bool DragView(ViewBounds& view, double dx, double dy, double W, double H) {
  const double shiftX = dx * (view.ViewXmax - view.ViewXmin) / W;
  const double shiftY = dy * (view.ViewYmax - view.ViewYmin) / H;
  ViewBounds n = view;
  n.ViewXmin -= shiftX;
  n.ViewXmax -= shiftX;
  n.ViewYmin += shiftY;
  n.ViewYmax += shiftY;
  return TryChangeView(view, n);
}

Readout ReadoutAt(const GraphHandover& h, double X, double W) {
  const ViewBounds& v = h.View;
  const double x = v.ViewXmin + X * (v.ViewXmax - v.ViewXmin) / W;
  const std::string sx = NumberText(x);
  Readout r;
  double y = 0;
  if (EvaluateModel(h.GraphKind, h.GraphCoefA, h.GraphCoefB, h.GraphCoefC, x, y) !=
      CurveValue::Defined) {
    r.text = "( " + sx + " ,  undefined )";
    return r;
  }
  r.defined = true;
  r.y = y;
  r.text = "( " + sx + " ,  " + NumberText(y) + " )";
  return r;
}

std::optional<MarkerPlace> MarkerFor(const Readout& readout, const ViewBounds& v, double X,
                                     double H) {
  if (!readout.defined) return MarkerPlace{-20, std::nullopt};
  const double py = (v.ViewYmax - readout.y) * H / (v.ViewYmax - v.ViewYmin);
  if (!std::isfinite(py)) return std::nullopt;
  if (py >= 0 && py <= H) return MarkerPlace{X - 6, py - 6};
  return MarkerPlace{-20, std::nullopt};
}

void PlaceDraggedBox(double nl, double nt, double W1, double H1, double W2, double H2,
                     double& left, double& top) {
  if (nl > 0 && nl + W2 < W1 - 2) left = nl;
  if (nt > 0 && nt + H2 < H1 - 2) top = nt;
  if (nl <= 0) left = 0;
  if (nt <= 0) top = 0;
  if (nl + W2 >= W1 - 2) left = W1 - 2 - W2;
  if (nt + H2 >= H1 - 2) top = H1 - 2 - H2;
}

}  // namespace graph
