// The t, F and binomial from a million to 2147483647 degrees of freedom or trials against
// the exact values of tests/data/large_df_reference.tsv (tools/numeric_reference.py, mpmath
// at 40 digits, checked there against sums of binomial terms and quadrature of the t
// density): t tails from t = 1E-8 to the last one a normal double holds, points of upper
// tails from 1E-300 to 0.5 - 1E-9 and of lower ones, central parts and their half-widths
// from 1E-300 to 1 - 1E-15; F tails on either side and their points with one or both
// degrees of freedom large; binomial tails and regions about the mean and far out. Every
// value within 1E-9 relative, so each of the six digits shown is right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <set>
#include <string>

#include "numeric/numeric.h"
#include "reference_data.h"

namespace {

using numeric_testing::ReferenceRow;

constexpr double kRelative = 1E-9;

struct LargeCase {
  const char* routine;
  std::size_t least;  // rows the sweep must hold: fewer means the file lost its grid
};

const LargeCase kLargeCases[] = {
    {"TStudentCola", 180},          {"TStudentCentral", 80},     {"TStudentInversa", 180},
    {"TStudentCentralInversa", 110}, {"FSnedecorCola", 230},     {"FSnedecorAcum", 230},
    {"FSnedecorInversa", 160},      {"FSnedecorAcumInversa", 160}, {"BinomialAcum", 170},
    {"BinomialCola", 170},          {"BinomialIntervalo", 160},
};

void PrintTo(const LargeCase& c, std::ostream* os) { *os << c.routine; }

const std::vector<ReferenceRow>& Sweep() {
  static const auto rows = numeric_testing::LoadReference("large_df_reference.tsv", {}, 4);
  return rows;
}

class LargeDegreesOfFreedom : public testing::TestWithParam<LargeCase> {};

TEST_P(LargeDegreesOfFreedom, EveryRowWithinOnePartInABillionAndItsSixDigits) {
  const LargeCase& c = GetParam();
  std::size_t rows = 0, texts = 0, largest = 0;
  for (const ReferenceRow& row : Sweep()) {
    if (row.routine != c.routine) continue;
    ++rows;
    largest += std::count(row.arg, row.arg + 4, 2147483647.0) > 0 ? 1 : 0;
    ErrorFlag = 0;
    const double got = numeric_testing::RoutineOf(c.routine)(row.arg);
    const int16_t flag = ErrorFlag;  // FormatoCifras clears it
    const std::string where = numeric_testing::Describe(row, got);
    EXPECT_EQ(flag, 0) << where;
    EXPECT_LE(std::fabs(got - row.exact), kRelative * std::fabs(row.exact)) << where;
    // Farther than the error allowed from a tie, the exact value's text is the only right
    // one.
    if (row.last > kRelative) {
      ++texts;
      EXPECT_EQ(FormatoCifras(got, 6), FormatoCifras(row.exact, 6)) << where;
    }
  }
  ErrorFlag = 0;
  ASSERT_GE(rows, c.least) << "too few rows for " << c.routine;
  EXPECT_GE(largest * 10, rows) << "too few rows at 2147483647";
  EXPECT_GE(texts * 10, rows * 9) << texts << " of " << rows << " texts compared";
}

INSTANTIATE_TEST_SUITE_P(Routines, LargeDegreesOfFreedom, testing::ValuesIn(kLargeCases),
                         [](const auto& info) { return info.param.routine; });

// A row no case reads would pass unseen; so would a sweep that stopped short of the
// deepest tails.
TEST(LargeDegreesOfFreedomSweep, EveryRowIsReadAndTheTailsGoToTheLastNormalDouble) {
  std::set<std::string> known;
  for (const LargeCase& c : kLargeCases) known.insert(c.routine);
  double smallest = 1;
  for (const ReferenceRow& row : Sweep()) {
    EXPECT_TRUE(known.count(row.routine)) << row.routine << " at line " << row.line;
    if (row.routine.find("Inversa") == std::string::npos) {
      smallest = std::min(smallest, std::fabs(row.exact));
    }
  }
  EXPECT_LT(smallest, 1E-306);
}

}  // namespace
