// The gamma function, its logarithm, the regularized incomplete gamma functions and the
// chi-square and Poisson distributions built on them.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "numeric/special_internal.h"

using numeric::Chk;
using numeric::Div;
using numeric::Exp;
using numeric::Horner;
using numeric::kPi;
using numeric::Log;
using numeric::Mul;

namespace {

constexpr double kMachep = 1E-15;
constexpr double kMaxLog = 709.782712893384;
constexpr double kBig = 4503599627370500;  // 2^52 + 4
constexpr double kBigInv = 2.2204460492503099E-16;
constexpr double kMaxStir = 143.01608;
constexpr double kSqtpi = 2.506628274631;
constexpr double kLs2pi = 0.918938533204673;
constexpr double kEul = 0.577215664901533;
constexpr double kLn2 = 0.693147180559945309417232121458;

// The series and the continued fraction converge in a few times sqrt(a) passes near
// x = a, a few thousand below kUniformFrom; this many means they never will.
constexpr long kMaxPasses = 10'000'000;
// From this shape on, both tails come from Temme's uniform expansion instead: as exact as
// the sums there (about 2E-3/a^2 relative, 2E-11 at the start, where the sums' logarithms
// of a in size keep 2.5E-11), in a handful of operations where the sums take thousands of
// passes (millions for a chi-square of a billion degrees of freedom).
constexpr double kUniformFrom = 1E4;
// A Newton step of the inverse below this, relative to the point, settles it.
constexpr double kSettled = 1E-9;
// Below this an upper tail's point is searched for by the tail's logarithm.
constexpr double kTinyTail = 1E-280;

// ln Gamma on [2, 3) as a ratio; C lists its leading 1.
constexpr double kLgamB[] = {-1378.25152569121, -38801.6315134638, -331612.992738871,
                             -1162370.97492762, -1721737.0082084,  -853555.664245765};
constexpr double kLgamC[] = {1,
                             -351.815701436523,
                             -17064.2106651881,
                             -220528.590553854,
                             -1139334.44367983,
                             -2532523.07177583,
                             -2018891.41433533};
// The Stirling correction of ln Gamma in 1/x^2, for 13 <= x < 1000.
constexpr double kLgamA[] = {0.000811614167470508, -0.000595061904284301,
                             0.000793650340457717, -0.002777777777301, 25.0 / 3 * 0.01};
// The Stirling series of Gamma in 1/x.
constexpr double kStirS[] = {0.000787311395793094, -0.000229549961613378,
                             -0.00268132617805781, 0.00347222221605459, 0.0833333333333482};
// Gamma on [2, 3) as a ratio.
constexpr double kGammaP[] = {0.000160119522476752, 0.00119135147006586,
                              0.0104213797561762,   0.0476367800457137,
                              0.207448227648436,    0.494214826801497,
                              1};
constexpr double kGammaQ[] = {-2.3158187332412E-05, 0.000539605580493303,
                              -0.00445641913851797, 0.011813978522206,
                              0.0358236398605499,   -0.234591795718243,
                              0.0714304917030273,   1};

// Parity of a whole number held in a double, which may be far beyond any integer type.
bool IsEven(double whole) { return std::fmod(whole, 2.0) == 0; }

// e^(a ln x - x) / Gamma(a), the factor both incomplete gamma functions share; 0 when it
// underflows.
double GammaIncFactor(double a, double x) {
  double sign;
  const double ax = Chk(a * Log(x) - x - LnGamma(a, sign));
  if (ax < -kMaxLog) return 0;
  return Exp(ax);
}

// eta, with eta^2/2 = lambda - 1 - ln lambda for lambda = x/a and the sign of x - a, and the
// correction's coefficient c0 + c1/a.
double UniformEta(double a, double x, double& c) {
  const double mu = (x - a) / a;
  const double d = numeric::XMinusLog1p(mu);
  const double eta = std::copysign(std::sqrt(2 * d), mu);
  // The two coefficients are differences of poles near eta = 0: there by their series.
  double c0, c1;
  if (std::fabs(eta) < 1E-2) {
    c0 = -1.0 / 3 + eta / 12 - 2 * eta * eta / 135 + eta * eta * eta / 864;
    c1 = -1.0 / 540 - eta / 288;
  } else {
    c0 = 1 / mu - 1 / eta;
    c1 = 1 / (eta * eta * eta) - 1 / (mu * mu * mu) - 1 / (mu * mu) - 1 / (12 * mu);
  }
  c = c0 + c1 / a;
  return eta;
}

// Temme's uniform expansion of both regularized tails for large a, with its first two
// correction terms: P = erfc(-eta sqrt(a/2))/2 - R and Q = erfc(eta sqrt(a/2))/2 + R, where
// eta^2/2 = lambda - 1 - ln lambda for lambda = x/a. The terms left out are of relative
// order 1/a^2.
void UniformTails(double a, double x, double& lower, double& upper) {
  double c;
  const double eta = UniformEta(a, x, c);
  const double r = std::exp(-0.5 * a * eta * eta) / std::sqrt(2 * kPi * a) * c;
  const double s = eta * std::sqrt(0.5 * a);
  lower = std::fmax(0.0, 0.5 * std::erfc(-s) - r);
  upper = std::fmax(0.0, 0.5 * std::erfc(s) + r);
}

// The series of the lower tail, P(a, x) e^x x^-a Gamma(a): sum x^n / (a (a+1) ... (a+n)).
double LowerGammaSeries(double a, double x) {
  double r = a, c = 1, s = 1;
  long passes = 0;
  do {
    if (++passes > kMaxPasses) numeric::Fail();
    r = r + 1;
    c = c * x / r;
    s = s + c;
  } while (c / s > kMachep);
  return Chk(s / a);
}

// The continued fraction of the upper tail, Q(a, x) e^x x^-a Gamma(a), for x >= 1 and x >= a.
double UpperGammaFraction(double a, double x) {
  double y = 1 - a, z = x + y + 1, c = 0;
  double pkm2 = 1, qkm2 = x, pkm1 = x + 1, qkm1 = z * x;
  double ans = Div(pkm1, qkm1);
  double t;
  long passes = 0;
  do {
    if (++passes > kMaxPasses) numeric::Fail();
    c = c + 1;
    y = y + 1;
    z = z + 2;
    const double yc = y * c;
    const double pk = Chk(pkm1 * z - pkm2 * yc);
    const double qk = Chk(qkm1 * z - qkm2 * yc);
    if (qk != 0) {
      const double r = Div(pk, qk);
      t = std::fabs(Div(ans - r, r));
      ans = r;
    } else {
      t = 1;
    }
    pkm2 = pkm1;
    pkm1 = pk;
    qkm2 = qkm1;
    qkm1 = qk;
    if (std::fabs(pk) > kBig) {
      pkm2 = pkm2 * kBigInv;
      pkm1 = pkm1 * kBigInv;
      qkm2 = qkm2 * kBigInv;
      qkm1 = qkm1 * kBigInv;
    }
  } while (t > kMachep);
  return ans;
}

// ln Gamma(1 + a) - a (1 - Euler's constant) + ln(1 + a) in powers of a (the coefficients
// are (-1)^k (zeta(k) - 1)/k, k = 2 to 25, highest power first), for 0 <= a < 1/2: 1 + a would
// round away the digits of a small shape that its logarithm keeps.
constexpr double kLnGamma1pZeta[] = {
    -1.1921401405860912e-9, 2.4836745438024783e-9, -5.1834750419700467e-9,
    1.0838659214896954e-8,  -2.2711094608943165e-8, 4.7698101693639806e-8,
    -1.00432248239681e-7,   2.1207184805554666e-7,  -4.492469198764566e-7,
    9.5514121304074198e-7,  -2.0392157538013662e-6, 4.3748667899074878e-6,
    -9.4394882752683959e-6, 2.0507212775670692e-5,  -4.4926236738133142e-5,
    9.9457512781808534e-5,  -2.2315475845357938e-4, 5.0966952474304242e-4,
    -0.001192753911703261,  0.0028905103307415233,  -0.0073855510286739853,
    0.020580808427784548,   -0.067352301053198095,  0.32246703342411322};
constexpr double kOneMinusEuler = 0.422784335098467139393;

// ln Gamma(1 + a) for a >= 0, with its relative digits however small a is.
double LnGammaOnePlus(double a) {
  if (a < 0.5) return a * (kOneMinusEuler + a * Horner(kLnGamma1pZeta, a)) - std::log1p(a);
  double sign;
  return LnGamma(1 + a, sign);
}

// Both tails for x < 1 (x = 0 with ln_x given for a point whose own value is lost below the
// doubles), each from its own side, after the series about x = 0: P = u S and Q = (1 - u) -
// u (S - 1), with u = x^a / Gamma(1 + a) and S - 1 = a sum (-x)^n / ((a + n) n!). 1 - u comes
// from e^(ln u) less 1, and S - 1 from its own terms: so a small shape keeps the digits of
// its small upper tail, which 1 - P loses (Q is about a E1(x) there).
void NearZeroTails(double a, double x, double ln_x, double& lower, double& upper) {
  const double ln_u = Chk(a * ln_x - LnGammaOnePlus(a));
  double term = 1, sum = 0;
  for (int n = 1; n < 100; ++n) {
    term *= -x / n;
    const double add = term / (a + n);
    sum += add;
    if (std::fabs(add) <= 1E-17 * std::fabs(sum)) break;
  }
  const double u = std::exp(ln_u);
  const double s1 = a * sum;
  lower = u + u * s1;
  upper = -std::expm1(ln_u) - u * s1;
}

// The uniform expansion with e^(-s^2) taken out: the tail is e^(-s^2) bracket, where the
// tail itself would be below the doubles.
void UniformScaled(double a, double x, bool upper, double& s, double& bracket) {
  double c;
  const double eta = UniformEta(a, x, c);
  s = eta * std::sqrt(0.5 * a);
  const double correction = c / std::sqrt(2 * kPi * a);
  bracket = upper ? 0.5 * numeric::ErfcScaled(std::fabs(s)) + correction
                  : 0.5 * numeric::ErfcScaled(std::fabs(s)) - correction;
}

}  // namespace

