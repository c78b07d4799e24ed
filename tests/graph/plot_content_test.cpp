#include <gtest/gtest.h>

#include <cmath>

#include "graph/plot_content.h"
#include "recording_surface.h"

namespace {

using graph::CurveValue;
using graph_test::RecordingSurface;
using graph_test::Scene;

TEST(Model, ValuesAndWhereTheyAreMissing) {
  const CurveValue D = CurveValue::Defined, U = CurveValue::Undefined, N = CurveValue::NotComputable;
  struct Case { int16_t kind; double a, b, c, x; CurveValue value; double y; } cases[] = {
      {0, 1, 2, 0, 3, D, 7},          {1, 1, 2, 0, std::exp(1.0), D, 3}, {1, 1, 2, 0, 0, U, 0},
      {1, 1, 2, 0, -4, U, 0},         {2, 3, 2, 0, 3, D, 24},            {2, 3, -2, 0, 3, D, -24},
      {2, 3, -2, 0, 0.5, N, 0},       {2, 1, 10, 0, 400, N, 0},          {3, 2, 0.5, 0, 9, D, 6},
      {3, 2, 0.5, 0, -9, N, 0},       {3, 2, 3, 0, -2, D, -16},          {3, 2, -1, 0, 0, N, 0},
      {4, 2, -3, 1, 4, D, 21},        {0, 1e308, 1e308, 0, 10, N, 0},    {10, 1, 1, 1, 1, N, 0}};
  for (const Case& c : cases) {
    double y = -99;
    EXPECT_EQ(graph::EvaluateModel(c.kind, c.a, c.b, c.c, c.x, y), c.value) << c.kind << " " << c.x;
    EXPECT_NEAR(y, c.value == D ? c.y : -99, 1e-12) << c.kind << " " << c.x;
  }
}

TEST(Curve, StepsFollowTheSlope) {
  struct Case { double d, cw, step; } cases[] = {
      {0, 3, 1},      {1, 3, 1},        {1.5, 3, 0.75},   {2, 3, 0.75},          {3, 3, 0.375},
      {4, 3, 0.375},  {8, 3, 0.1875},   {8.1, 3, 0.15},   {INFINITY, 3, 0.15},   {NAN, 3, 0.15},
      {0.5, 7, 7.0 / 3}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(graph::CurveStep(c.d, c.cw), c.step) << c.d;
}

TEST(Curve, LogarithmShowsABandLeftOfZero) {
  Scene sc({-5, 5, -5, 5}, 1);
  sc.h.GraphFormula = "y = 1 + 2 ln x";
  sc.h.GraphCoefA = 1;
  sc.h.GraphCoefB = 2;
  RecordingSurface screen(500, 400);
  graph::DibujarCurva(screen, sc.scene);
  // x = p/50 − 5 ≤ 0 up to column 250: after the first column's short step the repeated
  // row steps 1 pixel.
  const auto bands = screen.Of("Line");
  ASSERT_EQ(bands.size(), 251u);
  for (size_t i = 0; i < bands.size(); ++i) {
    EXPECT_NEAR(bands[i].x1, i == 0 ? 0 : 0.15 + (i - 1.0), 1e-9);
    EXPECT_TRUE(bands[i].mask && bands[i].pen == 1 && bands[i].y1 == 1 && bands[i].y2 == 398);
    EXPECT_EQ(bands[i].colour, (graph::Rgb{240, 240, 250}));
  }
  const auto dots = screen.Of("Dot");
  ASSERT_FALSE(dots.empty());
  for (const auto& d : dots) {
    EXPECT_TRUE(d.x1 > 250 && d.x1 <= 497 && d.y1 >= 3 && d.y1 <= 397) << d.x1 << " " << d.y1;
    EXPECT_NEAR(d.y1, 40 * (5 - (1 + 2 * std::log(d.x1 / 50 - 5))), 1e-9);
    EXPECT_EQ(d.pen, 3);
    EXPECT_EQ(d.colour, (graph::Rgb{255, 0, 80}));
  }
  // Up to a slope of 8 (steps above the shortest) dots 3 wide overlap: each step keeps the
  // rise near half a dot.
  for (size_t i = 1; i < dots.size(); ++i) {
    const double dx = dots[i].x1 - dots[i - 1].x1;
    EXPECT_TRUE(dx < 0.16 || dx >= 1.01 || std::fabs(dots[i].y1 - dots[i - 1].y1) <= 2) << i;
  }
  // On paper: black dots of 0.3 mm, no band; no formula, no curve.
  RecordingSurface paper(500, 400, false, 2.4);
  graph::DibujarCurva(paper, sc.scene);
  EXPECT_TRUE(paper.Of("Line").empty());
  for (const auto& d : paper.Of("Dot")) EXPECT_TRUE(d.pen == 7 && d.colour == graph::Rgb{});
  sc.h.GraphFormula.clear();
  RecordingSurface none(500, 400);
  graph::DibujarTODO(none, sc.scene);
  EXPECT_TRUE(none.Of("Dot").empty());
}

TEST(Data, BarsAlternateByRowAndKeepTheirWidth) {
  struct Width { double W; int32_t rows; double bw; } widths[] = {
      {500, 12, 10}, {500, 100, 2}, {500, 1000, 2}, {500, 26, 10}, {500, 30, 8}, {60, 12, 2}};
  for (const Width& w : widths) EXPECT_EQ(graph::BarWidth(w.W, w.rows), w.bw) << w.rows;
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
  const int rows[] = {1, 2, 5, 6};  // empty cells leave gaps; colours keep the row's parity
  for (int b = 0; b < 4; ++b) {
    const double* row = values[rows[b] - 1];
    EXPECT_TRUE(boxes[b].x1 == 50 * row[0] - 5 && boxes[b].x2 == 50 * row[0] + 5) << b;
    EXPECT_TRUE(boxes[b].y1 == 400 && boxes[b].y2 == 400 - 50 * row[1]) << b;
    EXPECT_EQ(boxes[b].colour, rows[b] % 2 ? (graph::Rgb{140, 160, 255}) : (graph::Rgb{60, 80, 255}));
  }
  sc.scene.Check1 = true;
  RecordingSurface paper(500, 400, false);
  graph::DibujarDatosPuntuales(paper, sc.scene);
  for (const auto& b : paper.Of("Box")) EXPECT_EQ(b.colour, (graph::Rgb{0, 0, 0}));
}

TEST(Data, HistogramClassesAreDrawnWholeOrNotAtAll) {
  // Classes 1-2, 2-3, 3-4 with frequencies 2, 5, 3; margin 12 pixels.
  struct Case { graph::ViewBounds v; size_t drawn; } cases[] = {
      {{0, 5, -1, 7}, 3},
      {{1.1, 5, -1, 7}, 2},   // the first class crosses the left margin
      {{0, 3.99, -1, 7}, 2},  // the last one reaches past the right edge
      {{0, 5, -1, 4.9}, 2},   // the middle one is taller than the view
      {{0, 5, 0.5, 7}, 0}};   // y = 0 below the plot
  for (const Case& c : cases) {
    Scene sc(c.v, 11);
    sc.scene.M1V = 3;
    const double n[] = {2, 5, 3};
    for (int i = 1; i <= 3; ++i) {
      sc.t1.Data1V_X1[i] = i;
      sc.t1.Data1V_X2[i] = i + 1;
      sc.t1.Data1V_N[i] = n[i - 1];
    }
    RecordingSurface s(500, 400);
    graph::DibujarDatosPuntuales(s, sc.scene);
    EXPECT_EQ(s.Of("Box").size(), c.drawn) << c.v.ViewXmin << " " << c.v.ViewYmax;
  }
}

TEST(Data, ScatterRingsInsideTheMarginsOverTheCurve) {
  Scene sc({0, 500, 0, 400}, 0);  // one unit a pixel, y upwards
  const double points[][2] = {{12, 200}, {12.5, 200}, {497, 200}, {497.5, 200}, {250, 388},
                              {250, 388.5}, {250, 12}, {250, 11.5}, {NoValue, 5}, {100, NoValue}};
  sc.t2.N2V = 10;
  for (int i = 0; i < 10; ++i) {
    sc.t2.Data2V_X[i + 1] = points[i][0];
    sc.t2.Data2V_Y[i + 1] = points[i][1];
  }
  sc.h.GraphFormula = "y = 0";
  RecordingSurface s(500, 400);
  graph::DibujarTODO(s, sc.scene);
  EXPECT_EQ(s.ops.front().kind, "Clear");
  const auto dots = s.Of("Dot");
  ASSERT_GE(dots.size(), 8u);
  const double drawn[][2] = {{12.5, 200}, {497, 200}, {250, 12}, {250, 388}};  // in pixels
  for (int i = 0; i < 4; ++i) {
    const graph_test::Op& ring = dots[dots.size() - 8 + 2 * i];
    const graph_test::Op& centre = dots[dots.size() - 7 + 2 * i];
    EXPECT_TRUE(ring.x1 == drawn[i][0] && ring.y1 == drawn[i][1]) << i;
    EXPECT_TRUE(ring.pen == 12 && ring.colour == (graph::Rgb{40, 60, 255})) << i;
    EXPECT_TRUE(centre.x1 == ring.x1 && centre.pen == 6 && centre.colour == (graph::Rgb{255, 255, 255}));
  }
}

}  // namespace
