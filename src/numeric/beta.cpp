// The regularized incomplete beta function and its inverse.
#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/special_internal.h"

using numeric::Chk;
using numeric::Div;
using numeric::Fail;
using numeric::LnBetaFactor;
using numeric::Log;
using numeric::Complement;
using numeric::kOneMinusMachep;

namespace {

constexpr double kMachep = 5E-16;
constexpr double kMaxGam = 171.624376956303;
constexpr double kBig = 4503599627370500;
constexpr double kBigInv = 2.22044604925031E-16;
// From this shape on both tails come from IncompleteBeta.
constexpr double kTailsShape = 0.5;
// The inverse's root search: a bound on its steps (each halving the bracket at worst, which
// starts at most 708 wide), and the Newton step at which its point is settled.
constexpr int kMaxRootSteps = 100;
constexpr double kRootSettled = 1E-11;
// The error a Newton step is expected to leave, in s, below which the search stops without
// evaluating its new point: ten thousand times below the accuracy.
constexpr double kNewtonErrorSettled = 1E-13;
// The accuracy the inverse promises, relative to the root.
constexpr double kRootAccuracy = 1E-9;
// One rounding, relative.
constexpr double kTailRounding = 2.2E-16;

// The power series ends within a few thousand passes. The continued fractions need about
// 0.16 sqrt(a) passes near the mean (80 000 at most for 32-bit degrees of freedom); a
// limit of a few hundred stopped them unconverged without a word, so that F(1E+9, 1E+9)
// had 0.11 above its median. Past these limits a loop cannot converge: a failure.
constexpr long kMaxSeriesPasses = 1'000'000;
constexpr long kMaxFractionPasses = 1'000'000;

// The program's log limits: beyond them a result is taken as 0 or as infinite.
double MaxLog() { return Log(1E+300); }
// A probability is kept down to the smallest normal double (a region of a count can be as
// small as 1E-304 and still be shown); below it, it is 0.
double UnderflowLog() { return Log(DBL_MIN); }

// Of(a, b), kept for the next call at the same shapes: the inverse evaluates the tails a few
// times at the same shapes, and their gamma functions were a quarter of its time.
template <double (*Of)(double, double)>
double KeptForSameShapes(double a, double b) {
  thread_local double last_a = NAN, last_b = NAN, last_value = 0;
  if (a == last_a && b == last_b) return last_value;
  const double value = Of(a, b);
  last_a = a;
  last_b = b;
  last_value = value;
  return value;
}

// Gamma(a+b) / (Gamma(a) Gamma(b)), for a + b below the overflow of Gamma. The larger
// gamma function divides first: with a small shape, Gamma(a) Gamma(b) alone can overflow
// where the quotient does not.
double BetaFactorOnce(double a, double b) {
  return Div(Div(Gamma(a + b), Gamma(std::fmax(a, b))), Gamma(std::fmin(a, b)));
}

double BetaFactor(double a, double b) { return KeptForSameShapes<BetaFactorOnce>(a, b); }

}  // namespace

double numeric::BetaContinuedFraction(double z, double (&k)[8], const double (&step)[8],
                                      double big, double biginv) {
  const double thresh = 3 * kMachep;
  double pkm2 = 0, qkm2 = 1, pkm1 = 1, qkm1 = 1, ans = 1, r = 1;
  for (long n = 0;; ++n) {
    if (n == kMaxFractionPasses) Fail();
    double xk = Div(-(z * k[0] * k[1]), k[2] * k[3]);
    double pk = Chk(pkm1 + pkm2 * xk);
    double qk = Chk(qkm1 + qkm2 * xk);
    pkm2 = pkm1;
    pkm1 = pk;
    qkm2 = qkm1;
    qkm1 = qk;

    xk = Div(z * k[4] * k[5], k[6] * k[7]);
    pk = Chk(pkm1 + pkm2 * xk);
    qk = Chk(qkm1 + qkm2 * xk);
    pkm2 = pkm1;
    pkm1 = pk;
    qkm2 = qkm1;
    qkm1 = qk;

    if (qk != 0) r = Div(pk, qk);
    double t;
    if (r != 0) {
      t = std::fabs(Div(ans - r, r));
      ans = r;
    } else {
      t = 1;
    }
    if (t < thresh) break;

    for (int i = 0; i < 8; ++i) k[i] += step[i];

    if (std::fabs(qk) + std::fabs(pk) > big) {
      pkm2 *= biginv;
      pkm1 *= biginv;
      qkm2 *= biginv;
      qkm1 *= biginv;
    }
    if (std::fabs(qk) < biginv || std::fabs(pk) < biginv) {
      pkm2 *= big;
      pkm1 *= big;
      qkm2 *= big;
      qkm1 *= big;
    }
  }
  return ans;
}

