// A surface that keeps what is drawn on it (text 7 pixels a character, 13 high), and a
// scene of its own tables and hand-over for the drawing routines.
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "graph/plot_frame.h"

namespace graph_test {

struct Op {
  std::string kind;  // Line, Rectangle, Box, Dot, Text, Clear
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  graph::Rgb colour;
  double pen = 1;
  bool mask = false;
  std::string text;
};

class RecordingSurface : public graph::Surface {
 public:
  RecordingSurface(double w, double h, bool screen = true, double twips = 15)
      : w_(w), h_(h), twips_(twips), screen_(screen) {}
  bool IsScreen() const override { return screen_; }
  double ScaleWidth() const override { return w_; }
  double ScaleHeight() const override { return h_; }
  double TwipsPerPixel() const override { return twips_; }
  double TextWidth(const std::string& t) override { return 7.0 * t.size(); }
  double TextHeight(const std::string&) override { return 13; }
  void SetDrawWidth(double w) override { pen_ = w; }
  void SetMaskPen(bool on) override { mask_ = on; }
  void Line(double a, double b, double c, double d, graph::Rgb k) override {
    Add("Line", a, b, c, d, k);
  }
  void Rectangle(double a, double b, double c, double d, graph::Rgb k) override {
    Add("Rectangle", a, b, c, d, k);
  }
  void FilledBox(double a, double b, double c, double d, graph::Rgb k) override {
    Add("Box", a, b, c, d, k);
  }
  void Dot(double x, double y, graph::Rgb k) override { Add("Dot", x, y, x, y, k); }
  void Text(double x, double y, const std::string& t) override { Add("Text", x, y, x, y, {}, t); }
  void Clear() override { Add("Clear", 0, 0, 0, 0, {}); }

  std::vector<Op> Of(const std::string& kind) const {
    std::vector<Op> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [&](const Op& op) { return op.kind == kind; });
    return out;
  }
  std::vector<Op> ops;

 private:
  void Add(const char* kind, double a, double b, double c, double d, graph::Rgb k,
           std::string t = "") {
    ops.push_back({kind, a, b, c, d, k, pen_, mask_, std::move(t)});
  }
  double w_, h_, twips_, pen_ = 1;
  bool screen_, mask_ = false;
};

// A plot of 500 × 400 pixels on screen over the view v.
struct Scene {
  graph::GraphHandover h;
  tables::Table1V t1;
  tables::Table2V t2;
  graph::PlotScene scene{.handover = &h, .table1 = &t1, .table2 = &t2, .screenWidth = 500,
                         .screenHeight = 400, .hideReadout = {}};
  explicit Scene(graph::ViewBounds v, int16_t kind = 0) : h{"", kind, 0, 0, 0, v} {}
};

}  // namespace graph_test
