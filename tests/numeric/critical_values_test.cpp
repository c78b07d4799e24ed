// Critical values: the published tables (t, chi-square and F for 1 to 30, 60 and 120
// degrees of freedom at upper tails 0.05, 0.025 and 0.01, and the normal points) to 6
// digits, and the fast t and F points landing on their tails as tightly as the incomplete
// beta inverse does, over common degrees and beyond.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "reference_data.h"

namespace {

double CriticalValue(const numeric_testing::ReferenceRow& row) {
  const auto df1 = static_cast<int32_t>(row.arg[0]), df2 = static_cast<int32_t>(row.arg[1]);
  if (row.routine == "t") return TStudentInversa(df1, row.arg[2]);
  if (row.routine == "chi2") return Ji2Inversa(row.arg[0], row.arg[2]);
  if (row.routine == "F") return FSnedecorInversa(df1, df2, row.arg[2]);
  return NormalInversa(row.arg[2]);  // a lower-tail probability
}

TEST(CriticalValues, PublishedTablesComeOutToSixDigits) {
  std::map<std::string, int> count;
  for (const auto& row : numeric_testing::LoadReference("critical_values.tsv")) {
    SCOPED_TRACE(row.routine + " line " + std::to_string(row.line));
    ErrorFlag = 0;
    const double value = CriticalValue(row);
    ASSERT_EQ(ErrorFlag, 0);
    EXPECT_NEAR(value, row.exact, 1E-13 * std::fabs(row.exact));  // inverses fully converged
    if (row.tie_distance > 1E-9) {
      EXPECT_EQ(FormatoCifras(value, 6), FormatoCifras(row.exact, 6));
    }
    ++count[row.routine];
  }
  // 32 degrees of freedom at 3 tails, F at every pair of them, and 5 normal points.
  EXPECT_EQ(count,
            (std::map<std::string, int>{{"F", 3072}, {"chi2", 96}, {"normal", 5}, {"t", 96}}));
}

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

TEST(CriticalValues, FastStudentPointsLandOnTheirTail) {
  for (int32_t k : {1, 2, 3, 4, 5, 6, 7, 9, 10, 15, 29, 30, 60, 120, 199, 200, 201, 500, 1000,
                    100000, 1000000}) {
    for (double q : {1E-10, 1E-8, 1E-6, 1E-4, 0.0005, 0.001, 0.005, 0.01, 0.025, 0.05, 0.1, 0.2,
                     0.25, 0.3, 0.4, 0.45, 0.49, 0.4999}) {
      SCOPED_TRACE(testing::Message() << "k " << k << " q " << q);
      double t = 0;
      ASSERT_TRUE(numeric::StudentPointFast(k, q, t));
      ErrorFlag = 0;
      // The library's own tail keeps fewer digits as k grows (logarithms of gammas ~ k ln k).
      EXPECT_NEAR(TStudentCola(k, t), q, (1E-11 + 1E-15 * k) * q + 4E-16);
      EXPECT_EQ(ErrorFlag, 0);
      EXPECT_NEAR(t, StudentByBetaInverse(k, q), 1E-9 * t + 1E-15) << "beta inverse";
      EXPECT_EQ(TStudentInversa(k, q), t);  // both signs of the public routine
      EXPECT_TRUE(1 - (1 - q) != q || TStudentInversa(k, 1 - q) == -t);
    }
  }
}

TEST(CriticalValues, FastFPointsLandOnTheirTail) {
  const int32_t df[] = {1, 2, 3, 5, 9, 14, 30, 120, 1000, 100000};
  for (int32_t ia : df) {
    for (int32_t ib : df) {
      for (double y : {1E-10, 1E-6, 0.001, 0.01, 0.025, 0.05, 0.1, 0.5, 0.9, 0.95, 0.975, 0.99,
                       0.999999}) {
        SCOPED_TRACE(testing::Message() << ia << " " << ib << " y " << y);
        double x = 0;
        ASSERT_TRUE(numeric::FPointFast(ia, ib, y, x));
        ErrorFlag = 0;
        // The smaller tail, computed directly, is the one that must match closely.
        if (y <= 0.5) {
          EXPECT_NEAR(FSnedecorCola(ia, ib, x), y, 1E-9 * y);
        } else {
          const double lower = numeric::HandlerStyle(
              [&] { return BetaInc(0.5 * ia, 0.5 * ib, ia * x / (ib + ia * x)); });
          EXPECT_NEAR(lower, 1 - y, 1E-9 * (1 - y));
        }
        EXPECT_EQ(ErrorFlag, 0);
        EXPECT_EQ(FSnedecorInversa(ia, ib, y), x);
      }
    }
  }
}

TEST(CriticalValues, OutsideTheCommonCaseTheGeneralInverseAnswers) {
  // Deep tails and degrees of freedom beyond a million are left to the general inverse.
  double x = 7;
  for (const auto& [k, q] : {std::pair{5, 1E-12}, {3, 0.0}, {2000000, 0.05}, {10, 0.5}}) {
    EXPECT_FALSE(numeric::StudentPointFast(k, q, x)) << k << " " << q;
  }
  EXPECT_FALSE(numeric::FPointFast(5, 10, 1E-12, x) || numeric::FPointFast(0, 10, 0.05, x) ||
               numeric::FPointFast(5, 2000000, 0.05, x));
  EXPECT_EQ(x, 7);
  ErrorFlag = 0;
  EXPECT_NEAR(TStudentCola(5, TStudentInversa(5, 1E-12)), 1E-12, 1E-20);
  EXPECT_NEAR(FSnedecorCola(5, 10, FSnedecorInversa(5, 10, 1E-12)), 1E-12, 1E-20);
  EXPECT_EQ(ErrorFlag, 0);
}

}  // namespace
