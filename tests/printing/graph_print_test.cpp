#include "printing/graph_print.h"

#include <gtest/gtest.h>

#include "graph/recording_surface.h"

namespace {

using graph_test::RecordingSurface;
using printing::FormulaBoxPlace;

TEST(GraphPrintTest, APlotWiderThanTallPrintsLandscape) {
  struct Case {
    double w, h;
    platform::Orientation orientation;
  };
  const Case cases[] = {{600, 400, platform::Orientation::Landscape},
                        {400, 600, platform::Orientation::Portrait},
                        {500, 500, platform::Orientation::Portrait},
                        {501, 500, platform::Orientation::Landscape}};
  for (const Case& c : cases) {
    EXPECT_EQ(printing::GraphOrientation(c.w, c.h), c.orientation) << c.w << "x" << c.h;
  }
}

TEST(GraphPrintTest, TheFormulaBoxKeepsItsRelativePlaceAndFramesTheFormula) {
  graph::GraphHandover handover;
  handover.GraphFormula = "y = 2x";
  handover.View = {0, 10, 0, 10};
  graph::PlotScene scene;
  scene.handover = &handover;
  scene.screenWidth = 600;
  scene.screenHeight = 400;
  const FormulaBoxPlace place{true, 300, 100, 600, 400};
  struct Case {
    bool blackWhite;
    bool shown;
    graph::Rgb outline;
  };
  const Case cases[] = {{false, true, {0, 128, 255}}, {true, true, {0, 0, 0}}, {false, false, {}}};
  for (const Case& c : cases) {
    // A 6000 x 6000 pixel page at 600 dpi: the 600 x 400 plot becomes 6000 x 4000.
    RecordingSurface paper(6000, 6000, false, 2.4);
    scene.PrintBlackWhite = c.blackWhite;
    FormulaBoxPlace box = place;
    box.shown = c.shown;
    printing::ImprimirFuncion(paper, scene, box);
    if (!c.shown) {
      EXPECT_TRUE(paper.ops.empty());
      continue;
    }
    // x = 6000 * 300/600, y = 4000 * 100/400; outline 0.3 mm = 7 pixels; the text is
    // 7 pixels a character (formula and four blanks: 70) and 13 high.
    const std::vector<graph_test::Op> fill = paper.Of("Box");
    const std::vector<graph_test::Op> outline = paper.Of("Rectangle");
    const std::vector<graph_test::Op> text = paper.Of("Text");
    ASSERT_EQ(fill.size(), 1u);
    ASSERT_EQ(outline.size(), 1u);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(fill[0].colour, (graph::Rgb{255, 255, 255}));
    EXPECT_EQ(outline[0].colour, c.outline);
    EXPECT_EQ(outline[0].pen, 7);
    for (const graph_test::Op& op : {fill[0], outline[0]}) {
      EXPECT_DOUBLE_EQ(op.x1, 3000);
      EXPECT_DOUBLE_EQ(op.y1, 1000);
      EXPECT_DOUBLE_EQ(op.x2, 3000 + 70 + 14);
      EXPECT_DOUBLE_EQ(op.y2, 1000 + 26 + 14);
    }
    EXPECT_EQ(text[0].text, "y = 2x");
    EXPECT_DOUBLE_EQ(text[0].x1, 3014);
    EXPECT_DOUBLE_EQ(text[0].y1, 1006.5);
  }
}

}  // namespace
