// Moving through the graph: zoom about the centre, pan, one-axis zoom, equal scales and the
// drag of the plot; the coordinate readout with its marker, and the formula box's drag.
// Plain C++: the window turns clicks, keys and mouse moves into these.
#pragma once

#include <optional>
#include <string>

#include "graph/graph_handover.h"

namespace graph {

inline constexpr double kZoomFactor = 0.8;
inline constexpr double kPanFactor = 1 - 0.8;  // a pan step is a tenth of the range

// The tool buttons that change the view, by index.
enum Tool {
  kZoomIn = 0,
  kZoomOut = 1,
  kUp = 2,
  kLeft = 3,
  kRight = 4,
  kDown = 5,
  kZoomInY = 6,
  kZoomOutX = 7,
  kZoomInX = 8,
  kZoomOutY = 9,
  kEqualScales = 10,
  kShowHideFunction = 11,
};

// A view the mapping can work with: finite bounds, each range between 1E-150 and 1E+150
// and at least 1E-12 of its largest bound, so that the bounds still differ in their
// leading digits.
bool ViewAcceptable(const ViewBounds& view);

// Replaces view by next unless next leaves the views the mapping can work with; a view
// that is already outside them may still move, but no further out. False, with view
// unchanged, when the step is refused.
bool TryChangeView(ViewBounds& view, const ViewBounds& next);

// The view after tool button 0..10 on a plot of W × H pixels (W and H matter only to equal
// scales), or nothing for another index. Not checked.
std::optional<ViewBounds> ToolView(int index, const ViewBounds& view, double W, double H);
// Runs tool button 0..10: true when the view changed.
bool ApplyTool(int index, ViewBounds& view, double W, double H);

// The drag of the plot by dx, dy pixels on a W × H plot: the picture follows the pointer.
bool DragView(ViewBounds& view, double dx, double dy, double W, double H);

// The readout at pointer column X of a plot W pixels wide, for the scatter graph's model.
struct Readout {
  std::string text;  // "( x ,  y )" or "( x ,  undefined )"
  bool defined = false;
  double y = 0;
};
Readout ReadoutAt(const GraphHandover& handover, double X, double W);

// Where the 12-pixel marker goes for a readout at (X, ·) on a plot of height H: its left
// edge, and its top edge when that moves too; nothing when it stays where it is. Off the
// plot or undefined, it goes to the left of the plot, out of sight.
struct MarkerPlace {
  double left = 0;
  std::optional<double> top;
};
std::optional<MarkerPlace> MarkerFor(const Readout& readout, const ViewBounds& view, double X,
                                     double H);

// The formula box of size W2 × H2 dragged to (nl, nt) inside a plot of W1 × H1: it stays
// inside, at least 2 pixels from the right and bottom edges. left and top are its current
// edges and receive the new ones.
void PlaceDraggedBox(double nl, double nt, double W1, double H1, double W2, double H2,
                     double& left, double& top);

}  // namespace graph
