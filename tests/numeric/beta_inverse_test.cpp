// The incomplete beta inverse against the 40-digit roots of tests/data/
// beta_inverse_reference.tsv (tools/numeric_reference.py --beta-inverse): shapes drawn
// log-uniformly from 1E-4 to 1E+4 and from 1E-2 to 2E+9, probabilities down to the
// subnormal ones and up to 1 - 1.1E-16; and of tests/data/beta_inverse_ends.tsv
// (--beta-inverse-ends): shapes from 1E-300 to 1E+300.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "reference_data.h"

namespace {

constexpr double kBelowOne = 0.9999999999999994;

// Every root of the rows within 1E-9 of itself, a root below the smallest normal double 0,
// and none reaching 1; where that error cannot move the 6-digit text, the text is the exact
// root's. Counts the roots that are 0 and the rows with y within 1E-12 of 1.
struct RootCounts {
  int zeros = 0, near_one = 0;
};
RootCounts ExpectRootsOf(const std::vector<numeric_testing::ReferenceRow>& rows) {
  RootCounts counts;
  for (const auto& row : rows) {
    const double a = row.arg[0], b = row.arg[1], y = row.arg[2];
    SCOPED_TRACE(testing::Message() << std::setprecision(17) << "BetaIncInversa(" << a << ", "
                                    << b << ", " << y << ") at line " << row.line);
    ErrorFlag = 0;
    double x = -1;
    EXPECT_NO_THROW(x = BetaIncInversa(a, b, y));
    EXPECT_EQ(ErrorFlag, 0);
    EXPECT_LE(x, kBelowOne);
    if (row.exact == 0) {
      ++counts.zeros;
      EXPECT_EQ(x, 0);
      continue;
    }
    counts.near_one += y > 1 - 1E-12;
    const double allowed = 1E-9 * row.exact;
    EXPECT_LE(std::fabs(x - row.exact), allowed) << "exact " << row.exact << ", got " << x;
    if (row.last > 1E-9) {
      EXPECT_EQ(FormatoCifras(x, 6), FormatoCifras(row.exact, 6));
    }
  }
  return counts;
}

// Among the rows: a root next to 0 for y within 1E-13 of 1 (once found near 1/2), shapes in
// the billions next to y = 1 (once 1.4 % off), and a root below the doubles (once 3E-14).
TEST(BetaInverse, EveryRootOfTheSweepWithinOnePartInABillion) {
  const auto rows = numeric_testing::LoadReference("beta_inverse_reference.tsv");
  ASSERT_GE(rows.size(), 500u);
  const RootCounts counts = ExpectRootsOf(rows);
  // Both ends of the doubles are in the sweep.
  EXPECT_GE(counts.zeros, 20);
  EXPECT_GE(counts.near_one, 20);
}

// Shapes over the whole of the doubles. Each of these failed once: a shape below about 1E-8
// next to the end it leaves its mass at (its tail there is about the shape times a
// logarithm, which 1 minus the other tail cannot hold), both shapes below 1 with y near the
// mass b/(a + b) at 0, and two shapes above about 1E+30, or one above 1E+150, whose tails'
// logarithms as large as the shapes kept none of the digits of a root.
TEST(BetaInverse, EveryRootAtTheEndsOfTheShapesWithinOnePartInABillion) {
  const auto rows = numeric_testing::LoadReference("beta_inverse_ends.tsv");
  ASSERT_GE(rows.size(), 400u);
  int tiny = 0, huge = 0, tiny_inside = 0;
  for (const auto& row : rows) {
    const double small = std::fmin(row.arg[0], row.arg[1]);
    tiny += small < 1E-8;
    tiny_inside += small < 1E-8 && row.exact > 0 && row.exact < 0.5;
    huge += small > 1E+99;
  }
  // Both kinds of end, and tiny shapes whose root is a double, are in the rows.
  EXPECT_GE(tiny, 100);
  EXPECT_GE(tiny_inside, 10);
  EXPECT_GE(huge, 15);
  const RootCounts counts = ExpectRootsOf(rows);
  EXPECT_GE(counts.zeros, 50);
  EXPECT_GE(counts.near_one, 50);
}

// I_x(a, b) = q is I_(1-x)(b, a) = 1 - q: the two roots add up to 1 on either side of q = 1/2
// and of a root at 1/2, where the search changes its tail and its variable. From q = 1/2 on
// 1 - q is exact; the smaller root carries the digits, and the larger one stops at
// 0.9999999999999994.
TEST(BetaInverse, ExchangedShapesGiveTheComplement) {
  const double shapes[][2] = {{0.5, 0.5},     {2, 3},          {0.01, 7},    {7, 0.01},
                              {40, 40},       {1E+4, 3},       {0.3, 2E+9},  {2E+9, 0.3},
                              {1E-12, 0.5},   {0.5, 1E-12},    {1E-9, 2E-9}, {3, 1E+40},
                              {1E+40, 3},     {1E+100, 1E+200}, {1E+200, 1E+100}};
  const double qs[] = {0.5, 0.5000000000000001, 0.6, 0.75, 0.99, 0.999999, 1 - 1E-15};
  for (const auto& s : shapes) {
    for (double q : qs) {
      SCOPED_TRACE(testing::Message() << s[0] << ", " << s[1] << ", " << q);
      const double x = BetaIncInversa(s[0], s[1], q), w = BetaIncInversa(s[1], s[0], 1 - q);
      EXPECT_NEAR(x + w, 1, 1E-9 * std::fmin(x, w) + 6E-16);
    }
  }
  // Equal shapes have their median at 1/2 (the density there is about 1E-4 of the
  // tail for the smallest shape, which leaves 1E-12 of the point).
  for (double a : {1E-20, 1E-4, 0.5, 1.0, 30.0, 1E+9, 1E+150}) {
    EXPECT_NEAR(BetaIncInversa(a, a, 0.5), 0.5, a < 0.01 ? 5E-12 : 1E-15) << a;
  }
}

// Beyond the sweep's shapes, each within 1E-9: a shape of 1E-10 next to y = 1 (its upper
// tail is about the shape times a logarithm: mpmath's findroot on its betainc, 40 digits);
// one shape up to the top of the doubles, from the gamma limit I_x(m, M) = P(m, -nu ln(1 - x)),
// nu = M + (m - 1)/2, which is off by about m^3/M^2 (mpmath, 40 digits); and two shapes so
// large that the root is the normal point with its skewness term, mean + sd (z + g (z^2 - 1)/6),
// off by about sd^2 / mean^2 = 1E-16 here. Each went wrong or failed once, inside the
// incomplete beta's expansions.
TEST(BetaInverse, ShapesBeyondTheSweep) {
  struct Case {
    double a, b, y, root;
  };
  const Case cases[] = {
      {1E-10, 100, 0.99999999989999999, 0.0026571226068978317012},
      {1E-10, 1E+6, 0.99999999989999999, 2.6473707923715045402E-7},
      {11.77, 1E+150, 0.7, 1.3300238720358508972E-149},
      {11.77, 1E+300, 1E-10, 7.8170806061559130665E-301},
      {0.5, 1E+300, 0.3, 7.4235930916272715144E-302},
      {1E+16, 1E+300, 1E-300, 9.9999962952908267013E-285},
      {1E+16, 1E+300, 0.3, 9.9999999475599479625E-285},
      {1E+16, 1E+300, 1 - 1E-15, 1.0000000794144468905E-284},
      // Where the tail is 1 minus one of 1 - 1E-10, which keeps 6 digits of it:
      // I_x(1, 1E-10) = 1 - (1 - x)^1E-10 = 1E-10 at x = 1 - (1 - 1E-10)^1E+10 (mpmath),
      // once 0.63213 and then a failure; and two small shapes, whose lower tail of
      // 1 - 1E-10 kept its digits only as far as ln Gamma(1E-20) = 46 let it (mpmath), once
      // 0.9999999999999994 and then a failure.
      {1, 1E-10, 1E-10, 0.63212055884695165},
      {1E-10, 1E-20, 1E-10, 0.73105882975092216},
  };
  for (const Case& c : cases) {
    double x = -1;
    EXPECT_NO_THROW(x = BetaIncInversa(c.a, c.b, c.y)) << c.a << ", " << c.b << ", " << c.y;
    EXPECT_NEAR(x, c.root, 1E-9 * c.root) << c.a << ", " << c.b << ", " << c.y;
  }
}

// Beyond numeric_edges.tsv: a probability above 1 and an infinite shape have no root either,
// and the failure is the special functions' own.
TEST(BetaInverse, NoRootOutsideTheDomain) {
  const double outside[][3] = {{1, 1, 1.5}, {2, 3, INFINITY}, {INFINITY, 1, 0.5},
                               {1, INFINITY, 0.5}, {2, 3, -1E-300}};
  ErrorFlag = 0;
  for (const auto& c : outside) {
    EXPECT_THROW(BetaIncInversa(c[0], c[1], c[2]), numeric::NumericFailure)
        << c[0] << ", " << c[1] << ", " << c[2];
  }
  EXPECT_EQ(ErrorFlag, 0);
}

}  // namespace
