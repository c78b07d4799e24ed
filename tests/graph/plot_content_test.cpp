#include <gtest/gtest.h>

#include <cmath>

#include "graph/plot_content.h"
#include "recording_surface.h"

namespace {

using graph::CurveValue;
using graph::ViewBounds;
using graph_test::RecordingSurface;

struct Scene {
  graph::GraphHandover h;
  tables::Table1V t1;
  tables::Table2V t2;
  graph::PlotScene scene;
  explicit Scene(ViewBounds v, int16_t kind = 0) {
    h.View = v;
    h.GraphKind = kind;
    scene.handover = &h;
    scene.table1 = &t1;
    scene.table2 = &t2;
    scene.screenWidth = 500;
    scene.screenHeight = 400;
  }
};

TEST(Model, ValuesAndWhereTheyAreMissing) {
  const double nan = std::nan("");
  struct Case { int16_t kind; double a, b, c, x; CurveValue value; double y; } cases[] = {
      {0, 1, 2, 0, 3, CurveValue::Defined, 7},
      {1, 1, 2, 0, std::exp(1.0), CurveValue::Defined, 3},
      {1, 1, 2, 0, 0, CurveValue::Undefined, nan},
      {1, 1, 2, 0, -4, CurveValue::Undefined, nan},
      {2, 3, 2, 0, 3, CurveValue::Defined, 24},
      {2, 3, -2, 0, 3, CurveValue::Defined, -24},
      {2, 3, -2, 0, 0.5, CurveValue::NotComputable, nan},
      {2, 1, 10, 0, 400, CurveValue::NotComputable, nan},  // overflow
      {3, 2, 0.5, 0, 9, CurveValue::Defined, 6},
      {3, 2, 0.5, 0, -9, CurveValue::NotComputable, nan},
      {3, 2, 3, 0, -2, CurveValue::Defined, -16},  // a whole exponent takes negative x
      {3, 2, -1, 0, 0, CurveValue::NotComputable, nan},
      {4, 2, -3, 1, 4, CurveValue::Defined, 21},
      {0, 1e308, 1e308, 0, 10, CurveValue::NotComputable, nan},
      {10, 1, 1, 1, 1, CurveValue::NotComputable, nan},
  };
  for (const Case& c : cases) {
    double y = -99;
    EXPECT_EQ(graph::EvaluateModel(c.kind, c.a, c.b, c.c, c.x, y), c.value) << c.kind << " " << c.x;
    if (c.value == CurveValue::Defined) {
      EXPECT_NEAR(y, c.y, 1e-12) << c.kind;
    }
    else EXPECT_EQ(y, -99);
  }
}

TEST(Curve, StepsFollowTheSlope) {
  struct Case { double d, cw, step; } cases[] = {
      {0, 3, 1},         {1, 3, 1},      {1.5, 3, 0.75},  {2, 3, 0.75}, {3, 3, 0.375},
      {4, 3, 0.375},     {8, 3, 0.1875}, {8.1, 3, 0.15},  {1e300, 3, 0.15},
      {INFINITY, 3, 0.15}, {std::nan(""), 3, 0.15}, {0.5, 7, 7.0 / 3}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(graph::CurveStep(c.d, c.cw), c.step) << c.d;
  }
}

TEST(Curve, LogarithmShowsABandLeftOfZero) {
  Scene sc({-5, 5, -5, 5}, 1);
  sc.h.GraphFormula = "y = 1 + 2 ln x";
  sc.h.GraphCoefA = 1;
  sc.h.GraphCoefB = 2;
  RecordingSurface screen(500, 400);
  graph::DibujarCurva(screen, sc.scene);
  const auto bands = screen.Of("Line");
  // x = p/50 − 5 ≤ 0 up to column 250; the flat repeat of the row steps 1 pixel.
  ASSERT_EQ(bands.size(), 251u);
  for (size_t i = 0; i < bands.size(); ++i) {
    EXPECT_NEAR(bands[i].x1, i == 0 ? 0 : 0.15 + (i - 1.0), 1e-9);
    EXPECT_TRUE(bands[i].mask);
    EXPECT_EQ(bands[i].pen, 1);
    EXPECT_EQ(bands[i].y2, 398);
    EXPECT_EQ(bands[i].colour, (graph::Rgb{240, 240, 250}));
  }
  const auto dots = screen.Of("Dot");
  ASSERT_FALSE(dots.empty());
  for (const auto& d : dots) {
    EXPECT_GT(d.x1, 250);
    EXPECT_LE(d.x1, 497);
    const double y = 1 + 2 * std::log(d.x1 / 50 - 5);
    EXPECT_NEAR(d.y1, 40 * (5 - y), 1e-9);
    EXPECT_GE(d.y1, 3);
    EXPECT_LE(d.y1, 397);
    EXPECT_EQ(d.pen, 3);
    EXPECT_EQ(d.colour, (graph::Rgb{255, 0, 80}));
  }
  // On paper: black, no band.
  RecordingSurface paper(500, 400, false, 2.4);
  graph::DibujarCurva(paper, sc.scene);
  EXPECT_TRUE(paper.Of("Line").empty());
  for (const auto& d : paper.Of("Dot")) {
    EXPECT_EQ(d.pen, 7);
  }
  // No formula, no curve.
  sc.h.GraphFormula.clear();
  RecordingSurface none(500, 400);
  graph::DibujarCurva(none, sc.scene);
  EXPECT_TRUE(none.ops.empty());
}

TEST(Curve, DotsJoinUpOnSteepParts) {
  Scene sc({-1, 1, -0.05, 0.2}, 4);  // slopes up to about 6 pixels a pixel
  sc.h.GraphFormula = "y = x²";
  sc.h.GraphCoefA = 1;
  RecordingSurface s(500, 400);
  graph::DibujarCurva(s, sc.scene);
  const auto dots = s.Of("Dot");
  ASSERT_GT(dots.size(), 100u);
  for (size_t i = 1; i < dots.size(); ++i) {
    // Dots 3 wide: each step keeps the rise near half a dot, so neighbours overlap.
    if (dots[i].x1 - dots[i - 1].x1 < 1.01) {
      EXPECT_LE(std::fabs(dots[i].y1 - dots[i - 1].y1), 2.0);
    }
  }
}

TEST(Data, BarsAlternateByRowAndKeepTheirWidth) {
  struct Width { double W; int32_t rows; double bw; } widths[] = {
      {500, 12, 10}, {500, 100, 2}, {500, 1000, 2}, {500, 26, 10}, {500, 30, 8}, {60, 12, 2}};
  for (const Width& w : widths) {
    EXPECT_EQ(graph::BarWidth(w.W, w.rows), w.bw) << w.rows;
  }

  Scene sc({0, 10, 0, 8}, 10);
  const double values[][2] = {{1, 2}, {2, 4}, {NoValue, 1}, {4, NoValue}, {5, 3}, {6, 1}};
  for (int i = 0; i < 6; ++i) {
    sc.t1.Data1V_X1[i + 1] = values[i][0];
    sc.t1.Data1V_N[i + 1] = values[i][1];
  }
  RecordingSurface s(500, 400);
  graph::DibujarDatosPuntuales(s, sc.scene);
  const auto boxes = s.Of("Box");
  ASSERT_EQ(boxes.size(), 4u);
  const graph::Rgb light{140, 160, 255}, dark{60, 80, 255};
  const int rows[] = {1, 2, 5, 6};
  for (int b = 0; b < 4; ++b) {
    const auto& row = values[rows[b] - 1];
    EXPECT_EQ(boxes[b].x1, 50 * row[0] - 5);
    EXPECT_EQ(boxes[b].x2, 50 * row[0] + 5);
    EXPECT_EQ(boxes[b].y1, 400);
    EXPECT_EQ(boxes[b].y2, 400 - 50 * row[1]);
    EXPECT_EQ(boxes[b].colour, rows[b] % 2 ? light : dark);
  }
  sc.scene.Check1 = true;
  RecordingSurface paper(500, 400, false);
  graph::DibujarDatosPuntuales(paper, sc.scene);
  for (const auto& b : paper.Of("Box")) {
    EXPECT_EQ(b.colour, (graph::Rgb{0, 0, 0}));
  }
}

TEST(Data, HistogramClassesAreDrawnWholeOrNotAtAll) {
  // Classes 1-2, 2-3, 3-4 with frequencies 2, 5, 3; margin 12 pixels.
  struct Case { ViewBounds v; size_t drawn; } cases[] = {
      {{0, 5, -1, 7}, 3},
      {{1.1, 5, -1, 7}, 2},    // the first class crosses the left margin
      {{0, 3.99, -1, 7}, 2},   // the last one reaches past the right edge
      {{0, 5, -1, 4.9}, 2},    // the middle one is taller than the view
      {{0, 5, 0.5, 7}, 0},     // y = 0 below the plot
  };
  for (const Case& c : cases) {
    Scene sc(c.v, 11);
    sc.scene.M1V = 3;
    for (int i = 1; i <= 3; ++i) {
      sc.t1.Data1V_X1[i] = i;
      sc.t1.Data1V_X2[i] = i + 1;
    }
    sc.t1.Data1V_N[1] = 2;
    sc.t1.Data1V_N[2] = 5;
    sc.t1.Data1V_N[3] = 3;
    RecordingSurface s(500, 400);
    graph::DibujarDatosPuntuales(s, sc.scene);
    EXPECT_EQ(s.Of("Box").size(), c.drawn) << c.v.ViewXmin << " " << c.v.ViewYmax;
  }
}

TEST(Data, ScatterRingsInsideTheMargins) {
  Scene sc({0, 500, 0, 400}, 0);  // one unit per pixel, y upwards
  const double points[][2] = {{12, 200}, {12.5, 200}, {497, 200}, {497.5, 200}, {250, 388},
                              {250, 388.5}, {250, 12}, {250, 11.5}, {NoValue, 5}, {100, NoValue}};
  sc.t2.N2V = 10;
  for (int i = 0; i < 10; ++i) {
    sc.t2.Data2V_X[i + 1] = points[i][0];
    sc.t2.Data2V_Y[i + 1] = points[i][1];
  }
  RecordingSurface s(500, 400);
  graph::DibujarDatosPuntuales(s, sc.scene);
  const auto dots = s.Of("Dot");
  ASSERT_EQ(dots.size(), 8u);
  const double drawn[][2] = {{12.5, 200}, {497, 200}, {250, 12}, {250, 388}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dots[2 * i].x1, drawn[i][0]);
    EXPECT_EQ(dots[2 * i].y1, drawn[i][1]);
    EXPECT_EQ(dots[2 * i].pen, 12);
    EXPECT_EQ(dots[2 * i].colour, (graph::Rgb{40, 60, 255}));
    EXPECT_EQ(dots[2 * i + 1].pen, 6);
    EXPECT_EQ(dots[2 * i + 1].colour, (graph::Rgb{255, 255, 255}));
  }
}

TEST(Data, FullRedrawOrder) {
  Scene sc({-5, 5, -5, 5}, 0);
  sc.h.GraphFormula = "y = x";
  sc.h.GraphCoefB = 1;
  sc.t2.Data2V_X[1] = 1;
  sc.t2.Data2V_Y[1] = 1;
  RecordingSurface s(500, 400);
  graph::DibujarTODO(s, sc.scene);
  ASSERT_FALSE(s.ops.empty());
  EXPECT_EQ(s.ops.front().kind, "Clear");
  // The two last dots are the point's ring; the curve lies under it.
  ASSERT_GE(s.ops.size(), 3u);
  EXPECT_EQ(s.ops.back().colour, (graph::Rgb{255, 255, 255}));
  EXPECT_EQ(s.ops[s.ops.size() - 2].colour, (graph::Rgb{40, 60, 255}));
  RecordingSurface paper(500, 400, false);
  graph::DibujarTODO(paper, sc.scene);
  EXPECT_TRUE(paper.Of("Clear").empty());
}

}  // namespace
