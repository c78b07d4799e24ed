// Small pieces shared by the statistics' passes and the graph hand-over.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "tables/table_data.h"

namespace tables::detail {

// The last row a loop over rows 1..n may read: a row count beyond the arrays never
// reaches past their end.
inline int32_t LastRow(int32_t n) { return std::clamp<int32_t>(n, 0, kArraySize - 1); }

// A difference of two large terms that should be 0 comes out as rounding noise; anything
// below 1E-12 times the size of the terms it was computed from is taken as 0.
inline double CancelGuard(double value, double term1, double term2) {
  return (std::fabs(term1) + std::fabs(term2)) * 1E-12 > std::fabs(value) ? 0.0 : value;
}

// Whether every row that carries weight holds one and the same value. The deviations of
// such data about their computed mean are all that mean's own rounding error, so their
// spread is 0 exactly, whatever their size (0.1 three times, 10000000.1 five times).
class ConstantCheck {
 public:
  void Take(double v, double n) {
    if (n == 0) return;
    if (!seen_) value_ = v;
    constant_ = constant_ && v == value_;
    seen_ = true;
  }
  bool Constant() const { return constant_; }

 private:
  bool seen_ = false, constant_ = true;
  double value_ = 0;
};

// A variance or covariance (divisor N) from the deviations about the computed means:
// Sdd = Σ n·dx·dy, and cx, cy = Σ n·d / N, the error rounding left in each mean. Taken
// from power sums instead, data far from zero (10000001, 10000002, 10000003) would lose
// every digit to the subtraction.
inline double FromDeviations(double Sdd, double cx, double cy, double N) {
  return numeric::Chk(numeric::Chk(Sdd / N) - numeric::Chk(cx * cy));
}

// Most result boxes show 10 significant digits.
inline std::string Fmt10(double v) { return FormatoCifras(v, 10); }

// The text without its leading and trailing blanks (spaces only, as typed).
inline std::string TrimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace tables::detail