namespace {

double LnBetaFactorOnce(double a, double b) {
  double sign;
  const double small = std::fmin(a, b), large = std::fmax(a, b);
  if (!std::isfinite(large)) return Chk(LnGamma(a + b, sign) - LnGamma(a, sign) - LnGamma(b, sign));
  // The t and the F of one degree of freedom: ln Gamma(1/2) = ln sqrt(pi).
  if (small == 0.5) return Chk(numeric::LnGammaRatio(large, small) - 0.57236494292470008707);
  // ln Gamma(large + small) - ln Gamma(large) by Stirling's series term by term for a large
  // shape: the two logarithms are each about large * ln(large), and their difference kept
  // only 1E-16 * large * ln(large) of its digits (2E-7 at 5E+7, where an F of 10^8 degrees
  // of freedom lost its sixth digit).
  return Chk(numeric::LnGammaRatio(large, small) - LnGamma(small, sign));
}

}  // namespace

double numeric::LnBetaFactor(double a, double b) {
  return KeptForSameShapes<LnBetaFactorOnce>(a, b);
}

numeric::BetaTails numeric::PublishedBetaTails(double a, double b, double x, double xc) {
  const double maxlog = MaxLog();
  // t is I_x(a, b), or its complement when flag is set; the other tail is 1 minus it.
  const auto tails = [](double t, bool flag) {
    return flag ? BetaTails{Complement(t), t} : BetaTails{t, Complement(t)};
  };
  if (Chk(b * x) <= 1 && x <= 0.95) return tails(BetaIncSerie(a, b, x, kMaxGam), false);

  bool flag = false;
  // Work in the tail that is the smaller one, where the fractions converge.
  if (x > Div(a, a + b)) {
    std::swap(a, b);
    std::swap(x, xc);
    flag = true;
  }
  if (flag && Chk(b * x) <= 1 && x <= 0.95) return tails(BetaIncSerie(a, b, x, kMaxGam), true);

  double y = Chk(x * (a + b - 2) - (a - 1));
  double w;
  if (y < 0) {
    w = BetaIncFC2(a, b, x, kBig, kBigInv);
  } else {
    w = Div(BetaFractionInRatio(a, b, Div(x, xc), kBig, kBigInv), xc);
  }

  y = Chk(a * Log(x));
  double t = Chk(b * Log(xc));
  if (a + b < kMaxGam && std::fabs(y) < maxlog && std::fabs(t) < maxlog) {
    t = Chk(Pow(xc, b) * Pow(x, a) / a * w * BetaFactor(a, b));
  } else {
    // The gamma factors or the powers would overflow: add logarithms instead.
    y = Chk(y + t + LnBetaFactor(a, b));
    y = Chk(y + Log(Div(w, a)));
    t = y < UnderflowLog() ? 0 : Exp(y);
  }
  return tails(t, flag);
}

