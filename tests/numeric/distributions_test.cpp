// The special functions and distributions beyond the reference grid: their exact ends,
// poles and failure flags, the values the program shows although they differ from the exact
// ones, and the faults of a literal port that are built otherwise (deep tails, small t
// probabilities, domain checks, loops that never end).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "reference_data.h"

namespace {

using numeric_testing::BetaLogTerms;
using numeric_testing::kEps;

const double kPi = std::acos(-1.0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kMaxLong = std::numeric_limits<int32_t>::max();

// A call, the exact result it must give, and whether it fails (sets ErrorFlag); run with
// ErrorFlag preset to 0 and to 1, since a routine that succeeds leaves it as it was.
struct Expect {
  const char* what;
  std::function<double()> call;
  double value;
  bool fails;
};
#define CALL(expr) #expr, [] { return expr; }

TEST(Distributions, EndsAndFailuresOfEveryRoutine) {
  const Expect cases[] = {
      {CALL(Ji2Inversa(7, 1)), 0, false}, {CALL(Ji2Inversa(7, 0)), 1E+300, false},
      {CALL(Ji2Cola(4, -5)), 1, false}, {CALL(Ji2Cola(0.5, 0)), 1, false},
      {CALL(PoissonAcum(-1, 3)), 0, false}, {CALL(PoissonAcum(5, 0)), 1, false},
      {CALL(TStudentCola(10, 0)), 0.5, false}, {CALL(TStudentInversa(7, 0.5)), 0, false},
      {CALL(TStudentInversa(6, 0)), 1E+300, false}, {CALL(TStudentInversa(6, 1)), -1E+300, false},
      {CALL(FSnedecorCola(3, 8, 0)), 1, false}, {CALL(FSnedecorInversa(3, 8, 1)), 0, false},
      {CALL(FSnedecorInversa(3, 8, 0)), 1E+300, false}, {CALL(BinomialAcum(11, 10, 0.3)), 1, false},
      {CALL(BinomialAcum(-1, 10, 0.3)), 0, false}, {CALL(BinomialAcum(3, 10, 0)), 1, false},
      {CALL(BinomialAcum(0, 10, 1)), 0, false}, {CALL(NormalInversa(0)), -1E+300, false},
      {CALL(NormalInversa(-3)), -1E+300, false}, {CALL(NormalInversa(1)), 1E+300, false},
      {CALL(NormalCola(-40)), 1, false}, {CALL(NormalCola(8.25)), 0, false},
      {CALL(NormalCola(1E+300)), 0, false},  // 1 - 0.5 (1 + erf) is 0 from about 8.25 on
      {CALL(GammaIncInf(0.5, -1)), 0, false}, {CALL(GammaIncInf(0, 2)), 0, false},
      {CALL(GammaIncSup(100, 0)), 1, false}, {CALL(GammaIncSup(-1, 2)), 1, false},
      {CALL(BetaInc(0.5, 3, 0)), 0, false}, {CALL(BetaInc(100, 3, 1)), 1, false},
      {CALL(BetaIncInversa(2, 3, 0)), 0, false}, {CALL(BetaIncInversa(2, 3, 1)), 1, false},
      {CALL(BetaIncInversa(0.5, 0.5, 1E-250)), 0, false},  // (pi/2 * 1E-250)^2 underflows
      // Computed as 1 - t, the reflected beta stops below 1.
      {CALL(BetaInc(2, 3, 1 - 1E-6)), 0.9999999999999994, false},
      {CALL(BetaInc(0.5, 5E+5, 0.5)), 0.9999999999999994, false},
      // Arguments outside the distribution: a literal port answered most of these with a
      // number and no flag; k + 1 overflowed a Long; some looped for ever.
      {CALL(PoissonAcum(-2, 3)), 0, true}, {CALL(PoissonAcum(3, -1)), 0, true},
      {CALL(PoissonAcum(kMaxLong, 5)), 0, true}, {CALL(FSnedecorCola(3, 8, -2)), 0, true},
      {CALL(BinomialAcum(12, 10, 0.3)), 0, true}, {CALL(BinomialAcum(-2, 10, 0.3)), 0, true},
      {CALL(TStudentCola(-4, 3)), 0, true}, {CALL(TStudentCola(0, -3)), 0, true},
      {CALL(TStudentInversa(0, 0.05)), 0, true}, {CALL(TStudentInversa(10, 1.5)), 0, true},
      {CALL(TStudentInversa(10, -0.5)), 0, true}, {CALL(FSnedecorCola(10, 0, 1)), 0, true},
      {CALL(FSnedecorCola(0, 5, 1)), 0, true}, {CALL(FSnedecorInversa(5, -1, 0.05)), 0, true},
      {CALL(FSnedecorInversa(5, 10, 1.01)), 0, true}, {CALL(FSnedecorInversa(5, 10, -1)), 0, true},
      {CALL(BinomialAcum(0, 10, 1.5)), 0, true}, {CALL(BinomialAcum(3, 10, -0.1)), 0, true},
      {CALL(Ji2Inversa(5, -0.1)), 0, true}, {CALL(Ji2Inversa(5, 1.2)), 0, true},
      {CALL(Ji2Inversa(0, 0.05)), 0, true}, {CALL(Ji2Cola(0, 5)), 0, true},
      {CALL(Ji2Cola(-3, 5)), 0, true}, {CALL(FSnedecorCola(5, 10, -3)), 0, true},
      // The handler style and the continue style report a failure alike, as 0.
      {CALL(NormalInversa(kNaN)), 0, true}, {CALL(TStudentCola(5, 1E+200)), 0, true},
      {CALL(NormalCola(kNaN)), 0, true}, {CALL(Ji2Cola(3, kNaN)), 0, true},
      {CALL(BinomialAcum(3, kNaN, 0.5)), 0, true},
      {CALL(FSnedecorInversa(1, 1, 1E-300)), 0, true},  // its beta inverse underflows to 0
  };
  for (const auto& c : cases) {
    for (int16_t preset : {0, 1}) {
      ErrorFlag = preset;
      EXPECT_EQ(c.call(), c.value) << c.what;
      EXPECT_EQ(ErrorFlag, c.fails ? 1 : preset) << c.what << " from " << preset;
    }
  }
  ErrorFlag = 0;
  // Above a million degrees of freedom the t tail is the normal one.
  for (int32_t k : {1000001, kMaxLong}) {
    for (double t : {-3.0, 0.5, 9.0}) EXPECT_EQ(TStudentCola(k, t), NormalCola(t));
  }
  // Beyond t = 2 the tail keeps its digits: 0.5 - 0.5 p left none of them.
  EXPECT_EQ(FormatoCifras(TStudentCola(29, 30), 6), "1.09887E-23");
  // What the program shows where it differs from the exact value: the small-argument erf
  // table as published (0.32862675947, not ...46), and a normal tail of 6.22096E-16 at 8.
  EXPECT_EQ(FormatoCifras(Erf(0.3), 11), "0.32862675947");
  EXPECT_EQ(FormatoCifras(NormalCola(8), 6), "6.66134E-16");
  EXPECT_EQ(FormatoCifras(Gamma(171), 4), "7.257E+306");
  EXPECT_EQ(Erf(0), 0);
  for (double x : {1E-300, 0.3, 0.4999, 0.5, 1.3, 9.99}) {
    EXPECT_EQ(Erf(-x), -Erf(x)) << x;
    EXPECT_EQ(ErfC(-x), 2 - ErfC(x)) << x;
  }
  for (double x : {10.0, 1E+300}) EXPECT_TRUE(Erf(x) == 1 && ErfC(x) == 0) << x;
}

TEST(SpecialFunctions, PolesAndOverflowFailWithoutTouchingErrorFlag) {
  static double sign;
  const std::function<double()> failing[] = {
      [] { return LnGamma(0, sign); }, [] { return LnGamma(-35, sign); },
      [] { return LnGamma(-1E+300, sign); }, [] { return LnGamma(1E+307, sign); },
      [] { return LnGamma(kNaN, sign); }, [] { return Gamma(0); }, [] { return Gamma(-33); },
      [] { return Gamma(171.7); }, [] { return Gamma(-200.5); },
      [] { return GammaIncSupInversa(3, 0); }, [] { return GammaIncSupInversa(3, 1.5); },
      [] { return GammaIncSupInversa(0, 0.5); }, [] { return BetaIncInversa(2, 3, -0.1); },
      [] { return BetaIncInversa(2, 3, kNaN); }, [] { return BetaIncInversa(0, 3, 0.5); },
      [] { return BetaIncInversa(2, -1, 0.5); }, [] { return BetaInc(2, 3, -0.5); }};
  for (int16_t preset : {0, 1}) {
    ErrorFlag = preset;
    for (size_t i = 0; i < std::size(failing); ++i) {
      EXPECT_THROW(failing[i](), numeric::NumericFailure) << "case " << i;
    }
    Erf(0.3);
    GammaIncSupInversa(3, 0.2);
    BetaIncInversa(2, 3, 0.2);
    EXPECT_EQ(ErrorFlag, preset);
  }
  ErrorFlag = 0;
  // Gamma(x) for -(n+1) < x < -n has the sign (-1)^(n+1), also beyond any integer type.
  const double far = -(std::ldexp(1.0, 52) - 0.5);
  const double signs[][2] = {{-34.5, -1}, {-35.5, 1}, {-170.9, -1}, {far, 1}, {far + 1, -1}};
  for (const auto& c : signs) {
    EXPECT_TRUE(std::isfinite(LnGamma(c[0], sign))) << c[0];
    EXPECT_EQ(sign, c[1]) << c[0];
  }
}

TEST(FaultDecisions, DeepTailAndSmallProbabilityInversesFindThePoint) {
  // a + b >= 171.62: Gamma(a + b) alone would overflow. Near the mean the continued
  // fraction needs about 0.16 sqrt(a) passes: stopped after 300 it gave 0.11 at a = 1E+9.
  for (double a : {1000.0, 5E+5, 1E+9}) {
    EXPECT_NEAR(BetaInc(a, a, 0.5), 0.5, 1E-12 + 2 * kEps * BetaLogTerms(a, a, 0.5)) << a;
  }
  // The root lies above 0.75 where the probability is tiny: reflecting to 1 - y lost the
  // digits of y, and stopping where the density underflows left the point far off
  // (81.65 and 6667 for the two points pinned below).
  for (double y : {1E-300, 1E-20, 1E-15, 2E-7}) {
    const double x = BetaIncInversa(5E+5, 0.5, y);
    EXPECT_GT(x, 0.998) << y;
    EXPECT_NEAR(BetaInc(5E+5, 0.5, x), y, 1E-9 * y) << y;
  }
  EXPECT_EQ(FormatoCifras(TStudentInversa(100000, 1E-7), 6), "5.1997");  // 5.19970
  EXPECT_EQ(FormatoCifras(FSnedecorInversa(1, 100000, 1E-7), 6), "28.3782");
  EXPECT_EQ(ErrorFlag, 0);
  // Every such point sits on its tail. Small t probabilities are not lost to q = 1 - p and
  // 1 - q, which below 1.1E-16 gave 0 and the infinite mark: with 1 and 2 degrees of
  // freedom the point has a closed form.
  for (int32_t k : {1, 2, 30, 10000, 100000, 1000000}) {
    for (double p : {1E-7, 1E-9, 1E-10, 1E-12, 1E-17, 1E-20, 1E-100, 1E-300}) {
      SCOPED_TRACE(testing::Message() << "k " << k << " p " << p);
      ErrorFlag = 0;
      const double t = TStudentInversa(k, p);
      EXPECT_EQ(ErrorFlag, 0);
      if (k == 1 && p < 3E-154) {
        // The point is beyond 1E+153, where k/(k + t^2) no longer holds it: the infinite
        // mark stands for it, without a failure.
        EXPECT_EQ(t, 1E+300);
        continue;
      }
      EXPECT_NEAR(TStudentCola(k, t), p, 1E-8 * p);
      EXPECT_NEAR(TStudentCola(k, -t), 1 - p, 2.3E-16);
      if (k == 1) {
        EXPECT_NEAR(t, 1 / std::tan(kPi * p), 1E-12 / p);
      } else if (k == 2) {
        EXPECT_NEAR(t, (1 - 2 * p) / std::sqrt(2 * p * (1 - p)), 1E-12 / std::sqrt(p));
      }
    }
  }
  // Near p = 1 the small 1 - p is exact: nothing is lost there.
  const double p = 1 - 1E-16;
  EXPECT_NEAR(TStudentInversa(1, p), -1 / std::tan(kPi * (1 - p)), 1E-12 / (1 - p));
  const int32_t pairs[][2] = {{1, 100000}, {100000, 1}, {3, 1000000}, {1000000, 1000000}};
  for (const auto& [ia, ib] : pairs) {
    for (double y : {1E-7, 1E-20, 1E-100, 0.3, 0.9, 1 - 1E-7}) {
      ErrorFlag = 0;
      const double x = FSnedecorInversa(ia, ib, y);
      // The inverse's 1E-8 check, and the rounding of w = ib/(ib + ia x), which near w = 1
      // holds all there is of a small 1 - w.
      const double w = ib / (ib + static_cast<double>(ia) * x);
      const double allowed = 1E-8 * std::fmin(y, 1 - y) + 2.3E-16 +
                             2 * kEps * numeric_testing::BetaSlope(ib / 2.0, ia / 2.0, w);
      EXPECT_NEAR(FSnedecorCola(ia, ib, x), y, allowed) << ia << " " << ib << " " << y;
      EXPECT_EQ(ErrorFlag, 0);
    }
  }
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

TEST(FaultDecisions, NoRoutineHangsOrReturnsNaN) {
  // Integer arguments at their limits work where the distribution exists, to what the
  // incomplete beta keeps with shape parameters of a billion (its logarithms are 1E+11 in
  // size), and the t inverse is not refused for a tail it can confirm only that far.
  const double half = kMaxLong / 2.0;
  EXPECT_NEAR(FSnedecorCola(kMaxLong, kMaxLong, 1), 0.5, kEps * BetaLogTerms(half, half, 0.5));
  EXPECT_NEAR(TStudentInversa(kMaxLong, 0.05), NormalInversa(0.95), 2E-6);
  EXPECT_NEAR(TStudentInversa(100000000, 0.05), NormalInversa(0.95), 2E-7);
  EXPECT_EQ(ErrorFlag, 0);

  // Every routine on every mix of awkward arguments ends: the distributions with a number
  // and a flag, the gamma and beta functions with a number or a failure.
  const double doubles[] = {kNaN, -kInf, kInf, -1E+300, -1, 0, 1E-300, 0.5, 1, 3, 1E+15, 1E+300};
  const int32_t longs[] = {std::numeric_limits<int32_t>::min(), -1, 0, 1, 7, kMaxLong};
  std::vector<std::function<double()>> calls, raw;
  for (double a : doubles) {
    calls.push_back([a] { return NormalCola(a); });
    calls.push_back([a] { return NormalInversa(a); });
    for (double b : doubles) {
      calls.push_back([a, b] { return Ji2Cola(a, b); });
      calls.push_back([a, b] { return Ji2Inversa(a, b); });
      raw.push_back([a, b] { return GammaIncInf(a, b); });
      raw.push_back([a, b] { return GammaIncSup(a, b); });
      raw.push_back([a, b] { return BetaInc(a, b, 0.3); });
      raw.push_back([a, b] { return BetaInc(0.5, a, b); });
      for (double c : {0.0, 0.5, 1.0, 1E+300, kNaN}) {
        calls.push_back([a, b, c] { return BinomialAcum(a, b, c); });
      }
    }
    for (int32_t k : longs) {
      calls.push_back([k, a] { return PoissonAcum(k, a); });
      calls.push_back([k, a] { return TStudentCola(k, a); });
      calls.push_back([k, a] { return TStudentInversa(k, a); });
      for (int32_t m : longs) {
        calls.push_back([k, m, a] { return FSnedecorCola(k, m, a); });
        calls.push_back([k, m, a] { return FSnedecorInversa(k, m, a); });
      }
    }
  }
  for (std::size_t i = 0; i < calls.size(); ++i) {
    ErrorFlag = 0;
    EXPECT_FALSE(std::isnan(calls[i]())) << "call " << i;
    EXPECT_TRUE(ErrorFlag == 0 || ErrorFlag == 1) << "call " << i;
  }
  ErrorFlag = 0;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    try {
      EXPECT_FALSE(std::isnan(raw[i]())) << "gamma or beta call " << i;
    } catch (const numeric::NumericFailure&) {
    }
  }
}

}  // namespace
