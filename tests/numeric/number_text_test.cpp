// Number text: what the user types (LeerNumero), the fields of files (ValNumero), the plain
// conversion (StrNumero), half-up rounding (Redondear) and results (FormatoCifras).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <tuple>

#include "numeric/numeric.h"

namespace {

bool IsNoValue(double v) { return std::memcmp(&v, &NoValue, sizeof v) == 0; }

TEST(NumberText, LeerNumeroReadsPlainFractionAndPercentText) {
  const std::pair<const char*, double> cases[] = {
      {"", 0},          {"   ", 0},          {"  2.5  ", 2.5}, {"50%", 0.5},   {"%", 0},
      {"1/4", 0.25},    {"/4", 0},           {"1/2%", 0.01},   {"7x", 7},      {"1,5", 1},
      {"-3", -3},       {"+3", 3},           {"abc", 0},       {".", 0},       {"-.25", -0.25},
      {"1e", 1},        {"1e+", 1},          {"1E-07x", 1e-7}, {"2e3", 2000},  {"1/2/3", 0.5},
      {"1E-400", 0},    {"3 / 4", 0.75},     {"50 %", 0.5},    {"1/-4", -0.25}, {"1.2.3", 1.2},
      {"--1", 0},       {"0.1e1", 1},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(LeerNumero(text), expected) << "text \"" << text << "\"";
  }
  // Failures give NoValue and never touch ErrorFlag.
  const char* failing[] = {"3/0", "0/0", "1%/2", "1E+400", "-1E+400", "1E+400%", "1E+200/1E-200"};
  for (int16_t preset : {0, 1}) {
    for (const char* text : failing) {
      ErrorFlag = preset;
      EXPECT_TRUE(IsNoValue(LeerNumero(text))) << "text \"" << text << "\"";
      EXPECT_EQ(ErrorFlag, preset) << "text \"" << text << "\"";
    }
  }
  ErrorFlag = 0;
  // Fields: no fractions, and a number too large for a double is no empty cell of 0.
  EXPECT_EQ(ValNumero("  -.5  "), -0.5);
  EXPECT_EQ(ValNumero("<N>"), 0);
  EXPECT_EQ(ValNumero(" 3/4"), 3);
  EXPECT_TRUE(IsNoValue(ValNumero(" 1E+999")));
  // NoValue is a subnormal, distinct from 0 and -0.
  EXPECT_EQ(std::fpclassify(NoValue), FP_SUBNORMAL);
  EXPECT_NE(NoValue, 0.0);
}

TEST(NumberText, StrNumeroWritesTheFileAndGridText) {
  const std::pair<double, const char*> cases[] = {
      {0, " 0"}, {-0.0, " 0"}, {12, " 12"}, {-3, "-3"}, {0.5, " .5"}, {-0.25, "-.25"},
      {1234567.0 / 100, " 12345.67"}, {3 * 0.1, " .3"}, {0.0001, " .0001"},
      {0.00001, " 1E-05"}, {1.5e-7, " 1.5E-07"}, {1e15, " 1E+15"},
      {999999999999999, " 999999999999999"}, {9.877e21, " 9.877E+21"},
      {-1.25e-300, "-1.25E-300"}, {2.0 / 3, " .666666666666667"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(StrNumero(value), text) << value;
}

TEST(NumberText, RedondearRoundsHalfUpAndFailsOnOverflow) {
  const double cases[][4] = {  // x, at 10^m, result, ErrorFlag after (cleared on entry)
      {1234.5678, -3, 1234.57, 0}, {0.5, -1, 1, 0},      {-0.5, -1, 0, 0},   {2.5, -1, 3, 0},
      {-2.5, -1, -2, 0},           {1234.5, 0, 1230, 0}, {1250, 1, 1300, 0}, {-1250, 1, -1200, 0},
      {0.123456789, -6, 0.12346, 0}, {-7.2, -1, -7, 0},  {1, -400, 0, 1},    {1e300, -20, 0, 1}};
  for (const auto& c : cases) {
    ErrorFlag = static_cast<int16_t>(1 - c[3]);
    EXPECT_DOUBLE_EQ(Redondear(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
    EXPECT_EQ(ErrorFlag, c[3]) << c[0] << " at " << c[1];
  }
  ErrorFlag = 0;
}

TEST(NumberText, FormatoCifrasKeepsItsDigits) {
  const std::tuple<double, double, const char*> cases[] = {
      {0.125, 2, "0.13"},          {2.675, 3, "2.68"},           {9.87654321E21, 4, "9.877E+21"},
      {-2.5, 1, "-3"},             {3.14159265, 6, "3.14159"},   {0.123456789, 6, "0.123457"},
      {1234567, 6, "1234570"},     {100, 6, "100"},              {0.5, 6, "0.5"},
      {-0.25, 6, "-0.25"},         {999999.6, 6, "1000000"},     {-1.5e-7, 6, "-1.5E-07"},
      {0.00012345678, 4, "0.0001235"}, {2.0 / 3, 10, "0.6666666667"},
      {123456789012, 10, "123456789000"}, {1e20, 10, "1E+20"},
      {-9.85968E-305, 6, "-9.85968E-305"}, {1.27e-309, 10, "1.27E-309"},
      {4.9406564584124654e-324, 6, "4.94066E-324"}, {1.7976931348623157e308, 6, "1.79769E+308"},
      {-3, 0, "0"}};  // never "-0"
  for (const auto& [x, n, text] : cases) {
    ErrorFlag = 1;
    EXPECT_EQ(FormatoCifras(x, n), text) << x << " with " << n << " digits";
    EXPECT_EQ(ErrorFlag, 0) << x << ": a non-zero argument clears the flag";
  }
  for (int16_t preset : {0, 1}) {
    ErrorFlag = preset;
    EXPECT_EQ(FormatoCifras(-0.0, 10), "0");
    EXPECT_EQ(ErrorFlag, preset) << "zero leaves the flag";
    for (double bad : {INFINITY, NAN}) {
      EXPECT_EQ(FormatoCifras(bad, 6), "");
      EXPECT_EQ(ErrorFlag, 1);
    }
  }
  ErrorFlag = 0;
}

TEST(NumberText, WhatIsWrittenReadsBackThroughEveryReader) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> exponent(-300, 300);
  std::uniform_real_distribution<double> mantissa(1, 10);
  for (int i = 0; i < 20000; ++i) {
    const double x = (i % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, std::floor(exponent(rng)));
    // 15 significant digits: the value comes back within one part in 1E15.
    const std::string plain = StrNumero(x);
    EXPECT_NEAR(LeerNumero(plain), x, std::fabs(x) * 6e-15) << plain;
    EXPECT_EQ(ValNumero(plain), LeerNumero(plain)) << plain;
    const std::string shown = FormatoCifras(x, 15);
    EXPECT_NEAR(LeerNumero(shown), x, std::fabs(x) * 6e-15) << shown;
  }
}

}  // namespace
