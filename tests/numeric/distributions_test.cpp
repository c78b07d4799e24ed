// The distribution routines: their documented values and ends, their failure styles, the
// faults they no longer have, closed forms, and round trips of each inverse.
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

// A call and the result it must give, with ErrorFlag preset to each of 0 and 1.
struct Expect {
  std::string what;
  std::function<double()> call;
  double value;
  int16_t flag_after_0;  // ErrorFlag after a call that started with 0
};

void CheckAll(const std::vector<Expect>& cases, double rel) {
  for (const auto& c : cases) {
    for (int16_t preset : {0, 1}) {
      ErrorFlag = preset;
      const double v = c.call();
      EXPECT_NEAR(v, c.value, rel * std::fabs(c.value)) << c.what;
      // A routine sets the flag on failure and otherwise leaves it as it found it.
      EXPECT_EQ(ErrorFlag, c.flag_after_0 ? 1 : preset) << c.what << " from " << preset;
    }
  }
  ErrorFlag = 0;
}

TEST(ChiSquareAndPoisson, PartValues) {
  CheckAll({{"Ji2Cola(1, 3.841459)", [] { return Ji2Cola(1, 3.841459); }, 0.05, 0},
            {"Ji2Inversa(1, 0.05)", [] { return Ji2Inversa(1, 0.05); }, 3.841459, 0},
            {"Ji2Inversa(10, 0.05)", [] { return Ji2Inversa(10, 0.05); }, 18.307038, 0},
            {"Ji2Inversa(7, 1)", [] { return Ji2Inversa(7, 1); }, 0, 0},
            {"Ji2Inversa(7, 0)", [] { return Ji2Inversa(7, 0); }, 1E+300, 0},
            {"Ji2Cola(4, 0)", [] { return Ji2Cola(4, 0); }, 1, 0},
            {"Ji2Cola(4, -5)", [] { return Ji2Cola(4, -5); }, 1, 0},
            {"PoissonAcum(-1, 3)", [] { return PoissonAcum(-1, 3); }, 0, 0},
            {"PoissonAcum(0, 3)", [] { return PoissonAcum(0, 3); }, std::exp(-3.0), 0},
            {"PoissonAcum(2, 3)", [] { return PoissonAcum(2, 3); }, 8.5 * std::exp(-3.0), 0},
            {"PoissonAcum(-2, 3)", [] { return PoissonAcum(-2, 3); }, 0, 1},
            {"PoissonAcum(5, 0)", [] { return PoissonAcum(5, 0); }, 1, 0}},
           1E-6);  // the figures are rounded, and so are the points they are given at
}

TEST(StudentTAndF, PartValues) {
  CheckAll(
      {{"TStudentCola(10, 0)", [] { return TStudentCola(10, 0); }, 0.5, 0},
       {"TStudentCola(10, 2.228139)", [] { return TStudentCola(10, 2.228139); }, 0.025, 0},
       {"TStudentCola(10, -2.228139)", [] { return TStudentCola(10, -2.228139); }, 0.975, 0},
       {"TStudentCola(1, 1)", [] { return TStudentCola(1, 1); }, 0.25, 0},
       {"TStudentInversa(10, 0.025)", [] { return TStudentInversa(10, 0.025); }, 2.228139, 0},
       {"TStudentInversa(10, 0.975)", [] { return TStudentInversa(10, 0.975); }, -2.228139, 0},
       {"TStudentInversa(7, 0.5)", [] { return TStudentInversa(7, 0.5); }, 0, 0},
       {"TStudentInversa(1, 0.25)", [] { return TStudentInversa(1, 0.25); }, 1, 0},
       {"TStudentInversa(6, 0)", [] { return TStudentInversa(6, 0); }, 1E+300, 0},
       {"TStudentInversa(6, 1)", [] { return TStudentInversa(6, 1); }, -1E+300, 0},
       {"FSnedecorCola(3, 8, 0)", [] { return FSnedecorCola(3, 8, 0); }, 1, 0},
       {"FSnedecorInversa(5, 10, 0.05)", [] { return FSnedecorInversa(5, 10, 0.05); }, 3.3258345, 0},
       {"FSnedecorInversa(3, 8, 1)", [] { return FSnedecorInversa(3, 8, 1); }, 0, 0},
       {"FSnedecorInversa(3, 8, 0)", [] { return FSnedecorInversa(3, 8, 0); }, 1E+300, 0},
       {"FSnedecorCola(3, 8, -2)", [] { return FSnedecorCola(3, 8, -2); }, 0, 1}},
      1E-6);
  // Above a million degrees of freedom the t tail is the normal one.
  for (int32_t k : {1000001, 2000000, kMaxLong}) {
    for (double t : {-3.0, 0.5, 1.96, 9.0}) EXPECT_EQ(TStudentCola(k, t), NormalCola(t));
  }
}