double LnGamma(double x, double& sign) {
  sign = 1;
  if (x < -34) {
    const double q = -x;
    const double w = LnGamma(q, sign);
    double p = std::floor(q);
    sign = IsEven(p) ? -1 : 1;
    double z = q - p;
    if (z > 0.5) {
      p = p + 1;
      z = p - q;
    }
    z = q * std::sin(kPi * z);
    return Chk(Log(Div(kPi, z)) - w);
  }
  if (x < 13) {
    double z = 1, p = 0, u = x;
    while (u >= 3) {
      p = p - 1;
      u = x + p;
      z = z * u;
    }
    while (u < 2) {
      z = Div(z, u);
      p = p + 1;
      u = x + p;
    }
    if (z < 0) {
      sign = -1;
      z = -z;
    }
    if (u == 2) return Log(z);
    p = p - 2;
    x = x + p;
    return Chk(Log(z) + x * Horner(kLgamB, x) / Horner(kLgamC, x));
  }
  double q = Chk((x - 0.5) * Log(x) - x + kLs2pi);
  if (x > 1E+8) return q;
  const double p = 1 / (x * x);
  if (x >= 1000) {
    q = q + ((500.0 / 63 * 0.0001 * p - 25.0 / 9 * 0.001) * p + 1.0 / 12) / x;
  } else {
    q = q + Horner(kLgamA, p) / x;
  }
  return q;
}

