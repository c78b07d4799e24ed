// The number library: reading typed numbers, rounding, result formatting and the
// probability distributions every panel rests on. Plain C++, no Qt.
//
// Routines keep their historical names and argument types (Double = double,
// Long = int32_t, Integer = int16_t) so that callers read like the formulas they port.
#pragma once

#include <cstdint>
#include <string>

// Marks an empty cell or an unreadable number. It is a subnormal double, compared by
// equality, and must stay distinct from 0 and -0: nothing may flush subnormals to zero.
inline constexpr double NoValue = -1.27E-309;

// 0 or 1: set to 1 by the distribution routines and the readers when a value cannot be
// computed. Cleared by Redondear on entry (so by FormatoCifras for a non-zero argument);
// otherwise only the panel that starts a computation clears it.
extern int16_t ErrorFlag;

// --- Number text --------------------------------------------------------------------

// Text to number: blank text is 0; "x%" is x/100; "a/b" is a/b; otherwise the number at
// the start of the text ("12abc" is 12, "abc" is 0). A division by zero or a number too
// large for a double gives NoValue. Never touches ErrorFlag. Independent of the locale.
double LeerNumero(const std::string& text);

// Rounds half-up (towards +infinity) to a multiple of 10^(m+1): m = -1 rounds to an
// integer, m = -6 keeps 5 decimals. Clears ErrorFlag on entry; on overflow sets it to 1
// and returns 0.
double Redondear(double x, double m);

// The text of x rounded to n significant digits: "0" for 0, "0.5" not ".5", exponent form
// for very large and very small magnitudes (1.5E-07, 9.877E+21). Empty text and
// ErrorFlag = 1 when x cannot be formatted.
std::string FormatoCifras(double x, double n);

// The plain number-to-text conversion used by the grids, the clipboard and the data files:
// at most 15 significant digits without trailing zeros, "." as separator, no "0" before a
// leading ".", a leading blank in place of the sign of a non-negative number, and an
// exponent form (1.5E-07, 1E+15) below 1E-4 and from 1E+15 on. -0 is written " 0".
std::string StrNumero(double x);

// The text of a number at the start of text, as data files and clipboard text read their
// fields: leading blanks skipped, optional sign, digits with "." as separator, optional
// exponent. A field that does not begin with a number reads as 0; a number too large for a
// double gives NoValue.
double ValNumero(const std::string& text);

// --- Distributions ------------------------------------------------------------------
//
// 1E+300 stands for an infinite point; a point of +-infinity is one too, with tails 0 and 1.
// No probability leaves [0, 1]. Two ways of failing (a result that is not a finite
// double, or an argument outside the distribution):
//  - the distribution routines set ErrorFlag to 1 and return 0 (they never clear it);
//  - the special functions beneath them (Erf, ErfC, LnGamma, StirlingGamma, Gamma, the
//    incomplete gamma and beta functions and their inverses) throw numeric::NumericFailure
//    (numeric/failure.h) and never touch ErrorFlag: call them inside numeric::HandlerStyle
//    or numeric::ContinueStyle.

// erf(x) = (2/sqrt(pi)) * integral of e^(-t^2) from 0 to x. Accurate to about 1E-8 relative
// below |x| = 0.5 (4E-11 at 0.3, 6E-9 near 0.49), to 2E-15 above; exactly +-1 from |x| = 10.
double Erf(double x);
// 1 - erf(x): below x = 0.5 as 1 - Erf(x), with Erf's error; from there on to about 1E-14
// relative wherever a double holds it (to x = 26.5, and in subnormal doubles a little
// beyond); 0 from x = 27.3.
double ErfC(double x);
// P(Z > z) for the standard normal, each tail from its own side: the upper one is
// erfc(z/sqrt 2)/2, with its relative digits down to 1E-308 (z = 37.5).
double NormalCola(double z);
// The z with P(Z <= z) = y (a lower-tail probability); -1E+300 for y <= 0, 1E+300 for y >= 1.
double NormalInversa(double y);
// P(|Z| <= z), the central part itself, with its relative digits however small z is.
double NormalCentral(double z);
// The z >= 0 with P(|Z| <= z) = p, with its relative digits however small p is; 1E+300 for
// p = 1.
double NormalCentralInversa(double p);

