// Shared by the numeric tests: the rows of the reference files (those written by
// tools/numeric_reference.py with mpmath at 40 digits, and the hand-written edge file), and
// what the gamma and beta algorithms can keep of a result.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/numeric.h"

namespace numeric_testing {

struct ReferenceRow {
  std::string routine;  // the routine, or the table of a critical-value row
  double arg[4] = {0, 0, 0, 0};  // "-" (not used) reads as 0
  double exact = 0;     // the exact value, rounded to the nearest double
  // The last column. In the exact-value files, how far exact lies from a tie of its
  // rounding to 6 digits, relative to it: a value closer to exact than that has the same
  // 6-digit text. In numeric_edges.tsv, the outcome (0 returns, 1 flags, 2 throws).
  double last = 1;
  int line = 0;
};

// Every row of tests/data/<name>, after those of rows; a missing or malformed file fails
// the calling test. A file has 3 argument columns, or as many as arguments says (at most 4).
inline std::vector<ReferenceRow> LoadReference(const std::string& name,
                                               std::vector<ReferenceRow> rows = {},
                                               int arguments = 3) {
  const std::string path = std::string(ORVALIS_TEST_DATA_DIR) + "/" + name;
  std::ifstream in(path);
  EXPECT_TRUE(in) << "cannot read " << path;
  const int fields = arguments + 3;  // routine, arguments, exact value, last column
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream split(line);
    std::string field[8];  // one more than a row has, to catch an extra column
    for (int i = 0; i <= fields; ++i) split >> field[i];
    ReferenceRow row{field[0], {}, 0, 1, number};
    double* const out[] = {&row.arg[0], &row.arg[1], &row.arg[2], &row.arg[3]};
    bool ok = field[fields].empty();
    for (int i = 0; ok && i < fields - 1; ++i) {
      const std::string& f = field[i + 1];
      const char* end = f.data() + f.size();
      double* const value = i < arguments ? out[i] : i == arguments ? &row.exact : &row.last;
      const auto result = std::from_chars(f.data(), end, *value);
      ok = (i < arguments && f == "-") || (result.ec == std::errc() && result.ptr == end);
    }
    EXPECT_TRUE(ok) << path << ":" << number << ": malformed row: " << line;
    if (ok) rows.push_back(row);
  }
  return rows;
}

// The routines of the four-argument files (large_df_reference.tsv, numeric_ends.tsv) by
// name, each called with a row's arguments, degrees of freedom and counts as Longs; null for
// a name none of them has.
using RowRoutine = double (*)(const double* arg);
inline RowRoutine RoutineOf(const std::string& name) {
  static const auto L = [](double v) { return static_cast<int32_t>(v); };
  static const std::map<std::string, RowRoutine> routines = {
      {"TStudentCola", [](const double* a) { return TStudentCola(L(a[0]), a[1]); }},
      {"TStudentCentral", [](const double* a) { return TStudentCentral(L(a[0]), a[1]); }},
      {"TStudentInversa", [](const double* a) { return TStudentInversa(L(a[0]), a[1]); }},
      {"TStudentCentralInversa",
       [](const double* a) { return TStudentCentralInversa(L(a[0]), a[1]); }},
      {"FSnedecorCola", [](const double* a) { return FSnedecorCola(L(a[0]), L(a[1]), a[2]); }},
      {"FSnedecorAcum", [](const double* a) { return FSnedecorAcum(L(a[0]), L(a[1]), a[2]); }},
      {"FSnedecorInversa",
       [](const double* a) { return FSnedecorInversa(L(a[0]), L(a[1]), a[2]); }},
      {"FSnedecorAcumInversa",
       [](const double* a) { return FSnedecorAcumInversa(L(a[0]), L(a[1]), a[2]); }},
      {"BinomialAcum", [](const double* a) { return BinomialAcum(a[0], a[1], a[2]); }},
      {"BinomialCola", [](const double* a) { return BinomialCola(a[0], a[1], a[2]); }},
      {"BinomialIntervalo",
       [](const double* a) { return BinomialIntervalo(a[0], a[1], a[2], a[3]); }},
      {"PoissonAcum", [](const double* a) { return PoissonAcum(L(a[0]), a[1]); }},
      {"PoissonCola", [](const double* a) { return PoissonCola(L(a[0]), a[1]); }},
      {"PoissonIntervalo",
       [](const double* a) { return PoissonIntervalo(L(a[0]), L(a[1]), a[2]); }},
      {"Ji2Acum", [](const double* a) { return Ji2Acum(a[0], a[1]); }},
      {"Ji2Cola", [](const double* a) { return Ji2Cola(a[0], a[1]); }},
      {"GammaIncInf", [](const double* a) { return GammaIncInf(a[0], a[1]); }},
      {"GammaIncSup", [](const double* a) { return GammaIncSup(a[0], a[1]); }},
  };
  const auto found = routines.find(name);
  return found == routines.end() ? nullptr : found->second;
}

