// Student t, F and binomial distributions on the incomplete beta function.
#include <cmath>
#include <cstdint>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "numeric/special_internal.h"

using numeric::Chk;
using numeric::Div;
using numeric::Log;

namespace {

constexpr double kInfinite = 1E+300;

void Reject() { ErrorFlag = 1; }

// A tail that is c * I_x(a, b), with the density of the distribution at the point.
numeric::TailAt BetaTail(double c, double a, double b, double x, double ln_density) {
  const double value = BetaInc(a, b, x);
  if (!(value > 0)) return {};
  return {true, Log(c * value), ln_density, numeric::BetaIncError(a, b, x, value)};
}

// Upper tail and density of Student's t with k degrees of freedom at t > 0.
numeric::Tail StudentUpperTail(double k) {
  return {[k](double t) {
            const double t2 = numeric::Mul(t, t);
            const double ln_density = numeric::LnBetaFactor(k / 2, 0.5) - 0.5 * Log(k) -
                                      (k + 1) / 2 * std::log1p(t2 / k);
            return BetaTail(0.5, k / 2, 0.5, Div(k, k + t2), ln_density);
          },
          1};
}

// Density of F(ia, ib) at x > 0, in logarithms.
double FLnDensity(double ia, double ib, double x) {
  return numeric::LnBetaFactor(ia / 2, ib / 2) + ia / 2 * Log(ia / ib) + (ia / 2 - 1) * Log(x) -
         (ia + ib) / 2 * std::log1p(numeric::Mul(ia, x) / ib);
}

// The upper tail of F(ia, ib), or its lower tail, each computed directly (the lower one as
// 1 - upper would lose every digit where it is small).
numeric::Tail FTail(double ia, double ib, bool upper) {
  if (upper) {
    return {[=](double x) {
              const double w = Div(ib, ib + numeric::Mul(ia, x));
              return BetaTail(1, ib / 2, ia / 2, w, FLnDensity(ia, ib, x));
            },
            1};
  }
  return {[=](double x) {
            const double iax = numeric::Mul(ia, x);
            return BetaTail(1, ia / 2, ib / 2, Div(iax, ib + iax), FLnDensity(ia, ib, x));
          },
          -1};
}

// The point an inverse found is refined against its tail: the incomplete beta inverse can
// stop far from the root in a deep tail, 1 - (1 - p) loses the digits of a small p, and a
// point that merely comes within 1E-8 of the tail can be off in its sixth digit.
using numeric::PolishQuantile;

}  // namespace

double TStudentCola(int32_t k, double t) {
  if (k < 1) {
    Reject();
    return 0;
  }
  return numeric::HandlerStyle([&]() -> double {
    if (k > 1000000) return NormalCola(t);
    if (t == 0) return 0.5;
    const double rk = k;
    if (t < -2) {
      const double z = Div(rk, Chk(rk + t * t));
      return 1 - 0.5 * BetaInc(0.5 * rk, 0.5, z);
    }
    // The small upper tail, taken the same way. The series below gives the central part p
    // and the tail as 0.5 - 0.5 p; beyond t = 2 that difference keeps no correct digit
    // (and can come out negative) once the tail is below the rounding error of p.
    if (t > 2) {
      const double z = Div(rk, Chk(rk + t * t));
      return 0.5 * BetaInc(0.5 * rk, 0.5, z);
    }
    double p = Chk(numeric::StudentCentral(k, std::fabs(t)));
    if (t < 0) p = -p;
    return 0.5 - 0.5 * p;
  });
}

double TStudentCentral(int32_t k, double t) {
  if (k < 1) {
    Reject();
    return 0;
  }
  if (k > 1000000) return NormalCentral(t);
  return numeric::HandlerStyle([&]() -> double {
    const double x = std::fabs(t);
    // Within 2 the series gives the central part itself; beyond, it is 1 minus the small
    // tails.
    if (x <= 2) return Chk(numeric::StudentCentral(k, x));
    return 1 - 2 * TStudentCola(k, x);
  });
}

