// The published critical-value tables (t, chi-square and F for 1 to 30, 60 and 120
// degrees of freedom at upper tails 0.05, 0.025 and 0.01, and the normal points), as the
// test and interval panels show them: to 6 significant digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "numeric/numeric.h"
#include "reference_data.h"

namespace {

double CriticalValue(const numeric_testing::ReferenceRow& row) {
  const double df1 = row.arg[0], df2 = row.arg[1], tail = row.arg[2];
  if (row.routine == "t") return TStudentInversa(static_cast<int32_t>(df1), tail);
  if (row.routine == "chi2") return Ji2Inversa(df1, tail);
  if (row.routine == "F") {
    return FSnedecorInversa(static_cast<int32_t>(df1), static_cast<int32_t>(df2), tail);
  }
  return NormalInversa(tail);  // a lower-tail probability
}

TEST(CriticalValues, PublishedTablesComeOutToSixDigits) {
  const auto rows = numeric_testing::LoadReference("critical_values.tsv");
  std::map<std::string, int> count;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.routine + " line " + std::to_string(row.line));
    ErrorFlag = 0;
    const double value = CriticalValue(row);
    ASSERT_EQ(ErrorFlag, 0);
    // Every table lies where the inverses converge fully.
    EXPECT_NEAR(value, row.exact, 1E-13 * std::fabs(row.exact));
    if (row.tie_distance > 1E-9) {
      EXPECT_EQ(FormatoCifras(value, 6), FormatoCifras(row.exact, 6));
    }
    ++count[row.routine];
  }
  // 32 degrees of freedom at 3 tails, F at every pair of them, and 5 normal points.
  EXPECT_EQ(count["t"], 96);
  EXPECT_EQ(count["chi2"], 96);
  EXPECT_EQ(count["F"], 3072);
  EXPECT_EQ(count["normal"], 5);
}

}  // namespace
