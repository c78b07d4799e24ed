// Both tails of the regularized incomplete beta function for shape parameters from 1/2 up to
// the billions that the t, F and binomial distributions hand over.
//
// The published continued fraction works from x alone and takes the power x^a y^b as a sum
// of logarithms. With shapes in the billions both fail: x = k/(k + t^2) rounds next to 1, so
// that 1 - x keeps few digits; the logarithms cancel to a small sum and keep 1E-16 of their
// size; and the fraction needs tens of thousands of passes near the mean. So the caller
// hands over x and y = 1 - x, each computed directly, the smaller of them being exact to its
// last digit, and each case goes to the method that keeps its digits quickly (after A. R.
// DiDonato and A. H. Morris, ACM Algorithm 708, and N. M. Temme's uniform expansions):
//  - a power series where x (times the second shape) is small;
//  - a finite sum that steps a shape down to below 1, where that puts x in reach of the
//    series or the expansion below;
//  - for one large shape and one at most 1, the expansion in incomplete gamma functions;
//  - for two large shapes near the mean, the expansion about the normal;
//  - elsewhere a continued fraction written in x's distance from the mean, which converges
//    quickly there.
// The power x^a y^b / B(a, b) is taken from the relative distance to the mean where both
// shapes are large, so that nothing of its size cancels. Moderate shapes above 1 keep the
// published algorithm, fed the exact complement: it is as exact there, and quicker.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/special_internal.h"