double StirlingGamma(double x) {
  double w = Div(1, x);
  w = 1 + w * Horner(kStirS, w);
  double y = Exp(x);
  if (x > kMaxStir) {
    // x^(x - 0.5) alone would overflow before the division by e^x brings it back.
    const double v = numeric::Pow(x, 0.5 * x - 0.25);
    y = Mul(v, Div(v, y));
  } else {
    y = Div(numeric::Pow(x, x - 0.5), y);
  }
  return Mul(Mul(kSqtpi, y), w);
}

double Gamma(double x) {
  const double q = std::fabs(x);
  if (q > 33) {
    if (x >= 0) return StirlingGamma(x);
    double p = std::floor(q);
    const double s = IsEven(p) ? -1 : 1;
    double z = q - p;
    if (z > 0.5) {
      p = p + 1;
      z = q - p;
    }
    z = std::fabs(q * std::sin(kPi * z));
    return Div(s * kPi, Mul(z, StirlingGamma(q)));
  }
  double z = 1;
  while (x >= 3) {
    x = x - 1;
    z = z * x;
  }
  bool small = false;
  while (x < 0 && !small) {
    if (x > -1E-9) {
      small = true;
    } else {
      z = z / x;
      x = x + 1;
    }
  }
  while (x < 2 && !small) {
    if (x < 1E-9) {
      small = true;
    } else {
      z = z / x;
      x = x + 1;
    }
  }
  if (small) return Div(z, (1 + kEul * x) * x);
  if (x == 2) return z;
  x = x - 2;
  return Div(z * Horner(kGammaP, x), Horner(kGammaQ, x));
}

