// Every routine against the exact values of tests/data/numeric_reference.tsv and the
// published critical-value tables of critical_values.tsv (t, chi-square and F for 1 to 30,
// 60 and 120 degrees of freedom at upper tails 0.05, 0.025 and 0.01, and normal points;
// mpmath, 40 digits): within the accuracy its algorithm reaches there, and with the exact
// value's 6-digit text wherever that accuracy decides the text. Then the same routines at
// the ends and failures of tests/data/numeric_edges.tsv, and on every mix of awkward
// arguments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iomanip>
#include <regex>
#include <string>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "reference_data.h"

namespace {

using numeric_testing::Accuracy;
using numeric_testing::BetaAccuracy;
using numeric_testing::BetaInverseAccuracy;
using numeric_testing::BetaLogTerms;
using numeric_testing::GammaAccuracy;
using numeric_testing::GammaInverseAccuracy;
using numeric_testing::kEps;
using numeric_testing::ReferenceRow;

// Saturated, as the awkward arguments go beyond a Long.
int32_t K(double v) {
  return static_cast<int32_t>(std::isnan(v) ? 0 : std::clamp(v, -2147483648.0, 2147483647.0));
}

// A routine's value and its accuracy at a row, with the row's arguments as a, b, c and its
// exact value as e: VAL and ACC take an expression, ROW a body.
#define ROW(type, ...)                                                                  \
  [](const ReferenceRow& r) -> type {                                                   \
    [[maybe_unused]] const double a = r.arg[0], b = r.arg[1], c = r.arg[2], e = r.exact; \
    [[maybe_unused]] double sign;                                                       \
    __VA_ARGS__                                                                         \
  }
#define VAL(...) ROW(double, return __VA_ARGS__;)
#define ACC(...) ROW(Accuracy, return __VA_ARGS__;)

struct RoutineCase {
  std::string routine;
  int args;  // how many of a row's arguments it takes
  std::function<double(const ReferenceRow&)> compute;
  std::function<Accuracy(const ReferenceRow&)> accuracy;
};

const auto kTables = ACC({1E-13, 0});

const RoutineCase kCases[] = {
    // The small-argument erf table as printed: 4E-11 at 0.3, 7E-9 just below 0.5.
    {"Erf", 1, VAL(Erf(a)), ACC(std::fabs(a) < 0.5 ? Accuracy{1E-8, 0} : Accuracy{2E-15, 0})},
    // Below 0.5, 1 - Erf(x); above, the printed ratio to 3 and a continued fraction beyond,
    // as far as a double holds erfc.
    {"ErfC", 1, VAL(ErfC(a)), ACC({std::fabs(a) < 0.5 ? 1E-8 : 1E-14, 0})},
    // erfc(z / sqrt 2) / 2 for the upper tail: the rounding of z / sqrt 2 costs z^2 of it.
    {"NormalCola", 1, VAL(NormalCola(a)),
     ACC({(std::fabs(a) < 0.7072 ? 2E-10 : 0) + 1E-14 + kEps * a * a, 0})},
    {"NormalInversa", 1, VAL(NormalInversa(a)), ACC({2E-15, 0})},
    // erf itself, as small as it gets; its inverse from the series below 1E-4, above from
    // the tail (1 - p)/2, whose rounding costs 1.1E-16/p of it.
    {"NormalCentral", 1, VAL(NormalCentral(a)),
     ACC({std::fabs(a) < 0.7072 ? 1E-8 : 2E-15, 0})},
    {"NormalCentralInversa", 1, VAL(NormalCentralInversa(a)), ACC({2E-15 + kEps / a, 0})},
    // absolute near its zeros at 1 and 2
    {"LnGamma", 1, VAL(LnGamma(a, sign)), ACC({1E-15, 2E-15})},
    {"LnGammaSign", 1, VAL((LnGamma(a, sign), sign)), ACC({})},
    {"Gamma", 1, VAL(Gamma(a)), ACC({2E-15, 0})},
    {"GammaIncInf", 2, VAL(GammaIncInf(a, b)), ACC(GammaAccuracy(a, b, false))},
    {"GammaIncSup", 2, VAL(GammaIncSup(a, b)), ACC(GammaAccuracy(a, b, true))},
    {"GammaIncSupInversa", 2, VAL(GammaIncSupInversa(a, b)), ACC(GammaInverseAccuracy(a, b, e))},
    {"GammaIncInfInversa", 2, VAL(GammaIncInfInversa(a, b)), ACC(GammaInverseAccuracy(a, b, e))},
    {"Ji2Cola", 2, VAL(Ji2Cola(a, b)), ACC(GammaAccuracy(a / 2, std::fmax(b / 2, 1E-300), true))},
    {"Ji2Inversa", 2, VAL(Ji2Inversa(a, b)), ACC(GammaInverseAccuracy(a / 2, b, e / 2))},
    {"PoissonAcum", 2, VAL(PoissonAcum(K(a), b)), ACC(GammaAccuracy(a + 1, b, true))},
    {"BetaInc", 3, VAL(BetaInc(a, b, c)), ACC(BetaAccuracy(a, b, c))},
    {"BetaIncInversa", 3, VAL(BetaIncInversa(a, b, c)), ACC(BetaInverseAccuracy(a, b, c, e))},
    // Within |t| <= 2 a series of up to k/2 terms, each adding a few roundings; beyond, the
    // tail is half of I, or 1 minus that half.
    {"TStudentCola", 2, VAL(TStudentCola(K(a), b)), ROW(Accuracy, {
       if (std::fabs(b) <= 2) return Accuracy{1E-13 + 2 * kEps * a, 0};
       Accuracy acc = BetaAccuracy(a / 2, 0.5, a / (a + b * b), true);
       return {acc.rel * 2, acc.abs + (b < 0 ? kEps : 0)};
     })},
    // 1 - (1 - p) keeps p to one rounding of 1; a point that misses its tail by more than
    // 1E-8 is refined. Near the centre t is the small difference 1 - 2q.
    {"TStudentInversa", 2, VAL(TStudentInversa(K(a), b)), ROW(Accuracy, {
       if (b == 0.5) return Accuracy{};
       const double q = std::fmin(b, 1 - b);
       return {1E-12 + kEps * BetaLogTerms(a / 2, 0.5, a / (a + e * e)) +
                   std::fmin(kEps / q, 1E-8) + kEps / std::fabs(1 - 2 * q), 0};
     })},
    // The series' own k/2 roundings within 2, 1 minus the tails beyond; the inverse as
    // TStudentInversa from p = 1E-4 on (with the rounding of (1 - p)/2), below from the
    // density at 0.
    {"TStudentCentral", 2, VAL(TStudentCentral(K(a), b)), ROW(Accuracy, {
       if (std::fabs(b) <= 2) return Accuracy{1E-13 + 2 * kEps * a, 0};
       return BetaAccuracy(a / 2, 0.5, a / (a + b * b), true);
     })},
    {"TStudentCentralInversa", 2, VAL(TStudentCentralInversa(K(a), b)), ROW(Accuracy, {
       if (b < 1E-4) return Accuracy{1E-13, 0};
       return {1E-12 + kEps / b + kEps * BetaLogTerms(a / 2, 0.5, a / (a + e * e)), 0};
     })},
    {"FSnedecorCola", 3, VAL(FSnedecorCola(K(a), K(b), c)),
     ACC(c == 0 ? Accuracy{} : BetaAccuracy(b / 2, a / 2, b / (b + a * c), true))},
    {"FSnedecorInversa", 3, VAL(FSnedecorInversa(K(a), K(b), c)),
     ACC(BetaInverseAccuracy(b / 2, a / 2, c, b / (b + a * e)))},
    // (1 - p)^n carries the rounding of 1 - p n times over.
    {"BinomialAcum", 3, VAL(BinomialAcum(a, b, c)), ROW(Accuracy, {
       if (a == 0) return Accuracy{1E-14 + kEps * b, 0};
       return c == 0 || c == 1 ? Accuracy{} : BetaAccuracy(b - a, a + 1, 1 - c, true);
     })},
    // The published tables (critical_values.tsv), to which the inverses fully converge.
    {"t", 3, VAL(TStudentInversa(K(a), c)), kTables},
    {"chi2", 3, VAL(Ji2Inversa(a, c)), kTables},
    {"F", 3, VAL(FSnedecorInversa(K(a), K(b), c)), kTables},
    {"normal", 3, VAL(NormalInversa(c)), kTables},  // a lower-tail probability
};

void PrintTo(const RoutineCase& c, std::ostream* os) { *os << c.routine; }

std::string Describe(const ReferenceRow& row) {
  return (testing::Message() << std::setprecision(17) << row.routine << "(" << row.arg[0] << ", "
                             << row.arg[1] << ", " << row.arg[2] << ") at line " << row.line)
      .GetString();
}

class ReferenceGrid : public testing::TestWithParam<RoutineCase> {};

TEST_P(ReferenceGrid, MatchesTheExactValuesWithinItsAccuracy) {
  static const auto all = numeric_testing::LoadReference(
      "critical_values.tsv", numeric_testing::LoadReference("numeric_reference.tsv"));
  const RoutineCase& c = GetParam();
  std::size_t rows = 0, texts_compared = 0;
  for (const auto& row : all) {
    if (row.routine != c.routine) continue;
    ++rows;
    SCOPED_TRACE(Describe(row));
    ErrorFlag = 0;
    double value = 0;
    EXPECT_NO_THROW(value = c.compute(row));
    EXPECT_EQ(ErrorFlag, 0);
    const Accuracy acc = c.accuracy(row);
    const double allowed = acc.rel * std::fabs(row.exact) + acc.abs;
    EXPECT_LE(std::fabs(value - row.exact), allowed) << "exact " << row.exact << ", got " << value;
    // Within the allowed error of the exact value, and the exact value farther than that
    // (and than 1E-9) from a tie: the 6-digit text is the exact value's.
    if (row.last > 1E-9 && row.last * std::fabs(row.exact) > allowed) {
      ++texts_compared;
      EXPECT_EQ(FormatoCifras(value, 6), FormatoCifras(row.exact, 6));
    }
  }
  // The text check must cover most of the grid, not only the easy corner of it.
  ASSERT_GE(rows, 5u) << "too few reference rows for " << c.routine;
  EXPECT_GE(texts_compared * 3, rows * 2) << texts_compared << " of " << rows << " compared";
}

INSTANTIATE_TEST_SUITE_P(Routines, ReferenceGrid, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.routine; });

