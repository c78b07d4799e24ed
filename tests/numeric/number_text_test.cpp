#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numeric/numeric.h"

namespace {

bool IsNoValue(double v) { return std::memcmp(&v, &NoValue, sizeof v) == 0; }

struct ReadCase {
  const char* text;
  double expected;
};

TEST(LeerNumero, ReadsPlainFractionAndPercentText) {
  const ReadCase cases[] = {
      {"", 0},          {"   ", 0},        {"  2.5  ", 2.5},  {"50%", 0.5},
      {"%", 0},         {"1/4", 0.25},     {"/4", 0},         {"1/2%", 0.01},
      {"7x", 7},        {"1,5", 1},        {"-3", -3},        {"+3", 3},
      {"12abc", 12},    {"abc", 0},        {".", 0},          {".5", 0.5},
      {"5.", 5},        {"-.25", -0.25},   {"1e", 1},         {"1e+", 1},
      {"1E-07x", 1e-7}, {"1.5E-07", 1.5e-7}, {"2e3", 2000},   {"1/2/3", 0.5},
      {"1E-400", 0},    {"3 / 4", 0.75},   {"50 %", 0.5},     {"-", 0},
      {"1/-4", -0.25},  {"1.2.3", 1.2},    {"--1", 0},        {"0.1e1", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeerNumero(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST(LeerNumero, FailuresGiveNoValueAndLeaveErrorFlagAlone) {
  const char* failing[] = {"3/0", "0/0", "1%/2", "1E+400", "-1E+400", "1E+400%",
                           "1E+200/1E-200", "2/1E+400x"};
  for (int preset : {0, 1}) {
    for (const char* text : failing) {
      ErrorFlag = static_cast<int16_t>(preset);
      EXPECT_TRUE(IsNoValue(LeerNumero(text))) << "text \"" << text << "\"";
      EXPECT_EQ(ErrorFlag, preset) << "text \"" << text << "\"";
    }
    ErrorFlag = static_cast<int16_t>(preset);
    EXPECT_EQ(LeerNumero("1/4"), 0.25);
    EXPECT_EQ(ErrorFlag, preset);
  }
  ErrorFlag = 0;
}

TEST(LeerNumero, NoValueIsASubnormalDistinctFromZero) {
  EXPECT_EQ(std::fpclassify(NoValue), FP_SUBNORMAL);
  EXPECT_NE(NoValue, 0.0);
  EXPECT_NE(NoValue, -0.0);
  uint64_t bits;
  std::memcpy(&bits, &NoValue, sizeof bits);
  EXPECT_EQ(bits, 0x8000E9C9514D04BCull);
}

TEST(StrNumero, WritesTheFileAndGridNumberText) {
  const std::pair<double, const char*> cases[] = {
      {0, " 0"},
      {-0.0, " 0"},
      {12, " 12"},
      {-3, "-3"},
      {0.5, " .5"},
      {-0.25, "-.25"},
      {1.5, " 1.5"},
      {1234567.0 / 100, " 12345.67"},
      {3 * 0.1, " .3"},
      {0.0001, " .0001"},
      {0.00001, " 1E-05"},
      {1.5e-7, " 1.5E-07"},
      {1e15, " 1E+15"},
      {999999999999999, " 999999999999999"},
      {9.877e21, " 9.877E+21"},
      {-1.25e-300, "-1.25E-300"},
      {10000, " 10000"},
      {1.0 / 3, " .333333333333333"},
      {2.0 / 3, " .666666666666667"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(StrNumero(value), text) << "value " << value;
  }
}

TEST(ValNumero, ReadsFieldsAsDataFilesDo) {
  EXPECT_EQ(ValNumero(" 12"), 12);
  EXPECT_EQ(ValNumero("  -.5  "), -0.5);
  EXPECT_EQ(ValNumero(" 1.5E-07"), 1.5e-7);
  EXPECT_EQ(ValNumero("<N>"), 0);
  EXPECT_EQ(ValNumero(""), 0);
  EXPECT_EQ(ValNumero(" 3/4"), 3);  // no fractions in files
  EXPECT_TRUE(IsNoValue(ValNumero(" 1E+999")));
}

TEST(StrNumero, ReadsBackThroughBothReaders) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> exponent(-300, 300);
  std::uniform_real_distribution<double> mantissa(1, 10);
  for (int i = 0; i < 20000; ++i) {
    const double x = (i % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, std::floor(exponent(rng)));
    const std::string text = StrNumero(x);
    const double back = LeerNumero(text);
    // 15 significant digits: the value comes back within one part in 1E15.
    EXPECT_NEAR(back, x, std::fabs(x) * 6e-15) << text;
    EXPECT_EQ(ValNumero(text), back) << text;
  }
}

}  // namespace