namespace numeric {

namespace {

// The relative accuracy the series and expansions are carried to.
constexpr double kAccuracy = 1E-15;
constexpr double kLnSqrt2Pi = 0.918938533204672741780329736406;
constexpr double kTwoOverSqrtPi = 1.128379167095512573896158903122;
constexpr double kSqrtPi = 1.772453850905516027298167483341;
// Below this a probability is 0 (as the program shows it).
const double kUnderflowLog = std::log(DBL_MIN);

// ln(e^p + e^q), either of them possibly -infinity.
double LogAdd(double p, double q) {
  if (p == -HUGE_VAL) return q;
  if (q == -HUGE_VAL) return p;
  const double high = std::max(p, q);
  return high + std::log1p(std::exp(std::min(p, q) - high));
}

// Below this shape ln Gamma(1 + b) and the incomplete gamma function are taken from their
// expansions about b = 0.
constexpr double kTinyShape = 1E-3;

// ln Gamma(1 + b) for 0 < b < kTinyShape: -gamma b + sum of (-1)^k zeta(k) b^k / k.
double LnGammaOnePlusTiny(double b) {
  static constexpr double kZeta[] = {1.6449340668482264, 1.2020569031595943, 1.0823232337111382,
                                     1.0369277551433699, 1.0173430619844491};
  double sum = 0, power = b;
  for (int k = 2; k <= 6; ++k) {
    power *= -b;
    sum += kZeta[k - 2] * -power / k;
  }
  return -0.57721566490153286 * b + sum;
}

// Gamma(b, z) e^z z^(-b), the upper incomplete gamma function without its leading power and
// exponential, for 0 < b <= 1 and z > 0.
double UpperGammaScaled(double b, double z) {
  if (b == 1) return 1 / z;
  // Gamma(1/2, z) = sqrt(pi) erfc(sqrt z): the t distribution's case, the common one.
  if (b == 0.5) {
    const double root = std::sqrt(z);
    return kSqrtPi * ErfcScaled(root) / root;
  }
  // Past this the continued fraction's passes no longer change its value, which stays one
  // rounding from converged and never passes its test; two terms of the asymptotic series
  // 1 + (b - 1)/z + (b - 1)(b - 2)/z^2 + ... hold all its digits.
  if (z >= 1E+15) return (1 + (b - 1) / z) / z;
  if (z >= 1) {
    // Legendre's continued fraction 1/(z + 1 - b - 1(1 - b)/(z + 3 - b - 2(2 - b)/(...))),
    // by the modified Lentz method.
    constexpr double kTiny = 1E-300;
    double bn = z + 1 - b;
    double f = 1 / bn, c = 1 / kTiny, d = f;
    for (int n = 1; n < 1000; ++n) {
      const double an = -n * (n - b);
      bn += 2;
      d = bn + an * d;
      if (d == 0) d = kTiny;
      c = bn + an / c;
      if (c == 0) c = kTiny;
      d = 1 / d;
      const double delta = c * d;
      f *= delta;
      if (std::fabs(delta - 1) < 1E-16) return f;
    }
    Fail();
  }
  if (b < kTinyShape) {
    // The two terms below are each about e^z / b here and cancel to about E1(z). Apart:
    // e^z (Gamma(1 + b) z^-b - 1) / b plus the sum of z^n/n! (1 - n!/((1 + b)...(n + b))) / b,
    // each with its relative digits.
    double sum = std::exp(z) * std::expm1(LnGammaOnePlusTiny(b) - b * std::log(z)) / b;
    double power = 1, ln_rising = 0;
    for (int n = 1; n < 100; ++n) {
      power *= z / n;
      ln_rising += std::log1p(b / n);
      const double term = power * -std::expm1(-ln_rising) / b;
      sum += term;
      if (term < 1E-17 * std::fabs(sum)) break;
    }
    return sum;
  }
  // Gamma(b) e^z z^-b less the lower function's series sum z^n / (b (b+1) ... (b+n)).
  double term = 1 / b, sum = term;
  for (int n = 1; n < 100; ++n) {
    term *= z / (b + n);
    sum += term;
    if (term < 1E-17 * sum) break;
  }
  return Gamma(b) * std::exp(z - b * std::log(z)) - sum;
}

// ln Gamma(b) for 0 < b <= 1; 1/2 and 1, which the t, F and binomial hand over, at once.
double LnGammaOfFraction(double b) {
  if (b == 0.5) return 0.57236494292470008707;  // ln sqrt(pi)
  if (b == 1) return 0;
  double sign;
  return LnGamma(b, sign);
}

// ln x, from x itself or from y = 1 - x, whichever of the two the caller computed directly
// (the smaller).
double LnX(double x, double y) { return x <= y ? std::log(x) : std::log1p(-y); }

// lambda = a - (a + b) x, x's distance from the mean a/(a + b) in units of 1/(a + b), from x
// or, from_y, as (a + b) y - b. a + b itself may round (a binomial of 2^53 trials has
// a + b = 2^53 + 1): what it loses is added on its own.
double MeanDistance(double a, double b, double x, double y, bool from_y) {
  const double s = a + b;
  const double b_in_s = s - a;
  const double lost = (a - (s - b_in_s)) + (b - b_in_s);  // s + lost = a + b exactly
  return from_y ? std::fma(s, y, -b) + lost * y : std::fma(-s, x, a) - lost * x;
}

}  // namespace

// Where both shapes are large it is -(a phi(-lambda/a) + b phi(lambda/b)) with
// phi(e) = e - ln(1 + e) and lambda = a - (a + b) x, the distance of x from the mean
// a/(a + b) in units of 1/(a + b), plus Stirling's constant: the two powers' logarithms are
// each about (a + b) ln 2 and their sum a small number.
double LogBetaPowers(double a, double b, double x, double y) {
  if (x == 0 || y == 0) return -HUGE_VAL;
  if (std::min(a, b) >= 8) {
    // lambda from the smaller of x and y, the one known to its last digit.
    const double lambda = MeanDistance(a, b, x, y, x > y);
    const double e1 = -lambda / a, e2 = lambda / b;
    // Far from the mean the ratio itself: 1 + e is then no longer near 1.
    const double u = std::fabs(e1) > 0.5 ? e1 - std::log(x * (a + b) / a) : XMinusLog1p(e1);
    const double v = std::fabs(e2) > 0.5 ? e2 - std::log(y * (a + b) / b) : XMinusLog1p(e2);
    // a b / (a + b) as a / (a + b) times b, which does not overflow with a shape above 1E+154.
    return -(a * u + b * v) - kLnSqrt2Pi + 0.5 * std::log(a / (a + b) * b) -
           StirlingCorrectionSum(a, b);
  }
  return a * LnX(x, y) + b * LnX(y, x) + LnBetaFactor(a, b);
}

namespace {

// ln I_x(a, b) by its power series x^a / (a B(a, b)) (1 + a sum c_n / (a + n)), c_n =
// prod (1 - b/j) x: for b <= 1, or b x small.
double LnBetaSeries(double a, double b, double x, double y) {
  const double tol = kAccuracy / a;
  double sum = 0, c = 1, w;
  double n = 0;
  do {
    n += 1;
    if (n > 100000) Fail();
    c *= (1 - b / n) * x;
    w = c / (a + n);
    sum += w;
  } while (std::fabs(w) > tol);
  return a * LnX(x, y) + LnBetaFactor(a, b) - std::log(a) + std::log1p(a * sum);
}

// ln(I_x(a, b) - I_x(a + n, b)): the n positive terms x^(a+i) y^b / ((a+i) B(a+i, b)), each
// the one before times x (a + b + i - 1)/(a + i).
double LnBetaSteps(double a, double b, double x, double y, int n) {
  if (n <= 0) return -HUGE_VAL;
  const double ln_lead = LogBetaPowers(a, b, x, y) - std::log(a);
  double term = 1, sum = 1, scale = 0;
  for (int i = 1; i < n; ++i) {
    const double factor = x * (a + b + i - 1) / (a + i);
    // A shape near the top of the doubles makes one factor alone as large as 1E+300.
    if (term * factor > 1E300) {
      scale += std::log(sum);
      term /= sum;
      sum = 1;
    }
    term *= factor;
    sum += term;
    if (sum > 1E200) {  // rescaled to stay in the doubles; the scale goes to the exponent
      term *= 1E-200;
      sum *= 1E-200;
      scale += 460.51701859880914;  // ln 1E+200
    }
  }
  return ln_lead + scale + std::log(sum);
}

// ln(w + I_x(a, b)) for a large (at least 15) and 0 < b <= 1: Temme's expansion in incomplete
// gamma functions of z = -(a + (b - 1)/2) ln x. With t = e^-s, I_x(a, b) B(a, b) is the
// integral from -ln x on of e^(-T s) s^(b-1) (sinh(s/2)/(s/2))^(b-1) ds, T = a + (b-1)/2; the
// last factor is even in s, and each term of its series integrates to an incomplete gamma
// function. w (given as its logarithm) also sets how small a term may be neglected.
double LnBetaGammaExpansion(double a, double b, double x, double y, double ln_w) {
  const double bm1 = b - 1;
  const double nu = a + 0.5 * bm1;
  const double lnx = LnX(x, y);
  const double z = -nu * lnx;
  if (!(z > 0)) Fail();
  // u = z^b e^-z Gamma(a + b) / (Gamma(a) Gamma(b) nu^b)
  const double ln_u = b * std::log(z / nu) - z + LnGammaRatio(a, b) - LnGammaOfFraction(b);
  // w relative to u; where w is that much larger, nothing of u can show.
  if (ln_w - ln_u > 700) return ln_w;
  const double l = std::exp(ln_w - ln_u);
  // j_n = Gamma(b + 2n, z) / (z^b e^-z (2 nu)^(2n)), by the recurrence of Gamma(s, z).
  double j = UpperGammaScaled(b, z);
  const double v = 0.25 / (nu * nu);
  const double t2 = 0.25 * lnx * lnx;
  double sum = j, t = 1, cn = 1, n2 = 0;
  // c: the series of sinh(s/2)/(s/2) in (s/2)^2; d: its power b - 1.
  double c[30], d[30];
  for (int n = 1; n <= 30; ++n) {
    const double bp2n = b + n2;
    j = (bp2n * (bp2n + 1) * j + (z + bp2n + 1) * t) * v;
    n2 += 2;
    t *= t2;
    cn /= n2 * (n2 + 1);
    c[n - 1] = cn;
    double s = 0;
    double coef = b - n;
    for (int i = 1; i < n; ++i) {
      s += coef * c[i - 1] * d[n - 1 - i];
      coef += b;
    }
    d[n - 1] = bm1 * cn + s / n;
    const double dj = d[n - 1] * j;
    sum += dj;
    if (!(sum > 0)) Fail();
    if (std::fabs(dj) <= kAccuracy * (sum + l)) break;
  }
  return LogAdd(ln_w, ln_u + std::log(sum));
}

// ln I_x(a, b) for a, b above 100 and x within 3 % of the mean: Temme's uniform expansion
// about the normal, in lambda = a - (a + b) x >= 0.
double LnBetaNormalExpansion(double a, double b, double lambda) {
  constexpr int kTerms = 20;
  constexpr double e0 = kTwoOverSqrtPi;
  constexpr double e1 = 0.353553390593273762200422181052;  // 2^(-3/2)
  double h, r0, r1, w0;
  if (a < b) {
    h = a / b;
    r0 = 1 / (1 + h);
    r1 = (b - a) / b;
    w0 = 1 / std::sqrt(a * (1 + h));
  } else {
    h = b / a;
    r0 = 1 / (1 + h);
    r1 = (b - a) / a;
    w0 = 1 / std::sqrt(b * (1 + h));
  }
  const double f = a * XMinusLog1p(-lambda / a) + b * XMinusLog1p(lambda / b);
  const double z0 = std::sqrt(f);
  const double z = 0.5 * (z0 / e1);
  const double z2 = f + f;

  double a0[kTerms + 2], b0[kTerms + 2], c[kTerms + 2], d[kTerms + 2];
  a0[0] = 2.0 / 3 * r1;
  c[0] = -0.5 * a0[0];
  d[0] = -c[0];
  double j0 = 0.5 / e0 * ErfcScaled(z0);
  double j1 = e1;
  double sum = j0 + d[0] * w0 * j1;

  double s = 1, hn = 1, w = w0, znm1 = z, zn = z2;
  const double h2 = h * h;
  for (int n = 2; n <= kTerms; n += 2) {
    hn *= h2;
    a0[n - 1] = 2 * r0 * (1 + h * hn) / (n + 2);
    const int np1 = n + 1;
    s += hn;
    a0[np1 - 1] = 2 * r1 * s / (n + 3);
    for (int i = n; i <= np1; ++i) {
      const double r = -0.5 * (i + 1);
      b0[0] = r * a0[0];
      for (int m = 2; m <= i; ++m) {
        double bsum = 0;
        for (int jj = 1; jj < m; ++jj) {
          const int mmj = m - jj;
          bsum += (jj * r - mmj) * a0[jj - 1] * b0[mmj - 1];
        }
        b0[m - 1] = r * a0[m - 1] + bsum / m;
      }
      c[i - 1] = b0[i - 1] / (i + 1);
      double dsum = 0;
      for (int jj = 1; jj < i; ++jj) dsum += d[i - jj - 1] * c[jj - 1];
      d[i - 1] = -(dsum + c[i - 1]);
    }
    j0 = e1 * znm1 + (n - 1) * j0;
    j1 = e1 * zn + n * j1;
    znm1 *= z2;
    zn *= z2;
    w *= w0;
    const double t0 = d[n - 1] * w * j0;
    w *= w0;
    const double t1 = d[np1 - 1] * w * j1;
    sum += t0 + t1;
    if (std::fabs(t0) + std::fabs(t1) <= kAccuracy * sum) break;
  }
  return -f - StirlingCorrectionSum(a, b) + std::log(e0 * sum);
}

// ln I_x(a, b) for x at or below the mean (lambda = a - (a + b) x >= 0), as x^a y^b / B(a, b)
// times a continued fraction whose terms take x's distance from the mean from lambda itself.
// The published fractions in x cancel to that distance in every pass, which costs a shape
// in the billions most of its digits next to x = 1.
double LnBetaFraction(double a, double b, double x, double y, double lambda) {
  const double ln_lead = LogBetaPowers(a, b, x, y);
  const double c = lambda + 1, c0 = b / a, c1 = 1 / a + 1, yp1 = y + 1;
  double p = 1, s = a + 1;
  double an = 0, bn = 1, anp1 = 1, bnp1 = c / c1, r = c1 / c;
  for (double n = 1;; ++n) {
    if (n > 100000) Fail();
    double t = n / a;
    const double w = n * (b - n) * x;
    double e = a / s;
    const double alpha = p * (p + c0) * e * e * (w * x);
    e = (1 + t) / (c1 + t + t);
    const double beta = n + w / s + e * (c + n * yp1);
    p = t + 1;
    s += 2;
    t = alpha * an + beta * anp1;
    an = anp1;
    anp1 = t;
    t = alpha * bn + beta * bnp1;
    bn = bnp1;
    bnp1 = t;
    const double r0 = r;
    r = anp1 / bnp1;
    if (!std::isfinite(r)) Fail();
    if (std::fabs(r - r0) <= kAccuracy * r) break;
    an /= bnp1;
    bn /= bnp1;
    anp1 = r;
    bnp1 = 1;
  }
  return ln_lead + std::log(r);
}

}  // namespace

double XMinusLog1p(double x) {
  if (std::fabs(x) > 0.5) return x - std::log1p(x);
  // ln(1 + x) = 2 atanh r = 2 (r + r^3/3 + r^5/5 + ...) with r = x/(2 + x), and x - 2r = r x.
  const double r = x / (2 + x), r2 = r * r;
  double power = r2, series = 0;
  for (int j = 1; j < 40; ++j) {
    const double add = power / (2 * j + 1);
    series += add;
    if (add < 1E-17 * series) break;
    power *= r2;
  }
  return r * x - 2 * r * series;
}

double StirlingCorrection(double x) {
  // The Bernoulli numbers' series; from x = 8 on its ninth term is below 1E-16.
  static constexpr double kCoef[] = {1.0 / 12,        -1.0 / 360,      1.0 / 1260,
                                     -1.0 / 1680,     1.0 / 1188,      -691.0 / 360360,
                                     1.0 / 156,       -3617.0 / 122400};
  const double r = 1 / (x * x);
  double s = kCoef[7];
  for (int i = 6; i >= 0; --i) s = s * r + kCoef[i];
  return s / x;
}

double StirlingCorrectionSum(double a, double b) {
  return StirlingCorrection(a) + StirlingCorrection(b) - StirlingCorrection(a + b);
}

double LnGammaRatio(double a, double s) {
  if (a < 8) {
    double sign;
    return LnGamma(a + s, sign) - LnGamma(a, sign);
  }
  // Stirling's formula term by term: the two logarithms are each about a ln a.
  return (a - 0.5) * std::log1p(s / a) + s * (std::log(a + s) - 1) + StirlingCorrection(a + s) -
         StirlingCorrection(a);
}

namespace {

// The arguments checked, and the larger of x and y made 1 minus the smaller, which the
// caller computed to its last digit. False at the ends x = 0 and y = 0.
bool Inside(double a, double b, double& x, double& y) {
  if (!(a > 0 && b > 0 && x >= 0 && y >= 0 && std::isfinite(a) && std::isfinite(b))) Fail();
  if (x == 0 || y == 0) return false;
  if (x <= y) {
    y = 1 - x;
  } else {
    x = 1 - y;
  }
  return true;
}

// Moderate shapes above 1 go the published way, which is quicker there and as exact, unless
// the smaller tail is too small for its value to keep digits. False where they do not.
bool PublishedWay(double a, double b, double x, double y, BetaTails& tails) {
  if (!(std::min(a, b) > 1 && std::max(a, b) <= kPublishedShape)) return false;
  tails = PublishedBetaTails(a, b, x, y);
  return std::min(tails.lower, tails.upper) >= 1E-290;
}

// ln of the smaller tail by the expansions, series and fractions, for x, y inside (0, 1).
SmallBetaTail LnSmallTailInside(double a, double b, double x, double y) {
  // The case is worked as I_x0(a0, b0): the caller's shapes and point, or (b, a) at y, whose
  // lower tail is the caller's upper one. Of w = I_x0(a0, b0) and w1 = 1 - w, the one
  // computed is the smaller, or close to it.
  double a0, b0, x0, y0;
  bool swapped;
  const auto orient = [&](bool swap) {
    swapped = swap;
    a0 = swap ? b : a;
    b0 = swap ? a : b;
    x0 = swap ? y : x;
    y0 = swap ? x : y;
  };
  double ln;        // ln w, or ln w1 when complement is set
  bool complement = false;
  if (std::min(a, b) <= 1) {
    orient(x > 0.5);
    const auto small_product = [&] {
      // (x0 b0)^a0 <= 0.7; a0 is 1/2 for the t and F with one degree of freedom.
      return a0 == 0.5 ? x0 * b0 <= 0.49 : std::pow(x0 * b0, a0) <= 0.7;
    };
    if (std::max(a0, b0) <= 1 || b0 <= 1 || (x0 < 0.1 && small_product())) {
      ln = LnBetaSeries(a0, b0, x0, y0);
    } else {
      complement = true;
      if (x0 >= 0.29) {
        ln = LnBetaSeries(b0, a0, y0, x0);
      } else if (b0 > 15) {
        ln = LnBetaGammaExpansion(b0, a0, y0, x0, -HUGE_VAL);
      } else {
        ln = LnBetaGammaExpansion(b0 + 20, a0, y0, x0, LnBetaSteps(b0, a0, y0, x0, 20));
      }
    }
  } else {
    // lambda >= 0 puts x0 at or below the mean of I(a0, b0): the smaller tail is worked.
    double lambda = MeanDistance(a, b, x, y, a > b);
    orient(lambda < 0);
    lambda = std::fabs(lambda);
    const double small = std::min(a0, b0);
    if (b0 < 40) {
      if (b0 * x0 <= 0.7) {
        ln = LnBetaSeries(a0, b0, x0, y0);
      } else {
        // b0 down to its fraction in (0, 1] by n steps, which turn into the upper tail's
        // finite sum at y0.
        double n = std::floor(b0);
        double frac = b0 - n;
        if (frac == 0) {
          n -= 1;
          frac = 1;
        }
        ln = LnBetaSteps(frac, a0, y0, x0, static_cast<int>(n));
        if (x0 <= 0.7) {
          ln = LogAdd(ln, LnBetaSeries(a0, frac, x0, y0));
        } else {
          double shape = a0;
          if (shape <= 15) {
            ln = LogAdd(ln, LnBetaSteps(shape, frac, x0, y0, 20));
            shape += 20;
          }
          ln = LnBetaGammaExpansion(shape, frac, x0, y0, ln);
        }
      }
    } else if (small > 100 && lambda <= 0.03 * small) {
      ln = LnBetaNormalExpansion(a0, b0, lambda);
    } else {
      ln = LnBetaFraction(a0, b0, x0, y0, lambda);
    }
  }
  if (std::isnan(ln)) Fail();
  // Which of the caller's tails was computed: the lower one unless exactly one of the swap
  // and the complement turned it into the upper.
  return {std::min(ln, 0.0), swapped == complement};
}

}  // namespace

SmallBetaTail LnSmallBetaTail(double a, double b, double x, double y) {
  if (!Inside(a, b, x, y)) return {-HUGE_VAL, x == 0};
  BetaTails tails;
  if (PublishedWay(a, b, x, y, tails)) {
    const bool lower = tails.lower <= tails.upper;
    return {std::log(lower ? tails.lower : tails.upper), lower};
  }
  return LnSmallTailInside(a, b, x, y);
}

BetaTails IncompleteBeta(double a, double b, double x, double y) {
  // At x = 0 and x = 1 the other tail is exactly 1.
  if (!Inside(a, b, x, y)) return x == 0 ? BetaTails{0, 1} : BetaTails{1, 0};
  BetaTails tails;
  if (PublishedWay(a, b, x, y, tails)) return tails;
  const SmallBetaTail tail = LnSmallTailInside(a, b, x, y);
  const double small = tail.ln < kUnderflowLog ? 0 : std::exp(tail.ln);
  return tail.lower ? BetaTails{small, Complement(small)} : BetaTails{Complement(small), small};
}

double LnIncompleteBeta(double a, double b, double x, double y, bool upper) {
  const SmallBetaTail tail = LnSmallBetaTail(a, b, x, y);
  if (tail.lower != upper) return tail.ln;
  return std::log1p(-std::exp(tail.ln));
}

}  // namespace numeric
