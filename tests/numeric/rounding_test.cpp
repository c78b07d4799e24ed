#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "numeric/numeric.h"

namespace {

TEST(Redondear, RoundsHalfUpAtAPowerOfTen) {
  struct Case {
    double x, m, expected;
  };
  const Case cases[] = {
      {1234.5678, -3, 1234.57}, {0.5, -1, 1},       {-0.5, -1, 0},     {2.5, -1, 3},
      {-2.5, -1, -2},           {1234.5, 0, 1230},  {1250, 1, 1300},   {-1250, 1, -1200},
      {0.123456789, -6, 0.12346}, {7, -1, 7},       {-7.2, -1, -7},
  };
  for (const auto& c : cases) {
    ErrorFlag = 1;
    EXPECT_DOUBLE_EQ(Redondear(c.x, c.m), c.expected) << c.x << " at " << c.m;
    EXPECT_EQ(ErrorFlag, 0) << "Redondear clears the flag on entry";
  }
}

TEST(Redondear, OverflowSetsTheFlagAndGivesZero) {
  for (int preset : {0, 1}) {
    ErrorFlag = static_cast<int16_t>(preset);
    EXPECT_EQ(Redondear(1, -400), 0);  // the power of ten overflows
    EXPECT_EQ(ErrorFlag, 1);
    ErrorFlag = static_cast<int16_t>(preset);
    EXPECT_EQ(Redondear(1e300, -20), 0);  // the product overflows
    EXPECT_EQ(ErrorFlag, 1);
  }
  ErrorFlag = 0;
}

TEST(FormatoCifras, RoundsWithRedondearThenWritesFifteenDigits) {
  struct Case {
    double x;
    double n;
    const char* text;
  };
  const Case cases[] = {
      {0.125, 2, "0.13"},
      {1234.5, 4, "1235"},
      {2.675, 3, "2.68"},
      {9.87654321E21, 4, "9.877E+21"},
      {-2.5, 1, "-3"},
      {3.14159265, 6, "3.14159"},
      {0.123456789, 6, "0.123457"},
      {-2.5, 6, "-2.5"},
      {1234567, 6, "1234570"},
      {100, 6, "100"},
      {0.5, 6, "0.5"},
      {-0.25, 6, "-0.25"},
      {999999.6, 6, "1000000"},
      {123.456, 4, "123.5"},
      {1.5e-7, 6, "1.5E-07"},
      {-1.5e-7, 6, "-1.5E-07"},
      {0.00012345678, 4, "0.0001235"},
      {1.0 / 3, 10, "0.3333333333"},
      {2.0 / 3, 10, "0.6666666667"},
      {123456789012, 10, "123456789000"},
      {1e20, 10, "1E+20"},
      {-9.85968E-305, 6, "-9.85968E-305"},
      {9.85968E-305, 6, "9.85968E-305"},
      {1.27e-309, 10, "1.27E-309"},
      {4.9406564584124654e-324, 6, "4.94066E-324"},
      {1.234567e-301, 4, "1.235E-301"},
      {1.7976931348623157e308, 6, "1.79769E+308"},
  };
  for (const auto& c : cases) {
    ErrorFlag = 1;
    EXPECT_EQ(FormatoCifras(c.x, c.n), c.text) << c.x << " with " << c.n << " digits";
    EXPECT_EQ(ErrorFlag, 0) << c.x << ": a non-zero argument clears the flag";
  }
}

TEST(FormatoCifras, ZeroLeavesTheFlagAndFailuresGiveEmptyText) {
  for (int preset : {0, 1}) {
    ErrorFlag = static_cast<int16_t>(preset);
    EXPECT_EQ(FormatoCifras(0, 10), "0");
    EXPECT_EQ(FormatoCifras(-0.0, 10), "0");
    EXPECT_EQ(ErrorFlag, preset);

    for (double bad : {INFINITY, -INFINITY, NAN}) {
      ErrorFlag = static_cast<int16_t>(preset);
      EXPECT_EQ(FormatoCifras(bad, 6), "");
      EXPECT_EQ(ErrorFlag, 1);
    }
  }
  ErrorFlag = 0;
  // Never "-0", even when the digit count rounds everything away.
  EXPECT_EQ(FormatoCifras(-3, 0), "0");
  EXPECT_EQ(FormatoCifras(NoValue, 10), "-1.27E-309");
  EXPECT_EQ(ErrorFlag, 0);
}

TEST(FormatoCifras, FifteenDigitsReadBackToTheSameValue) {
  std::mt19937_64 rng(1101);
  std::uniform_real_distribution<double> exponent(-300, 300);
  std::uniform_real_distribution<double> mantissa(1, 10);
  for (int i = 0; i < 20000; ++i) {
    const double x = (i % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, std::floor(exponent(rng)));
    const std::string text = FormatoCifras(x, 15);
    ASSERT_FALSE(text.empty()) << x;
    EXPECT_NE(text.rfind("-0", 0) == 0 && text.size() == 2, true);
    const double back = LeerNumero(text);
    EXPECT_NEAR(back, x, std::fabs(x) * 6e-15) << text;
    EXPECT_EQ(back < 0, x < 0) << text;
  }
}

}  // namespace
