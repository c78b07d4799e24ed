#include <gtest/gtest.h>

#include "recording_surface.h"

namespace {

using graph::ViewBounds;
using graph_test::RecordingSurface;
using graph_test::Scene;
using Texts = std::vector<std::string>;

Texts Labels(const std::vector<graph::GridMark>& marks) {
  Texts out;
  for (const auto& m : marks) {
    if (m.labelled) out.push_back(m.label);
  }
  return out;
}

TEST(GridStep, TwentyToFiftyIntervalsAtOneTwoOrFive) {
  // Worked out by hand from log10 of the range: a range of exactly 2 or 4 times a power of
  // ten takes the coarser step.
  struct Case { double range, step; } cases[] = {
      {10, 0.5}, {2, 0.1}, {4, 0.2}, {1, 0.05}, {0.5, 0.02}, {3, 0.1}, {7, 0.2}, {0.2, 0.01},
      {25, 1}, {60, 2}, {1.9, 0.05}, {3.9, 0.1}, {2.1, 0.1}, {4.1, 0.2}};
  for (const Case& c : cases) EXPECT_NEAR(graph::GridStep(c.range), c.step, c.step * 1e-12) << c.range;
  for (double range = 1e-9; range < 1e12; range *= 1.37) {
    EXPECT_GE(range / graph::GridStep(range), 19.9) << range;
    EXPECT_LE(range / graph::GridStep(range), 50.3) << range;
  }
}

TEST(NumberText, LeadingZeroAndFifteenDigits) {
  struct Case { double v; const char* text; } cases[] = {
      {0.5, "0.5"}, {-0.5, "-0.5"}, {-0.25, "-0.25"}, {1.5, "1.5"}, {0, "0"}, {2, "2"},
      {3 * 0.1, "0.3"}, {1E-20, "1E-20"}, {-1E-5, "-1E-05"}, {1234.5, "1234.5"}, {-7, "-7"}};
  for (const Case& c : cases) EXPECT_EQ(graph::NumberText(c.v), c.text) << c.v;
}

TEST(PlanGrid, LinesAndLabelsOfAView) {
  RecordingSurface s(500, 400);  // sample text 28 × 13
  const graph::GridPlan plan = graph::PlanGrid({-5, 5, -5, 5}, 500, 400, 1, s);
  EXPECT_EQ(plan.stepX, 0.5);
  // x = -5 (px 0) and -4.5 (px 25) lie in the left strip (px <= 42); "5" would reach the
  // right edge.
  ASSERT_EQ(plan.vertical.size(), 19u);
  EXPECT_EQ(plan.vertical.front().index, -8);
  EXPECT_EQ(plan.vertical.front().x1, 50);
  EXPECT_EQ(plan.vertical.front().y2, 1 + 400 - 1.5 * 13);
  EXPECT_EQ(Labels(plan.vertical), (Texts{"-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"}));
  for (const auto& m : plan.vertical) {
    if (!m.labelled) continue;
    const double lw = 7.0 * m.label.size();  // centred, but 0 right of the y axis
    EXPECT_EQ(m.labelX, m.index == 0 ? m.x1 + lw / 2 : m.x1 - lw / 2) << m.label;
    EXPECT_EQ(m.labelY, 400 - 1.2 * 13);
  }
  // py = 40·(5 − y): y = -5 lies in the bottom strip; the label of y = 5 would start above
  // the plot.
  EXPECT_EQ(Labels(plan.horizontal), (Texts{" -4", " -3", " -2", " -1", " 0", " 1", " 2", " 3", " 4"}));
  for (const auto& m : plan.horizontal) {
    EXPECT_TRUE(m.x1 == 28 && m.x2 == 500 - 0.28) << m.index;
    if (!m.labelled) continue;
    EXPECT_EQ(m.labelY, m.index == 0 ? m.y1 - 13 : m.y1 - 6.5) << m.label;
  }
}

TEST(PlanGrid, FractionalLabelsAndViewsWithoutAGrid) {
  RecordingSurface s(300, 300);
  graph::GridPlan plan = graph::PlanGrid({0, 1, -0.5, 0.5}, 300, 300, 1, s);
  EXPECT_EQ(plan.stepX, 0.05);
  EXPECT_EQ(Labels(plan.vertical), (Texts{"0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}));
  EXPECT_EQ(Labels(plan.horizontal),
            (Texts{" -0.4", " -0.3", " -0.2", " -0.1", " 0", " 0.1", " 0.2", " 0.3", " 0.4"}));
  struct Case { ViewBounds v; bool grid; } cases[] = {
      {{1e15, 1e15 + 1e-4, 0, 1}, false},  // lost in the rounding of its bounds
      {{0, 1, 1e300, 1.5e300}, false},     // too wide
      {{0, 1e-200, 0, 1}, false},          // too narrow
      {{0, 1, 1e12, 1e12 + 1}, false},     // a range of exactly 1E-12 of its bound, just
      {{0, 1, 1e11, 1e11 + 1}, true},      // far out, still distinct: indices past 32 bits
      {{-1e150, 1e150, 0, 1}, true},       {{1e20, 1e20 + 1e9, 0, 1}, true},
  };
  for (const Case& c : cases) {
    plan = graph::PlanGrid(c.v, 500, 400, 1, s);
    EXPECT_EQ(!plan.vertical.empty() && !plan.horizontal.empty(), c.grid) << c.v.ViewXmin;
    EXPECT_LE(plan.vertical.size() + plan.horizontal.size(), 110u);
  }
  // y = 1E+11 is the bottom edge; the first line is one step above it.
  plan = graph::PlanGrid({0, 1, 1e11, 1e11 + 1}, 500, 400, 1, s);
  EXPECT_EQ(plan.horizontal.front().index, 2000000000001);
  EXPECT_EQ(Labels(plan.horizontal).front(), " 100000000000.1");
}

TEST(Frame, MappingMillimetresAndPaperShape) {
  const graph::Mapping m = graph::Mapping::Of({-2, 8, 1, 5}, 500, 400);
  EXPECT_EQ(m.Px(-2), 0);
  EXPECT_EQ(m.Px(8), 500);
  EXPECT_EQ(m.Py(5), 0);
  EXPECT_EQ(m.Py(1), 400);
  EXPECT_EQ(m.WorldX(250), 3);
  // 600 dpi is 2.4 twips a pixel: 0.3 mm is 7.09 pixels, 0.1 mm 2.36, 3 mm 70.9.
  struct Case { double mm, twips, pixels; } cases[] = {
      {0.3, 2.4, 7}, {0.1, 2.4, 2}, {3, 2.4, 71}, {0.3, 1440, 1}, {0.1, 15, 1}, {3, 15, 11}};
  for (const Case& c : cases) EXPECT_EQ(graph::MmToPixels(c.mm, c.twips), c.pixels) << c.mm;
  struct Fit { double paperW, paperH, screenW, screenH, W, H; } fits[] = {
      {1000, 1000, 600, 400, 1000, 1000 * 400.0 / 600},  // bottom of the page left blank
      {1000, 500, 400, 600, 400 * 500.0 / 600, 500},     // right of the page left blank
      {900, 600, 600, 400, 900, 600}};
  for (const Fit& f : fits) {
    Scene sc({0, 1, 0, 1}, 0, f.screenW, f.screenH);
    RecordingSurface paper(f.paperW, f.paperH, false);
    const graph::TargetSetup t = graph::SetUpTarget(paper, sc.scene, 3, 0.3);
    EXPECT_DOUBLE_EQ(t.W, f.W);
    EXPECT_DOUBLE_EQ(t.H, f.H);
  }
}

TEST(Frame, AxesOnlyWellInsideThePlot) {
  // y = 0 on row 400·ymax/rangeY, x = 0 on column −500·xmin/rangeX.
  struct Case { ViewBounds v; int axes; } cases[] = {
      {{-5, 5, -5, 5}, 2},   {{1, 5, 1, 5}, 0},         {{-1, 499, -1, 399}, 0},
      {{-3, 497, -3, 397}, 2}, {{-497, 3, -397, 3}, 2}, {{-499, 1, -399, 1}, 0}};
  for (const Case& c : cases) {
    Scene sc(c.v);
    RecordingSurface s(500, 400);
    graph::DibujarEjes(s, sc.scene);
    EXPECT_EQ(s.Of("Line").size(), static_cast<size_t>(c.axes)) << c.v.ViewXmin;
    for (const auto& op : s.Of("Line")) {
      EXPECT_EQ(op.pen, 3);
      EXPECT_EQ(op.colour, (graph::Rgb{128, 128, 128}));
      // From one pen width in to a tenth of a letter short of the far edge.
      EXPECT_EQ(op.y1 == op.y2 ? op.x1 : op.y1, 3);
      EXPECT_DOUBLE_EQ(op.y1 == op.y2 ? op.x2 : op.y2, op.y1 == op.y2 ? 499.3 : 398.7);
    }
  }
}

TEST(Frame, GridColoursAndThePageFrame) {
  struct Case { bool screen, blackWhite; graph::Rgb colour; size_t frames; } cases[] = {
      {true, false, {215, 225, 240}, 0}, {false, false, {128, 128, 255}, 1}, {false, true, {0, 0, 0}, 1}};
  for (const Case& c : cases) {
    for (const ViewBounds v : {ViewBounds{-5, 5, -5, 5}, ViewBounds{0, 1e-300, 0, 1}}) {
      Scene sc(v);
      sc.scene.PrintBlackWhite = c.blackWhite;
      bool hidden = false;
      sc.scene.hideReadout = [&] { hidden = true; };
      RecordingSurface s(500, 400, c.screen, 2.4);
      graph::DibujarRejilla(s, sc.scene);
      EXPECT_TRUE(hidden);
      const auto frames = s.Of("Rectangle");
      ASSERT_EQ(frames.size(), c.frames);
      for (const auto& f : frames) {
        EXPECT_EQ(f.pen, 4);  // twice the 0.1 mm grid at 600 dpi
        EXPECT_EQ(f.colour, c.colour);
      }
      EXPECT_EQ(s.Of("Line").empty(), v.ViewXmax < 1);  // the frame even without a grid
      for (const auto& op : s.Of("Line")) EXPECT_EQ(op.colour, c.colour);
      for (const auto& op : s.Of("Line")) EXPECT_EQ(op.pen, c.screen ? 1 : 2);
    }
  }
}

}  // namespace