TEST(Binomial, PartValues) {
  CheckAll({{"BinomialAcum(0, 10, 0.5)", [] { return BinomialAcum(0, 10, 0.5); }, 1.0 / 1024, 0},
            {"BinomialAcum(3, 10, 0.5)", [] { return BinomialAcum(3, 10, 0.5); }, 176.0 / 1024, 0},
            {"BinomialAcum(10, 10, 0.3)", [] { return BinomialAcum(10, 10, 0.3); }, 1, 0},
            {"BinomialAcum(11, 10, 0.3)", [] { return BinomialAcum(11, 10, 0.3); }, 1, 0},
            {"BinomialAcum(-1, 10, 0.3)", [] { return BinomialAcum(-1, 10, 0.3); }, 0, 0},
            {"BinomialAcum(12, 10, 0.3)", [] { return BinomialAcum(12, 10, 0.3); }, 0, 1},
            {"BinomialAcum(-2, 10, 0.3)", [] { return BinomialAcum(-2, 10, 0.3); }, 0, 1},
            {"BinomialAcum(3, 10, 0)", [] { return BinomialAcum(3, 10, 0); }, 1, 0},
            {"BinomialAcum(3, 10, 1)", [] { return BinomialAcum(3, 10, 1); }, 0, 0}},
           1E-14);
}

// --- The faults of a literal port, and what is built instead ------------------------

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

TEST(FaultDecisions, DomainChecksRejectNonsense) {
  // Each was answered with a number and no flag: -0.17, 0.000977, 0 ...
  CheckAll({{"TStudentCola(-4, 3)", [] { return TStudentCola(-4, 3); }, 0, 1},
            {"TStudentCola(0, -3)", [] { return TStudentCola(0, -3); }, 0, 1},
            {"TStudentInversa(0, 0.05)", [] { return TStudentInversa(0, 0.05); }, 0, 1},
            {"TStudentInversa(-1, 0.05)", [] { return TStudentInversa(-1, 0.05); }, 0, 1},
            {"TStudentInversa(10, 1.5)", [] { return TStudentInversa(10, 1.5); }, 0, 1},
            {"TStudentInversa(10, -0.5)", [] { return TStudentInversa(10, -0.5); }, 0, 1},
            {"FSnedecorCola(10, 0, 1)", [] { return FSnedecorCola(10, 0, 1); }, 0, 1},
            {"FSnedecorCola(0, 5, 1)", [] { return FSnedecorCola(0, 5, 1); }, 0, 1},
            {"FSnedecorInversa(0, 5, 0.05)", [] { return FSnedecorInversa(0, 5, 0.05); }, 0, 1},
            {"FSnedecorInversa(5, -1, 0.05)", [] { return FSnedecorInversa(5, -1, 0.05); }, 0, 1},
            {"FSnedecorInversa(5, 10, 1.01)", [] { return FSnedecorInversa(5, 10, 1.01); }, 0, 1},
            {"FSnedecorInversa(5, 10, -1)", [] { return FSnedecorInversa(5, 10, -1); }, 0, 1},
            {"BinomialAcum(0, 10, 1.5)", [] { return BinomialAcum(0, 10, 1.5); }, 0, 1},
            {"BinomialAcum(3, 10, -0.1)", [] { return BinomialAcum(3, 10, -0.1); }, 0, 1},
            {"BinomialAcum(11, 10, 2)", [] { return BinomialAcum(11, 10, 2); }, 0, 1},
            {"Ji2Inversa(5, -0.1)", [] { return Ji2Inversa(5, -0.1); }, 0, 1},
            {"Ji2Inversa(5, 1.2)", [] { return Ji2Inversa(5, 1.2); }, 0, 1},
            {"Ji2Inversa(0, 0.05)", [] { return Ji2Inversa(0, 0.05); }, 0, 1},
            {"Ji2Cola(0, 5)", [] { return Ji2Cola(0, 5); }, 0, 1},
            {"Ji2Cola(-3, 5)", [] { return Ji2Cola(-3, 5); }, 0, 1},
            {"PoissonAcum(3, -1)", [] { return PoissonAcum(3, -1); }, 0, 1}},
           0);
  // Their valid neighbours are answered as before.
  CheckAll({{"TStudentCola(1, 3)", [] { return TStudentCola(1, 3); }, std::atan2(1.0, 3) / kPi, 0},
            {"FSnedecorCola(1, 1, 1)", [] { return FSnedecorCola(1, 1, 1); }, 0.5, 0},
            {"FSnedecorInversa(2, 2, 0.5)", [] { return FSnedecorInversa(2, 2, 0.5); }, 1, 0},
            {"BinomialAcum(0, 10, 1)", [] { return BinomialAcum(0, 10, 1); }, 0, 0},
            {"BinomialAcum(0, 10, 0)", [] { return BinomialAcum(0, 10, 0); }, 1, 0},
            {"Ji2Cola(0.5, 0)", [] { return Ji2Cola(0.5, 0); }, 1, 0}},
           1E-14);
}

