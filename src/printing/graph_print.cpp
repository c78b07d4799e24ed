#include "printing/graph_print.h"

namespace printing {

platform::Orientation GraphOrientation(double plotWidth, double plotHeight) {
  return plotHeight < plotWidth ? platform::Orientation::Landscape
                                : platform::Orientation::Portrait;
}

void ImprimirFuncion(graph::Surface& paper, const graph::PlotScene& scene,
                     const FormulaBoxPlace& box) {
  if (!box.shown || scene.handover == nullptr) return;
  const graph::Rgb colour = scene.PrintBlackWhite ? graph::Rgb{0, 0, 0} : kFormulaBoxColour;
  const graph::TargetSetup t = graph::SetUpTarget(paper, scene, 1, 0.3);
  const double bw = t.width;
  const std::string& formula = scene.handover->GraphFormula;
  const double th = paper.TextHeight("P");
  const double tw = paper.TextWidth("  " + formula + "  ");
  const double x = t.W * box.left / box.plotOuterWidth;
  const double y = t.H * box.top / box.plotOuterHeight;
  const double x2 = x + tw + 2 * bw;
  const double y2 = y + 2 * th + 2 * bw;
  paper.SetDrawWidth(bw);
  // White inside, covering the grid and axes under it; then the outline in its colour.
  paper.FilledBox(x, y, x2, y2, {255, 255, 255});
  paper.Rectangle(x, y, x2, y2, colour);
  paper.Text(x + paper.TextWidth("  "), y + th / 2, formula);
  paper.SetDrawWidth(1);
}

}  // namespace printing