namespace {

// I_x(a, b), or 1 - I_x(a, b) when upper is set. Each is taken directly where it is the
// smaller one (above the mean the fractions compute the upper tail); the other as 1 minus
// it, which never reaches 1 (at most 0.9999999999999994).
double BetaIncTail(double a, double b, double x, bool upper) {
  if (x == 0) return upper ? 1 : 0;
  if (x == 1) return upper ? 0 : 1;
  // The published algorithm wherever it serves (moderate shapes, and the smallest ones, for
  // which the others are not made), and straight to it: the inverse's search calls this a
  // dozen times.
  const bool published = std::fmin(a, b) < kTailsShape ||
                          (std::fmin(a, b) > 1 && std::fmax(a, b) <= numeric::kPublishedShape);
  const numeric::BetaTails tails = published ? numeric::PublishedBetaTails(a, b, x, 1 - x)
                                             : numeric::IncompleteBeta(a, b, x, 1 - x);
  return upper ? tails.upper : tails.lower;
}

}  // namespace

double BetaInc(double a, double b, double x) {
  return numeric::Probability(BetaIncTail(a, b, x, false));
}

double BetaIncSerie(double a, double b, double x, double maxgam) {
  const double maxlog = MaxLog();
  const double ai = Div(1, a);
  double u = Chk((1 - b) * x);
  double v = Div(u, a + 1);
  const double t1 = v;
  double t = u;
  double n = 2;
  double s = 0;
  const double z = kMachep * ai;
  long passes = 0;
  while (std::fabs(v) > z) {
    if (++passes > kMaxSeriesPasses) numeric::Fail();
    u = Chk((n - b) * x / n);
    t = Chk(t * u);
    v = Div(t, a + n);
    s = Chk(s + v);
    n = n + 1;
  }
  s = Chk(s + t1 + ai);
  u = Chk(a * Log(x));
  if (a + b < maxgam && std::fabs(u) < maxlog) {
    return Chk(s * BetaFactor(a, b) * numeric::Pow(x, a));
  }
  t = Chk(LnBetaFactor(a, b) + u + Log(s));
  return t < UnderflowLog() ? 0 : numeric::Exp(t);
}

double BetaIncFC1(double a, double b, double x, double big, double biginv) {
  return numeric::BetaFractionInRatio(a, b, Div(x, 1 - x), big, biginv);
}

double numeric::BetaFractionInRatio(double a, double b, double z, double big, double biginv) {
  double k[8] = {a, b - 1, a, a + 1, 1, a + b, a + 1, a + 2};
  static constexpr double step[8] = {1, -1, 2, 2, 1, 1, 2, 2};
  return BetaContinuedFraction(z, k, step, big, biginv);
}

double BetaIncFC2(double a, double b, double x, double big, double biginv) {
  double k[8] = {a, a + b, a, a + 1, 1, b - 1, a + 1, a + 2};
  static constexpr double step[8] = {1, 1, 2, 2, 1, -1, 2, 2};
  return numeric::BetaContinuedFraction(x, k, step, big, biginv);
}

namespace {

// h at a point s, its slope dh/ds, how far h can be off there, and h''/h' (NaN where not
// known): what the root search reads of an equation.
struct TailValue {
  double h, slope, error, curvature;
};

// d/ds ln(v f(v)) for the beta density f of shapes alpha at v and beta at 1 - v: v f(v) goes
// as v^alpha (1 - v)^(beta - 1).
double LnVDensitySlope(double alpha, double beta, double v) {
  return alpha - (beta - 1) * v / (1 - v);
}

const double kLnHalf = std::log(0.5);

// The inverse solves T(v) = p for one tail T of a beta distribution in a variable v that is
// at most 1/2 at the root: x itself, or 1 - x for a root above 1/2, whose digits x cannot
// hold. p = min(y, 1 - y) is the smaller tail, which a double holds exactly (1 - y is exact
// above 1/2), so nothing of a probability next to 1 is lost; and T comes from the incomplete
// beta core with its relative digits, however small. It works in s = ln v on
// h(s) = +-(ln T(e^s) - ln p), signed so that h grows with s: a power of v near 0 is a
// straight line there, and h is concave wherever ln v has a log-concave density, so Newton
// steps settle from a good start in a few evaluations.
class BetaTailEquation {
 public:
  // alpha and beta: the shapes at v and at 1 - v; upper: T is the upper tail in v.
  BetaTailEquation(double alpha, double beta, bool upper, double p)
      : alpha_(alpha), beta_(beta), upper_(upper), p_(p), ln_p_(std::log(p)),
        complement_error_(kTailRounding *
                          (10 + std::fabs(std::log(alpha)) + std::fabs(std::log(beta)))) {}