TEST(FaultDecisions, NoRoutineHangsOrReturnsNaN) {
  // A literal port loops for ever on these: the series meets an infinity, and a NaN
  // comparison never ends the doubling search.
  CheckAll({{"FSnedecorCola(5, 10, -3)", [] { return FSnedecorCola(5, 10, -3); }, 0, 1},
            {"Ji2Inversa(5, -0.1)", [] { return Ji2Inversa(5, -0.1); }, 0, 1},
            // k + 1 overflows a Long
            {"PoissonAcum(max, 5)", [] { return PoissonAcum(kMaxLong, 5); }, 0, 1}},
           0);
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

TEST(FailureStyles, HandlerAndContinueRoutinesReportAFailureAsZero) {
  CheckAll({{"NormalInversa(NaN)", [] { return NormalInversa(kNaN); }, 0, 1},   // handler
            {"TStudentCola(5, 1E+200)", [] { return TStudentCola(5, 1E+200); }, 0, 1},
            {"NormalCola(NaN)", [] { return NormalCola(kNaN); }, 0, 1},         // continue
            {"Ji2Cola(3, NaN)", [] { return Ji2Cola(3, kNaN); }, 0, 1},
            {"BinomialAcum(3, NaN, 0.5)", [] { return BinomialAcum(3, kNaN, 0.5); }, 0, 1},
            // the point overflows: its incomplete beta inverse underflows to 0
            {"FSnedecorInversa(1, 1, 1E-300)", [] { return FSnedecorInversa(1, 1, 1E-300); }, 0, 1}},
           0);
}

// --- Closed forms ----------------------------------------------------------------------

TEST(ClosedForms, StudentTWithOneAndTwoDegreesOfFreedom) {
  for (double t : {-1E+6, -30.0, -2.5, -1.0, 0.1, 1.0, 2.0, 3.0, 10.0, 100.0, 1E+4, 1E+8}) {
    // k = 1: atan(1/t)/pi; k = 2: (1 - t/sqrt(2 + t^2))/2, written without cancellation
    const double r = std::sqrt(2 + t * t);
    const double two = t > 0 ? 1 / (r * (r + t)) : 0.5 * (1 - t / r);
    EXPECT_NEAR(TStudentCola(1, t), std::atan2(1, t) / kPi, 1E-13 * std::atan2(1, t) / kPi) << t;
    EXPECT_NEAR(TStudentCola(2, t), two, 1E-13 * two) << t;
  }
  // Beyond t = 2 the tail keeps its digits: the series' 0.5 - 0.5 p left none of them
  // (it gave -4.4E-16 at k = 29, t = 30).
  for (int32_t k : {3, 29, 100, 1000, 10000}) {
    double previous = 1;
    for (double t : {2.5, 5.0, 10.0, 30.0}) {  // each tail above 1E-190
      const double tail = TStudentCola(k, t);
      EXPECT_GT(tail, 0) << k << " " << t;
      EXPECT_LT(tail, previous) << k << " " << t;
      previous = tail;
    }
  }
  EXPECT_EQ(FormatoCifras(TStudentCola(29, 30), 6), "1.09887E-23");
}

TEST(ClosedForms, ChiSquareWithTwoDegreesOfFreedomAndFWithTwoInTheNumerator) {
  for (double x : {1E-8, 0.3, 2.0, 10.0, 100.0, 1000.0}) {
    // e^(ln x - x - ...) keeps the rounding of x/2 in the exponent
    EXPECT_NEAR(Ji2Cola(2, x), std::exp(-x / 2), (1E-14 + kEps * x) * std::exp(-x / 2)) << x;
  }
  for (double p : {1E-300, 1E-10, 0.05, 0.5, 0.99}) {
    EXPECT_NEAR(Ji2Inversa(2, p), -2 * std::log(p), 1E-13 * -std::log(p)) << p;
  }
  // P(F(2, n) > x) = (1 + 2x/n)^(-n/2)
  for (int32_t n : {1, 2, 7, 40}) {
    for (double x : {0.01, 0.5, 3.0, 50.0}) {
      const double tail = std::pow(1 + 2 * x / n, -n / 2.0);
      EXPECT_NEAR(FSnedecorCola(2, n, x), tail, 1E-13 * tail) << n << " " << x;
    }
    for (double y : {1E-12, 0.05, 0.5, 0.95}) {
      const double x = n / 2.0 * (std::pow(y, -2.0 / n) - 1);
      EXPECT_NEAR(FSnedecorInversa(2, n, y), x, 1E-11 * x) << n << " " << y;
    }
  }
}

TEST(ClosedForms, PoissonAndBinomialSums) {
  for (double lambda : {0.01, 1.0, 4.5, 30.0}) {
    long double term = std::exp(static_cast<long double>(-lambda)), sum = 0;
    for (int32_t k = 0; k <= 40; ++k) {
      sum += term;
      EXPECT_NEAR(PoissonAcum(k, lambda), static_cast<double>(sum), 1E-13 * static_cast<double>(sum))
          << k << " " << lambda;
      term *= lambda / (k + 1);
    }
  }
  for (int n : {1, 2, 7, 20, 30}) {
    for (double p : {0.001, 0.1, 0.5, 0.77, 0.999}) {
      long double sum = 0;
      for (int k = 0; k < n; ++k) {
        long double choose = 1;
        for (int i = 0; i < k; ++i) choose = choose * (n - i) / (i + 1);
        sum += choose * std::pow(static_cast<long double>(p), k) *
               std::pow(static_cast<long double>(1 - p), n - k);
        const double expected = static_cast<double>(sum);
        EXPECT_NEAR(BinomialAcum(k, n, p), expected, 1E-12 * expected) << k << " " << n << " " << p;
      }
    }
  }
}

// --- Round trips of each inverse with its forward tail --------------------------------

TEST(RoundTrips, EachInverseLandsOnItsTail) {
  for (double y : {1E-10, 0.001, 0.3, 0.5, 0.8, 0.999999}) {
    // a lower-tail probability; NormalCola keeps an absolute error of a rounding of 1
    EXPECT_NEAR(1 - NormalCola(NormalInversa(y)), y, 4E-16 + 1E-9 * y) << y;
  }
  for (double df : {0.5, 1.0, 3.0, 17.0, 250.0, 1E+5}) {
    for (double p : {1E-250, 1E-9, 0.01, 0.5, 0.95, 0.9999}) {
      EXPECT_NEAR(Ji2Cola(df, Ji2Inversa(df, p)), p, 2E-9 * p) << df << " " << p;
    }
  }
  for (int32_t k : {1, 2, 5, 30, 1000, 100000}) {
    for (double p : {1E-150, 1E-9, 0.01, 0.3, 0.5, 0.7, 0.99, 0.9999999}) {
      const double t = TStudentInversa(k, p);
      EXPECT_NEAR(TStudentCola(k, t), p, 1E-8 * std::fmin(p, 1 - p) + 2.3E-16) << k << " " << p;
    }
  }
  for (int32_t a : {1, 4, 30, 500}) {
    for (int32_t b : {1, 3, 60, 20000}) {
      for (double y : {1E-100, 1E-6, 0.05, 0.5, 0.97, 0.999999}) {
        const double x = FSnedecorInversa(a, b, y);
        EXPECT_NEAR(FSnedecorCola(a, b, x), y, FRoundTrip(a, b, x, y)) << a << " " << b << " " << y;
      }
    }
  }
  EXPECT_EQ(ErrorFlag, 0);
}

}  // namespace
