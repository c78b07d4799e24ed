// The distributions beyond the reference grid and its edge file: the t and F points landing
// on their tails as tightly as the tails are computed, at any degrees of freedom, the values the
// program shows although they differ from the exact ones, and the faults of a literal port
// that are built otherwise (deep tails, small t probabilities, loops that never end).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "reference_data.h"

namespace {

using numeric_testing::BetaLogTerms;
using numeric_testing::kEps;

constexpr int32_t kMaxLong = std::numeric_limits<int32_t>::max();

// The t point from the incomplete beta inverse, a different road to the same number.
double StudentByBetaInverse(int32_t k, double q) {
  return numeric::HandlerStyle([&] {
    if (q >= 0.25) {
      const double z = BetaIncInversa(0.5, 0.5 * k, 1 - 2 * q);
      return std::sqrt(k * z / (1 - z));
    }
    return std::sqrt(k / BetaIncInversa(0.5 * k, 0.5, 2 * q) - k);
  });
}

// Every t point lands on its tail, to the tail's own accuracy, and agrees with the incomplete
// beta inverse, another road to the same number. Small probabilities are not lost to
// q = 1 - p and 1 - q, which below 1.1E-16 gave 0 and the infinite mark (2^-53 is the exact
// 1 - p of p = 1 - 2^-53, which keeps them), and a subnormal one has its point; 1 and 2
// degrees of freedom have closed forms. Above a million degrees of freedom the point is the
// t's, not the normal's.
TEST(CriticalValues, StudentPointsLandOnTheirTail) {
  const double pi = std::acos(-1.0);
  for (int32_t k : {1, 2, 3, 5, 7, 10, 29, 30, 40, 41, 60, 120, 199, 200, 201, 1000, 100000,
                    1000000, 1000001, 100000000, kMaxLong}) {
    for (double q : {1E-310, 1E-300, 1E-100, 1E-20, 0x1p-53, 1E-12, 1E-10, 1E-8, 1E-6, 1E-4,
                     0.001, 0.01, 0.025, 0.05, 0.1, 0.2, 0.25, 0.3, 0.4, 0.49, 0.4999,
                     0.5 - 1E-9}) {
      SCOPED_TRACE(testing::Message() << "k " << k << " q " << q);
      ErrorFlag = 0;
      const double t = TStudentInversa(k, q);
      EXPECT_EQ(ErrorFlag, 0);
      if (k == 1 && q < 3E-154) {
        // The point is beyond 1E+153, where k/(k + t^2) no longer holds it; the closed form
        // still does, 1/(pi q) there. Only beyond 1E+300 the infinite mark stands for it.
        if (q >= 1E-300) {
          EXPECT_NEAR(t, 1 / (pi * q), 1E-15 * t);
        }
        EXPECT_EQ(TStudentInversa(k, 1 - q), 1 - q == 1 ? -1E+300 : -t);
        EXPECT_EQ(TStudentInversa(1, 1E-301), 1E+300);  // 3.2E+300 is beyond
        continue;
      }
      ASSERT_GT(t, 0);
      if (q >= 1E-300) {
        // That road takes a tail's point from z = k/(k + t^2), which near 1 keeps only
        // about k 1E-16 / t^2 of t: with millions of degrees of freedom it is too coarse.
        if (q >= 0.25 || k <= 100000) {
          EXPECT_NEAR(t, StudentByBetaInverse(k, q), 1E-9 * t) << "beta inverse";
        }
        // The tail at the point is the probability to the tail's own accuracy.
        EXPECT_NEAR(TStudentCola(k, t), q, 1E-12 * q);
        // 1/2 + P/2 from the series carries the rounding of its pi, 15 digits.
        EXPECT_NEAR(TStudentCola(k, -t), 1 - q, 1E-15);
      }
      EXPECT_TRUE(1 - (1 - q) != q || TStudentInversa(k, 1 - q) == -t);
      if (k == 1) {
        EXPECT_NEAR(t, 1 / std::tan(pi * q), 1E-9 * t + 1E-12 / q);
      } else if (k == 2) {
        EXPECT_NEAR(t, (1 - 2 * q) / std::sqrt(2 * q * (1 - q)), 1E-12 / std::sqrt(q));
      }
    }
  }
}

// The F points the same way: the smaller tail, computed directly, is the one that must
// match, to its own accuracy, at any degrees of freedom a box accepts.
TEST(CriticalValues, FPointsLandOnTheirTail) {
  const int32_t df[] = {1, 2, 3, 5, 9, 14, 30, 120, 1000, 100000, 1000000, 100000000, kMaxLong};
  for (int32_t ia : df) {
    for (int32_t ib : df) {
      for (double y : {1E-100, 1E-20, 1E-12, 1E-10, 1E-6, 0.001, 0.01, 0.025, 0.05, 0.1, 0.5, 0.9,
                       0.95, 0.975, 0.99, 0.999999, 1 - 1E-12}) {
        SCOPED_TRACE(testing::Message() << ia << " " << ib << " y " << y);
        ErrorFlag = 0;
        const double x = FSnedecorInversa(ia, ib, y);
        // A point beyond the infinite mark is refused: F(1, 1), F(1, 2) and F(2, 1) far out.
        if (ErrorFlag != 0) {
          EXPECT_TRUE(y <= 1E-20 && ia <= 2 && ib <= 2) << x;
          continue;
        }
        const auto smaller = [&](double at) {
          return y <= 0.5 ? FSnedecorCola(ia, ib, at) : FSnedecorAcum(ia, ib, at);
        };
        // With millions of degrees of freedom the tail moves by up to 1E-10 of itself from
        // one double to the next, and the few roundings of ia x / (ib + ia x) move it as
        // much: the point can come no closer than that.
        const double step = std::fabs(smaller(x * (1 + 1E-15)) - smaller(x));
        EXPECT_NEAR(smaller(x), std::fmin(y, 1 - y), 1E-12 * std::fmin(y, 1 - y) + step);
        EXPECT_EQ(ErrorFlag, 0);
      }
    }
  }
}

TEST(FaultDecisions, ShownValuesDeepTailsAndHugeShapes) {
  // Above a million degrees of freedom the t tail is the t's: the normal's differs in the
  // sixth digit (0.0249979, 0.0013499, 4.90671E-198).
  EXPECT_EQ(FormatoCifras(TStudentCola(1000001, 1.96), 6), "0.024998");
  EXPECT_EQ(FormatoCifras(TStudentCola(1000001, 3), 6), "0.00134993");
  EXPECT_EQ(FormatoCifras(TStudentCola(3000000, 30), 6), "5.25007E-198");
  EXPECT_NE(TStudentCola(kMaxLong, 0.5), NormalCola(0.5));
  // Beyond t = 2 the tail keeps its digits: 0.5 - 0.5 p left none of them.
  EXPECT_EQ(FormatoCifras(TStudentCola(29, 30), 6), "1.09887E-23");
  // What the program shows where it differs from the exact value: the small-argument erf
  // table as published (0.32862675947, not ...46). The normal tail at 8 is the exact
  // 6.22096E-16, not 1 - (1 - 6.22096E-16) = 6.66134E-16.
  EXPECT_EQ(FormatoCifras(Erf(0.3), 11), "0.32862675947");
  EXPECT_EQ(FormatoCifras(NormalCola(8), 6), "6.22096E-16");
  EXPECT_EQ(FormatoCifras(Gamma(171), 4), "7.257E+306");
  for (double x : {1E-300, 0.3, 0.4999, 0.5, 1.3, 9.99}) {
    EXPECT_EQ(Erf(-x), -Erf(x)) << x;
    EXPECT_EQ(ErfC(-x), 2 - ErfC(x)) << x;
  }
  // a + b >= 171.62: Gamma(a + b) alone would overflow. Near the mean the continued
  // fraction needs about 0.16 sqrt(a) passes: stopped after 300 it gave 0.11 at a = 1E+9,
  // and its logarithms of 1E+9 in size left 0.4999997809 at 5E+8.
  for (double a : {1000.0, 5E+5, 5E+8, 1E+9}) EXPECT_NEAR(BetaInc(a, a, 0.5), 0.5, 1E-15) << a;
  // Gamma(a) Gamma(b) overflowed where Gamma(a + b) / Gamma(b) / Gamma(a) does not; the
  // inverse's search lost a root of 1E-200 (mpmath, 40 digits).
  EXPECT_NEAR(BetaInc(0.072175865935223252, 171.18093204739449, 4.0612666977375315E-10),
              0.31592455919066014, 1E-12);
  EXPECT_NEAR(BetaIncInversa(1, 1, 1E-200), 1E-200, 1E-212);
  // A t this near the centre takes its central part from the first two terms of the
  // series, exact to the last digit (quadrature in mpmath, 40 digits).
  EXPECT_NEAR(TStudentCentral(41, 9.9E-6), 7.8510434586514382E-6, 1E-20);
  EXPECT_NEAR(TStudentCentral(1000000000, 9.9E-6), 7.8990571498445717E-6, 2E-20);
  // The root lies above 0.75 where the probability is tiny: reflecting to 1 - y lost the
  // digits of y, and stopping where the density underflows left the point far off
  // (81.65 and 6667 for the two points pinned below).
  for (double y : {1E-300, 1E-20, 1E-15, 2E-7}) {
    const double x = BetaIncInversa(5E+5, 0.5, y);
    EXPECT_GT(x, 0.998) << y;
    EXPECT_NEAR(BetaInc(5E+5, 0.5, x), y, 1E-9 * y) << y;
  }
  ErrorFlag = 0;
  EXPECT_EQ(FormatoCifras(TStudentInversa(100000, 1E-7), 6), "5.1997");  // 5.19970
  EXPECT_EQ(FormatoCifras(FSnedecorInversa(1, 100000, 1E-7), 6), "28.3782");
  // Integer arguments at their limits work where the distribution exists, with shape
  // parameters of a billion as exactly as with small ones.
  EXPECT_NEAR(FSnedecorCola(kMaxLong, kMaxLong, 1), 0.5, 1E-15);
  EXPECT_NEAR(TStudentInversa(kMaxLong, 0.05), NormalInversa(0.95), 2E-9);
  EXPECT_EQ(FormatoCifras(TStudentInversa(kMaxLong, 0.4999), 6), "0.000250663");
  // ia x beyond the doubles is no failure: the tail is that of ib/(ia x), about 1E-309 here
  // (mpmath, 40 digits).
  EXPECT_NEAR(FSnedecorCola(kMaxLong, 1, 1E+300), 7.9788456070997935E-151, 1E-162);
  EXPECT_EQ(ErrorFlag, 0);
}

// Where its series keeps the tail's digits (tails from 1 %), the t's tail is the published
// series', whose 15-digit pi (3.14159265358979) puts an odd k's tail about 2.6E-16 from the
// exact one: the program's own values, as the published erf table's are (mpmath, 40 digits:
// 1/2 -+ P pi / (2 * 3.14159265358979) with P the exact central part, and the exact tail).
TEST(FaultDecisions, TheTsSeriesKeepsItsFifteenDigitPi) {
  const struct {
    int32_t k;
    double t, published, exact;
  } cases[] = {
      {1, 1, 0.2499999999999997422913311, 0.25},
      {3, 1, 0.1955011094778850070674867, 0.1955011094778853209555017},
      {1, -1, 0.7500000000000002577086689, 0.75},
      {5, -0.5, 0.6808505641795356830736271, 0.6808505641795354966465945},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(TStudentCola(c.k, c.t), c.published, 1E-16) << c.k << " " << c.t;
    EXPECT_GT(std::fabs(c.published - c.exact), 1.5E-16);
  }
}

// Points with degrees of freedom in the hundreds of millions, as the panel shows them (each
// one of them was off in its sixth digit, or refused, on some road to it), and chi-square
// points next to the smallest normal double, which are no zero.
TEST(FaultDecisions, PointsAtHugeDegreesOfFreedomShowTheirDigits) {
  const struct {
    const char* what;
    double point;
    const char* shown;
  } points[] = {
      {"t 1E9 upper 0.45", TStudentInversa(1000000000, 0.45), "0.125661"},
      {"t max upper 0.3", TStudentInversa(kMaxLong, 0.3), "0.524401"},
      {"t 1E8 centred 0.001", TStudentCentralInversa(100000000, 0.001), "0.00125331"},
      {"F(1, 1E8) lower 0.025", FSnedecorAcumInversa(1, 100000000, 0.025), "0.000982069"},
      {"F(max, 2) upper 0.7", FSnedecorInversa(kMaxLong, 2, 0.7), "0.830584"},
      {"F(1E8, 1E8) upper 0.5", FSnedecorInversa(100000000, 100000000, 0.5), "1"},
      {"F(1E8, 1E9) upper 0.05", FSnedecorInversa(100000000, 1000000000, 0.05), "1.00024"},
      {"F(1, 1E9) upper 0.05", FSnedecorInversa(1, 1000000000, 0.05), "3.84146"},
      {"F(1, 1E8) upper 0.3", FSnedecorInversa(1, 100000000, 0.3), "1.07419"},
      {"chi-square 2 lower 1.5E-308", Ji2AcumInversa(2, 1.5E-308), "3E-308"},
      {"chi-square 1 lower 1.3E-154", Ji2AcumInversa(1, 1.3E-154), "2.65465E-308"},
  };
  for (const auto& p : points) EXPECT_EQ(FormatoCifras(p.point, 6), p.shown) << p.what;
  EXPECT_EQ(ErrorFlag, 0);
}

// A probability a double holds, subnormal ones included, has its point in every distribution
// (as the normal's has always had): the t, chi-square and F inverses refused them. Exact
// values from mpmath at 50 digits.
TEST(FaultDecisions, SubnormalProbabilitiesHaveTheirPoints) {
  constexpr double kSubnormal = 1E-310, kLeast = 4.9406564584124654E-324;
  const struct {
    const char* what;
    double got, exact;
  } points[] = {
      {"normal", NormalInversa(kSubnormal), -37.6630603319495},
      {"t", TStudentInversa(10, kSubnormal), 2.5645257189482E+31},
      {"t left", TStudentInversa(10, 1 - 0x1p-53), -TStudentInversa(10, 0x1p-53)},
      {"chi-square", Ji2Inversa(5, kSubnormal), 1446.78940257805},
      {"chi-square least", Ji2Inversa(1, kLeast), 1481.12665475536},
      {"chi-square lower", Ji2AcumInversa(200, kLeast), 0.0444389123661241},
      {"F", FSnedecorInversa(5, 10, kSubnormal), 3.27260107749732E+62},
      {"F least", FSnedecorInversa(5, 10, kLeast), 1.50015501323288E+65},
  };
  for (const auto& point : points) {
    EXPECT_NEAR(point.got, point.exact, 1E-12 * std::fabs(point.exact)) << point.what;
  }
  EXPECT_EQ(ErrorFlag, 0);
}

TEST(FaultDecisions, PolishFailsRatherThanReturnAWrongPoint) {
  using numeric::Tail;
  using numeric::TailAt;
  // e^-x as an upper tail, and 1 - e^-x as a lower one: found from far starts.
  const Tail upper{[](double x) { return TailAt{true, -x, -x}; }, 1};
  for (double start : {1E-3, 1.0, 5E+5, 1E+300}) {
    EXPECT_NEAR(numeric::PolishQuantile(upper, start, 1E-300), 300 * std::log(10.0), 1E-12);
    EXPECT_NEAR(numeric::PolishQuantile(upper, start, 0.5), std::log(2.0), 1E-15) << start;
  }
  const Tail lower{[](double x) { return TailAt{true, std::log(-std::expm1(-x)), -x}; }, -1};
  EXPECT_NEAR(numeric::PolishQuantile(lower, 3, 1E-20), 1E-20, 1E-33);
  // A tail that never comes down to the target, and one that cannot be computed anywhere.
  const Tail stuck{[](double x) {
                     return TailAt{true, std::log(0.5 + 0.5 * std::exp(-x)), std::log(0.5) - x};
                   }, 1};
  EXPECT_THROW(numeric::PolishQuantile(stuck, 1, 0.1), numeric::NumericFailure);
  const Tail nowhere{[](double) -> TailAt { throw numeric::NumericFailure{}; }, 1};
  EXPECT_THROW(numeric::PolishQuantile(nowhere, 1, 0.1), numeric::NumericFailure);
}

}  // namespace