// ln |Gamma(x)|; sign receives the sign of Gamma(x) (1 or -1).
double LnGamma(double x, double& sign);
// Gamma(x) by Stirling's formula, for x > 33.
double StirlingGamma(double x);
// Gamma(x); fails at 0 and the negative integers and above about 171.6.
double Gamma(double x);
// The regularized lower incomplete gamma P(a, x); 0 for x <= 0 or a <= 0.
double GammaIncInf(double a, double x);
// The regularized upper incomplete gamma Q(a, x) = 1 - P(a, x); 1 for x <= 0 or a <= 0. The
// small upper tail of a shape below 1 under x = 1 is computed from its own side.
double GammaIncSup(double a, double x);
// The x with Q(a, x) = y, for a > 0 and 0 < y < 1. Each tail is searched for on its own
// side: above y = 1/2 it is the lower one, P(a, x) = 1 - y.
double GammaIncSupInversa(double a, double y);
// The x with P(a, x) = p, for a > 0 and 0 < p < 1, however small p is; 0 for a point below
// the smallest normal double.
double GammaIncInfInversa(double a, double p);
// P(chi-square > x) with df degrees of freedom (df > 0; any real df); 1 for x <= 0. Each
// tail from its own side at every df, subnormal points included.
double Ji2Cola(double df, double x);
// The x with P(chi-square > x) = p (an upper-tail probability): 0 for p = 1, 1E+300 for
// p = 0.
double Ji2Inversa(double df, double p);
// P(chi-square <= x), the lower tail itself; 0 for x <= 0.
double Ji2Acum(double df, double x);
// The x with P(chi-square <= x) = p (a lower-tail probability, however small): 0 for p = 0
// and for a point below the doubles, 1E+300 for p = 1.
double Ji2AcumInversa(double df, double p);
// P(X <= k) for a Poisson count with mean lambda >= 0; 0 for k = -1; any k up to 2147483647.
double PoissonAcum(int32_t k, double lambda);

// The regularized incomplete beta I_x(a, b), for a, b > 0 and 0 <= x <= 1. A result
// computed as 1 - t never reaches 1: it is at most 0.9999999999999994.
double BetaInc(double a, double b, double x);
// I_x(a, b) by its power series, for b*x <= 1 and x <= 0.95; maxgam is the argument above
// which the gamma factors are taken through logarithms.
double BetaIncSerie(double a, double b, double x, double maxgam);
// I_x(a, b)'s continued fraction in x/(1-x), and the one in x; big and biginv rescale it.
double BetaIncFC1(double a, double b, double x, double big, double biginv);
double BetaIncFC2(double a, double b, double x, double big, double biginv);
// The x with I_x(a, b) = y, within 1E-9 of itself: 0 for a root below the smallest normal
// double, at most 0.9999999999999994 next to 1, y itself for y = 0 or 1. Fails where the
// tails cannot place the root that well (some points with a shape below 1E-8, or with both
// above 1E+99), and outside a, b > 0, 0 <= y <= 1.
double BetaIncInversa(double a, double b, double y);

