// Shared by the numeric tests: the rows of the reference files (those written by
// tools/numeric_reference.py with mpmath at 40 digits, and the hand-written edge file), and
// what the gamma and beta algorithms can keep of a result.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace numeric_testing {

struct ReferenceRow {
  std::string routine;  // the routine, or the table of a critical-value row
  double arg[3] = {0, 0, 0};  // "-" (not used) reads as 0
  double exact = 0;     // the exact value, rounded to the nearest double
  // The last column. In the exact-value files, how far exact lies from a tie of its
  // rounding to 6 digits, relative to it: a value closer to exact than that has the same
  // 6-digit text. In numeric_edges.tsv, the outcome (0 returns, 1 flags, 2 throws).
  double last = 1;
  int line = 0;
};

// Every row of tests/data/<name>, after those of rows; a missing or malformed file fails
// the calling test.
inline std::vector<ReferenceRow> LoadReference(const std::string& name,
                                               std::vector<ReferenceRow> rows = {}) {
  const std::string path = std::string(ORVALIS_TEST_DATA_DIR) + "/" + name;
  std::ifstream in(path);
  EXPECT_TRUE(in) << "cannot read " << path;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream split(line);
    std::string field[7];  // one more than a row has, to catch an extra column
    for (auto& f : field) split >> f;
    ReferenceRow row{field[0], {}, 0, 1, number};
    double* const out[] = {&row.arg[0], &row.arg[1], &row.arg[2], &row.exact, &row.last};
    bool ok = field[6].empty();
    for (int i = 0; ok && i < 5; ++i) {
      const std::string& f = field[i + 1];
      const char* end = f.data() + f.size();
      const auto result = std::from_chars(f.data(), end, *out[i]);
      ok = (i < 3 && f == "-") || (result.ec == std::errc() && result.ptr == end);
    }
    EXPECT_TRUE(ok) << path << ":" << number << ": malformed row: " << line;
    if (ok) rows.push_back(row);
  }
  return rows;
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

}  // namespace numeric_testing