double GammaIncInf(double a, double x) {
  if (x <= 0 || a <= 0) return 0;
  if (x == HUGE_VAL) return 1;
  if (a >= kUniformFrom && std::isfinite(a)) {
    double lower, upper;
    UniformTails(a, x, lower, upper);
    return numeric::Probability(Chk(lower));
  }
  if (x > 1 && x > a) return numeric::Probability(1 - GammaIncSup(a, x));
  if (a < 1 && x < 1) {
    double lower, upper;
    NearZeroTails(a, x, Log(x), lower, upper);
    return numeric::Probability(Chk(lower));
  }
  const double ax = GammaIncFactor(a, x);
  if (ax == 0) return 0;
  return numeric::Probability(Chk(LowerGammaSeries(a, x) * ax));
}

double GammaIncSup(double a, double x) {
  if (x <= 0 || a <= 0) return 1;
  if (x == HUGE_VAL) return 0;
  if (a >= kUniformFrom && std::isfinite(a)) {
    double lower, upper;
    UniformTails(a, x, lower, upper);
    return numeric::Probability(Chk(upper));
  }
  // A shape below 1 leaves a small upper tail below x = 1, where 1 - P would keep none of
  // its digits.
  if (a < 1 && x < 1) {
    double lower, upper;
    NearZeroTails(a, x, Log(x), lower, upper);
    return numeric::Probability(Chk(upper));
  }
  if (x < 1 || x < a) return numeric::Probability(1 - GammaIncInf(a, x));
  const double ax = GammaIncFactor(a, x);
  if (ax == 0) return 0;
  return numeric::Probability(Chk(UpperGammaFraction(a, x) * ax));
}

double numeric::GammaTailError(double a) {
  return a >= kUniformFrom ? 1E-13 + 2E-3 / (a * a) : 1E-13 + 2.5E-15 * std::fabs(a);
}

double numeric::LnGammaTail(double a, double x, bool upper) {
  if (!(a > 0 && x > 0) || !std::isfinite(a)) Fail();
  if (a >= kUniformFrom) {
    // The expansion with e^(-a eta^2/2) taken out of both its terms.
    double lower_value, upper_value;
    UniformTails(a, x, lower_value, upper_value);
    const double value = upper ? upper_value : lower_value;
    if (value >= 1E-280) return Log(value);
    double s, bracket;
    UniformScaled(a, x, upper, s, bracket);
    return Chk(-s * s + Log(bracket));
  }
  // Each tail from its own series or fraction times e^(a ln x - x) / Gamma(a), in logarithms,
  // where it is the small one; the other is 1 minus it.
  const bool fraction_side = x >= 1 && x >= a;
  if (upper != fraction_side) return Log(upper ? GammaIncSup(a, x) : GammaIncInf(a, x));
  double sign;
  const double ln_factor = Chk(a * Log(x) - x - LnGamma(a, sign));
  return Chk(ln_factor + Log(upper ? UpperGammaFraction(a, x) : LowerGammaSeries(a, x)));
}

