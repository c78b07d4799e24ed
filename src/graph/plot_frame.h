// The frame of the plot: the world-to-pixel mapping every drawing routine shares, the grid
// with its tick labels, the page frame on paper and the two axes through the origin.
// Plain C++; it draws through a Surface.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "graph/graph_handover.h"
#include "graph/surface.h"
#include "tables/table_data.h"

namespace graph {

// Everything a drawing routine reads besides the target: the hand-over with its view, the
// tables, and the shape of the screen plot, which a printed plot keeps.
struct PlotScene {
  GraphHandover* handover = nullptr;
  const tables::Table1V* table1 = nullptr;
  int32_t M1V = -1;  // last class the histogram draws
  const tables::Table2V* table2 = nullptr;
  double screenWidth = 1, screenHeight = 1;  // the plot on screen, in pixels
  bool PrintBlackWhite = false;  // paper: grid, frame and formula box in black
  bool Check1 = false;           // paper: bars and classes in black
  // Called by the grid before it draws: the readout and the marker go with the old picture.
  std::function<void()> hideReadout;
};

// px = kx·x + bx, py = ky·y + by: the view's left edge falls on pixel column 0 and its top
// on row 0; y grows upwards. Not rounded.
struct Mapping {
  double kx = 1, bx = 0, ky = -1, by = 0;
  static Mapping Of(const ViewBounds& view, double W, double H);
  double Px(double x) const { return kx * x + bx; }
  double Py(double y) const { return ky * y + by; }
  double WorldX(double px) const { return (px - bx) / kx; }
};

// Millimetres on paper in printer pixels, halves to even, at least 1.
double MmToPixels(double mm, double twipsPerPixel);

// The plot rectangle of a target and the width of the element being drawn, in its pixels.
// On paper the rectangle keeps the screen plot's shape, anchored top-left.
struct TargetSetup {
  double W = 0, H = 0;
  double width = 1;
  Mapping map;
};
// screenPen is the element's width on screen, paperMm on paper.
TargetSetup SetUpTarget(Surface& target, const PlotScene& scene, double screenPen,
                        double paperMm);

// The grid's spacing for a range: 20 to 50 intervals across it, at 1, 2 or 5 times a power
// of ten.
double GridStep(double range);

// Whether an axis can carry a grid: the range is positive, neither minute nor enormous, and
// not lost in the rounding of its bounds. Past that, lines and labels are left out.
bool GridDrawable(double lo, double hi);

// The text of a number as tick labels and the readout show it: up to 15 significant
// digits, "0" before a leading point (0.5, -0.25), exponent form for extreme magnitudes.
std::string NumberText(double v);

// One grid line with the label it carries, if any.
struct GridMark {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int64_t index = 0;  // the line's multiple of the step
  bool labelled = false;
  double labelX = 0, labelY = 0;
  std::string label;
};
struct GridPlan {
  double stepX = 0, stepY = 0;
  std::vector<GridMark> vertical, horizontal;
};

// The grid lines and labels of a view on a W × H plot with pen width gw; the text sizes
// come from measure. Empty when a range cannot carry a grid.
GridPlan PlanGrid(const ViewBounds& view, double W, double H, double gw, Surface& measure);

// The page frame (paper only), then the vertical lines with the x labels, then the
// horizontal lines with the y labels.
void DibujarRejilla(Surface& target, const PlotScene& scene);
// The x axis, then the y axis, each only when it lies more than 3 pixels inside the plot.
void DibujarEjes(Surface& target, const PlotScene& scene);

// The sample text whose size sets the grid's margins: capital, ascender and descenders.
inline constexpr const char* kGridSampleText = "Hbgy";

}  // namespace graph
