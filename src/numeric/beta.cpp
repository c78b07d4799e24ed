// The regularized incomplete beta function and its inverse.
#include <cfloat>
#include <cmath>
#include <utility>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "numeric/special_internal.h"

using numeric::Chk;
using numeric::Div;
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
// Up to this shape the inverse's search settles its point without a refinement.
constexpr double kSearchShape = 100;

// The power series ends within a few thousand passes. The continued fractions need about
// 0.16 sqrt(a) passes near the mean (80 000 at most for 32-bit degrees of freedom); a
// limit of a few hundred stopped them unconverged without a word, so that F(1E+9, 1E+9)
// had 0.11 above its median. Past these limits a loop cannot converge: a failure.
constexpr long kMaxSeriesPasses = 1'000'000;
constexpr long kMaxFractionPasses = 1'000'000;

// The program's log limits: beyond them a result is taken as 0 or as infinite.
double MaxLog() { return Log(1E+300); }
double MinLog() { return Log(1E-300); }
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

// The search of BetaIncInversa: a bracket [x0, x1] with the values yl and yh at its ends,
// narrowed by interval halving and then by Newton steps. rflg tells that the search runs
// on the reflected problem I_(1-x)(b, a) = 1 - y0, which keeps it in the smaller tail.
class BetaInverseSearch {
 public:
  BetaInverseSearch(double a, double b, double y0)
      : a_(a), b_(b), y0_(y0), caller_a_(a), caller_b_(b), caller_y0_(y0),
        maxlog_(MaxLog()), minlog_(MinLog()) {}

  double Run() {
    Step next = Start();
    while (next != Step::kDone) next = next == Step::kHalve ? Halve() : Newton();
    if (rflg_) return Complement(x_);
    return x_;
  }

 private:
  enum class Step { kHalve, kNewton, kDone };

  // Starting point: the middle for small shape parameters, else an approximation through
  // the normal inverse (on the reflected problem above the median).
  Step Start() {
    if (a_ <= 1 || b_ <= 1) {
      dithresh_ = 1E-6;
      x_ = Div(a_, a_ + b_);
      y_ = BetaInc(a_, b_, x_);
      return Step::kHalve;
    }
    dithresh_ = 1E-4;
    double yp = -NormalInversa(y0_);
    if (y0_ > 0.5) {
      rflg_ = true;
      std::swap(a_, b_);
      y0_ = 1 - y0_;
      yp = -yp;
    }
    const double lgm = (yp * yp - 3) / 6;
    x_ = Div(2, Div(1, 2 * a_ - 1) + Div(1, 2 * b_ - 1));
    double d = Chk(yp * numeric::Sqrt(x_ + lgm) / x_ -
                   (Div(1, 2 * b_ - 1) - Div(1, 2 * a_ - 1)) * (lgm + 5.0 / 6 - Div(2, 3 * x_)));
    d = 2 * d;
    if (d < minlog_) {
      x_ = 0;
      return Step::kDone;
    }
    x_ = Div(a_, Chk(a_ + b_ * numeric::Exp(d)));
    y_ = BetaInc(a_, b_, x_);
    if (std::fabs(Div(y_ - y0_, y0_)) < 0.2) return Step::kNewton;
    return Step::kHalve;
  }

  Step Halve() {
    int dir = 0;
    double di = 0.5;
    for (int i = 0; i < 100; ++i) {
      if (i != 0) {
        x_ = Chk(x0_ + di * (x1_ - x0_));
        if (x_ == 1) x_ = kOneMinusMachep;
        if (x_ == 0) {
          di = 0.5;
          x_ = x0_ + di * (x1_ - x0_);
          if (x_ == 0) return Step::kDone;
        }
        y_ = BetaInc(a_, b_, x_);
        if (std::fabs(Div(x1_ - x0_, x1_ + x0_)) < dithresh_) return Step::kNewton;
        if (std::fabs(Div(y_ - y0_, y0_)) < dithresh_) return Step::kNewton;
      }
      if (y_ < y0_) {
        x0_ = x_;
        yl_ = y_;
        if (dir < 0) {
          dir = 0;
          di = 0.5;
        } else if (dir > 3) {
          di = 1 - (1 - di) * (1 - di);
        } else if (dir > 1) {
          di = 0.5 * di + 0.5;
        } else {
          di = Div(y0_ - y_, yh_ - yl_);
        }
        dir = dir + 1;
        // A root above 0.75 is searched for in the other tail, where the probability is
        // small and BetaInc keeps its relative digits. Not when the other tail's target is
        // the larger one: 1 - y0 for a small y0 keeps few digits of y0 (none below 5E-16,
        // above BetaInc's cap near 1), and that search ends far off or comes back here.
        if (x0_ > 0.75 && reflections_ < kMaxReflections && ReflectionHelps()) {
          ++reflections_;
          Reflect();
          x_ = 1 - x_;
          y_ = BetaInc(a_, b_, x_);
          x0_ = 0;
          yl_ = 0;
          x1_ = 1;
          yh_ = 1;
          return Step::kHalve;
        }
      } else {
        x1_ = x_;
        if (rflg_ && x1_ < kMachep) {
          x_ = 0;
          return Step::kDone;
        }
        yh_ = y_;
        if (dir > 0) {
          dir = 0;
          di = 0.5;
        } else if (dir < -3) {
          di = di * di;
        } else if (dir < -1) {
          di = 0.5 * di;
        } else {
          di = Div(y_ - y0_, yh_ - yl_);
        }
        dir = dir - 1;
      }
    }
    if (x0_ >= 1) {
      x_ = kOneMinusMachep;
      return Step::kDone;
    }
    if (x_ <= 0) {
      x_ = 0;
      return Step::kDone;
    }
    return Step::kNewton;
  }

