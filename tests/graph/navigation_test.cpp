#include <gtest/gtest.h>

#include <cmath>

#include "graph/navigation.h"

namespace {

using graph::ViewBounds;

void ExpectView(const ViewBounds& got, const ViewBounds& want, const std::string& what) {
  const double tolerance = 1e-12 * (std::fabs(want.ViewXmax) + std::fabs(want.ViewYmax) + 1);
  EXPECT_NEAR(got.ViewXmin, want.ViewXmin, tolerance) << what;
  EXPECT_NEAR(got.ViewXmax, want.ViewXmax, tolerance) << what;
  EXPECT_NEAR(got.ViewYmin, want.ViewYmin, tolerance) << what;
  EXPECT_NEAR(got.ViewYmax, want.ViewYmax, tolerance) << what;
}

TEST(Navigation, EachToolOnAView) {
  // x 0..10 (centre 5, half 5), y -2..2 (centre 0, half 2); a pan is a tenth of the range.
  struct Case { int tool; ViewBounds start, want; double W, H; } cases[] = {
      {graph::kZoomIn, {0, 10, -2, 2}, {1, 9, -1.6, 1.6}, 600, 300},
      {graph::kZoomOut, {0, 10, -2, 2}, {-1.25, 11.25, -2.5, 2.5}, 600, 300},
      {graph::kUp, {0, 10, -2, 2}, {0, 10, -1.6, 2.4}, 600, 300},
      {graph::kLeft, {0, 10, -2, 2}, {-1, 9, -2, 2}, 600, 300},
      {graph::kRight, {0, 10, -2, 2}, {1, 11, -2, 2}, 600, 300},
      {graph::kDown, {0, 10, -2, 2}, {0, 10, -2.4, 1.6}, 600, 300},
      {graph::kZoomInY, {0, 10, -2, 2}, {0, 10, -1.6, 1.6}, 600, 300},
      {graph::kZoomOutX, {0, 10, -2, 2}, {-1.25, 11.25, -2, 2}, 600, 300},
      {graph::kZoomInX, {0, 10, -2, 2}, {1, 9, -2, 2}, 600, 300},
      {graph::kZoomOutY, {0, 10, -2, 2}, {0, 10, -2.5, 2.5}, 600, 300},
      // 1:1 grows only the relatively shorter range, about its centre.
      {graph::kEqualScales, {0, 10, 0, 1}, {0, 10, -2, 3}, 600, 300},
      {graph::kEqualScales, {0, 1, 0, 10}, {-9.5, 10.5, 0, 10}, 600, 300},
      {graph::kEqualScales, {0, 4, 0, 3}, {0, 4, -0.5, 3.5}, 400, 400},
  };
  for (const Case& c : cases) {
    ViewBounds v = c.start;
    EXPECT_TRUE(graph::ApplyTool(c.tool, v, c.W, c.H));
    ExpectView(v, c.want, std::to_string(c.tool));
    if (c.tool == graph::kEqualScales) graph::ApplyTool(c.tool, v, c.W, c.H);
    ExpectView(v, c.want, "twice " + std::to_string(c.tool));
  }
  // The one-axis buttons leave the other axis exactly as it was.
  ViewBounds v = {0.1, 0.7, 3, 9};
  graph::ApplyTool(graph::kZoomInY, v, 600, 300);
  EXPECT_TRUE(v.ViewXmin == 0.1 && v.ViewXmax == 0.7);
  EXPECT_FALSE(graph::ApplyTool(graph::kShowHideFunction, v, 600, 300));
  // Zoom in and out give the view back; ten pans right move it by one range.
  v = {-3.7, 12.1, 0.2, 0.9};
  graph::ApplyTool(graph::kZoomIn, v, 600, 300);
  graph::ApplyTool(graph::kZoomOut, v, 600, 300);
  ExpectView(v, {-3.7, 12.1, 0.2, 0.9}, "in then out");
  for (int i = 0; i < 10; ++i) graph::ApplyTool(graph::kRight, v, 600, 300);
  ExpectView(v, {12.1, 27.9, 0.2, 0.9}, "ten rights");
}

TEST(Navigation, StepsThatBreakTheMappingAreRefused) {
  struct Case { ViewBounds start; int tool; bool taken; } cases[] = {
      {{0, 1.2e-150, 0, 1}, graph::kZoomInX, false},  // below 1E-150
      {{0, 1.2e-150, 0, 1}, graph::kZoomOutX, true},
      {{0, 1e150, 0, 1}, graph::kZoomOutX, false},  // above 1E+150
      {{0, 1e150, 0, 1}, graph::kZoomInX, true},
      {{1e12, 1e12 + 1.1, 0, 1}, graph::kZoomInX, false},  // lost against its bound
      {{1e12, 1e12 + 1.1, 0, 1}, graph::kLeft, true},
      {{0, 1, 1.5e308, 1.79e308}, graph::kUp, false},  // a bound beyond the doubles
      {{0, 1, 1.5e308, 1.79e308}, graph::kDown, true},
      // A view already out of bounds may come back, not go further.
      {{0, 1e160, 0, 1}, graph::kZoomOutX, false},
      {{0, 1e160, 0, 1}, graph::kZoomInX, true},
      {{0, 1e160, 0, 1}, graph::kRight, true},
  };
  for (const Case& c : cases) {
    ViewBounds v = c.start;
    EXPECT_EQ(graph::ApplyTool(c.tool, v, 600, 300), c.taken) << c.start.ViewXmax << " " << c.tool;
    if (!c.taken) ExpectView(v, c.start, "refused");
  }
  // Zooming in for ever stops at the smallest workable range; off centre, the bounds' own
  // rounding stops it long before.
  ViewBounds v{-1, 1, -1, 1};
  int steps = 0;
  while (graph::ApplyTool(graph::kZoomIn, v, 600, 300)) ++steps;
  EXPECT_TRUE(graph::ViewAcceptable(v));
  EXPECT_NEAR(steps, std::log(0.5e-150) / std::log(0.8), 1);
  ViewBounds off{9, 11, 0, 1};
  for (steps = 0; graph::ApplyTool(graph::kZoomInX, off, 600, 300);) ++steps;
  EXPECT_NEAR(steps, std::log(10e-12 / 2) / std::log(0.8), 1);
  // A drag follows the pointer: 100 pixels right of 500 over a range of 10 is 2 lower.
  v = {0, 10, 0, 4};
  EXPECT_TRUE(graph::DragView(v, 100, 50, 500, 400));
  ExpectView(v, {-2, 8, 0.5, 4.5}, "drag");
  v = {0, 1, 1.5e308, 1.79e308};
  EXPECT_FALSE(graph::DragView(v, 0, 4000, 500, 400));
}

TEST(Readout, TextsAndMarker) {
  // View x 0..10 over 500 pixels (X = 50·x), y -10..10 over 200 pixels.
  struct Case { int16_t kind; double a, b, c, X; const char* text; double left, top; } cases[] = {
      {0, 1, 2, 0, 150, "( 3 ,  7 )", 144, 24},
      {1, 0, 1, 0, 0, "( 0 ,  undefined )", -20, -1},
      {1, 0, 1, 0, 25, "( 0.5 ,  -0.693147180559945 )", 19, 100.9314718},
      {2, 1, -2, 0, 25, "( 0.5 ,  undefined )", -20, -1},
      {3, 1, 0.5, 0, 200, "( 4 ,  2 )", 194, 74},
      {4, 1, 0, -24, 250, "( 5 ,  1 )", 244, 84},
      {4, 1, 0, 0, 250, "( 5 ,  25 )", -20, -1},  // above the plot
      {0, -0.25, 0, 0, 500, "( 10 ,  -0.25 )", 494, 96.5},
  };
  for (const Case& c : cases) {
    graph::GraphHandover h;
    h.GraphKind = c.kind;
    h.GraphCoefA = c.a;
    h.GraphCoefB = c.b;
    h.GraphCoefC = c.c;
    h.View = {0, 10, -10, 10};
    const graph::Readout r = graph::ReadoutAt(h, c.X, 500);
    EXPECT_EQ(r.text, c.text);
    const auto place = graph::MarkerFor(r, h.View, c.X, 200);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->left, c.left) << c.text;
    EXPECT_NEAR(place->top.value_or(-1), c.top, 1e-6) << c.text;
  }
}

TEST(Readout, FormulaBoxStaysInsideThePlot) {
  // Plot 500 × 400, box 100 × 32, now at (10, 10); the last one is wider than its plot.
  struct Case { double nl, nt, W1, left, top; } cases[] = {
      {50, 60, 500, 50, 60},   {-5, 60, 500, 0, 60},    {50, 0, 500, 50, 0},  {398, 60, 500, 398, 60},
      {399, 60, 500, 398, 60}, {50, 367, 500, 50, 366}, {-9, 999, 500, 0, 366}, {5, 5, 80, -22, 5}};
  for (const Case& c : cases) {
    double left = 10, top = 10;
    graph::PlaceDraggedBox(c.nl, c.nt, c.W1, 400, 100, 32, left, top);
    EXPECT_TRUE(left == c.left && top == c.top) << c.nl << " " << c.nt << ": " << left << " " << top;
  }
}

}  // namespace
