// The content of the plot: the bar diagram, the histogram, the scatter plot and the fitted
// curve with its bands where the model is undefined, and the full redraw. Plain C++; it
// draws through a Surface.
#pragma once

#include <cstdint>

#include "graph/plot_frame.h"

namespace graph {

enum class CurveValue {
  Defined,
  Undefined,      // the logarithm of x ≤ 0: shown as a band
  NotComputable,  // no real or finite value: left out without a mark
};

// y of the fitted model of kind 0..4 (linear, logarithmic, exponential, power, quadratic)
// at x, with the coefficients a, b, c; y is written only when the value is Defined.
CurveValue EvaluateModel(int16_t kind, double a, double b, double c, double x, double& y);

// The next sampling step of the curve after a column whose slope was d pixels per pixel:
// flat parts are sampled sparsely, steep ones densely, so the dots join up.
double CurveStep(double slope, double cw);

// The bar width in pixels for a target W pixels wide and N1V rows; it does not follow the
// zoom.
double BarWidth(double W, int32_t N1V);

// The width of the paper-coloured edge between solid black classes, in millimetres.
inline constexpr double kHistogramEdgeMm = 0.2;

void DibujarBARRAS(Surface& target, const PlotScene& scene);
// One box per class, at the height HistogramHeights gives it.
void DibujarHistograma(Surface& target, const PlotScene& scene);
void DibujarNube(Surface& target, const PlotScene& scene);
void DibujarCurva(Surface& target, const PlotScene& scene);
// The data of the current graph kind: scatter below 10, bars at 10, histogram at 11.
void DibujarDatosPuntuales(Surface& target, const PlotScene& scene);
// Clear (screen only), grid, axes, curve, data: the curve lies under the data.
void DibujarTODO(Surface& target, const PlotScene& scene);

}  // namespace graph
