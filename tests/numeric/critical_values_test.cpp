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

using numeric_testing::BetaLogTerms;
using numeric_testing::kEps;

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
    if (row.last > 1E-9) {
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

// Every t point lands on its tail: the fast one wherever it applies (as tightly as the beta
// inverse, another road to the same number), the general inverse's in deep tails and beyond
// a million degrees of freedom. Small probabilities are not lost to q = 1 - p and 1 - q,
// which below 1.1E-16 gave 0 and the infinite mark; 1 and 2 degrees of freedom have closed
// forms.
TEST(CriticalValues, StudentPointsLandOnTheirTail) {
  const double pi = std::acos(-1.0);
  for (int32_t k : {1, 2, 3, 4, 5, 7, 10, 29, 30, 60, 120, 199, 200, 201, 1000, 10000, 100000,
                    1000000}) {
    for (double q : {1E-300, 1E-100, 1E-20, 1E-12, 1E-10, 1E-8, 1E-6, 1E-4, 0.001, 0.01, 0.025,
                     0.05, 0.1, 0.2, 0.25, 0.3, 0.4, 0.49, 0.4999}) {
      SCOPED_TRACE(testing::Message() << "k " << k << " q " << q);
      ErrorFlag = 0;
      const double t = TStudentInversa(k, q);
      EXPECT_EQ(ErrorFlag, 0);
      if (k == 1 && q < 3E-154) {
        // The point is beyond 1E+153, where k/(k + t^2) no longer holds it: the infinite
        // mark stands for it, without a failure.
        EXPECT_EQ(t, 1E+300);
        continue;
      }
      double fast = 0;
      const bool common = q >= 1E-10 && k <= 1000000;
      ASSERT_EQ(numeric::StudentPointFast(k, q, fast), common);
      if (common) {
        EXPECT_EQ(t, fast);
        EXPECT_NEAR(t, StudentByBetaInverse(k, q), 1E-9 * t + 1E-15) << "beta inverse";
      }
      // The general inverse's 1E-8 check; the library's own tail keeps fewer digits as k
      // grows (logarithms of gammas ~ k ln k).
      const double off = (common ? 1E-11 + 1E-15 * k : 1E-8) * q;
      EXPECT_NEAR(TStudentCola(k, t), q, off + 4E-16);
      EXPECT_NEAR(TStudentCola(k, -t), 1 - q, off + 2.3E-16);
      EXPECT_TRUE(1 - (1 - q) != q || TStudentInversa(k, 1 - q) == -t);
      if (k == 1) {
        EXPECT_NEAR(t, 1 / std::tan(pi * q), 1E-9 * t + 1E-12 / q);
      } else if (k == 2) {
        EXPECT_NEAR(t, (1 - 2 * q) / std::sqrt(2 * q * (1 - q)), 1E-12 / std::sqrt(q));
      }
    }
  }
  // Near p = 1 the small 1 - p is exact: nothing is lost there.
  const double p = 1 - 1E-16;
  EXPECT_NEAR(TStudentInversa(1, p), -1 / std::tan(pi * (1 - p)), 1E-12 / (1 - p));
}

// The F points the same way; above y = 0.5 the lower tail, computed directly, is the one
// that must match closely.
TEST(CriticalValues, FPointsLandOnTheirTail) {
  const int32_t df[] = {1, 2, 3, 5, 9, 14, 30, 120, 1000, 100000, 1000000};
  for (int32_t ia : df) {
    for (int32_t ib : df) {
      for (double y : {1E-100, 1E-20, 1E-12, 1E-10, 1E-6, 0.001, 0.01, 0.025, 0.05, 0.1, 0.5, 0.9,
                       0.95, 0.975, 0.99, 0.999999, 1 - 1E-12}) {
        SCOPED_TRACE(testing::Message() << ia << " " << ib << " y " << y);
        ErrorFlag = 0;
        const double x = FSnedecorInversa(ia, ib, y);
        EXPECT_EQ(ErrorFlag, 0);
        double fast = 0;
        const bool common = y >= 1E-10 && y <= 1 - 1E-10 && ia <= 1000000 && ib <= 1000000;
        ASSERT_EQ(numeric::FPointFast(ia, ib, y, fast), common);
        if (common) {
          EXPECT_EQ(x, fast);
        }
        const double u = ia * x / (ib + ia * x);
        const double rel = (common ? 1E-9 : 1E-8) + kEps * BetaLogTerms(ia / 2.0, ib / 2.0, u);
        if (y <= 0.5) {
          EXPECT_NEAR(FSnedecorCola(ia, ib, x), y, rel * y);
        } else {
          const double lower =
              numeric::HandlerStyle([&] { return BetaInc(ia / 2.0, ib / 2.0, u); });
          EXPECT_NEAR(lower, 1 - y, rel * (1 - y));
        }
      }
    }
  }
}

}  // namespace