  double alpha() const { return alpha_; }
  double beta() const { return beta_; }
  bool upper() const { return upper_; }
  double p() const { return p_; }
  double ln_p() const { return ln_p_; }

  // h at s, its slope dh/ds = v f(v) / T(v) (f the density), from logarithms so that
  // neither underflows, and how far T can be off, relative. The core computes the smaller
  // tail, or one close to it; where T is 1 minus the one it computed, T keeps only the
  // absolute digits of that one (which matters for a shape far below 1, where T is about
  // the shape times a logarithm).
  TailValue At(double s) const {
    const double v = std::exp(s), w = 1 - v;
    const numeric::SmallBetaTail computed = numeric::LnSmallBetaTail(alpha_, beta_, v, w);
    // Some ten roundings, and one for each unit of a logarithm as large as the tail's own.
    double ln_tail = computed.ln, error = kTailRounding * (10 - computed.ln);
    if (computed.lower == upper_) {
      const double other = std::exp(computed.ln);
      ln_tail = std::log1p(-other);
      error = complement_error_ * other / -std::expm1(computed.ln);
    }
    // v f(v) = v^alpha w^beta / (w B(alpha, beta))
    const double ln_v_density = numeric::LogBetaPowers(alpha_, beta_, v, w) - std::log1p(-v);
    const double h = ln_tail - ln_p_;
    // Far from the root, with both logarithms beyond 1E+15, their difference keeps no digit:
    // no slope then (NaN), and the search halves its bracket instead of stepping.
    const bool slope_known = std::fabs(ln_v_density) + std::fabs(ln_tail) < 1E+15;
    const double slope = slope_known ? std::exp(ln_v_density - ln_tail) : NAN;
    // h' = v f / T, whose own slope adds d ln T/ds = -+h'.
    const double curvature = LnVDensitySlope(alpha_, beta_, v) + (upper_ ? slope : -slope);
    return {upper_ ? -h : h, slope, error, curvature};
  }