// Run with ErrorFlag preset to 0 and to 1: a routine that succeeds leaves it as it was, a
// distribution flags a failure and returns 0, a special function throws and leaves it.
TEST(ReferenceEdges, EndsAndFailuresOfEveryRoutine) {
  for (const auto& row : numeric_testing::LoadReference("numeric_edges.tsv")) {
    SCOPED_TRACE(Describe(row));
    const auto c = std::find_if(std::begin(kCases), std::end(kCases),
                                [&](const RoutineCase& k) { return k.routine == row.routine; });
    ASSERT_NE(c, std::end(kCases)) << "unknown routine";
    for (int16_t preset : {0, 1}) {
      ErrorFlag = preset;
      if (row.last == 2) {
        EXPECT_THROW(c->compute(row), numeric::NumericFailure);
      } else {
        EXPECT_EQ(c->compute(row), row.exact);
      }
      EXPECT_EQ(ErrorFlag, row.last == 1 ? 1 : preset) << "from " << preset;
    }
  }
  ErrorFlag = 0;
}

// Every routine ends on every mix of awkward arguments (a literal port looped for ever on
// some): a distribution with a number and ErrorFlag 0 or 1, a special function with a
// number or a failure.
TEST(ReferenceEdges, NoRoutineHangsOrReturnsNaN) {
  const double awkward[] = {NAN, -INFINITY, INFINITY, -1E+300, -1, 0, 1E-300, 0.5, 1, 3, 1E+15,
                            1E+300};
  const std::size_t n = std::size(awkward);
  for (const RoutineCase& c : kCases) {
    // Only the special functions beneath the distributions fail by throwing.
    const bool special = std::regex_match(c.routine, std::regex("Erf.*|(Ln)?Gamma.*|Beta.*"));
    // Every mix of the arguments the routine takes (the others stay at the first value).
    for (std::size_t i = 0; i < static_cast<std::size_t>(std::pow(n, c.args)); ++i) {
      ReferenceRow row;
      for (std::size_t j = 0, rest = i; j < 3; ++j, rest /= n) row.arg[j] = awkward[rest % n];
      ErrorFlag = 0;
      try {
        EXPECT_FALSE(std::isnan(c.compute(row))) << Describe(row);
      } catch (const numeric::NumericFailure&) {
        EXPECT_TRUE(special) << Describe(row) << ": a distribution must not throw";
      }
      EXPECT_TRUE(ErrorFlag == 0 || ErrorFlag == 1) << Describe(row);
    }
  }
  ErrorFlag = 0;
}

}  // namespace
