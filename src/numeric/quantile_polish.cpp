#include "numeric/quantile_polish.h"

#include <cmath>
#include <limits>

#include "numeric/failure.h"
#include "numeric/special_internal.h"

namespace numeric {

namespace {

constexpr double kTolerance = 1E-8;
constexpr double kLoosest = 1E-4;
constexpr double kSettled = 1E-9;

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
      // dg/dv = -x f(x) / T(x)
      const double slope = -std::exp(std::log(x) + t.ln_density - t.ln_tail);
      step = -g / slope;
      // A Newton step this small, relative to the point, leaves an error of about its
      // square: the point is then as accurate as its tail lets it be. Steps any smaller
      // would only chase the tail's last rounding (and one that small can no longer land
      // strictly inside the bracket it closes).
      if (std::isfinite(step) && slope != 0 && std::fabs(step) <= kSettled) {
        return x * std::exp(tail.outward * step);
      }
      if (g > 0) {
        inner = v;
      } else {
        outer = v;
      }
      next_v = v + step;
      newton = std::isfinite(step) && slope != 0 && std::fabs(step) <= 16 && next_v > inner &&
               next_v < outer;
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

double StudentPointClosed(int32_t k, double q) {
  constexpr double kPiExact = 3.14159265358979323846;
  if (k == 1) return q >= 0.25 ? std::tan(kPiExact * (0.5 - q)) : 1 / std::tan(kPiExact * q);
  return (1 - 2 * q) / std::sqrt(2 * q * (1 - q));
}

}  // namespace numeric