 private:
  double alpha_, beta_;
  bool upper_;
  double p_, ln_p_;
  // How far a tail near 1 can be off, absolutely: some roundings of 1, and of the gamma
  // functions' logarithms, as large as ln(1/shape) for a small shape.
  double complement_error_;
};

// ln(1 + e^t) without overflow.
double LnOnePlusExp(double t) {
  return t > 0 ? t + std::log1p(std::exp(-t)) : std::log1p(std::exp(t));
}

// A first guess at the root's s, or NaN where none of these approximations fits.
double StartingPoint(const BetaTailEquation& eq) {
  const double alpha = eq.alpha(), beta = eq.beta(), p = eq.p();
  if (alpha > 1 && beta > 1) {
    // The normal approximation of Abramowitz and Stegun 26.5.22, as the published algorithm
    // starts, written in logarithms: v = alpha / (alpha + beta e^(2w)).
    const double yp = eq.upper() ? NormalInversa(p) : -NormalInversa(p);
    const double lgm = (yp * yp - 3) / 6;
    const double ra = 1 / (2 * alpha - 1), rb = 1 / (2 * beta - 1);
    const double h = 2 / (ra + rb);
    const double w = yp * std::sqrt(h + lgm) / h - (rb - ra) * (lgm + 5.0 / 6 - 2 / (3 * h));
    return -LnOnePlusExp(std::log(beta / alpha) + 2 * w);
  }
  if (!eq.upper()) {
    // Near 0 the lower tail is v^alpha / (alpha B(alpha, beta)).
    return (eq.ln_p() - LnBetaFactor(alpha, beta) + std::log(alpha)) / alpha;
  }
  if (beta > 1) {
    // alpha <= 1: about the gamma distribution's upper tail Q(alpha, z) at z = beta v,
    // whose far end is z^(alpha - 1) e^-z / Gamma(alpha).
    double sign;
    const double c = -eq.ln_p() - LnGamma(alpha, sign);
    double z = std::fmax(c, 1.0);
    for (int i = 0; i < 3; ++i) z = std::fmax(c + (alpha - 1) * std::log(z), 1E-3);
    return std::log(z / beta);
  }
  return NAN;
}

// The root's s in [ln floor, ln 1/2] from the first guess start, or NaN where the root lies
// above 1/2 in v; -infinity for a root below floor. half holds h at v = 1/2 once known: it
// is evaluated only where the search needs it, for most shapes the guess tells the side,
// and it is kept for a search in the other variable. Newton steps stay inside the bracket
// that their values narrow; where one would leave it (or the equation gives no slope), the
// bracket's floor is tried once, then the bracket halved. Fails where the tail cannot be
// computed, where it is not known well enough to place the root within 1E-9, or where the
// bracket does not close.
template <class Equation>
double SolveTail(const Equation& eq, double floor, double start,
                 std::optional<TailValue>& half) {
  double lo = std::log(floor), hi = kLnHalf;
  bool lo_known = false, hi_known = false;
  // Whether the root lies at or below 1/2.
  const auto below_half = [&] {
    if (!half) half = eq.At(kLnHalf);
    if (std::isnan(half->h)) Fail();
    return half->h >= 0;
  };
  double s = start;
  TailValue at;
  if (s > lo && s < hi) {
    at = eq.At(s);
  } else {
    if (!below_half()) return NAN;
    s = hi;
    at = *half;
  }
  // The root found: s moves by error / slope where T moves by error.
  const auto settled = [&](double root) {
    if (!(at.error <= kRootAccuracy * at.slope)) Fail();
    return root;
  };
  for (int i = 0; i < kMaxRootSteps; ++i) {
    // An infinite h is a tail beyond the doubles' logarithms, far to one side (with shapes
    // above 1E+30 the tail can leap from there to the other side between neighbouring
    // doubles, where only halving narrows the bracket); an unknown one is a failure.
    if (std::isnan(at.h) || !std::isfinite(at.error)) Fail();
    if (at.h == 0) return settled(s);
    if (at.h < 0) {
      lo = s;
      lo_known = true;
    } else {
      hi = s;
      hi_known = true;
    }
    const double step = -at.h / at.slope;
    double next = s + step;
    // A Newton step leaves an error of about h''/(2h') times its square: once that is far
    // below the accuracy, s is as good as T, and no evaluation is spent to confirm it.
    if (std::fabs(step) <= kRootSettled ||
        ((1 + std::fabs(at.curvature)) * step * step <= kNewtonErrorSettled && next > lo &&
         next < hi)) {
      return settled(next);
    }
    if (!(next > lo && next < hi)) {
      if (!hi_known) {
        // The bracket's top is 1/2, where h is not yet known.
        if (!below_half()) return NAN;
        s = kLnHalf;
        at = *half;
        continue;
      }
      next = lo_known ? 0.5 * (lo + hi) : lo;
    }
    if (hi_known && hi - lo <= kRootSettled) return settled(next);
    s = next;
    at = eq.At(s);
    // T beyond the target even at the floor, by more than it can be off.
    if (!lo_known && s == lo && at.h >= 0) return at.h >= at.error ? -HUGE_VAL : settled(s);
  }
  Fail();
}

// ---- Two shapes at most 1, one of them tiny ----
//
// With both shapes at most 1 the mass sits at the two ends: beta/(alpha + beta) of it next to
// v = 0 (alpha the shape at v, beta the other), and between the ends only a part of about
// the smaller shape times a logarithm. For a shape of 1E-10 that part is all a root inside
// (0, 1) answers to, and 1 minus the tail at the other end keeps none of its digits. The
// series of the tail at v <= 1/2 keeps it apart: with S(v) = 1 + alpha sum_n c_n/(alpha + n),
// c_n = prod_{j<=n} (1 - beta/j) v^n,
//   I_v(alpha, beta) = beta/(alpha + beta) exp(alpha ln v + ln S(v) + D),
//   D = ln Gamma(1 + alpha + beta) - ln Gamma(1 + alpha) - ln Gamma(1 + beta),
// so that I_v = t is alpha ln v + ln S(v) + D = ln(t (alpha + beta)/beta): each term as small
// as the shapes make it, none of them cancelled from 1. At the root t is y (v = x) or 1 - y
// (v = 1 - x, the shapes exchanged), and t (a + b)/beta - 1 is +-(y (a + b) - b)/beta.

// Below this shape both tails come from the series above where the other shape is at most 1.
constexpr double kSmallShape = 1E-2;
constexpr double kEulerGamma = 0.57721566490153286;
constexpr double kZeta2 = 1.6449340668482264;

// ln(1 + p/q) for p, q > 0, without overflow of p/q.
double LnOnePlusRatio(double p, double q) {
  return p <= q ? std::log1p(p / q) : std::log(p) - std::log(q) + std::log1p(q / p);
}

// psi(1 + m) + Euler's gamma and psi'(1 + m) for 0 <= m <= 1, to about 1E-12: up past 7 by
// psi(x) = psi(x + 1) - 1/x, then their asymptotic series.
double DigammaOnePlus(double m) {
  double x = 1 + m, sum = kEulerGamma;
  for (; x < 7; x += 1) sum -= 1 / x;
  const double r = 1 / (x * x);
  return sum + std::log(x) - 0.5 / x -
         r * (1.0 / 12 - r * (1.0 / 120 - r * (1.0 / 252 - r * (1.0 / 240 - r / 132))));
}
double TrigammaOnePlus(double m) {
  double x = 1 + m, sum = 0;
  for (; x < 7; x += 1) sum += 1 / (x * x);
  const double r = 1 / (x * x);
  return sum + 1 / x + 0.5 * r + r / x * (1.0 / 6 - r * (1.0 / 30 - r / 42));
}

// D = ln Gamma(1 + a + b) - ln Gamma(1 + a) - ln Gamma(1 + b) for a, b <= 1, and how far it
// can be off. It is about the smaller shape m times psi(1 + M) + gamma (M the larger), and a
// root moves by its error over m: below m = 1E-5 its Taylor series in m, whose first
// neglected term is below m^3; above, the logarithms of the gamma function themselves.
double LnGammaBalance(double a, double b, double& error) {
  const double m = std::fmin(a, b), big = std::fmax(a, b);
  if (m < 1E-5) {
    error = 1E-12 * m + m * m * m;
    return m * DigammaOnePlus(big) + 0.5 * m * m * (TrigammaOnePlus(big) - kZeta2);
  }
  error = 2E-15;
  double sign;
  return LnGamma(1 + a + b, sign) - LnGamma(1 + a, sign) - LnGamma(1 + b, sign);
}

// (y (a + b) - b)/b and its negative over a, the distances of y from the mass b/(a + b) at 0:
// the products exact by fused multiply-adds and summed with their roundings, after the shapes
// are scaled by a power of 2 (exactly) to keep the products in the normal doubles.
struct MiddleDistances {
  double over_b, over_a;
};
MiddleDistances DistancesFromMiddle(double a, double b, double y) {
  int exponent;
  std::frexp(std::fmax(a, b), &exponent);
  const double as = std::ldexp(a, -exponent), bs = std::ldexp(b, -exponent);
  const double p1 = y * as, e1 = std::fma(y, as, -p1);
  const double p2 = y * bs, e2 = std::fma(y, bs, -p2);
  // Two-sums of p2 - bs and of p1 plus that, each with its rounding kept.
  const double s1 = p2 - bs, z1 = s1 - p2, t1 = (p2 - (s1 - z1)) + (-bs - z1);
  const double s2 = p1 + s1, z2 = s2 - p1, t2 = (p1 - (s2 - z2)) + (s1 - z2);
  const double n = s2 + (t2 + t1 + e1 + e2);
  return {n / bs, -n / as};
}

// h(s) = alpha s + ln S(e^s) + D - target for one of the two forms, the lower tail's
// logarithm less the target's, with both taken apart from the mass beta/(alpha + beta).
class SmallShapeEquation {
 public:
  SmallShapeEquation(double alpha, double beta, double d, double d_error, double target)
      : alpha_(alpha), beta_(beta), d_(d), d_error_(d_error), target_(target) {}

