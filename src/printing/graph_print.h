// The graph on paper: the page's orientation by the plot's shape, and the formula box as
// the printed plot shows it. Plain C++ over the graph's drawing surface.
#pragma once

#include <string>

#include "graph/plot_frame.h"
#include "graph/surface.h"
#include "platform/printers.h"

namespace printing {

// Landscape for a plot wider than tall; portrait otherwise, a square one included.
platform::Orientation GraphOrientation(double plotWidth, double plotHeight);

// Where the formula box sits on screen, in the plot picture's pixels.
struct FormulaBoxPlace {
  bool shown = false;
  double left = 0, top = 0;
  double plotOuterWidth = 1, plotOuterHeight = 1;
};

inline constexpr graph::Rgb kFormulaBoxColour{0, 128, 255};

// ImprimirFuncion: the formula box at the same relative place on paper, white inside, its
// outline 0.3 mm wide, the formula framed by two blanks on each side and half a line
// above and below. Nothing when the box is hidden on screen.
void ImprimirFuncion(graph::Surface& paper, const graph::PlotScene& scene,
                     const FormulaBoxPlace& box);

}  // namespace printing
