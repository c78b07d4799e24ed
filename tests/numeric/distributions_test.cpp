// The distribution routines beyond the reference grid: their ends and failure flags, and
// the faults of a literal port that are built otherwise (deep tails, small t probabilities,
// domain checks, loops that never end).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "accuracy.h"

namespace {

using numeric_testing::kEps;

const double kPi = std::acos(-1.0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kMaxLong = std::numeric_limits<int32_t>::max();

// What a round trip through FSnedecorCola can keep of y: the inverse's 1E-8 check, and the
// rounding of w = ib/(ib + ia x), which near w = 1 holds all there is of a small 1 - w.
double FRoundTrip(int32_t ia, int32_t ib, double x, double y) {
  const double w = ib / (ib + static_cast<double>(ia) * x);
  return 1E-8 * std::fmin(y, 1 - y) + 2.3E-16 + 2 * kEps * numeric_testing::BetaSlope(ib / 2.0, ia / 2.0, w);
}

// A call, the result it must give, and whether it fails (sets ErrorFlag); run with
// ErrorFlag preset to 0 and to 1, since a routine that succeeds leaves it as it was.
struct Expect {
  const char* what;
  std::function<double()> call;
  double value;
  bool fails;
};

void CheckAll(const std::vector<Expect>& cases, double rel) {
  for (const auto& c : cases) {
    for (int16_t preset : {0, 1}) {
      ErrorFlag = preset;
      EXPECT_NEAR(c.call(), c.value, rel * std::fabs(c.value)) << c.what;
      EXPECT_EQ(ErrorFlag, c.fails ? 1 : preset) << c.what << " from " << preset;
    }
  }
  ErrorFlag = 0;
}

#define CALL(expr) #expr, [] { return expr; }

TEST(Distributions, EndsAndFailuresOfEveryRoutine) {
  CheckAll({{CALL(Ji2Inversa(7, 1)), 0, false}, {CALL(Ji2Inversa(7, 0)), 1E+300, false},
           {CALL(Ji2Cola(4, -5)), 1, false}, {CALL(Ji2Cola(0.5, 0)), 1, false},
           {CALL(PoissonAcum(-1, 3)), 0, false}, {CALL(PoissonAcum(5, 0)), 1, false},
           {CALL(TStudentCola(10, 0)), 0.5, false}, {CALL(TStudentInversa(7, 0.5)), 0, false},
           {CALL(TStudentInversa(6, 0)), 1E+300, false}, {CALL(TStudentInversa(6, 1)), -1E+300, false},
           {CALL(FSnedecorCola(3, 8, 0)), 1, false}, {CALL(FSnedecorInversa(3, 8, 1)), 0, false},
           {CALL(FSnedecorInversa(3, 8, 0)), 1E+300, false}, {CALL(BinomialAcum(11, 10, 0.3)), 1, false},
           {CALL(BinomialAcum(-1, 10, 0.3)), 0, false}, {CALL(BinomialAcum(3, 10, 0)), 1, false},
           {CALL(BinomialAcum(0, 10, 1)), 0, false},
            // Arguments outside the distribution: a literal port answered most of these
            // with a number and no flag.
           {CALL(PoissonAcum(-2, 3)), 0, true}, {CALL(PoissonAcum(3, -1)), 0, true},
           {CALL(PoissonAcum(kMaxLong, 5)), 0, true}, {CALL(FSnedecorCola(3, 8, -2)), 0, true},  // the first: k + 1 overflows a Long
           {CALL(BinomialAcum(12, 10, 0.3)), 0, true}, {CALL(BinomialAcum(-2, 10, 0.3)), 0, true},
           {CALL(TStudentCola(-4, 3)), 0, true}, {CALL(TStudentCola(0, -3)), 0, true},
           {CALL(TStudentInversa(0, 0.05)), 0, true}, {CALL(TStudentInversa(10, 1.5)), 0, true},
           {CALL(TStudentInversa(10, -0.5)), 0, true}, {CALL(FSnedecorCola(10, 0, 1)), 0, true},
           {CALL(FSnedecorCola(0, 5, 1)), 0, true}, {CALL(FSnedecorInversa(5, -1, 0.05)), 0, true},
           {CALL(FSnedecorInversa(5, 10, 1.01)), 0, true}, {CALL(FSnedecorInversa(5, 10, -1)), 0, true},
           {CALL(BinomialAcum(0, 10, 1.5)), 0, true}, {CALL(BinomialAcum(3, 10, -0.1)), 0, true},
           {CALL(Ji2Inversa(5, -0.1)), 0, true}, {CALL(Ji2Inversa(5, 1.2)), 0, true},  // the first looped for ever
           {CALL(Ji2Inversa(0, 0.05)), 0, true}, {CALL(Ji2Cola(0, 5)), 0, true},
           {CALL(Ji2Cola(-3, 5)), 0, true}, {CALL(FSnedecorCola(5, 10, -3)), 0, true},  // the second looped for ever
            // The handler style (NormalInversa, TStudentCola) and the continue style
            // report a failure alike, as 0.
           {CALL(NormalInversa(kNaN)), 0, true}, {CALL(TStudentCola(5, 1E+200)), 0, true},
           {CALL(NormalCola(kNaN)), 0, true}, {CALL(Ji2Cola(3, kNaN)), 0, true},
           {CALL(BinomialAcum(3, kNaN, 0.5)), 0, true},
            // the point overflows: its incomplete beta inverse underflows to 0
           {CALL(FSnedecorInversa(1, 1, 1E-300)), 0, true}},
           1E-15);
  // Above a million degrees of freedom the t tail is the normal one.
  for (int32_t k : {1000001, kMaxLong}) {
    for (double t : {-3.0, 0.5, 9.0}) EXPECT_EQ(TStudentCola(k, t), NormalCola(t));
  }
  // Beyond t = 2 the tail keeps its digits: 0.5 - 0.5 p left none of them.
  EXPECT_EQ(FormatoCifras(TStudentCola(29, 30), 6), "1.09887E-23");
}

TEST(FaultDecisions, DeepTailInversesFindThePoint) {
  // The incomplete beta inverse used to stop where the density underflows, on a point near
  // 1 it had reached after reflecting: 81.65 and 6667.
  EXPECT_EQ(FormatoCifras(TStudentInversa(100000, 1E-7), 6), "5.1997");  // 5.19970
  EXPECT_EQ(FormatoCifras(FSnedecorInversa(1, 100000, 1E-7), 6), "28.3782");
  EXPECT_EQ(ErrorFlag, 0);
  // Every such point, with one shape parameter large, sits on its tail.
  for (int32_t k : {1, 30, 10000, 100000, 1000000}) {
    for (double p : {1E-7, 1E-10, 1E-20, 1E-100, 1E-300}) {
      ErrorFlag = 0;
      const double t = TStudentInversa(k, p);
      if (t == 1E+300) continue;  // k = 1 beyond 1E+153: the infinite mark, pinned below
      EXPECT_NEAR(TStudentCola(k, t), p, 1E-8 * p) << k << " " << p;
      EXPECT_NEAR(TStudentCola(k, -t), 1 - p, 2.3E-16) << k << " " << p;
      EXPECT_EQ(ErrorFlag, 0);
    }
  }
  const int32_t pairs[][2] = {{1, 100000}, {100000, 1}, {3, 1000000}, {1000000, 1000000}};
  for (const auto& ab : pairs) {
    for (double y : {1E-7, 1E-20, 1E-100, 0.3, 0.9, 1 - 1E-7}) {
      ErrorFlag = 0;
      const double x = FSnedecorInversa(ab[0], ab[1], y);
      EXPECT_NEAR(FSnedecorCola(ab[0], ab[1], x), y, FRoundTrip(ab[0], ab[1], x, y))
          << ab[0] << " " << ab[1] << " " << y;
      EXPECT_EQ(ErrorFlag, 0);
    }
  }
}

TEST(FaultDecisions, SmallTProbabilitiesAreNotLostToOneMinusP) {
  // q = 1 - p and then 1 - q give back p with an error of one rounding of 1: below 1.1E-16
  // that is 0 and the point came out as the infinite mark. The check against the tail
  // finds the point; with 1 and 2 degrees of freedom it has a closed form.
  for (double p : {1E-9, 1E-12, 1E-17, 1E-20, 1E-100}) {
    ErrorFlag = 0;
    EXPECT_NEAR(TStudentInversa(1, p), 1 / std::tan(kPi * p), 1E-12 / p) << p;
    EXPECT_NEAR(TStudentInversa(2, p), (1 - 2 * p) / std::sqrt(2 * p * (1 - p)),
                1E-12 / std::sqrt(p))
        << p;
    EXPECT_EQ(ErrorFlag, 0);
  }
  // Near p = 1 the small 1 - p is exact: nothing is lost there.
  const double p = 1 - 1E-16;
  EXPECT_NEAR(TStudentInversa(1, p), -1 / std::tan(kPi * (1 - p)), 1E-12 / (1 - p));
  // With one degree of freedom and p below about 3E-154 the point is beyond 1E+153, where
  // k/(k + t^2) no longer holds it: the infinite mark stands for it, without a failure.
  EXPECT_EQ(TStudentInversa(1, 1E-300), 1E+300);
}

TEST(FaultDecisions, PolishFailsRatherThanReturnAWrongPoint) {
  using numeric::Tail;
  using numeric::TailAt;
  // e^-x as an upper tail, and 1 - e^-x as a lower one: found from far starts.
  const Tail upper{[](double x) { return TailAt{true, -x, -x}; }, 1};
  for (double start : {1E-3, 1.0, 5E+5, 1E+300}) {
    EXPECT_NEAR(numeric::PolishQuantile(upper, start, 1E-300), 300 * std::log(10.0), 1E-12)
        << start;
    EXPECT_NEAR(numeric::PolishQuantile(upper, start, 0.5), std::log(2.0), 1E-15) << start;
  }
  const Tail lower{[](double x) { return TailAt{true, std::log(-std::expm1(-x)), -x}; }, -1};
  EXPECT_NEAR(numeric::PolishQuantile(lower, 3, 1E-20), 1E-20, 1E-33);
  // A tail that never comes down to the target, and one that cannot be computed anywhere.
  const Tail stuck{[](double x) {
                     const double t = 0.5 + 0.5 * std::exp(-x);
                     return TailAt{true, std::log(t), std::log(0.5) - x};
                   },
                   1};
  EXPECT_THROW(numeric::PolishQuantile(stuck, 1, 0.1), numeric::NumericFailure);
  const Tail nowhere{[](double) -> TailAt { throw numeric::NumericFailure{}; }, 1};
  EXPECT_THROW(numeric::PolishQuantile(nowhere, 1, 0.1), numeric::NumericFailure);
}

TEST(FaultDecisions, NoRoutineHangsOrReturnsNaN) {
  // Integer arguments at their limits work where the distribution exists, to what the
  // incomplete beta keeps with shape parameters of a billion (its logarithms are 1E+11 in
  // size), and the t inverse is not refused for a tail it can confirm only that far.
  const double half = kMaxLong / 2.0;
  EXPECT_NEAR(FSnedecorCola(kMaxLong, kMaxLong, 1), 0.5,
              kEps * numeric_testing::BetaLogTerms(half, half, 0.5));
  EXPECT_NEAR(TStudentInversa(kMaxLong, 0.05), NormalInversa(0.95), 2E-6);
  EXPECT_NEAR(TStudentInversa(100000000, 0.05), NormalInversa(0.95), 2E-7);
  EXPECT_EQ(ErrorFlag, 0);

  // Every routine on every mix of awkward arguments ends, with a number and a flag.
  const double doubles[] = {kNaN, -kInf, kInf, -1E+300, -1, 0, 1E-300, 0.5, 1, 3, 1E+300};
  const int32_t longs[] = {std::numeric_limits<int32_t>::min(), -1, 0, 1, 7, kMaxLong};
  std::vector<std::function<double()>> calls;
  for (double a : doubles) {
    calls.push_back([a] { return NormalCola(a); });
    calls.push_back([a] { return NormalInversa(a); });
    for (double b : doubles) {
      calls.push_back([a, b] { return Ji2Cola(a, b); });
      calls.push_back([a, b] { return Ji2Inversa(a, b); });
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
    const double v = calls[i]();
    EXPECT_FALSE(std::isnan(v)) << "call " << i;
    EXPECT_TRUE(ErrorFlag == 0 || ErrorFlag == 1) << "call " << i;
  }
  ErrorFlag = 0;
}

}  // namespace
