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

// The double nearest 1 - 5E-16, where a result taken as 1 - t from a small t stops: such a
// result never reaches 1 itself.
inline constexpr double kOneMinusMachep = 0.9999999999999994;
inline double Complement(double t) { return t <= 5E-16 ? kOneMinusMachep : 1 - t; }

// A probability kept inside [0, 1], where the roundings of a sum or product next to an end
// would take it a hair past it; NaN passes through, to fail where it is checked.
inline double Probability(double p) { return p > 1 ? 1 : (p < 0 ? 0 : p); }

// e^(x^2) erfc(x) for x >= 0, to about 1E-14 relative, without under- or overflow.
double ErfcScaled(double x);

// ln Q(a, x) (upper) or ln P(a, x), for a, x > 0, however small the tail is: a tail below
// the doubles still has its logarithm.
double LnGammaTail(double a, double x, bool upper);

// ln(Gamma(a+b) / (Gamma(a) Gamma(b))), for any size of a and b.
double LnBetaFactor(double a, double b);

// ln Gamma(a + s) - ln Gamma(a), for a > 0 and s >= 0, with its digits however large a is.
double LnGammaRatio(double a, double s);

// ln Gamma(x) - ((x - 1/2) ln x - x + ln sqrt(2 pi)), the error of Stirling's formula, for
// x >= 8; and its combination for a beta function, e(a) + e(b) - e(a + b).
double StirlingCorrection(double x);
double StirlingCorrectionSum(double a, double b);

// x - ln(1 + x) for x > -1, without the cancellation of its terms near 0.
double XMinusLog1p(double x);

// The continued fraction both published forms of I_x(a, b) evaluate, in z (x, or x/(1-x)):
// k holds their eight coefficients at the start, step how much each changes per pass.
double BetaContinuedFraction(double z, double (&k)[8], const double (&step)[8], double big,
                             double biginv);
// BetaIncFC1 from z = x/(1 - x) itself, which near x = 1 the caller can compute as x/y.
double BetaFractionInRatio(double a, double b, double z, double big, double biginv);

// How far IncompleteBeta's tails can be from the true ones, relative, at any shapes.
inline constexpr double kBetaTailError = 1E-13;
// How far GammaIncSup and GammaIncInf can be from the true tails at shape a, relative: they
// add logarithms as large as a below the shapes where the uniform expansion takes over.
double GammaTailError(double a);

// The two tails of I_x(a, b): lower = I_x(a, b), upper = 1 - I_x(a, b).
struct BetaTails {
  double lower, upper;
};

// Both tails of I_x(a, b) for a, b > 0 (made for shapes from 1/2 into the billions), from x
// and y = 1 - x, each computed directly by the caller: the smaller of the two must be good to
// its last digit, and only it is used where a rounding would cost digits. The smaller tail
// is computed directly, with its relative digits; the other is 1 minus it, at most
// 0.9999999999999994. Fails (NumericFailure) on arguments outside the domain.
BetaTails IncompleteBeta(double a, double b, double x, double y);

// Both tails of I_x(a, b) by the published algorithm (its power series and continued
// fractions) from x and xc = 1 - x, each computed directly: quick and exact to about
// 1E-16 (|a ln x| + |b ln xc| + ln Gamma(a + b)) where the shapes are moderate.
BetaTails PublishedBetaTails(double a, double b, double x, double xc);
// Up to this shape, with both shapes above 1, IncompleteBeta takes the published way: it is
// quicker there and as exact.
inline constexpr double kPublishedShape = 100;

// ln(x^a y^b / B(a, b)) for x and y = 1 - x, each computed directly, with its digits however
// large the shapes are: the beta density at x times x y.
double LogBetaPowers(double a, double b, double x, double y);

// ln of the tail of I_x(a, b) that IncompleteBeta computes directly (lower tells which),
// however small it is: a tail below the doubles still has its logarithm.
struct SmallBetaTail {
  double ln;
  bool lower;
};
SmallBetaTail LnSmallBetaTail(double a, double b, double x, double y);
// ln of the lower tail of I_x(a, b), or of the upper one.
double LnIncompleteBeta(double a, double b, double x, double y, bool upper);

// A point and its complement, each computed directly.
struct Split {
  double x, y;
};

// ib/(ib + ia x) and ia x/(ib + ia x), the incomplete beta's point for the F at x and its
// complement.
Split FSplit(double ia, double ib, double x);

// ln of the Student t density with k degrees of freedom, ln_c - (k + 1)/2 ln(1 + t^2/k), at
// every t a double holds (t^2 overflows from 1.34E+154); ln_c = StudentLnC(k).
double StudentLnC(double k);
double StudentLnDensity(double k, double ln_c, double t);

}  // namespace numeric