  double alpha() const { return alpha_; }
  double d() const { return d_; }
  double target() const { return target_; }

  // With the slope alpha (1 - v)^(beta - 1) / S(v), and an error of some roundings of each
  // term and D's own.
  TailValue At(double s) const {
    const double v = std::exp(s);
    double c = 1, sum = 0;
    for (int n = 1; n < 200; ++n) {
      c *= (1 - beta_ / n) * v;
      const double term = c / (alpha_ + n);
      sum += term;
      if (std::fabs(term) <= 1E-17 * std::fabs(sum)) break;
    }
    const double ln_s = std::log1p(alpha_ * sum);
    const double h = alpha_ * s + ln_s + d_ - target_;
    const double slope = alpha_ * std::exp((beta_ - 1) * std::log1p(-v) - ln_s);
    const double error =
        d_error_ + kTailRounding * 4 * (std::fabs(alpha_ * s) + std::fabs(d_) + std::fabs(target_));
    return {h, slope, error, LnVDensitySlope(alpha_, beta_, v) - slope};
  }

 private:
  double alpha_, beta_, d_, d_error_, target_;
};

// S(v) >= 1 where beta <= 1 puts the root at or below the one with S = 1.
double StartingPoint(const SmallShapeEquation& eq) { return (eq.target() - eq.d()) / eq.alpha(); }

double SmallShapesRoot(double a, double b, double y) {
  double d_error;
  const double d = LnGammaBalance(a, b, d_error);
  const MiddleDistances distance = DistancesFromMiddle(a, b, y);
  // ln(y (a + b)/b) and ln((1 - y)(a + b)/a); far from 1 from y and 1 - y themselves.
  const double lower_target = std::fabs(distance.over_b) < 0.5
                                  ? std::log1p(distance.over_b)
                                  : std::log(y) + LnOnePlusRatio(a, b);
  const double upper_target = std::fabs(distance.over_a) < 0.5
                                  ? std::log1p(distance.over_a)
                                  : std::log1p(-y) + LnOnePlusRatio(b, a);
  const SmallShapeEquation in_x(a, b, d, d_error, lower_target);
  // The two forms differ at 1/2, so each evaluates its own h there.
  std::optional<TailValue> half = in_x.At(kLnHalf);
  if (half->h >= 0) return std::exp(SolveTail(in_x, DBL_MIN, StartingPoint(in_x), half));
  const SmallShapeEquation in_complement(b, a, d, d_error, upper_target);
  std::optional<TailValue> complement_half = in_complement.At(kLnHalf);
  // Both forms put the root at 1/2, within their roundings.
  if (complement_half->h <= 0) return 0.5;
  return Complement(std::exp(
      SolveTail(in_complement, kMachep, StartingPoint(in_complement), complement_half)));
}

// x from the root v of the variable of the smaller shape: x itself (0 below the smallest
// normal double), or 1 - x.
double FromVariable(bool in_x, double v) {
  if (in_x) return v < DBL_MIN ? 0 : v;
  return Complement(v);
}

// ---- Two large shapes ----
//
// From this shape on for both, the distribution is normal about its mean p = a/(a + b) to
// far better than 1E-9 once its skewness is counted: the root is the Cornish-Fisher point
// p + sigma (z + g (z^2 - 1)/6), sigma^2 = p q/(a + b + 1), g = 2 (q - p)/sqrt(a q) (q = 1 - p,
// a <= b), whose next terms are about z^3 sigma/(a q) = 1E-13 p at z = -38.5 (y = 5E-324).
// It is taken in the variable of the smaller shape, x or 1 - x, whose mean is at most 1/2,
// from the ratio of the shapes, so that nothing overflows up to the largest doubles.
constexpr double kNormalShape = 1E+12;

double NormalShapesRoot(double a, double b, double y) {
  const bool in_x = a <= b;
  const double small = in_x ? a : b;
  const double ratio = in_x ? a / b : b / a;
  const double p = ratio / (1 + ratio), q = 1 / (1 + ratio);
  // The lower tail of the variable is y in x, 1 - y in 1 - x: its normal point.
  const double z = y <= 0.5 ? NormalInversa(y) : -NormalInversa(1 - y);
  const double zv = in_x ? z : -z;
  const double skew = 2 * (q - p) / std::sqrt(small * q);
  const double w = zv + skew * (zv * zv - 1) / 6;
  // sigma/p = sqrt(q/(p (a + b + 1))) = sqrt(q/(small + p))
  return FromVariable(in_x, p * (1 + std::sqrt(q / (small + p)) * w));
}

// ---- One shape far larger than the other ----
//
// For a shape M this far above a shape m below kNormalShape, -nu ln(1 - v) (v the variable
// of m, nu = M + (m - 1)/2) is gamma distributed with shape m: its density differs by the
// factor (sinh(t/2)/(t/2))^(m - 1) at t = -ln(1 - v), about m/nu, and its normalisation by
// about m^3/nu^2, both below 1E-24 here. The root is the gamma point mapped back.
constexpr double kGammaLimitShape = 1E+30;

double GammaLimitRoot(double a, double b, double y) {
  const bool in_x = a <= b;
  const double m = in_x ? a : b, big = in_x ? b : a;
  const double nu = big + 0.5 * (m - 1);
  // P(m, z) is the lower tail of v: y in x, 1 - y in 1 - x; each point from the smaller of
  // its two tails, which 1 - y holds exactly from y = 1/2 on.
  double z;
  if (in_x) {
    z = y <= 0.5 ? GammaIncInfInversa(m, y) : GammaIncSupInversa(m, 1 - y);
  } else {
    z = y <= 0.5 ? GammaIncSupInversa(m, y) : GammaIncInfInversa(m, 1 - y);
  }
  return FromVariable(in_x, -std::expm1(-z / nu));
}

}  // namespace