// One line for a failing row, as it stands in its file.
inline std::string Describe(const ReferenceRow& row, double got) {
  return (testing::Message() << std::setprecision(17) << row.routine << "(" << row.arg[0] << ", "
                             << row.arg[1] << ", " << row.arg[2] << ", " << row.arg[3]
                             << ") at line " << row.line << ": exact " << row.exact << ", got "
                             << got)
      .GetString();
}

constexpr double kEps = 2.2E-16;

// An upper bound of |ln Gamma(a)|.
inline double LnGammaSize(double a) {
  const double l = std::fabs(std::log(a));
  return a * l + a + l + 1;
}

// The incomplete gamma and beta functions add and subtract logarithms as large as these
// (a ln x - x - ln Gamma(a); a ln x + b ln(1-x) + ln Gamma(a+b) - ln Gamma(a) - ln Gamma(b))
// and keep their rounding error: about 1E-9 relative at a million degrees of freedom.
inline double GammaLogTerms(double a, double x) {
  return std::fabs(a * std::log(x)) + x + LnGammaSize(a);
}
inline double BetaLogTerms(double a, double b, double x) {
  return std::fabs(a * std::log(x)) + std::fabs(b * std::log1p(-x)) + LnGammaSize(a + b) +
         LnGammaSize(a) + LnGammaSize(b);
}

// x times the density of I_x(a, b): how much a relative change of x moves I. Where a
// routine computes x itself (k/(k+t^2), ib/(ib+ia x), 1-p), 2 kEps times this is what the
// rounding of x costs; next to 1 it is all that is known of a small 1 - x. (A bound for the
// tests, so the standard library's lgamma is fine here.)
inline double BetaSlope(double a, double b, double x) {
  return std::exp(a * std::log(x) + (b - 1) * std::log1p(-x) - std::lgamma(a) - std::lgamma(b) +
                  std::lgamma(a + b));
}

struct Accuracy {
  double rel = 0, abs = 0;  // allowed error: rel * |exact| + abs
};

// Q(a, x) is taken as 1 - P(a, x) below x = a or x = 1, and P as 1 - Q above: those keep
// an absolute error of a few roundings of 1, and the other's own error.
inline Accuracy GammaAccuracy(double a, double x, bool upper) {
  const bool reflected = upper ? x < 1 || x < a : x > 1 && x > a;
  return {1E-13 + kEps * GammaLogTerms(a, x), reflected ? 1E-15 + kEps * GammaLogTerms(a, x) : 0};
}
// Above the mean the result is 1 - I_(1-x)(b, a), capped at 0.9999999999999994; where the
// routine computes x itself, the rounding of x costs 2 kEps times the slope.
inline Accuracy BetaAccuracy(double a, double b, double x, bool computed_x = false) {
  return {1E-13 + kEps * BetaLogTerms(a, b, x),
          (x > a / (a + b) ? 3 * kEps : 0) + (computed_x ? 2 * kEps * BetaSlope(a, b, x) : 0)};
}
// The inverses match the smaller tail, on whichever side it is, to the forward function's
// error; near 0, where the tail is about x^a, a relative error of the tail is 1/a of x.
inline Accuracy GammaInverseAccuracy(double a, double /*y*/, double x) {
  return {1E-12 + kEps * GammaLogTerms(a, x) / std::fmin(a, 1), 0};
}
inline Accuracy BetaInverseAccuracy(double a, double b, double /*y*/, double x) {
  return {1E-12 + kEps * BetaLogTerms(a, b, x) / std::fmin(a, 1), 0};
}

}  // namespace numeric_testing
