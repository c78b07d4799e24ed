// What the one- and two-variable panels hand to the graph window: what to draw, the fitted
// curve with its coefficients, and the window of data first shown. Plain C++; the graph
// window reads these and the data tables when it draws.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tables/statistics1v.h"
#include "tables/statistics2v.h"
#include "tables/table_data.h"

namespace graph {

// The visible window in data units; the graph window changes it by zoom and pan.
struct ViewBounds {
  double ViewXmin = 0, ViewXmax = 0, ViewYmin = 0, ViewYmax = 0;
};

struct GraphHandover {
  std::string GraphFormula;  // the fitted equation; empty: no curve
  // 0..4 the scatter plot with that regression model's curve; 10 the bar diagram of
  // ungrouped data; 11 the histogram of grouped data.
  int16_t GraphKind = 0;
  // y = A + B·x, A + B·ln x, A·B^x, A·x^B or A·x² + B·x + C by GraphKind.
  double GraphCoefA = 0, GraphCoefB = 0, GraphCoefC = 0;
  ViewBounds View;
};

// The heights the histogram's classes 1..M1V stand at, class i's at [i - 1]: the frequencies
// when every class is as wide as the first, otherwise the frequency densities (frequency
// over width), so that each class's area stands for its frequency.
std::vector<double> HistogramHeights(const tables::Table1V& table, int32_t M1V);

// The graph command of the one-variable panel: false, with nothing written, for grouped
// data whose classes are not fit; otherwise fills formula, kind and view (the coefficients
// are left as they are) and the panel opens the graph window. The view of a histogram is
// found from the heights its classes stand at.
bool HandOverGraph1V(const tables::Table1V& table, const tables::Stats1V& stats,
                     GraphHandover& handover);

// The graph command of the two-variable panel, whatever the table holds: the current
// coefficients, the equation box's trimmed text, the model, and a view around the points.
void HandOverGraph2V(const tables::Table2V& table, const tables::Stats2V& stats,
                     const std::string& Txt2V_CUR, GraphHandover& handover);

// The program's own hand-over, read by the graph window.
GraphHandover& ProgramGraphHandover();

}  // namespace graph
