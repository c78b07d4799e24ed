// What the gamma and beta algorithms can keep of a result: shared by the numeric tests.
#pragma once

#include <cmath>

namespace numeric_testing {

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
