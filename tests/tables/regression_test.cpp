#include <gtest/gtest.h>

#include <string>

#include "graph/graph_handover.h"
#include "numeric/numeric.h"
#include "tables/statistics1v.h"
#include "tables/statistics2v.h"

namespace {

using tables::CurveEquation;

// The equation box, blanks included: the texts as the panel, the graph's formula box and
// the printed report show them.
TEST(Regression, EquationTextsKeepTheirBlanks) {
  struct Case {
    int16_t model;
    double A, B, C;
    const char* text;
  };
  const Case cases[] = {
      {0, 2, 3, 0, " y = 2  +  3 x"},
      {0, -2, -3, 0, " y = - 2 - 3 x"},
      {0, 0, 1, 0, " y =  x"},
      {0, 0, 2, 0, " y = 2 x"},
      {0, 5, -1, 0, " y = 5 -  x"},
      {0, 0, -4, 0, " y =  - 4 x"},
      {0, 7, 0, 0, " y = 7"},
      {0, 0, 0, 0, " y = 0"},
      {0, 0.1234567891, 1E-20, 0, " y = 0.1234567891  +  1E-20 x"},
      {1, 2, 3, 0, " y = 2  +  3 ln x"},
      {1, -1.5, 1, 0, " y = - 1.5  +   ln x"},
      {1, 0, -1, 0, " y =  -  ln x"},
      {2, 2, 1.5, 0, " y = 2 · 1.5 ^ x"},
      {2, 3, 2, 0, " y = 3 · 2 ^ x"},
      {2, 1, 0.5, 0, " y = 0.5 ^ x"},
      {2, 4, 1, 0, " y = 4"},
      {2, 1, 1, 0, " y = 1"},
      {2, 0, 2, 0, " y = 0"},
      {2, 2, 0, 0, " y = 0"},
      {3, 2, 1.5, 0, " y = 2 · x ^ 1.5"},
      {3, 2, -0.5, 0, " y = 2 · x ^ (-0.5)"},
      {3, 3, 1, 0, " y = 3 · x"},
      {3, 1, 2, 0, " y = x ^ 2"},
      {3, 1, 1, 0, " y = x"},
      {3, 5, 0, 0, " y = 5"},
      {3, 1, 0, 0, " y = 1"},
      {3, 0, 2, 0, " y = 0"},
      {4, 2, -3, 1, " y = 2x² - 3x + 1"},
      {4, 1, -2, 1, " y = x² - 2x + 1"},
      {4, -1, 0, 9, " y =  - x² + 9"},
      {4, 0, 1, -1, " y = x - 1"},
      {4, 0, 0, -2.5, " y =  - 2.5"},
      {4, -0.5, -1, 0, " y =  - 0.5x² - x"},
      {4, 0, 0, 0, " y = 0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CurveEquation(c.model, c.A, c.B, c.C), c.text)
        << "model " << c.model << ": " << c.A << ", " << c.B << ", " << c.C;
  }
}

TEST(Regression, CaptionsFollowTheOptions) {
  EXPECT_EQ(tables::LblESTAD1_Caption(0), "One variable statistic:  Ungrouped data");
  EXPECT_EQ(tables::LblESTAD1_Caption(1), "One variable statistic:  Grouped data");
  const char* titles[] = {"Linear", "Logarithmic", "Exponential", "Power", "Quadratic"};
  const char* curves[] = {"LINEAR", "LOGARITHMIC", "EXPONENTIAL", "POWER", "QUADRATIC"};
  for (int16_t m = 0; m < 5; ++m) {
    EXPECT_EQ(tables::LblESTAD2_Caption(m),
              std::string("Two variables statistic:  ") + titles[m] + " regression analysis");
    EXPECT_EQ(tables::Label1_44_Caption(m), std::string("Curve of ") + curves[m] + " regression");
  }
}

// Row counts come from files and edits; a count beyond the arrays must not read past them.
TEST(Regression, RowCountsBeyondTheArraysStayInside) {
  tables::Table1V t1;
  t1.Data1V_X1[10001] = 4;
  t1.Data1V_N[10001] = 2;
  t1.N1V = 50000;
  tables::Stats1V s1;
  const auto r1 = tables::ProcesarDatos1VAR(t1, s1, 1, 0);
  EXPECT_EQ(r1.Txt1V_SN, "2");
  EXPECT_EQ(r1.Txt1V_MX, "4");
  EXPECT_EQ(s1.M1V, 10001);
  graph::GraphHandover h;
  EXPECT_TRUE(graph::HandOverGraph1V(t1, s1, h));
  EXPECT_DOUBLE_EQ(h.View.ViewXmin, 1.6);

  tables::Table2V t2;
  t2.Data2V_X[10001] = 1;
  t2.Data2V_Y[10001] = 2;
  t2.Data2V_N[10001] = 3;
  t2.N2V = 50000;
  tables::Stats2V s2;
  EXPECT_EQ(tables::ProcesarDatos2VAR(t2, s2).Txt2V_SXY, "6");
  graph::HandOverGraph2V(t2, s2, "", h);
  EXPECT_DOUBLE_EQ(h.View.ViewYmax, 3.2);  // 2 widened to 1..3
}

}  // namespace
