// The regularized incomplete beta function and its inverse.
#include <cfloat>
#include <cmath>
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

// Gamma(a+b) / (Gamma(a) Gamma(b)), for a + b below the overflow of Gamma. The larger
// gamma function divides first: with a small shape, Gamma(a) Gamma(b) alone can overflow
// where the quotient does not.
double BetaFactor(double a, double b) {
  return Div(Div(Gamma(a + b), Gamma(std::fmax(a, b))), Gamma(std::fmin(a, b)));
}

// A result near 1 taken as 1 - t from a small t; it never reaches 1 itself.



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

double numeric::LnBetaFactor(double a, double b) {
  double sign;
  const double small = std::fmin(a, b), large = std::fmax(a, b);
  if (!std::isfinite(large)) return Chk(LnGamma(a + b, sign) - LnGamma(a, sign) - LnGamma(b, sign));
  // The t and the F of one degree of freedom: ln Gamma(1/2) = ln sqrt(pi).
  if (small == 0.5) return Chk(LnGammaRatio(large, small) - 0.57236494292470008707);
  // ln Gamma(large + small) - ln Gamma(large) by Stirling's series term by term for a large
  // shape: the two logarithms are each about large * ln(large), and their difference kept
  // only 1E-16 * large * ln(large) of its digits (2E-7 at 5E+7, where an F of 10^8 degrees
  // of freedom lost its sixth digit).
  return Chk(LnGammaRatio(large, small) - LnGamma(small, sign));
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
  struct Value {
    double h, slope, error;
  };
  Value At(double s) const {
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
    return {upper_ ? -h : h, std::exp(ln_v_density - ln_tail), error};
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

// The root's s in [ln floor, ln 1/2], given h and its slope at ln 1/2 (where h >= 0);
// -infinity for a root below floor. Newton steps stay inside the bracket that their values
// narrow; where one would leave it, the bracket's floor is tried once, then the bracket
// halved. Fails where the tail cannot be computed, where it is not known well enough to
// place the root within 1E-9, or where the bracket does not close.
double SolveTail(const BetaTailEquation& eq, double floor, BetaTailEquation::Value half) {
  double lo = std::log(floor), hi = std::log(0.5);
  bool lo_known = false;
  double s = StartingPoint(eq);
  BetaTailEquation::Value at;
  if (s > lo && s < hi) {
    at = eq.At(s);
  } else {
    s = hi;
    at = half;
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
    }
    const double step = -at.h / at.slope;
    double next = s + step;
    // A step this small leaves an error of about its square: s is then as good as T.
    if (std::fabs(step) <= kRootSettled) return settled(next);
    if (!(next > lo && next < hi)) next = lo_known ? 0.5 * (lo + hi) : lo;
    if (hi - lo <= kRootSettled) return settled(next);
    s = next;
    at = eq.At(s);
    // T beyond the target even at the floor, by more than it can be off.
    if (!lo_known && s == lo && at.h >= 0) return at.h >= at.error ? -HUGE_VAL : settled(s);
  }
  Fail();
}

}  // namespace

double BetaIncInversa(double a, double b, double y) {
  if (y == 0 || y == 1) return y;
  // Outside these there is no root to find.
  if (!(y > 0 && y < 1 && a > 0 && b > 0 && std::isfinite(a) && std::isfinite(b))) Fail();
  const bool upper = y > 0.5;
  const double p = upper ? 1 - y : y;
  // Which side of 1/2 the root lies on decides the variable: x, or 1 - x with the shapes
  // exchanged, in which the lower tail of x is the upper one.
  const BetaTailEquation in_x(a, b, upper, p);
  const BetaTailEquation::Value half = in_x.At(std::log(0.5));
  if (half.h >= 0) {
    // A root below the smallest normal double is 0.
    return std::exp(SolveTail(in_x, DBL_MIN, half));
  }
  const BetaTailEquation in_complement(b, a, !upper, p);
  const double s = SolveTail(in_complement, kMachep, {-half.h, half.slope, half.error});
  return Complement(std::exp(s));
}