// P(T > t) for Student's t with k >= 1 degrees of freedom, the t's own at every k and every t
// a double holds (beyond |t| = 1.34E+154 too, where t^2 overflows); a tail below the smallest
// normal double may be 0 or subnormal.
double TStudentCola(int32_t k, double t);
// The t with P(T > t) = p (an upper-tail probability, subnormal ones included): 0 for
// p = 0.5, 1E+300 for p = 0, -1E+300 for p = 1 and +-1E+300 only for a point beyond it (1
// degree of freedom and a p within about 3E-301 of 0 or 1).
double TStudentInversa(int32_t k, double p);
// P(|T| <= t), the central part itself, with its relative digits however small t is, and 1
// minus the tails however large.
double TStudentCentral(int32_t k, double t);
// The t >= 0 with P(|T| <= t) = p, with its relative digits however small p is; 1E+300 for
// p = 1.
double TStudentCentralInversa(int32_t k, double p);
// P(F > x) for Snedecor's F with ia, ib >= 1 degrees of freedom; 1 for x = 0.
double FSnedecorCola(int32_t ia, int32_t ib, double x);
// The x with P(F > x) = y (an upper-tail probability, subnormal ones included): 0 for
// y = 1, 1E+300 for y = 0; a point beyond 1E+300 fails.
double FSnedecorInversa(int32_t ia, int32_t ib, double y);
// P(F <= x), the lower tail itself (not 1 - FSnedecorCola, which keeps no digit of a small
// lower tail); 0 for x <= 0.
double FSnedecorAcum(int32_t ia, int32_t ib, double x);
// The x with P(F <= x) = p (a lower-tail probability, however small): 0 for p = 0 and for a
// point below the smallest normal double, 1E+300 for p = 1.
double FSnedecorAcumInversa(int32_t ia, int32_t ib, double p);
// P(X <= k) for a binomial count of n trials with success probability p in [0, 1], up to
// n = 2^53; 1 for k = n or n + 1, 0 for k = -1; any other k outside 0..n fails. k need not be
// whole.
double BinomialAcum(double k, double n, double p);
// P(X > k), the upper tail itself (not 1 - BinomialAcum, which keeps no digit of a small
// tail): 0 for k = n or n + 1, 1 for k = -1; any other k outside 0..n fails.
double BinomialCola(double k, double n, double p);
// P(X > k) for a Poisson count, the upper tail itself; 1 for k = -1.
double PoissonCola(int32_t k, double lambda);
// P(k1 <= X <= k2) for whole 0 <= k1 <= k2 <= n + 1 and 0 < p < 1, with its relative digits
// however small it is, also where both ends lie in one tail.
double BinomialIntervalo(double k1, double k2, double n, double p);
// P(k1 <= X <= k2) for a Poisson count, 0 <= k1 <= k2, lambda > 0, the same way.
double PoissonIntervalo(int32_t k1, int32_t k2, double lambda);

// --- Regions of the continuous distributions ----------------------------------------------
//
// P(x1 <= X <= x2) for x1 <= x2, with its relative digits however short the interval:
// where the two ends' tails would cancel, from the density across it (and across the centre
// of the normal and the t from the two central parts). A standardised point beyond the
// doubles is an infinite point, whose tails are 0 and 1.
double NormalIntervalo(double mu, double sigma, double x1, double x2);
double TStudentIntervalo(int32_t k, double t1, double t2);
double Ji2Intervalo(double df, double x1, double x2);
double FSnedecorIntervalo(int32_t ia, int32_t ib, double x1, double x2);
// The width h > 0 of the interval from x upward (x to x + h) or downward (x - h to x) that
// holds the probability p, with its relative digits however small p is beside the tail
// beyond x; fails where p is not below that tail.
double NormalIntervaloAncho(double mu, double sigma, double x, double p, bool upward);
double TStudentIntervaloAncho(int32_t k, double t, double p, bool upward);
double Ji2IntervaloAncho(double df, double x, double p, bool upward);
double FSnedecorIntervaloAncho(int32_t ia, int32_t ib, double x, double p, bool upward);
// The other end of the equal-tailed interval from x >= 0: the point across the median whose
// tail there equals x's tail on its side, also where that tail is below the doubles. 1E+300
// for x = 0, 0 for a point below the smallest normal double.
double Ji2Opuesto(double df, double x);
double FSnedecorOpuesto(int32_t ia, int32_t ib, double x);
