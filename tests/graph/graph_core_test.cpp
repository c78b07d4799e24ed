// The graph's plain C++: grid, frame, curve and data drawn through a surface that records
// them (text 7 pixels a character, 13 high); the moves of the view, readout and formula box.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "graph/navigation.h"
#include "graph/plot_content.h"
#include "graph/plot_frame.h"
#include "graph/recording_surface.h"

namespace {

using graph::CurveValue;
using graph::Rgb;
using graph::ViewBounds;
using Texts = std::vector<std::string>;

using graph_test::RecordingSurface;
using graph_test::Scene;

Texts Labels(const std::vector<graph::GridMark>& marks) {
  Texts out;
  for (const auto& m : marks) {
    if (m.labelled) out.push_back(m.label);
  }
  return out;
}

// Puts values into a table column from its first row on.
void Fill(std::vector<double>& column, std::initializer_list<double> values) {
  std::copy(values.begin(), values.end(), column.begin() + 1);
}

TEST(Scale, GridStepsOfTwentyToFiftyIntervalsAtOneTwoOrFiveAndLabelTexts) {
  // Worked out by hand from log10 of the range, 20 to 50 intervals: a range of exactly 2 or 4
  // times a power of ten takes the coarser step.
  const double cases[][2] = {{10, 0.5}, {1, 0.05}, {1.9, 0.05}, {2, 0.1},    {3.9, 0.1},
                             {4, 0.2},  {60, 2},   {0.5, 0.02}, {0.2, 0.01}};
  for (const auto& [range, step] : cases) EXPECT_DOUBLE_EQ(graph::GridStep(range), step) << range;
  // Labels: a leading zero, fifteen digits, exponents for extreme magnitudes.
  const std::pair<double, const char*> texts[] = {
      {0.5, "0.5"}, {-0.25, "-0.25"}, {3 * 0.1, "0.3"}, {1E-20, "1E-20"}, {-1E-5, "-1E-05"}};
  for (const auto& [v, text] : texts) EXPECT_EQ(graph::NumberText(v), text) << v;
}

TEST(PlanGrid, LinesAndLabelsOfAViewAndViewsWithoutAGrid) {
  RecordingSurface s(500, 400);  // sample text 28 × 13
  graph::GridPlan plan = graph::PlanGrid({-5, 5, -5, 5}, 500, 400, 1, s);  // a step of 0.5
  // x = -5 (px 0) lies in the left strip (px <= 42); "5" would reach the right edge.
  // py = 40·(5 − y): y = -5 lies in the bottom strip; the label of y = 5 would start above
  // the plot.
  EXPECT_EQ(Labels(plan.vertical), (Texts{"-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"}));
  EXPECT_EQ(Labels(plan.horizontal),
            (Texts{" -4", " -3", " -2", " -1", " 0", " 1", " 2", " 3", " 4"}));
  // No grid on a view lost in the rounding of its bounds, too wide, too narrow, or with a
  // range of exactly 1E-12 of its bound; far out but distinct, line indices run past 32 bits.
  struct Case { ViewBounds v; bool grid; } cases[] = {
      {{1e15, 1e15 + 1e-4, 0, 1}, false}, {{0, 1, 1e300, 1.5e300}, false},
      {{0, 1e-200, 0, 1}, false},         {{0, 1, 1e12, 1e12 + 1}, false},
      {{-1e150, 1e150, 0, 1}, true},      {{1e20, 1e20 + 1e9, 0, 1}, true}};
  for (const Case& c : cases) {
    plan = graph::PlanGrid(c.v, 500, 400, 1, s);
    EXPECT_EQ(!plan.vertical.empty() && !plan.horizontal.empty(), c.grid) << c.v.ViewXmin;
    EXPECT_LE(plan.vertical.size() + plan.horizontal.size(), 110u);
  }
  // With a range just above 1E-12 of its bound, y = 1E+11 is the bottom edge and the first
  // line is one step above it.
  plan = graph::PlanGrid({0, 1, 1e11, 1e11 + 1}, 500, 400, 1, s);
  EXPECT_EQ(plan.horizontal.front().index, 2000000000001);
  EXPECT_EQ(Labels(plan.horizontal).front(), " 100000000000.1");
}

TEST(Frame, PaperPensShapeAndFrameAxesOnlyWellInsideThePlot) {
  // 600 dpi is 2.4 twips a pixel: 0.3 mm is 7.09 pixels, 0.1 mm 2.36; never below 1 pixel.
  const double cases[][3] = {{0.3, 2.4, 7}, {0.1, 2.4, 2}, {3, 15, 11}, {0.3, 1440, 1}};
  for (const auto& [mm, twips, px] : cases) EXPECT_EQ(graph::MmToPixels(mm, twips), px) << mm;
  // The page keeps the screen plot's shape: a plot taller than the page leaves its right
  // blank (a wider one its bottom, as the printing tests see).
  Scene tall({0, 1, 0, 1});
  tall.scene.screenWidth = 400, tall.scene.screenHeight = 600;
  RecordingSurface paper(1000, 500, false);
  const graph::TargetSetup t = graph::SetUpTarget(paper, tall.scene, 3, 0.3);
  EXPECT_TRUE(t.H == 500 && std::fabs(t.W - 400 * 500.0 / 600) < 1e-9) << t.W << " " << t.H;
  // In black and white, a frame twice as wide as the grid, even when the view has no grid.
  for (const ViewBounds v : {ViewBounds{-5, 5, -5, 5}, ViewBounds{0, 1e-300, 0, 1}}) {
    Scene sc(v);
    sc.scene.PrintBlackWhite = true;
    RecordingSurface s(500, 400, false, 2.4);
    graph::DibujarRejilla(s, sc.scene);
    ASSERT_EQ(s.Of("Rectangle").size(), 1u);
    EXPECT_TRUE(s.Of("Rectangle")[0].pen == 4 && s.Of("Rectangle")[0].colour == Rgb{});
    EXPECT_EQ(s.Of("Line").empty(), v.ViewXmax < 1);
    for (const auto& l : s.Of("Line")) EXPECT_TRUE(l.colour == Rgb{} && l.pen == 2);
  }
  // y = 0 on row 400·ymax/rangeY, x = 0 on column −500·xmin/rangeX: an axis within 3 pixels
  // of the edge is not drawn.
  struct Axes { ViewBounds v; size_t axes; } axes[] = {
      {{-1, 499, -1, 399}, 0}, {{-3, 497, -3, 397}, 2}, {{-497, 3, -397, 3}, 2},
      {{-499, 1, -399, 1}, 0}};
  for (const Axes& c : axes) {
    Scene sc(c.v);
    RecordingSurface s(500, 400);
    graph::DibujarEjes(s, sc.scene);
    EXPECT_EQ(s.Of("Line").size(), c.axes) << c.v.ViewXmin;
  }
}

TEST(Curve, ModelValuesWhereTheyAreMissingAndStepsThatFollowTheSlope) {
  const auto D = CurveValue::Defined, U = CurveValue::Undefined, N = CurveValue::NotComputable;
  struct Case { int16_t kind; double a, b, c, x; CurveValue value; double y; } cases[] = {
      {0, 1, 2, 0, 3, D, 7},      {1, 1, 2, 0, std::exp(1.0), D, 3}, {1, 1, 2, 0, 0, U, 0},
      {2, 3, 2, 0, 3, D, 24},     {2, 3, -2, 0, 0.5, N, 0},          {2, 1, 10, 0, 400, N, 0},
      {3, 2, 0.5, 0, 9, D, 6},    {3, 2, 0.5, 0, -9, N, 0},          {4, 2, -3, 1, 4, D, 21},
      {0, 1e308, 1e308, 0, 10, N, 0},  {10, 1, 1, 1, 1, N, 0}};
  for (const Case& c : cases) {
    double y = -99;
    EXPECT_EQ(graph::EvaluateModel(c.kind, c.a, c.b, c.c, c.x, y), c.value) << c.kind << c.x;
    EXPECT_NEAR(y, c.value == D ? c.y : -99, 1e-12) << c.kind << " " << c.x;
  }
  // The curve's step along x follows the slope.
  const double steps[][3] = {{0, 3, 1}, {1, 3, 1}, {2, 3, 0.75}, {4, 3, 0.375}, {8, 3, 0.1875},
                             {8.1, 3, 0.15}, {NAN, 3, 0.15}, {0.5, 7, 7.0 / 3}};
  for (const auto& [d, cw, step] : steps) EXPECT_DOUBLE_EQ(graph::CurveStep(d, cw), step) << d;
}

TEST(Curve, LogarithmShowsABandLeftOfZero) {
  Scene sc({-5, 5, -5, 5}, 1);
  sc.h = {"y = 1 + 2 ln x", 1, 1, 2, 0, sc.h.View};
  RecordingSurface screen(500, 400);
  graph::DibujarCurva(screen, sc.scene);
  // x = p/50 − 5 ≤ 0 up to column 250: after the first column's short step the repeated
  // row steps 1 pixel.
  ASSERT_EQ(screen.Of("Line").size(), 251u);  // masked, so the grid shows through the band
  for (const auto& b : screen.Of("Line")) EXPECT_TRUE(b.mask && b.x1 <= 250) << b.x1;
  const auto dots = screen.Of("Dot");
  ASSERT_FALSE(dots.empty());
  for (const auto& d : dots) {
    EXPECT_TRUE(d.x1 > 250 && d.x1 <= 497 && d.y1 >= 3 && d.y1 <= 397) << d.x1 << " " << d.y1;
    EXPECT_NEAR(d.y1, 40 * (5 - (1 + 2 * std::log(d.x1 / 50 - 5))), 1e-9);
  }
  RecordingSurface paper(500, 400, false, 2.4);  // on paper: black dots, no band
  graph::DibujarCurva(paper, sc.scene);
  EXPECT_TRUE(paper.Of("Line").empty() && paper.Of("Dot").front().colour == Rgb{});
}

TEST(Data, BarsAlternateByRowAndKeepTheirWidthHistogramClassesAreDrawnWholeOrNotAtAll) {
  const int widths[][3] = {{500, 12, 10}, {500, 30, 8}, {500, 1000, 2}, {60, 12, 2}};
  for (const auto& [W, rows, bw] : widths) EXPECT_EQ(graph::BarWidth(W, rows), bw) << rows;
  Scene sc({0, 10, 0, 8}, 10);
  Fill(sc.t1.Data1V_X1, {1, 2, NoValue, 4, 5, 6});
  Fill(sc.t1.Data1V_N, {2, 4, 1, NoValue, 3, 1});
  RecordingSurface s(500, 400);
  graph::DibujarDatosPuntuales(s, sc.scene);
  const auto boxes = s.Of("Box");
  ASSERT_EQ(boxes.size(), 4u);
  const int rows[] = {1, 2, 5, 6};  // empty cells leave gaps
  for (int b = 0; b < 4; ++b) {
    const double x = 50 * sc.t1.Data1V_X1[rows[b]], top = 400 - 50 * sc.t1.Data1V_N[rows[b]];
    const auto& box = boxes[b];
    EXPECT_TRUE(box.x1 == x - 5 && box.x2 == x + 5 && box.y1 == 400 && box.y2 == top) << b;
  }
  sc.scene.Check1 = true;
  RecordingSurface paper(500, 400, false);
  graph::DibujarDatosPuntuales(paper, sc.scene);
  for (const auto& b : paper.Of("Box")) EXPECT_EQ(b.colour, (Rgb{0, 0, 0}));
  // Classes 1-2, 2-3, 3-4 with frequencies 2, 5, 3; margin 12 pixels. The first class
  // crosses the left margin, the last one reaches past the right edge, the middle one is
  // taller than the view, y = 0 lies below the plot.
  struct Case { ViewBounds v; size_t drawn; } cases[] = {
      {{0, 5, -1, 7}, 3},    {{1.1, 5, -1, 7}, 2},   {{0, 3.99, -1, 7}, 2},
      {{0, 5, -1, 4.9}, 2},  {{0, 5, 0.5, 7}, 0},
      // y = 0 on row 400·7/6.9 = 405.8: below the plot's 388, though not past its margin.
      {{0, 5, 0.1, 7}, 0}};
  Fill(sc.t1.Data1V_X1, {1, 2, 3});
  Fill(sc.t1.Data1V_X2, {2, 3, 4});
  Fill(sc.t1.Data1V_N, {2, 5, 3});
  sc.h.GraphKind = 11;
  sc.scene.M1V = 3;
  for (const Case& c : cases) {
    sc.h.View = c.v;
    RecordingSurface h(500, 400);
    graph::DibujarDatosPuntuales(h, sc.scene);
    EXPECT_EQ(h.Of("Box").size(), c.drawn) << c.v.ViewXmin << " " << c.v.ViewYmax;
  }
}

// A grouped table of classes (lower, upper, frequency), fit for the histogram.
void Classes(Scene& sc, tables::Stats1V& stats,
             std::initializer_list<std::array<double, 3>> rows) {
  sc.t1.DataType1V = 1;
  int32_t i = 0;
  for (const auto& [x1, x2, n] : rows) {
    ++i;
    sc.t1.Data1V_X1[i] = x1, sc.t1.Data1V_X2[i] = x2, sc.t1.Data1V_N[i] = n;
  }
  stats.ClassesOK1V = true;
  stats.M1V = sc.scene.M1V = i;
  sc.h.GraphKind = 11;
}

TEST(Histogram, ClassesOfUnequalWidthStandAtTheirDensityOnScreenAndInTheFirstWindow) {
  // 0-10 (3) and 10-30 (5): densities 3/10 = 0.3 and 5/20 = 0.25, so the window is x 0..30
  // and y 0..0.3, each widened by a tenth of its range on both sides.
  Scene sc({0, 1, 0, 1});
  tables::Stats1V stats;
  Classes(sc, stats, {{0, 10, 3}, {10, 30, 5}});
  EXPECT_EQ(graph::HistogramHeights(sc.t1, 2), (std::vector<double>{0.3, 0.25}));
  ASSERT_TRUE(graph::HandOverGraph1V(sc.t1, stats, sc.h));
  const ViewBounds& v = sc.h.View;
  EXPECT_NEAR(v.ViewXmin, -3, 1e-12);
  EXPECT_NEAR(v.ViewXmax, 33, 1e-12);
  EXPECT_NEAR(v.ViewYmin, -0.03, 1e-15);
  EXPECT_NEAR(v.ViewYmax, 0.33, 1e-15);
  // On 500 × 400 pixels x = 0, 10, 30 fall on columns 500·3/36, 500·13/36, 500·33/36, and
  // y = 0, 0.3, 0.25 on rows 400·0.33/0.36, 400·0.03/0.36, 400·0.08/0.36.
  RecordingSurface s(500, 400);
  graph::DibujarDatosPuntuales(s, sc.scene);
  const auto boxes = s.Of("Box");
  ASSERT_EQ(boxes.size(), 2u);
  const double want[2][4] = {{1500.0 / 36, 13200.0 / 36, 6500.0 / 36, 1200.0 / 36},
                             {6500.0 / 36, 13200.0 / 36, 16500.0 / 36, 3200.0 / 36}};
  for (int b = 0; b < 2; ++b) {
    EXPECT_NEAR(boxes[b].x1, want[b][0], 1e-9) << b;
    EXPECT_NEAR(boxes[b].y1, want[b][1], 1e-9) << b;
    EXPECT_NEAR(boxes[b].x2, want[b][2], 1e-9) << b;
    EXPECT_NEAR(boxes[b].y2, want[b][3], 1e-9) << b;
  }
  // Classes typed equally wide keep their frequencies, though the doubles of their bounds
  // make 0.2-0.3 a little narrower than 0.1-0.2; so does a single class. One class that
  // differs makes every class a density: 2/1, 4/1, 6/2.
  struct Case { std::initializer_list<std::array<double, 3>> rows; std::vector<double> heights; };
  const Case cases[] = {
      {{{0.1, 0.2, 2}, {0.2, 0.3, 5}, {0.3, 0.4, 1}}, {2, 5, 1}},
      {{{10000000, 10000000.2, 2}, {10000000.2, 10000000.4, 3}}, {2, 3}},
      {{{2, 4, 5}}, {5}},
      {{{0, 1, 2}, {1, 2, 4}, {2, 4, 6}}, {2, 4, 3}},
      {{{0, 1e-300, 1e10}, {1e-300, 1, 1}}, {INFINITY, 1 / (1 - 1e-300)}}};
  for (const Case& c : cases) {
    Scene each({0, 1, 0, 1});
    Classes(each, stats, c.rows);
    EXPECT_EQ(graph::HistogramHeights(each.t1, stats.M1V), c.heights) << c.rows.begin()[0][1];
  }
  // The tenths' window is found from their frequencies, 0..5.
  Scene tenths({0, 1, 0, 1});
  Classes(tenths, stats, {{0.1, 0.2, 2}, {0.2, 0.3, 5}, {0.3, 0.4, 1}});
  ASSERT_TRUE(graph::HandOverGraph1V(tenths.t1, stats, tenths.h));
  EXPECT_NEAR(tenths.h.View.ViewYmin, -0.5, 1e-12);
  EXPECT_NEAR(tenths.h.View.ViewYmax, 5.5, 1e-12);
  // A density beyond the doubles: the window falls back to -1..11 and no class is drawn
  // off every scale.
  Scene huge({0, 1, 0, 1});
  Classes(huge, stats, {{0, 1e-300, 1e10}, {1e-300, 1, 1}});
  ASSERT_TRUE(graph::HandOverGraph1V(huge.t1, stats, huge.h));
  EXPECT_TRUE(huge.h.View.ViewYmin == -1 && huge.h.View.ViewYmax == 11);
}

TEST(Histogram, InBlackAndWhiteEachClassIsEdgedInThePapersColour) {
  // Classes 1-2, 2-3, 3-4 (2, 5, 3) over x 0..5 and y -1..7 on a page of 1000 × 800
  // pixels: columns 200·x, rows 100·(7 − y). At 600 dpi (2.4 twips a pixel) 0.2 mm is 4.72
  // pixels, so 5, and the 3 mm margin 71.
  Scene sc({0, 5, -1, 7});
  tables::Stats1V stats;
  Classes(sc, stats, {{1, 2, 2}, {2, 3, 5}, {3, 4, 3}});
  sc.scene.Check1 = true;
  RecordingSurface paper(1000, 800, false, 2.4);
  graph::DibujarDatosPuntuales(paper, sc.scene);
  const auto boxes = paper.Of("Box");
  ASSERT_EQ(boxes.size(), 9u);
  const Rgb black{0, 0, 0}, white{255, 255, 255};
  const double rows[] = {500, 200, 400};
  for (int c = 0; c < 3; ++c) {
    // The solid class, then a strip of paper down each of its sides from its top to the
    // axis; the next class's own strip parts it again from what it covered.
    const auto& solid = boxes[3 * c];
    EXPECT_TRUE(solid.colour == black && solid.x1 == 200 * (c + 1) && solid.x2 == 200 * (c + 2));
    for (int side = 0; side < 2; ++side) {
      const auto& edge = boxes[3 * c + 1 + side];
      const double x = 200 * (c + 1 + side);
      EXPECT_TRUE(edge.colour == white && edge.x1 == x - 2.5 && edge.x2 == x + 2.5) << c << side;
      EXPECT_TRUE(edge.y1 == 700 && edge.y2 == rows[c]) << c << side;
    }
  }
  // On a printer of 96 dpi (15 twips a pixel) 0.2 mm is 0.76 pixels: the edge keeps 1.
  RecordingSurface coarse(1000, 800, false, 15);
  graph::DibujarDatosPuntuales(coarse, sc.scene);
  ASSERT_EQ(coarse.Of("Box").size(), 9u);
  EXPECT_EQ(coarse.Of("Box")[1].x2 - coarse.Of("Box")[1].x1, 1);
  // In colour, and on screen whatever the box says, the classes are solid boxes alone.
  sc.scene.Check1 = false;
  RecordingSurface colour(1000, 800, false, 2.4);
  graph::DibujarDatosPuntuales(colour, sc.scene);
  sc.scene.Check1 = true;
  RecordingSurface screen(1000, 800);
  graph::DibujarDatosPuntuales(screen, sc.scene);
  for (RecordingSurface* s : {&colour, &screen}) {
    const auto solid = s->Of("Box");
    ASSERT_EQ(solid.size(), 3u);
    EXPECT_TRUE(solid[0].colour == (Rgb{140, 160, 255}) && solid[1].colour == (Rgb{60, 80, 255}));
  }
}

TEST(Data, ScatterRingsInsideTheMarginsOverTheCurve) {
  Scene sc({0, 500, 0, 400});  // one unit a pixel, y upwards; a margin of 12 pixels
  Fill(sc.t2.Data2V_X, {12, 12.5, 497, 497.5, 250, 250, 250, 250, NoValue, 100});
  Fill(sc.t2.Data2V_Y, {200, 200, 200, 200, 388, 388.5, 12, 11.5, 5, NoValue});
  sc.t2.N2V = 10;
  sc.h.GraphFormula = "y = 0";
  RecordingSurface s(500, 400);
  graph::DibujarTODO(s, sc.scene);
  EXPECT_TRUE(s.ops.front().kind == "Clear" && s.Of("Rectangle").empty());  // no frame on screen
  // Each point is a ring (pen 12) and then its white centre, after the curve.
  std::vector<std::pair<double, double>> rings;
  for (const auto& d : s.Of("Dot")) {
    if (d.pen == 12) rings.emplace_back(d.x1, d.y1);
  }
  const std::vector<std::pair<double, double>> inside = {
      {12.5, 200}, {497, 200}, {250, 12}, {250, 388}};  // in pixels
  EXPECT_EQ(rings, inside);
  EXPECT_TRUE(s.ops.back().pen == 6 && s.ops.back().colour == (Rgb{255, 255, 255}));
}

bool Near(const ViewBounds& a, const ViewBounds& b) {
  const double e = 1e-12 * (std::fabs(b.ViewXmax) + std::fabs(b.ViewYmax) + 1);
  return std::fabs(a.ViewXmin - b.ViewXmin) <= e && std::fabs(a.ViewXmax - b.ViewXmax) <= e &&
         std::fabs(a.ViewYmin - b.ViewYmin) <= e && std::fabs(a.ViewYmax - b.ViewYmax) <= e;
}

TEST(Navigation, EachToolOnAView) {
  // x 0..10 (centre 5, half 5), y 1..5 (centre 3, half 2) on 600 × 300 pixels; a pan is a
  // tenth of the range.
  struct Case { int tool; ViewBounds want, start = {0, 10, 1, 5}; } cases[] = {
      {graph::kZoomIn, {1, 9, 1.4, 4.6}},        {graph::kZoomOut, {-1.25, 11.25, 0.5, 5.5}},
      {graph::kUp, {0, 10, 1.4, 5.4}},           {graph::kLeft, {-1, 9, 1, 5}},
      {graph::kRight, {1, 11, 1, 5}},            {graph::kDown, {0, 10, 0.6, 4.6}},
      {graph::kZoomInY, {0, 10, 1.4, 4.6}},      {graph::kZoomOutX, {-1.25, 11.25, 1, 5}},
      {graph::kZoomInX, {1, 9, 1, 5}},           {graph::kZoomOutY, {0, 10, 0.5, 5.5}},
      // 1:1 grows only the relatively shorter range, about its centre, and only once.
      {graph::kEqualScales, {0, 10, -2, 3}, {0, 10, 0, 1}},
      {graph::kEqualScales, {-9.5, 10.5, 0, 10}, {0, 1, 0, 10}},
  };
  for (const Case& c : cases) {
    ViewBounds v = c.start;
    EXPECT_TRUE(graph::ApplyTool(c.tool, v, 600, 300));
    EXPECT_TRUE(Near(v, c.want)) << c.tool;
    if (c.tool != graph::kEqualScales) continue;
    graph::ApplyTool(c.tool, v, 600, 300);
    EXPECT_TRUE(Near(v, c.want)) << "twice";
  }
  // The one-axis buttons leave the other axis exactly as it was.
  ViewBounds v = {0.1, 0.7, 3, 9};
  graph::ApplyTool(graph::kZoomInY, v, 600, 300);
  EXPECT_TRUE(v.ViewXmin == 0.1 && v.ViewXmax == 0.7);
  EXPECT_FALSE(graph::ApplyTool(graph::kShowHideFunction, v, 600, 300));
}

TEST(Navigation, StepsThatBreakTheMappingAreRefused) {
  // Below 1E-150, above 1E+150, lost against its bound, a bound beyond the doubles; a view
  // already out of bounds may come back, or pan, but not go further.
  struct Case { ViewBounds start; int refused, taken; } cases[] = {
      {{0, 1.2e-150, 0, 1}, graph::kZoomInX, graph::kZoomOutX},
      {{0, 1e150, 0, 1}, graph::kZoomOutX, graph::kZoomInX},
      {{1e12, 1e12 + 1.1, 0, 1}, graph::kZoomInX, graph::kLeft},
      {{0, 1, 1.5e308, 1.79e308}, graph::kUp, graph::kDown},
      {{0, 1e160, 0, 1}, graph::kZoomOutX, graph::kZoomInX},
      {{0, 1e160, 0, 1}, graph::kZoomOutX, graph::kRight},
  };
  for (const Case& c : cases) {
    ViewBounds v = c.start;
    EXPECT_FALSE(graph::ApplyTool(c.refused, v, 600, 300)) << c.start.ViewXmax;
    EXPECT_TRUE(Near(v, c.start)) << "refused";
    EXPECT_TRUE(graph::ApplyTool(c.taken, v, 600, 300)) << c.start.ViewXmax;
  }
  // Zooming in for ever stops at the smallest workable range.
  ViewBounds v{-1, 1, -1, 1};
  int steps = 0;
  while (graph::ApplyTool(graph::kZoomIn, v, 600, 300)) ++steps;
  EXPECT_NEAR(steps, std::log(0.5e-150) / std::log(0.8), 1);
  v = {0, 1, 1.5e308, 1.79e308};  // a drag is refused as the tools are
  EXPECT_FALSE(graph::DragView(v, 0, 4000, 500, 400));
}

TEST(Readout, TextsMarkerAndTheFormulaBoxInsideThePlot) {
  // View x 0..10 over 500 pixels (X = 50·x), y -10..10 over 200 pixels.
  struct Case { int16_t kind; double a, b, X; const char* text; double left, top; } cases[] = {
      {0, 1, 2, 150, "( 3 ,  7 )", 144, 24},   {1, 0, 1, 0, "( 0 ,  undefined )", -20, -1},
      {1, 0, 1, 25, "( 0.5 ,  -0.693147180559945 )", 19, 100.9314718},
      {4, 1, 0, 250, "( 5 ,  25 )", -20, -1},  // above the plot
  };
  for (const Case& c : cases) {
    const graph::GraphHandover h{"", c.kind, c.a, c.b, 0, {0, 10, -10, 10}};
    const graph::Readout r = graph::ReadoutAt(h, c.X, 500);
    EXPECT_EQ(r.text, c.text);
    const auto place = graph::MarkerFor(r, h.View, c.X, 200);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->left, c.left) << c.text;
    EXPECT_NEAR(place->top.value_or(-1), c.top, 1e-6) << c.text;
  }
  // The formula box, 100 × 32 and now at (10, 10), dragged on a plot 500 × 400; the last
  // plot is narrower than the box.
  struct Box { double nl, nt, W1, left, top; } boxes[] = {
      {50, 60, 500, 50, 60}, {-5, 0, 500, 0, 0}, {398, 367, 500, 398, 366}, {5, 5, 80, -22, 5}};
  for (const Box& c : boxes) {
    double left = 10, top = 10;
    graph::PlaceDraggedBox(c.nl, c.nt, c.W1, 400, 100, 32, left, top);
    EXPECT_TRUE(left == c.left && top == c.top) << c.nl << " " << c.nt;
  }
}

}  // namespace
