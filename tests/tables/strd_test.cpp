// NIST's Statistical Reference Datasets (tests/data/strd/) through both statistics passes:
// the texts shown against the certified values, for data near and far from zero.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/numeric.h"
#include "tables/statistics1v.h"
#include "tables/statistics2v.h"

namespace {

struct Dataset {
  std::vector<double> x, y;
  std::map<std::string, double> certified;  // "mean", "n-1", "B0", "B1", "deviation", "R-squared"
};

// Values one a line (Norris: "y x"); the certified values in the comment lines.
Dataset Read(const std::string& name) {
  std::ifstream in(std::string(ORVALIS_TEST_DATA_DIR) + "/strd/" + name + ".txt");
  EXPECT_TRUE(in) << name;
  const std::regex value(R"((mean|n-1|B0|B1|deviation|R-squared)\)? (-?[0-9.]+(E[-+]?[0-9]+)?))");
  Dataset d;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind('#', 0) == 0) {
      for (std::sregex_iterator m(line.begin(), line.end(), value), end; m != end; ++m) {
        d.certified[(*m)[1]] = std::stod((*m)[2]);
      }
      continue;
    }
    std::istringstream fields(line);
    double a = 0, b = 0;
    if (!(fields >> a)) continue;
    if (fields >> b) d.y.push_back(a);  // a second column: the first was y
    d.x.push_back(fields ? b : a);
  }
  return d;
}

// The shown text right to all but the last of its digits (10, or 8 for the coefficient of
// variation), or within what the doubles the decimals are stored as allow (allowance).
void ExpectDigits(const std::string& text, double certified, double allowance,
                  const std::string& where, int digits = 10) {
  ASSERT_FALSE(text.empty()) << where;
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(certified))) - digits + 2);
  EXPECT_NEAR(LeerNumero(text), certified, std::max(unit, allowance)) << where << ": " << text;
}

// One row a value, or (grouped) one class of width 0.2 around each distinct value with
// the number of times it occurs.
tables::Table1V OneVariable(const std::vector<double>& x, bool grouped) {
  tables::Table1V t;
  t.DataType1V = grouped ? 1 : 0;
  std::map<double, int> counts;
  for (double v : x) ++counts[v];
  int32_t& i = t.N1V = 0;
  for (const auto& [v, n] : counts) {
    if (grouped) ++i, t.Data1V_X1[i] = v - 0.1, t.Data1V_X2[i] = v + 0.1, t.Data1V_N[i] = n;
  }
  for (double v : x) {
    if (!grouped) ++i, t.Data1V_X1[i] = v, t.Data1V_N[i] = 1;
  }
  return t;
}

tables::Table2V TwoVariables(const std::vector<double>& x, const std::vector<double>& y) {
  tables::Table2V t;
  for (int32_t& i = t.N2V = 0; i < static_cast<int32_t>(x.size()); ++i) {
    t.Data2V_X[i + 1] = x[i], t.Data2V_Y[i + 1] = y[i], t.Data2V_N[i + 1] = 1;
  }
  return t;
}

// How far a stored decimal may lie from the decimal: half a unit in the last place of the
// largest value, a whole one more where the class mark (x1 + x2)/2 is formed from it.
double StoredError(const std::vector<double>& x, bool grouped) {
  double largest = 0;
  for (double v : x) largest = std::max(largest, std::fabs(v));
  return (grouped ? 1.5 : 0.5) * (std::nextafter(largest, 1E+300) - largest);
}

