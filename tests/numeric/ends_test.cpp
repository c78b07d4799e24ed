// The library at the ends of the doubles and of the counts, against the exact values of
// tests/data/numeric_ends.tsv (tools/numeric_reference.py --ends, mpmath at 40 digits): the t
// beyond |t| = 1.34E+154, where t*t overflows, at every k, and its central part next to 1,
// which the series' 15-digit pi took past 1; the largest count 2147483647; chi-square and
// gamma tails of tiny shapes, each from its own side, and at subnormal points; the binomial
// up to 2^53 trials; F's lower point at the smallest normal double. Then: no probability the
// library returns leaves [0, 1], and an infinite point is a point like any other.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <set>
#include <string>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "reference_data.h"

namespace {

using numeric_testing::ReferenceRow;

// Every row within this of its exact value, relative: the tails' logarithms near -700 keep
// about 1E-13 of it.
constexpr double kRelative = 1E-11;

struct EndCase {
  const char* routine;
  bool probability;   // a probability, so in [0, 1]; else a point
  std::size_t least;  // rows the file must hold for it
};

const EndCase kEndCases[] = {
    {"TStudentCola", true, 300}, {"TStudentCentral", true, 290},      {"PoissonAcum", true, 20},
    {"PoissonCola", true, 10},   {"PoissonIntervalo", true, 30},      {"Ji2Acum", true, 200},
    {"Ji2Cola", true, 200},      {"GammaIncInf", true, 80},           {"GammaIncSup", true, 80},
    {"FSnedecorAcum", true, 30}, {"FSnedecorAcumInversa", false, 12}, {"BinomialAcum", true, 70},
    {"BinomialCola", true, 70},  {"BinomialIntervalo", true, 20},
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.routine; }

const std::vector<ReferenceRow>& EndRows() {
  static const auto rows = numeric_testing::LoadReference("numeric_ends.tsv", {}, 4);
  return rows;
}

class AtTheEnds : public testing::TestWithParam<EndCase> {};

// A value below the smallest normal double may be 0 or subnormal, as elsewhere in the
// library; every other one within kRelative, with the exact value's six digits wherever that
// is farther than kRelative from a tie.
TEST_P(AtTheEnds, EveryRowHasItsExactValue) {
  const EndCase& c = GetParam();
  std::size_t rows = 0;
  for (const ReferenceRow& row : EndRows()) {
    if (row.routine != c.routine) continue;
    ++rows;
    ErrorFlag = 0;
    const double got = numeric_testing::RoutineOf(c.routine)(row.arg);
    const int16_t flag = ErrorFlag;  // FormatoCifras clears it
    const std::string where = numeric_testing::Describe(row, got);
    EXPECT_EQ(flag, 0) << where;
    if (c.probability) {
      EXPECT_TRUE(got >= 0 && got <= 1) << where;
    }
    if (std::fabs(row.exact) < DBL_MIN) {
      EXPECT_TRUE(got >= 0 && got <= DBL_MIN * (1 + kRelative)) << where;
      continue;
    }
    EXPECT_LE(std::fabs(got - row.exact), kRelative * std::fabs(row.exact)) << where;
    if (row.last > kRelative) {
      EXPECT_EQ(FormatoCifras(got, 6), FormatoCifras(row.exact, 6)) << where;
    }
  }
  ErrorFlag = 0;
  EXPECT_GE(rows, c.least) << "too few rows for " << c.routine;
}

INSTANTIATE_TEST_SUITE_P(Routines, AtTheEnds, testing::ValuesIn(kEndCases),
                         [](const auto& info) { return info.param.routine; });

TEST(TheEnds, EveryRowIsReadAndTheEndsAreThere) {
  std::set<std::string> known;
  for (const EndCase& c : kEndCases) known.insert(c.routine);
  bool beyond_square = false, largest_count = false, exact_counts = false;
  for (const ReferenceRow& row : EndRows()) {
    EXPECT_TRUE(known.count(row.routine)) << row.routine << " at line " << row.line;
    beyond_square |= row.routine == "TStudentCola" && row.arg[1] > 1.35E+154 && row.exact > 0;
    largest_count |= row.arg[0] == 2147483647 && row.exact > 0.5 && row.exact < 1;
    exact_counts |= row.arg[1] == 9007199254740992.0 && row.exact > 0.1 && row.exact < 0.9;
  }
  EXPECT_TRUE(beyond_square && largest_count && exact_counts);
}

// Every public routine that returns a probability, on a grid of points, shapes and counts
// out to the ends of the doubles: a result that is no failure lies in [0, 1]. (The t's
// central part reached 1.0000000000000011 at 3 degrees of freedom and t = 1E+6, from the
// series' 15-digit pi; the gamma tails of a shape of 1E-300 were 1 + 2E-14 and -2E-14.)
TEST(TheEnds, NoProbabilityLeavesZeroToOne) {
  const double points[] = {-INFINITY, -1E+300, -1.4E+154, -5,      -1,   0,       5E-324,
                           1E-310,    1E-300,  1E-10,     0.3,     0.5,  0.9,     1 - 1E-12,
                           1,         1.5,     3,         30,      1E+6, 1.2E+15, 1E+100,
                           1.4E+154,  1E+300,  DBL_MAX,   INFINITY};
  const double shapes[] = {
      1E-300, 1E-10, 1E-3, 0.5, 1, 1.5, 3, 39, 41, 1E+4, 1E+9, 2147483647, 9007199254740992.0};
  const int32_t dfs[] = {1, 2, 3, 5, 9, 39, 40, 41, 1000, 1000001, 2147483647};
  std::size_t checked = 0;
  const auto check = [&](const char* what, double a, double b, auto&& compute) {
    ErrorFlag = 0;
    double p = 0;
    try {
      p = compute();
    } catch (const numeric::NumericFailure&) {
      return;  // a special function's failure is no result
    }
    ++checked;
    if (ErrorFlag == 0) {
      EXPECT_TRUE(p >= 0 && p <= 1)
          << std::setprecision(17) << what << "(" << a << ", " << b << ") = " << p;
    }
  };
  for (double x : points) {
    check("NormalCola", x, 0, [&] { return NormalCola(x); });
    check("NormalCentral", x, 0, [&] { return NormalCentral(x); });
    for (int32_t k : dfs) {
      check("TStudentCola", k, x, [&] { return TStudentCola(k, x); });
      check("TStudentCentral", k, x, [&] { return TStudentCentral(k, x); });
      for (int32_t k2 : {1, 2, 5, 2147483647}) {
        check("FSnedecorCola", k, x, [&] { return FSnedecorCola(k, k2, x); });
        check("FSnedecorAcum", k, x, [&] { return FSnedecorAcum(k, k2, x); });
      }
    }
    for (double a : shapes) {
      check("Ji2Cola", a, x, [&] { return Ji2Cola(a, x); });
      check("Ji2Acum", a, x, [&] { return Ji2Acum(a, x); });
      check("GammaIncSup", a, x, [&] { return GammaIncSup(a, x); });
      check("GammaIncInf", a, x, [&] { return GammaIncInf(a, x); });
      if (x >= 0 && x <= 1) {
        for (double b : shapes) check("BetaInc", a, x, [&] { return BetaInc(a, b, x); });
      }
      const double mean = a * x;
      if (!(mean >= 0 && mean < 3E+9)) continue;
      for (int32_t k : {-1, 0, 5, 2147483646, 2147483647}) {
        check("PoissonAcum", k, mean, [&] { return PoissonAcum(k, mean); });
        check("PoissonCola", k, mean, [&] { return PoissonCola(k, mean); });
        if (k >= 0) {
          check("PoissonIntervalo", k, mean, [&] { return PoissonIntervalo(k, 2147483647, mean); });
        }
      }
    }
  }
  for (double n : shapes) {
    if (!(n >= 1)) continue;
    n = std::floor(n);
    for (double p : {0.0, 1E-300, 1E-10, 0.3, 0.5, 0.9999999999999999, 1.0}) {
      for (double k : {-1.0, 0.0, 1.0, std::floor(0.3 * n), std::floor(0.5 * n), n - 1, n}) {
        check("BinomialAcum", k, n, [&] { return BinomialAcum(k, n, p); });
        check("BinomialCola", k, n, [&] { return BinomialCola(k, n, p); });
        if (k >= 0) {
          check("BinomialIntervalo", k, n,
                [&] { return BinomialIntervalo(k, std::fmin(k + 3, n), n, p); });
        }
      }
    }
  }
  ErrorFlag = 0;
  EXPECT_GT(checked, 9000u);
}

// A point beyond the doubles is an infinite point, whose tails are 0 and 1, and no failure;
// NaN is no point and still fails.
TEST(TheEnds, AnInfinitePointHasTailsZeroAndOne) {
  const auto expect = [](double got, double tail, const char* what) {
    EXPECT_EQ(got, tail) << what;
    EXPECT_EQ(ErrorFlag, 0) << what;
  };
  ErrorFlag = 0;
  expect(NormalCola(INFINITY), 0, "normal upper");
  expect(NormalCola(-INFINITY), 1, "normal upper of -oo");
  expect(NormalCentral(INFINITY), 1, "normal central");
  for (int32_t k : {1, 2, 3, 40, 41, 1000001, 2147483647}) {
    SCOPED_TRACE(k);
    expect(TStudentCola(k, INFINITY), 0, "t upper");
    expect(TStudentCola(k, -INFINITY), 1, "t upper of -oo");
    expect(TStudentCentral(k, -INFINITY), 1, "t central");
    expect(FSnedecorCola(k, 7, INFINITY), 0, "F upper");
    expect(FSnedecorAcum(7, k, INFINITY), 1, "F lower");
    expect(Ji2Cola(k, INFINITY), 0, "chi-square upper");
    expect(Ji2Acum(k, INFINITY), 1, "chi-square lower");
  }
  for (double nan_result :
       {TStudentCola(5, NAN), TStudentCentral(5, NAN), Ji2Cola(5, NAN), FSnedecorCola(2, 3, NAN)}) {
    EXPECT_EQ(nan_result, 0);
  }
  EXPECT_EQ(ErrorFlag, 1);
  ErrorFlag = 0;
}

// The probability of the count 0 is (1 - p)^n, from n ln(1 - p): next to p = 1 it is below
// the doubles, so the region of that one count is 0 ((1.1E-16)^21 = 9E-335, (1E-5)^100 =
// 1E-500, (1E-12)^27 = 1E-324). The same for the count n next to p = 0.
TEST(TheEnds, TheEndCountsNextToACertainTrial) {
  const struct {
    double n, p;
  } cases[] = {{21, 0.9999999999999999}, {100, 0.99999}, {27, 0.999999999999}};
  for (const auto& c : cases) {
    ErrorFlag = 0;
    EXPECT_EQ(BinomialIntervalo(0, 0, c.n, c.p), 0) << c.n << " " << c.p;
    EXPECT_EQ(BinomialIntervalo(c.n, c.n, c.n, 1 - c.p), 0) << c.n << " " << c.p;
    EXPECT_EQ(ErrorFlag, 0);
  }
}

}  // namespace