double TStudentCentralInversa(int32_t k, double p) {
  if (k < 1 || !(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  if (p == 1) return kInfinite;
  // Below this the point is the first terms of the inverse of its series, 2 f(0) (t -
  // (k + 1)/(6k) t^3 + ...) with f the density: 1/2 - p/2 would lose the digits of p.
  constexpr double kSeriesBelow = 1E-4;
  if (p >= kSeriesBelow) return TStudentInversa(k, (1 - p) / 2);
  return numeric::HandlerStyle([&]() -> double {
    const double rk = k;
    const double density0 = numeric::Exp(numeric::LnBetaFactor(0.5, rk / 2)) / numeric::Sqrt(rk);
    const double u = p / (2 * density0);
    return u * (1 + (rk + 1) / (6 * rk) * u * u);
  });
}

double TStudentInversa(int32_t k, double p) {
  if (k < 1 || !(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  // 1 and 2 degrees of freedom have closed forms, good to the deepest tail a double holds
  // (for 1 degree of freedom the point is 1/(pi q) there, far beyond what the incomplete
  // beta inverse reaches).
  if (k <= 2 && p > 0 && p < 1) {
    const double t = numeric::StudentPointClosed(k, p < 0.5 ? p : 1 - p);
    const double x = t < kInfinite ? t : kInfinite;
    return p < 0.5 ? x : -x;
  }
  // The common case: a point found from the forward probability alone.
  if (p != 0.5) {
    double t;
    if (numeric::StudentPointFast(k, p < 0.5 ? p : 1 - p, t)) return p < 0.5 ? t : -t;
  }
  return numeric::HandlerStyle([&]() -> double {
    double q = 1 - p;
    const double rk = k;
    double t;
    if (q > 0.25 && q < 0.75) {
      if (q == 0.5) return 0;
      double z = 1 - 2 * q;
      z = BetaIncInversa(0.5, 0.5 * rk, std::fabs(z));
      t = numeric::Sqrt(Div(rk * z, 1 - z));
      if (q < 0.5) t = -t;
    } else {
      double rflg = -1;
      if (q >= 0.5) {
        q = 1 - q;
        rflg = 1;
      }
      const double z = BetaIncInversa(0.5 * rk, 0.5, 2 * q);
      if (kInfinite * z < rk) {
        t = rflg * kInfinite;
      } else {
        t = rflg * numeric::Sqrt(Chk(Div(rk, z) - rk));
      }
    }
    if (p == 0 || p == 1) return t;

    // Confirm the point on the side of the distribution the probability is small on.
    const double target = p < 0.5 ? p : 1 - p;
    const double sign = p < 0.5 ? 1 : -1;
    const numeric::Tail tail = StudentUpperTail(rk);
    double x = std::fabs(t);
    if (x == kInfinite) {
      // The infinite mark stands for a point beyond what t = sqrt(k/z - k) can reach, about
      // 1E+153; only a point short of that is looked for.
      constexpr double kReach = 1E+153;
      const numeric::TailAt far = numeric::EvaluateTail(tail, kReach);
      if (far.ok && far.ln_tail >= Log(target)) return t;
      x = 1;
    }
    return sign * PolishQuantile(tail, x, target);
  });
}

double FSnedecorCola(int32_t ia, int32_t ib, double x) {
  if (ia < 1 || ib < 1) {
    Reject();
    return 0;
  }
  return numeric::ContinueStyleValue([&] {
    const double w = Div(static_cast<double>(ib), Chk(ib + static_cast<double>(ia) * x));
    return BetaInc(0.5 * ib, 0.5 * ia, w);
  });
}

double FSnedecorInversa(int32_t ia, int32_t ib, double y) {
  if (ia < 1 || ib < 1 || !(y >= 0 && y <= 1)) {
    Reject();
    return 0;
  }
  if (y == 1) return 0;
  if (y == 0) return kInfinite;
  // The common case: a point found from the forward probability alone.
  if (double x; numeric::FPointFast(ia, ib, y, x)) return x;
  const double a = ia, b = ib;
  numeric::ContinueStyle run;
  double result = 0;
  double w = 0;
  run.Step([&] { w = BetaInc(0.5 * b, 0.5 * a, 0.5); });
  if (w > y || y < 0.001) {
    run.Step([&] { w = BetaIncInversa(0.5 * b, 0.5 * a, y); });
    run.Step([&] { result = Div(b - b * w, a * w); });
  } else {
    run.Step([&] { w = BetaIncInversa(0.5 * a, 0.5 * b, 1 - y); });
    run.Step([&] { result = Div(b * w, a * (1 - w)); });
  }
  if (!run.Failed()) {
    run.Step([&] {
      const double found = result;
      result = 0;  // a point that cannot be confirmed is not shown
      result = y <= 0.5 ? PolishQuantile(FTail(a, b, true), found, y)
                        : PolishQuantile(FTail(a, b, false), found, 1 - y);
    });
  }
  run.Finish();
  return result;
}

double FSnedecorAcum(int32_t ia, int32_t ib, double x) {
  if (ia < 1 || ib < 1) {
    Reject();
    return 0;
  }
  if (x <= 0) return 0;
  return numeric::ContinueStyleValue([&] {
    const double iax = numeric::Mul(ia, x);
    return BetaInc(0.5 * ia, 0.5 * ib, Div(iax, Chk(ib + iax)));
  });
}

double FSnedecorAcumInversa(int32_t ia, int32_t ib, double p) {
  if (ia < 1 || ib < 1 || !(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  if (p == 0) return 0;
  // 1 - p is exact from p = 1/2 on; below, F(ia, ib) <= x is 1/F (an F(ib, ia)) >= 1/x,
  // whose small upper tail the inverse finds itself.
  if (p >= 0.5) return FSnedecorInversa(ia, ib, 1 - p);
  const int16_t flag = ErrorFlag;
  const double reciprocal = FSnedecorInversa(ib, ia, p);
  if (ErrorFlag != flag) return 0;
  // Beyond the infinite mark the point is below every double worth showing.
  if (!(reciprocal < kInfinite)) return 0;
  return 1 / reciprocal;
}

double BinomialAcum(double k, double n, double p) {
  if (!(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  if (k == n + 1) return 1;
  if (k > n) {
    Reject();
    return 0;
  }
  if (k == -1) return 0;
  if (k < 0) {
    Reject();
    return 0;
  }
  if (k == n) return 1;
  return numeric::ContinueStyleValue([&] {
    const double dn = Chk(n - k);
    if (k == 0) {
      return numeric::Pow(1 - p, dn);
    } else {
      return BetaInc(dn, Chk(k + 1), 1 - p);
    }
  });
}