namespace {

// The x with Q(a, x) = y0 for a y0 too small for its value to keep digits.
double DeepUpperGammaPoint(double a, double y0) {
  double sign;
  const double lga = LnGamma(a, sign);
  const numeric::Tail upper{[a, lga](double x) {
                              const double ln_x = Log(x);
                              const double error =
                                  2.2E-16 * (std::fabs(a * ln_x) + x + std::fabs(lga) + 1);
                              return numeric::TailAt{true, numeric::LnGammaTail(a, x, true),
                                                     (a - 1) * ln_x - x - lga, error};
                            },
                            1};
  // Far out Q(a, x) is about x^(a-1) e^-x / Gamma(a).
  const double l = -std::log(y0) - lga;
  const double start = l > 1 ? l + (a - 1) * std::log(l) : a + 1;
  return numeric::PolishQuantile(upper, start > 0 ? start : a + 1, y0);
}

}  // namespace

double GammaIncSupInversa(double a, double y0) {
  // Outside (0, 1) the start point overflows; fail before the normal inverse turns the
  // probability into its infinite mark.
  if (!(y0 > 0 && y0 < 1)) numeric::Fail();
  // Near 1 the search below would stop within 5E-15 of y0, which is all there is of the
  // small lower tail 1 - y0: that tail is searched instead, and 1 - y0 is exact here.
  if (y0 > 0.5) return GammaIncInfInversa(a, 1 - y0);
  // A tail this small (subnormal ones included) is searched for by its logarithm: its value
  // keeps few digits or none.
  if (y0 < kTinyTail) return DeepUpperGammaPoint(a, y0);
  // Bracket [x1, x0] of the root, with the tails yh at x1 and yl at x0.
  double x0 = kBig, yl = 0, x1 = 0, yh = 1;
  const double dithresh = 5 * kMachep;

  // A start from the Wilson-Hilferty approximation, then Newton steps.
  double d = Div(1, 9 * a);
  double y = 1 - d - NormalInversa(y0) * numeric::Sqrt(d);
  double x = Mul(a, numeric::Pow(y, 3));
  double sign;
  const double lgm = LnGamma(a, sign);
  for (int i = 0; i < 10; ++i) {
    if (x > x0 || x < x1) break;
    y = GammaIncSup(a, x);
    if (y < yl || y > yh) break;
    if (y < y0) {
      x0 = x;
      yl = y;
    } else {
      x1 = x;
      yh = y;
    }
    d = Chk((a - 1) * Log(x) - x - lgm);
    if (d < -kMaxLog) break;
    d = -Exp(d);
    d = Div(y - y0, d);
    // A Newton step this small, relative to the point, leaves it about its square from the
    // root: done. (Waiting for a step below 1E-15 waited on the tail's last rounding, which
    // with a large shape never comes, and fell through to four hundred halvings.)
    if (std::fabs(Div(d, x)) < kSettled) return Chk(x - d);
    x = Chk(x - d);
  }

  // Newton failed: find an upper bound by doubling steps if there is none yet, then halve.
  d = 0.0625;
  if (x0 == kBig) {
    if (x <= 0) x = 1;
    while (x0 == kBig) {
      x = Mul(1 + d, x);
      y = GammaIncSup(a, x);
      if (y < y0) {
        x0 = x;
        yl = y;
      } else {
        d = d + d;
      }
    }
  }
  d = 0.5;
  int dir = 0;
  for (int i = 0; i < 400; ++i) {
    x = Chk(x1 + d * (x0 - x1));
    y = GammaIncSup(a, x);
    if (std::fabs(Div(x0 - x1, x1 + x0)) < dithresh) break;
    if (std::fabs(Div(y - y0, y0)) < dithresh) break;
    if (x <= 0) break;
    if (y >= y0) {
      x1 = x;
      yh = y;
      if (dir < 0) {
        dir = 0;
        d = 0.5;
      } else if (dir > 1) {
        d = 0.5 * d + 0.5;
      } else {
        d = Div(y0 - yl, yh - yl);
      }
      dir = dir + 1;
    } else {
      x0 = x;
      yl = y;
      if (dir > 0) {
        dir = 0;
        d = 0.5;
      } else if (dir < -1) {
        d = 0.5 * d;
      } else {
        d = Div(y0 - y, yh - yl);
      }
      dir = dir - 1;
    }
  }
  return x;
}