double BetaIncInversa(double a, double b, double y) {
  if (y == 0 || y == 1) return y;
  // Outside these there is no root to find.
  if (!(y > 0 && y < 1 && a > 0 && b > 0 && std::isfinite(a) && std::isfinite(b))) Fail();
  const double small = std::fmin(a, b), large = std::fmax(a, b);
  if (small >= kNormalShape) return NormalShapesRoot(a, b, y);
  if (large >= kGammaLimitShape && small >= 1) return GammaLimitRoot(a, b, y);
  if (large <= 1 && small < kSmallShape) return SmallShapesRoot(a, b, y);
  const bool upper = y > 0.5;
  const double p = upper ? 1 - y : y;
  // Which side of 1/2 the root lies on decides the variable: x, or 1 - x with the shapes
  // exchanged, in which the lower tail of x is the upper one.
  // The first guess tells which to try first; where it is wrong, h at 1/2 says so and is
  // handed over (it is the same tail at the same point, with h of the other sign).
  const BetaTailEquation in_x(a, b, upper, p), in_complement(b, a, !upper, p);
  const auto handed_over = [](const std::optional<TailValue>& value) {
    return std::optional<TailValue>{{-value->h, value->slope, value->error, NAN}};
  };
  const double guess = StartingPoint(in_x);
  std::optional<TailValue> half;
  if (!(guess > kLnHalf)) {
    // A root below the smallest normal double is 0.
    const double s = SolveTail(in_x, DBL_MIN, guess, half);
    if (!std::isnan(s)) return std::exp(s);
  }
  std::optional<TailValue> complement_half;
  if (half) complement_half = handed_over(half);
  const double s = SolveTail(in_complement, kMachep, StartingPoint(in_complement), complement_half);
  if (!std::isnan(s)) return Complement(std::exp(s));
  half = handed_over(complement_half);
  return std::exp(SolveTail(in_x, DBL_MIN, guess, half));
}
