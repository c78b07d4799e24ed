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

// A variance or covariance with divisor N from a power sum: sum/N − product, where product
// is mean² or x̄·ȳ; guarded as above.
inline double FromPowerSum(double sum, double product, double N) {
  const double perN = numeric::Chk(sum / N);
  return CancelGuard(numeric::Chk(perN - numeric::Chk(product)), product, perN);
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
