// Every text the two-variable pass shows, for each model, on one table of 300 rows: pinned
// to the last digit. The reference cases check exact values on a few rows each; this table
// is long and scattered enough that a change in the order or the form of the sums (how
// the rows' logarithms are taken, how the deviations are gathered) moves a 10th digit.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "numeric/numeric.h"
#include "tables/statistics2v.h"

namespace {

using namespace tables;

constexpr int32_t kRows = 300;

// Decimals as typed (each the double nearest to its text), with empty rows, frequencies of 0
// and fractional frequencies among them; x and y positive, so that every model applies.
Table2V Scattered(int16_t model) {
  Table2V t;
  t.RegType2V = model;
  t.N2V = kRows;
  for (int32_t i = 1; i <= kRows; ++i) {
    if (i % 41 == 0) continue;
    const int k = (i * 37) % 211;
    t.Data2V_X[i] = (50 + k) / 8.0;
    t.Data2V_Y[i] = (100 + 3 * k + (i * 113) % 97) / 100.0;
    t.Data2V_N[i] = i % 13 == 0 ? 0 : (1 + i % 4) / 2.0;
  }
  return t;
}

constexpr std::array<std::string Results2V::*, 15> kBoxes = {
    &Results2V::Txt2V_SN,  &Results2V::Txt2V_SX,  &Results2V::Txt2V_SY, &Results2V::Txt2V_SX2,
    &Results2V::Txt2V_SY2, &Results2V::Txt2V_SXY, &Results2V::Txt2V_MX, &Results2V::Txt2V_MY,
    &Results2V::Txt2V_VX,  &Results2V::Txt2V_VY,  &Results2V::Txt2V_DX, &Results2V::Txt2V_DY,
    &Results2V::Txt2V_COV, &Results2V::Txt2V_R,   &Results2V::Txt2V_CUR};

using Texts = std::array<const char*, kBoxes.size()>;

// N, SX, SY, SX2, SY2, SXY, means, variances, deviations, covariance, r, equation.
const Texts kExpected[5] = {
    {"336", "6499.375", "1553.47", "145037.1563", "8277.4762", "34593.49125", "19.34337798",
     "4.623422619", "57.4919316", "3.259309119", "7.582343411", "1.805355677", "13.52420793",
     "0.9879742224", " y = 0.07315167478  +  0.2352366246 x"},
    {"336", "964.7303494", "1553.47", "2837.661786", "8277.4762", "4724.056179", "2.871221278",
     "4.623422619", "0.2015103551", "3.259309119", "0.4488990478", "1.805355677", "0.7848216064",
     "0.9684105026", " y = - 6.559111871  +  3.894696161 ln x"},
    {"336", "6499.375", "483.4306814", "145037.1563", "765.482333", "10463.16165", "19.34337798",
     "1.43878179", "57.4919316", "0.2081281899", "7.582343411", "0.4562106858", "3.30946205",
     "0.9567280383", " y = 1.384446967 · 1.059252996 ^ x"},
    {"336", "964.7303494", "483.4306814", "2837.661786", "765.482333", "1455.542395",
     "2.871221278", "1.43878179", "0.2015103551", "0.2081281899", "0.4488990478", "0.4562106858",
     "0.2009105226", "0.9810441349", " y = 0.2407749083 · x ^ 0.997023317"},
    {"336", "6499.375", "1553.47", "145037.1563", "8277.4762", "34593.49125", "19.34337798",
     "4.623422619", "57.4919316", "3.259309119", "7.582343411", "1.805355677", "13.52420793",
     "0.9879742224", " y =  - 0.0001126079478x² + 0.2395858862x + 0.03763040891"},
};

TEST(RegressionTexts, EveryModelShowsTheSameDigitsOnALongTable) {
  for (int16_t model = 0; model < 5; ++model) {
    const Table2V t = Scattered(model);
    Stats2V stats;
    ErrorFlag = 0;
    const Results2V r = ProcesarDatos2VAR(t, stats);
    EXPECT_EQ(ErrorFlag, 0) << ModelCaption(model);
    for (size_t box = 0; box < kBoxes.size(); ++box) {
      EXPECT_EQ(r.*kBoxes[box], kExpected[model][box]) << ModelCaption(model) << ", box " << box;
    }
    // The stored coefficients are the equation's digits.
    EXPECT_EQ(CurveEquation(model, stats.RegCoefA, stats.RegCoefB, stats.RegCoefC),
              kExpected[model][14]);
  }
}

// A value the model takes the logarithm of and that is not positive, on the table's last
// row: the whole table is refused, every box stays empty and the previous fit is kept.
TEST(RegressionTexts, ANonPositiveValueOnTheLastRowRefusesTheTable) {
  struct Case {
    int16_t model;
    bool zeroX;  // otherwise y ≤ 0
  };
  for (const Case c : {Case{1, true}, Case{2, false}, Case{3, true}, Case{3, false}}) {
    Table2V t = Scattered(c.model);
    Stats2V stats;
    ProcesarDatos2VAR(t, stats);
    const Stats2V before = stats;
    (c.zeroX ? t.Data2V_X : t.Data2V_Y)[kRows] = c.zeroX ? 0.0 : -1.0;
    ErrorFlag = 0;
    const Results2V r = ProcesarDatos2VAR(t, stats);
    EXPECT_EQ(ErrorFlag, 1) << ModelCaption(c.model);
    for (auto box : kBoxes) EXPECT_EQ(r.*box, "") << ModelCaption(c.model);
    EXPECT_EQ(stats.RegCoefA, before.RegCoefA);
    EXPECT_EQ(stats.RegCoefB, before.RegCoefB);
    EXPECT_EQ(stats.RegCoefC, before.RegCoefC);
  }
}

// One row counted a negative number of times, anywhere in the long table, under every model:
// no box shows a number (the variances it would give may even look plausible) and the
// previous fit is kept.
TEST(RegressionTexts, ANegativeFrequencyRefusesTheTable) {
  for (int16_t model = 0; model < 5; ++model) {
    Table2V t = Scattered(model);
    Stats2V stats;
    ProcesarDatos2VAR(t, stats);
    const Stats2V before = stats;
    for (int32_t row : {1, 150, kRows}) {
      Table2V negative = t;
      negative.Data2V_N[row] = -0.5;
      ErrorFlag = 0;
      const Results2V r = ProcesarDatos2VAR(negative, stats);
      EXPECT_EQ(ErrorFlag, 1) << ModelCaption(model) << ", row " << row;
      for (auto box : kBoxes) EXPECT_EQ(r.*box, "") << ModelCaption(model) << ", row " << row;
      EXPECT_EQ(stats.RegCoefA, before.RegCoefA);
      EXPECT_EQ(stats.RegCoefB, before.RegCoefB);
      EXPECT_EQ(stats.RegCoefC, before.RegCoefC);
    }
  }
}

}  // namespace
