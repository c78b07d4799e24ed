// The distributions beyond the reference grid and its edge file: the values the program
// shows although they differ from the exact ones, and the faults of a literal port that are
// built otherwise (deep tails, small t probabilities, loops that never end).
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

TEST(Distributions, ShownValuesAndSymmetries) {
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

TEST(FaultDecisions, DeepTailAndHugeShapeBetaFindsThePoint) {
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
  ErrorFlag = 0;
  EXPECT_EQ(FormatoCifras(TStudentInversa(100000, 1E-7), 6), "5.1997");  // 5.19970
  EXPECT_EQ(FormatoCifras(FSnedecorInversa(1, 100000, 1E-7), 6), "28.3782");
  // Integer arguments at their limits work where the distribution exists, to what the
  // incomplete beta keeps with shape parameters of a billion (its logarithms are 1E+11 in
  // size), and the t inverse is not refused for a tail it can confirm only that far.
  const double half = kMaxLong / 2.0;
  EXPECT_NEAR(FSnedecorCola(kMaxLong, kMaxLong, 1), 0.5, kEps * BetaLogTerms(half, half, 0.5));
  EXPECT_NEAR(TStudentInversa(kMaxLong, 0.05), NormalInversa(0.95), 2E-6);
  EXPECT_NEAR(TStudentInversa(100000000, 0.05), NormalInversa(0.95), 2E-7);
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
