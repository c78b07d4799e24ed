// Helpers shared by the special functions and the distributions; not part of the public
// interface.
#pragma once

#include <cstddef>

#include "numeric/failure.h"

namespace numeric {

// The value of pi the formulas were tuned with (15 significant digits, not the double
// nearest to pi): reflection formulas and the odd Student t series use it.
inline constexpr double kPi = 3.14159265358979;

// The polynomial with these coefficients, highest power first, at x (Horner's rule).
// Infinities and NaN cannot cancel out of + and *, so checking the end is enough.
template <std::size_t N>
double Horner(const double (&coef)[N], double x) {
  double r = coef[0];
  for (std::size_t i = 1; i < N; ++i) r = r * x + coef[i];
  return Chk(r);
}

// The same with a leading coefficient 1 that the table leaves out.
template <std::size_t N>
double HornerMonic(const double (&coef)[N], double x) {
  double r = x + coef[0];
  for (std::size_t i = 1; i < N; ++i) r = r * x + coef[i];
  return Chk(r);
}

// ln(Gamma(a+b) / (Gamma(a) Gamma(b))), for any size of a and b.
double LnBetaFactor(double a, double b);

// How far a computed I_x(a, b) = value can be from the true one, relative: the rounding of
// the logarithms it adds and subtracts, and the rounding of x, which its caller computed
// (next to 1 that rounding is all that is known of a small 1 - x).
double BetaIncError(double a, double b, double x, double value);

}  // namespace numeric