double GammaIncInfInversa(double a, double p) {
  if (!(p > 0 && p < 1) || !(a > 0) || !std::isfinite(a)) numeric::Fail();
  // From 1/2 on the upper tail 1 - p is the small one, and exact.
  if (p >= 0.5) return GammaIncSupInversa(a, 1 - p);
  double sign;
  const double lga = LnGamma(a, sign);
  // The lower tail near 0 is x^a e^-x / Gamma(a + 1): nearly a power of x, so Newton steps
  // on its logarithm against ln x settle at once from the leading term.
  const numeric::Tail lower{[a, lga](double x) {
                              const double ln_tail = numeric::LnGammaTail(a, x, false);
                              const double ln_x = Log(x);
                              const double ln_density = (a - 1) * ln_x - x - lga;
                              const double error =
                                  2.2E-16 * (std::fabs(a * ln_x) + x + std::fabs(lga) + 1);
                              return numeric::TailAt{true, ln_tail, ln_density, error};
                            },
                            -1};
  const double ln_start = (std::log(p) + LnGamma(a + 1, sign)) / a;
  // A point below the smallest normal double is no point to show.
  if (ln_start < std::log(std::numeric_limits<double>::min()) - 1) return 0;
  double start = std::exp(std::fmin(ln_start, std::log(a + 0.5)));
  // Away from 0 the Wilson-Hilferty point (the cube root of x/a is nearly normal) starts
  // within a few Newton steps where the leading term would take dozens, each a long sum
  // for a large shape.
  if (a >= 1 && (p >= 1E-8 || a >= 10)) {
    const double d = 1 / (9 * a);
    const double root = 1 - d + NormalInversa(p) * std::sqrt(d);
    if (root > 0) start = a * root * root * root;
  }
  return numeric::PolishQuantile(lower, start, p);
}

namespace {

// Q(df/2, x/2), or P(df/2, x/2), each from its own side. Below twice the least normal double
// x/2 rounds away digits of x (5E-324/2 is 0): there the tails come from ln(x/2) itself, and
// the shape's small upper tail keeps its digits.
double ChiSquareTail(double df, double x, bool upper) {
  return numeric::ContinueStyleValue([&] {
    if (x > 0 && x < 2 * DBL_MIN) {
      double lower_tail, upper_tail;
      NearZeroTails(df / 2, x / 2, std::log(x) - kLn2, lower_tail, upper_tail);
      return numeric::Probability(Chk(upper ? upper_tail : lower_tail));
    }
    return upper ? GammaIncSup(df / 2, x / 2) : GammaIncInf(df / 2, x / 2);
  });
}

}  // namespace

double Ji2Cola(double df, double x) {
  // No degrees of freedom, or a negative count of them, is no distribution at all.
  if (!(df > 0)) {
    ErrorFlag = 1;
    return 0;
  }
  return ChiSquareTail(df, x, true);
}

double Ji2Inversa(double df, double p) {
  if (!(p >= 0 && p <= 1)) {
    ErrorFlag = 1;
    return 0;
  }
  if (p == 1) return 0;
  if (p == 0) return 1E+300;
  return numeric::ContinueStyleValue([&] { return Chk(2 * GammaIncSupInversa(0.5 * df, p)); });
}

double Ji2Acum(double df, double x) {
  if (!(df > 0)) {
    ErrorFlag = 1;
    return 0;
  }
  return ChiSquareTail(df, x, false);
}

double Ji2AcumInversa(double df, double p) {
  if (!(df > 0) || !(p >= 0 && p <= 1)) {
    ErrorFlag = 1;
    return 0;
  }
  if (p == 0) return 0;
  if (p == 1) return 1E+300;
  return numeric::ContinueStyleValue([&] { return Chk(2 * GammaIncInfInversa(0.5 * df, p)); });
}

double PoissonAcum(int32_t k, double lambda) {
  if (k == -1) return 0;
  // A negative mean is no distribution; a mean of 0 is the sure count 0.
  if (k < -1 || !(lambda >= 0)) {
    ErrorFlag = 1;
    return 0;
  }
  // k + 1 in a double: the largest count is a count like any other.
  return numeric::ContinueStyleValue(
      [&] { return GammaIncSup(static_cast<double>(k) + 1, lambda); });
}