  Step Newton() {
    if (nflg_) return Step::kDone;
    nflg_ = true;
    const double lgm = LnBetaFactor(a_, b_);
    for (int i = 0; i < 8; ++i) {
      if (i != 0) y_ = BetaInc(a_, b_, x_);
      if (y_ < yl_) {
        x_ = x0_;
        y_ = yl_;
      } else if (y_ > yh_) {
        x_ = x1_;
        y_ = yh_;
      } else if (y_ < y0_) {
        x0_ = x_;
        yl_ = y_;
      } else {
        x1_ = x_;
        yh_ = y_;
      }
      if (x_ == 1 || x_ == 0) break;
      // ln of the density at x. Where it underflows a Newton step means nothing (it used to
      // end the search there, on a point that could be far from the root): halve instead.
      double d = Chk((a_ - 1) * Log(x_) + (b_ - 1) * Log(1 - x_) + lgm);
      if (d < minlog_ || d > maxlog_) break;
      d = Div(y_ - y0_, numeric::Exp(d));
      double xt = x_ - d;
      if (xt <= x0_) {
        const double y = Div(x_ - x0_, x1_ - x0_);
        xt = x0_ + 0.5 * y * (x_ - x0_);
        if (xt <= 0) break;
      }
      if (xt >= x1_) {
        const double y = Div(x1_ - x_, x1_ - x0_);
        xt = x1_ - 0.5 * y * (x1_ - x_);
        if (xt >= 1) break;
      }
      x_ = xt;
      if (std::fabs(Div(d, x_)) < 128 * kMachep) return Step::kDone;
    }
    // Not converged: finish by halving to a much finer tolerance.
    dithresh_ = 256 * kMachep;
    return Step::kHalve;
  }

  bool ReflectionHelps() const {
    const double target = rflg_ ? caller_y0_ : 1 - caller_y0_;
    return target <= 0.5;
  }

  void Reflect() {
    if (rflg_) {
      rflg_ = false;
      a_ = caller_a_;
      b_ = caller_b_;
      y0_ = caller_y0_;
    } else {
      rflg_ = true;
      a_ = caller_b_;
      b_ = caller_a_;
      y0_ = 1 - caller_y0_;
    }
  }

  static constexpr int kMaxReflections = 4;

  double a_, b_, y0_;
  const double caller_a_, caller_b_, caller_y0_;
  const double maxlog_, minlog_;
  double x0_ = 0, yl_ = 0, x1_ = 1, yh_ = 1;
  double x_ = 0, y_ = 0;
  double dithresh_ = 0;
  bool rflg_ = false;
  bool nflg_ = false;
  int reflections_ = 0;
};

}  // namespace

double BetaIncInversa(double a, double b, double y) {
  if (y == 0 || y == 1) return y;
  // Outside these the search would chase a root that does not exist.
  if (!(y > 0 && y < 1 && a > 0 && b > 0)) numeric::Fail();
  // The search stops on tolerances relative to its target and to x. Above y = 1/2 the
  // target near 1 holds nothing of the small upper tail 1 - y, so that tail is searched,
  // I_(1-x)(b, a) = 1 - y (exact here), in 1 - x, which holds the digits of a root above 1/2.
  // Up to moderate shapes the search settles a root below 1/2 (in x or in 1 - x) to its last
  // digits; beyond, its tolerances leave it good to about 1E-8.
  const bool settled = std::fmax(a, b) <= kSearchShape;
  double x;
  try {
    if (y > 0.5) {
      const double reflected = BetaInverseSearch(b, a, 1 - y).Run();
      if (settled && reflected <= 0.5) return 1 - reflected;
      x = reflected <= 0.5 ? 1 - reflected : BetaInverseSearch(a, b, y).Run();
    } else {
      x = BetaInverseSearch(a, b, y).Run();
      if (settled && x <= 0.5) return x;
    }
  } catch (const numeric::NumericFailure&) {
    x = Div(a, a + b);  // the refinement below starts from the mean instead
  }
  // The rest is refined on the smaller tail, until it is as good as that tail. A root above
  // 1/2 is refined in u = 1 - x, on I_u(b, a) = 1 - I_x(a, b), which keeps the digits of
  // 1 - x (a tolerance relative to x does not resolve them).
  const bool upper = y > 0.5;
  const double target = upper ? 1 - y : y;
  const bool reflect = x > 0.5;
  const double p = reflect ? b : a, q = reflect ? a : b;  // the shapes in the variable used
  const bool upper_in_variable = upper != reflect;
  const double lnbf = LnBetaFactor(a, b);
  const numeric::Tail tail{[=](double at) {
                             if (!(at > 0 && at < 1)) return numeric::TailAt{};
                             const double ln_density =
                                 (p - 1) * Log(at) + (q - 1) * std::log1p(-at) + lnbf;
                             const double ln_tail =
                                 std::fmin(a, b) >= kTailsShape
                                     ? numeric::LnIncompleteBeta(p, q, at, 1 - at,
                                                                 upper_in_variable)
                                     : Log(BetaIncTail(p, q, at, upper_in_variable));
                             return numeric::TailAt{true, ln_tail, ln_density, numeric::kBetaTailError};
                           },
                           upper_in_variable ? 1 : -1};
  const double start = reflect ? 1 - x : x;
  try {
    const double found = numeric::PolishQuantile(tail, start > 0 ? start : 0.5, target);
    return reflect ? std::fmin(1 - found, kOneMinusMachep) : found;
  } catch (const numeric::NumericFailure&) {
    return x;  // no better point than the search's
  }
}
