#include "numeric/quantile_polish.h"

#include <cmath>
#include <limits>

#include "numeric/failure.h"
#include "numeric/special_internal.h"

namespace numeric {

namespace {

constexpr double kTolerance = 1E-8;
constexpr double kLoosest = 1E-4;

// How close to the target T(x) must come: 1E-8, or four times T's own error where that is
// larger (an incomplete beta with shape parameters in the billions keeps about 1E-6).
double Tolerance(const TailAt& t) {
  const double own = 4 * t.rel_error;
  if (!(own < kLoosest)) return kLoosest;
  return std::fmax(kTolerance, own);
}

bool Within(const TailAt& t, double ln_target) {
  return t.ok && std::fabs(std::expm1(t.ln_tail - ln_target)) <= Tolerance(t);
}

}  // namespace

TailAt EvaluateTail(const Tail& tail, double x) {
  try {
    TailAt t = tail.at(x);
    if (!std::isfinite(t.ln_tail)) t.ok = false;
    return t;
  } catch (const NumericFailure&) {
    return TailAt{};
  }
}

double PolishQuantile(const Tail& tail, double x_start, double target) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  // v = outward * ln x grows towards the tail; g(v) = ln T - ln target falls with it.
  const double ln_target = Log(target);
  double x = (x_start > 0 && std::isfinite(x_start)) ? x_start : 1;
  double inner = -kInf, outer = kInf;  // g > 0 at inner, g < 0 (or no value) at outer
  double expand = 1;
  double best_x = x, best_g = kInf;
  TailAt best;

  for (int i = 0; i < 200; ++i) {
    const double v = tail.outward * std::log(x);
    const TailAt t = EvaluateTail(tail, x);
    double next_v;
    bool newton = false;
    double step = 0;
    if (!t.ok) {
      outer = v;
      next_v = std::isfinite(inner) ? 0.5 * (inner + outer) : v - expand;
      expand *= 2;
    } else {
      const double g = t.ln_tail - ln_target;
      if (std::fabs(g) < std::fabs(best_g)) {
        best_g = g;
        best_x = x;
        best = t;
      }
      if (std::fabs(g) <= 1E-15) break;
      if (g > 0) {
        inner = v;
      } else {
        outer = v;
      }
      // dg/dv = -x f(x) / T(x)
      const double slope = -std::exp(std::log(x) + t.ln_density - t.ln_tail);
      step = -g / slope;
      next_v = v + step;
      newton = std::isfinite(step) && slope != 0 && std::fabs(step) <= 16 && next_v > inner &&
               next_v < outer;
      if (newton && std::fabs(step) <= 1E-15 * std::fmax(1, std::fabs(v))) break;
      if (!newton) {
        if (std::isfinite(inner) && std::isfinite(outer)) {
          next_v = 0.5 * (inner + outer);
        } else {
          next_v = std::isfinite(inner) ? v + expand : v - expand;
          expand *= 2;
        }
      }
    }
    if (outer - inner <= 1E-15 * std::fmax(1, std::fabs(v))) break;
    x = newton ? x * std::exp(tail.outward * step) : std::exp(tail.outward * next_v);
    if (!(x > 0 && std::isfinite(x))) break;
  }
  if (!Within(best, ln_target)) Fail();
  return best_x;
}

}  // namespace numeric