TEST(ReferenceDatasets, UnivariateSetsThroughBothPasses) {
  for (const char* name : {"NumAcc1", "NumAcc2", "NumAcc3", "NumAcc4", "Michelso", "Mavro"}) {
    const Dataset d = Read(name);
    const double n = static_cast<double>(d.x.size());
    const double variance = d.certified.at("n-1") * d.certified.at("n-1") * (n - 1) / n;
    const double sd = std::sqrt(variance), mean = d.certified.at("mean");
    for (bool grouped : {false, true}) {
      // A value δ away moves the standard deviation by up to δ and the variance by 2·sd·δ.
      const double delta = StoredError(d.x, grouped);
      const std::string where = std::string(name) + (grouped ? " grouped" : "");
      tables::Stats1V s1;
      const auto r1 = tables::ProcesarDatos1VAR(OneVariable(d.x, grouped), s1, 2, 1);
      EXPECT_EQ(r1.Txt1V_MX, FormatoCifras(mean, 10)) << where;
      ExpectDigits(r1.Txt1V_VX, variance, 2 * sd * delta, where + " variance");
      ExpectDigits(r1.Txt1V_DX, sd, delta, where + " standard deviation");
      ASSERT_TRUE(r1.Moment.has_value()) << where;
      ExpectDigits(r1.Moment->Txt1V_MM, variance, 2 * sd * delta, where + " moment");
      ExpectDigits(r1.Txt1V_CV, sd / mean, delta / mean, where + " variation", 8);
      if (grouped) continue;
      // y = x: both variances and the covariance are the variance, r is 1, the line y = x.
      tables::Stats2V s2;
      const auto r2 = tables::ProcesarDatos2VAR(TwoVariables(d.x, d.x), s2);
      EXPECT_EQ(r2.Txt2V_MY, FormatoCifras(mean, 10)) << where;
      for (const auto* box : {&r2.Txt2V_VX, &r2.Txt2V_VY, &r2.Txt2V_COV}) {
        ExpectDigits(*box, variance, 2 * sd * delta, where + " two variables");
      }
      ExpectDigits(r2.Txt2V_DY, sd, delta, where + " two variables");
      EXPECT_EQ(r2.Txt2V_R, "1") << where;
      EXPECT_EQ(r2.Txt2V_CUR, " y =  x") << where;
    }
  }
}

// The slope, r and the spreads cannot depend on where x is measured from; the intercept
// moves by slope × shift.
TEST(ReferenceDatasets, NorrisLineWhereverXIsMeasuredFrom) {
  const Dataset d = Read("Norris");
  const double n = static_cast<double>(d.x.size());
  const double B0 = d.certified.at("B0"), B1 = d.certified.at("B1");
  const double R2 = d.certified.at("R-squared"), s = d.certified.at("deviation");
  // Residual and total sums of squares of y, and from R² the spread of x.
  const double total = s * s * (n - 2) / (1 - R2);
  const double varY = total / n, varX = R2 * total / (B1 * B1) / n;
  for (double shift : {0.0, 1E+4, 1E+6, 1E+8}) {
    const std::string where = "Norris, x + " + FormatoCifras(shift, 3);
    std::vector<double> x = d.x;
    for (double& v : x) v += shift;
    tables::Stats2V s2;
    const auto r = tables::ProcesarDatos2VAR(TwoVariables(x, d.y), s2);
    ExpectDigits(r.Txt2V_VX, varX, 0, where + " variance of x");
    ExpectDigits(r.Txt2V_DX, std::sqrt(varX), 0, where + " deviation of x");
    ExpectDigits(r.Txt2V_VY, varY, 0, where + " variance of y");
    ExpectDigits(r.Txt2V_COV, B1 * varX, 0, where + " covariance");
    ExpectDigits(r.Txt2V_R, std::sqrt(R2), 0, where + " r");
    ExpectDigits(FormatoCifras(s2.RegCoefB, 10), B1, 0, where + " slope");
    ExpectDigits(FormatoCifras(s2.RegCoefA, 10), B0 - B1 * shift, 0, where + " intercept");
    for (bool grouped : {false, true}) {
      const double delta = StoredError(x, grouped), sd = std::sqrt(varX);
      tables::Stats1V s1;
      const auto r1 = tables::ProcesarDatos1VAR(OneVariable(x, grouped), s1, 0, 0);
      ExpectDigits(r1.Txt1V_VX, varX, 2 * sd * delta, where + (grouped ? " classes" : " values"));
      ExpectDigits(r1.Txt1V_DX, sd, delta, where + (grouped ? " classes" : " values"));
    }
  }
}

}  // namespace