namespace numeric {

double StudentSeries(int32_t k, double z, double j) {
  double f = 1, tz = 1;
  while (j <= k - 2 && tz / f > 5E-16) {
    tz = tz * (j - 1) / (z * j);
    f = f + tz;
    j = j + 2;
  }
  return f;
}

double StudentCentral(int32_t k, double x) {
  const double rk = k;
  const double z = 1 + x * x / rk;
  const auto series = [&](double j) { return StudentSeries(k, z, j); };
  if (k % 2 != 0) {
    const double xsqk = x / std::sqrt(rk);
    double p = std::atan(xsqk);
    if (k > 1) p = p + series(3) * xsqk / z;
    return 2 * p / kPi;
  }
  return series(2) * x / std::sqrt(z * rk);
}

namespace {

// The series runs k/2 passes; beyond this the incomplete beta function is cheaper.
constexpr int32_t kSeriesLimit = 200;
// Below this tail the series' absolute rounding would cost relative digits of the tail.
constexpr double kSeriesTail = 1E-3;
// Below this tail the general inverse and its polish take over.
constexpr double kFastTail = 1E-10;

double StudentPointSearch(int32_t k, double q) {
  constexpr double kPiExact = 3.14159265358979323846;
  if (k <= 2) return StudentPointClosed(k, q);

  const double rk = k;
  double sign;
  const double lnc = LnGamma((rk + 1) / 2, sign) - LnGamma(rk / 2, sign) -
                     0.5 * std::log(rk * kPiExact);
  const auto density = [&](double x) {
    return std::exp(lnc - (rk + 1) / 2 * std::log1p(x * x / rk));
  };

  // Cornish-Fisher: the normal point corrected in powers of 1/k.
  const double z = -NormalInversa(q);
  const double z2 = z * z;
  double x = z + (z2 + 1) * z / (4 * rk) + ((5 * z2 + 16) * z2 + 3) * z / (96 * rk * rk) +
             (((3 * z2 + 19) * z2 + 17) * z2 - 15) * z / (384 * rk * rk * rk) +
             ((((79 * z2 + 776) * z2 + 1482) * z2 - 1920) * z2 - 945) * z /
                 (92160 * rk * rk * rk * rk);
  const bool series = k <= kSeriesLimit;
  const bool central = q >= 0.25;
  for (int i = 0; i < 12; ++i) {
    if (!(x > 0 && std::isfinite(x))) Fail();
    if (central) {
      // Near 0 the point is the small difference of probabilities near 1/2: step on the
      // central probability, which 1 - 2q gives exactly here.
      const double a = series ? StudentCentral(k, x) : BetaInc(0.5, rk / 2, x * x / (rk + x * x));
      const double step = ((1 - 2 * q) - a) / (2 * density(x));
      x += step;
      if (std::fabs(step) <= 1E-9 * x) return x;
    } else {
      // In the tail, ln T against ln x: nearly straight however heavy the tail.
      const double tail = series && q >= kSeriesTail ? 0.5 - 0.5 * StudentCentral(k, x)
                                                     : 0.5 * BetaInc(rk / 2, 0.5, rk / (rk + x * x));
      if (!(tail > 0)) Fail();
      const double dv = (std::log(tail) - std::log(q)) * tail / (x * density(x));
      x *= std::exp(dv);
      if (std::fabs(dv) <= 1E-9) return x;
    }
  }
  Fail();
}

double FPointSearch(double ia, double ib, double y) {
  // The smaller tail is the one searched: the upper one (outward +1) up to y = 1/2, else the
  // lower one, whose probability 1 - y is exact there.
  const bool upper = y <= 0.5;
  const double tau = upper ? y : 1 - y;
  const double s = upper ? -1 : 1;  // the sign of the tail's slope
  // ln f(x) = lnc + (ia/2 - 1) ln x - (ia + ib)/2 ln(1 + ia x / ib)
  const double lnc = LnBetaFactor(ia / 2, ib / 2) + ia / 2 * std::log(ia / ib);

  double x = 0;
  {
    // Paulson: the cube root of F is nearly normal.
    const double z = upper ? -NormalInversa(y) : NormalInversa(tau);
    const double a = 2 / (9 * ia), b = 2 / (9 * ib);
    const double den = (1 - b) * (1 - b) - b * z * z;
    const double rad = (1 - a) * (1 - a) * b + (1 - b) * (1 - b) * a - a * b * z * z;
    if (den > 0 && rad >= 0) {
      const double root = ((1 - a) * (1 - b) + z * std::sqrt(rad)) / den;
      if (root > 0) x = root * root * root;
    }
  }
  if (!(x > 0 && std::isfinite(x))) {
    // The leading term of the tail: I_w(a, b) ~ w^a / (a B(a, b)) for a small w.
    const double a = upper ? ib / 2 : ia / 2, b = upper ? ia / 2 : ib / 2;
    const double w = std::exp((std::log(tau) + std::log(a) - LnBetaFactor(a, b)) / a);
    x = upper ? ib * (1 - w) / (ia * w) : ib * w / (ia * (1 - w));
  }
  // Neither holds (a huge shape parameter against a small one): start from the centre.
  if (!(x > 0 && std::isfinite(x))) x = 1;

  for (int i = 0; i < 12; ++i) {
    if (!(x > 0 && std::isfinite(x))) Fail();
    const double iax = ia * x;
    const double tail = upper ? BetaInc(ib / 2, ia / 2, ib / (ib + iax))
                              : BetaInc(ia / 2, ib / 2, iax / (ib + iax));
    if (!(tail > 0)) Fail();
    const double lnx = std::log(x);
    const double lnf = lnc + (ia / 2 - 1) * lnx - (ia + ib) / 2 * std::log1p(iax / ib);
    const double h = std::exp(lnx + lnf - std::log(tail));        // x f / tail
    const double d = (ia / 2 - 1) - (ia + ib) / 2 * iax / (ib + iax);  // x f' / f
    const double g = std::log(tail) - std::log(tau);
    const double g1 = s * h;
    const double g2 = s * h * (1 + d) - h * h;
    const double halley = 2 * g1 * g1 - g * g2;
    double dv = halley > 0 ? -2 * g * g1 / halley : -g / g1;
    if (!std::isfinite(dv)) Fail();
    if (std::fabs(dv) > 2) dv = dv > 0 ? 2 : -2;
    x *= std::exp(dv);
    if (std::fabs(dv) <= 1E-6) return x;
  }
  Fail();
}

}  // namespace

double StudentPointClosed(int32_t k, double q) {
  constexpr double kPiExact = 3.14159265358979323846;
  if (k == 1) return q >= 0.25 ? std::tan(kPiExact * (0.5 - q)) : 1 / std::tan(kPiExact * q);
  return (1 - 2 * q) / std::sqrt(2 * q * (1 - q));
}

bool FPointFast(int32_t ia, int32_t ib, double y, double& x) {
  if (!(y >= kFastTail && y <= 1 - kFastTail) || ia < 1 || ib < 1 || ia > 1000000 ||
      ib > 1000000) {
    return false;
  }
  try {
    const double found = FPointSearch(ia, ib, y);
    if (!(found > 0 && std::isfinite(found))) return false;
    x = found;
    return true;
  } catch (const NumericFailure&) {
    return false;
  }
}

bool StudentPointFast(int32_t k, double q, double& t) {
  if (!(q >= kFastTail && q < 0.5) || k < 1 || k > 1000000) return false;
  try {
    const double x = StudentPointSearch(k, q);
    if (!(x > 0 && std::isfinite(x))) return false;
    t = x;
    return true;
  } catch (const NumericFailure&) {
    return false;
  }
}

}  // namespace numeric
