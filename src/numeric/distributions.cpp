// Student t, F and binomial distributions on the incomplete beta function.
//
// Each hands the incomplete beta function its point and that point's complement, each
// computed directly (k/(k + t^2) and t^2/(k + t^2); ib/(ib + ia x) and ia x/(ib + ia x);
// 1 - p and p): next to 1 a rounded point keeps nothing of its small complement, on which a
// tail with degrees of freedom in the millions depends. A percentage point is found on the
// tail it is small in, from the logarithm of that tail, so that a probability as small as a
// double holds (subnormal ones included) has its point.
#include <cfloat>
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
constexpr double kLnHalf = -0.693147180559945309417232121458;

void Reject() { ErrorFlag = 1; }

// Up to this many degrees of freedom the central part of the t comes from the published
// finite series, k/2 cheap passes; beyond, the incomplete beta function is cheaper.
constexpr int32_t kSeriesDf = 40;
// The series gives an upper tail as 1/2 - P/2, which keeps its digits while the tail is
// above this: it loses at most two of sixteen, to the roundings of P and of the series'
// 15-digit pi.
constexpr double kSeriesTail = 1E-2;
bool SeriesKeepsTail(double central) { return 1 - central >= 2 * kSeriesTail; }

// Beyond this |t| the t's tail is the leading term of its series in k/t^2 (below 1E-290
// there), and t^2 itself would soon be beyond the doubles (from 1.34E+154 on): the tail comes
// from ln t, and the central part is 1.
constexpr double kFarOut = 1E+150;

// ln I_w(a, b) for w below 1E-290, the leading term of its series, w^a / (a B(a, b)), from
// ln w and lnbf = -ln B(a, b): w itself may have lost its digits in the subnormal doubles, or
// be beyond them.
constexpr double kLeadingTermBelow = 1E-290;
double LnLeadingTerm(double a, double ln_w, double lnbf) { return a * ln_w - std::log(a) + lnbf; }

// ln P(T > t) for t > kFarOut, from ln_c = ln(Gamma((k+1)/2) / (Gamma(k/2) sqrt(k pi))):
// P(T > t) = I_x(k/2, 1/2) / 2 with ln x = ln k - 2 ln t - ln(1 + k/t^2) for x = k/(k + t^2).
double LnFarUpper(double k, double ln_c, double t) {
  const double ln_x = std::log(k) - 2 * std::log(t) - std::log1p(k / t / t);
  return kLnHalf + LnLeadingTerm(k / 2, ln_x, ln_c + 0.5 * std::log(k));
}

using numeric::Split;

// k/(k + t^2) and t^2/(k + t^2).
Split StudentSplit(double k, double t) {
  const double t2 = numeric::Mul(t, t);
  const double s = numeric::Add(k, t2);
  return {k / s, t2 / s};
}

}  // namespace

Split numeric::FSplit(double ia, double ib, double x) {
  // Far out, ia x alone can overflow where the two parts cannot: there they are r/(1 + r)
  // and 1/(1 + r) with r = ib/(ia x).
  if (x > 1 && ia * x > 1E300) {
    const double r = ib / ia / x;
    return {r / (1 + r), 1 / (1 + r)};
  }
  const double iax = numeric::Mul(ia, x);
  const double s = numeric::Add(ib, iax);
  return {Div(ib, s), Div(iax, s)};
}

double numeric::StudentLnC(double k) {
  return numeric::LnBetaFactor(k / 2, 0.5) - 0.5 * std::log(k);
}

double numeric::StudentLnDensity(double k, double ln_c, double t) {
  const double a = std::fabs(t);
  const double ln_1p =
      a < 1E150 ? std::log1p(a / k * a) : 2 * std::log(a) - std::log(k) + std::log1p(k / a / a);
  return ln_c - (k + 1) / 2 * ln_1p;
}

namespace {

using numeric::FSplit;

// What the t needs of its degrees of freedom, computed once: ln f(t) = ln_c - (k+1)/2
// ln(1 + t^2/k).
struct Student {
  int32_t df;
  double k, ln_c;
  explicit Student(int32_t df) : df(df), k(df), ln_c(numeric::StudentLnC(k)) {}

  double LnDensity(double t) const { return numeric::StudentLnDensity(k, ln_c, t); }

  // Below this the central part is the first terms of its series, 2 f(0) (t - (k + 1)/(6k)
  // t^3), exact to the last digit; t^2 itself may be lost below the doubles there.
  static constexpr double kSeriesBelow = 1E-5;
  double CentralSeries(double t) const {
    return 2 * std::exp(ln_c) * t * (1 - (k + 1) / (6 * k) * t * t);
  }

  // P(|T| <= t) and P(T > t) for t > 0, each from its own side, and their logarithms, which
  // keep their digits where the values are below the doubles.
  double Central(double t) const {
    if (t > kFarOut) return 1;
    // Far out, the series' 15-digit pi takes the central part of an odd k up to 1E-15 past 1,
    // which is all it is off by.
    if (df <= kSeriesDf) return numeric::Probability(Chk(numeric::StudentCentral(df, t)));
    if (t < kSeriesBelow) return CentralSeries(t);
    const Split s = StudentSplit(k, t);
    return numeric::IncompleteBeta(k / 2, 0.5, s.x, s.y).upper;
  }
  double LnCentral(double t) const {
    if (df <= kSeriesDf || t < kSeriesBelow || t > kFarOut) return Log(Central(t));
    const Split s = StudentSplit(k, t);
    return numeric::LnIncompleteBeta(k / 2, 0.5, s.x, s.y, true);
  }
  double Upper(double t) const {
    if (t > kFarOut) return std::exp(LnFarUpper(k, ln_c, t));
    if (const double tail = SeriesUpper(t); tail > 0) return tail;
    const Split s = StudentSplit(k, t);
    return 0.5 * numeric::IncompleteBeta(k / 2, 0.5, s.x, s.y).lower;
  }
  double LnUpper(double t) const {
    if (t > kFarOut) return LnFarUpper(k, ln_c, t);
    if (const double tail = SeriesUpper(t); tail > 0) return Log(tail);
    const Split s = StudentSplit(k, t);
    return kLnHalf + numeric::LnIncompleteBeta(k / 2, 0.5, s.x, s.y, false);
  }

 private:
  // The upper tail from the series where it keeps its digits there, else 0.
  double SeriesUpper(double t) const {
    if (df > kSeriesDf) return 0;
    const double central = numeric::StudentCentral(df, t);
    return SeriesKeepsTail(central) ? 0.5 * (1 - central) : 0;
  }
};

// Newton steps on a point from a good start, until a step moves it by less than settled
// times itself (1E-9 leaves it about 1E-18 from the root; 1E-6 as much where the steps are
// Halley's, which converge cubically): step(x) gives the next point's ratio to x. False where
// it does not settle within a dozen steps: the caller then takes the bracketed search of
// PolishQuantile.
template <class Step>
bool Settle(double& x, Step step, double settled = 1E-9) {
  try {
    for (int i = 0; i < 12; ++i) {
      if (!(x > 0 && std::isfinite(x))) return false;
      const double ratio = step(x);
      if (!std::isfinite(ratio)) return false;
      x *= ratio;
      if (std::fabs(ratio - 1) <= settled) return x > 0 && std::isfinite(x);
    }
  } catch (const numeric::NumericFailure&) {
  }
  return false;
}

// Where the tail keeps its value's digits the point comes from values, not logarithms.
constexpr double kValueTail = 1E-10;
// Up to this many degrees of freedom a point's Newton steps take the series: a few steps
// of k/2 cheap passes cost less than the incomplete beta function's.
constexpr int32_t kPointSeriesDf = 200;

// P(T > t) on t > 0, for the point search.
numeric::Tail StudentUpperTail(const Student& st) {
  return {[st](double t) {
            return numeric::TailAt{true, st.LnUpper(t), st.LnDensity(t), numeric::kBetaTailError};
          },
          1};
}

// P(|T| <= t) on t > 0, which shrinks towards 0 as a lower tail does, with density 2 f(t).
numeric::Tail StudentCentralTail(const Student& st) {
  return {[st](double t) {
            return numeric::TailAt{true, st.LnCentral(t), std::log(2.0) + st.LnDensity(t),
                                   numeric::kBetaTailError};
          },
          -1};
}

// The t > 0 with P(|T| <= t) = c, for 0 < c <= 1/2, with its relative digits however small c
// is. Newton steps on ln P against ln t, from the density at 0 for a small c and from the
// normal point corrected in powers of 1/k (Cornish-Fisher) otherwise.
double StudentCentralPoint(const Student& st, double c) {
  double start = c / (2 * std::exp(st.ln_c));
  if (c > 1E-4) {
    const double z = -NormalInversa(0.5 - c / 2);
    start = z * (1 + (z * z + 1) / (4 * st.k));
  }
  // Near 0 the point is the small difference of probabilities near 1/2: step on the central
  // probability itself.
  double x = start;
  if (c >= kValueTail && Settle(x, [&](double t) {
        const double central = st.df <= kPointSeriesDf ? Chk(numeric::StudentCentral(st.df, t))
                                                       : st.Central(t);
        return 1 + (c - central) / (2 * std::exp(st.LnDensity(t)) * t);
      })) {
    return x;
  }
  return numeric::PolishQuantile(StudentCentralTail(st), start, c);
}

// The t > 0 with P(T > t) = q, for 0 < q < 1/4.
double StudentUpperPoint(const Student& st, double q) {
  const double k = st.k;
  const double z = -NormalInversa(q);
  const double z2 = z * z;
  double start;
  if (z2 <= 2 * k || q >= 1E-4) {
    // Cornish-Fisher: the normal point corrected in powers of 1/k.
    start = z + (z2 + 1) * z / (4 * k) + ((5 * z2 + 16) * z2 + 3) * z / (96 * k * k) +
            (((3 * z2 + 19) * z2 + 17) * z2 - 15) * z / (384 * k * k * k) +
            ((((79 * z2 + 776) * z2 + 1482) * z2 - 1920) * z2 - 945) * z /
                (92160 * k * k * k * k);
  } else {
    // Far out the tail is nearly a power, k^(k/2) / (k B(k/2, 1/2)) t^-k.
    start = std::exp(((k / 2 - 1) * std::log(k) + st.ln_c + 0.5 * std::log(k) - std::log(q)) / k);
  }
  // In the tail, ln T against ln t: nearly straight however heavy the tail.
  double x = start;
  // Up to kPointSeriesDf the series serves a tail down to 1E-3: it keeps 1E-13 of it, and the
  // point as many of its digits.
  const bool series = st.df <= kPointSeriesDf && q >= 1E-3;
  const double ln_q = std::log(q);
  if (q >= kValueTail && Settle(x, [&](double t) {
        const double tail = series ? 0.5 - 0.5 * Chk(numeric::StudentCentral(st.df, t)) : st.Upper(t);
        if (!(tail > 0)) numeric::Fail();
        return std::exp((std::log(tail) - ln_q) * tail / (t * std::exp(st.LnDensity(t))));
      })) {
    return x;
  }
  return numeric::PolishQuantile(StudentUpperTail(st), start, q);
}

// Density of F(ia, ib) at x > 0, in logarithms.
double FLnDensity(double ia, double ib, double lnbf, double x) {
  const double ratio = ia / ib * x;
  // ln(1 + ratio), also where ratio itself is beyond the doubles.
  const double ln_one_plus =
      ratio < 1E300 ? std::log1p(ratio) : std::log(ia / ib) + std::log(x) + std::log1p(ib / ia / x);
  return lnbf + ia / 2 * std::log(ia / ib) + (ia / 2 - 1) * std::log(x) - (ia + ib) / 2 * ln_one_plus;
}

// Where ia x/(ib + ia x) is this small the lower tail of F(ia, ib) is the leading term of its
// series: ia x/ib below 1E-290.
bool FarLeft(double ia, double ib, double x) { return ia / ib * x < kLeadingTermBelow; }

// ln P(F <= x) there, from ln(ia x/(ib + ia x)) = ln ia + ln x - ln(ib + ia x).
double LnFarLeft(double ia, double ib, double lnbf, double x) {
  return LnLeadingTerm(ia / 2, std::log(ia) + std::log(x) - std::log(ib + ia * x), lnbf);
}

// The upper tail of F(ia, ib), or its lower tail, each computed directly.
numeric::Tail FTail(double ia, double ib, double lnbf, bool upper) {
  return {[=](double x) {
            const Split s = FSplit(ia, ib, x);
            const double ln_tail = !upper && FarLeft(ia, ib, x)
                                       ? LnFarLeft(ia, ib, lnbf, x)
                                       : numeric::LnIncompleteBeta(ib / 2, ia / 2, s.x, s.y, !upper);
            return numeric::TailAt{true, ln_tail, FLnDensity(ia, ib, lnbf, x),
                                   numeric::kBetaTailError};
          },
          upper ? 1 : -1};
}

// The x > 0 with the given tail of F(ia, ib), q <= 1/2: Newton steps on the logarithm of the
// tail against ln x, from Paulson's approximation (the cube root of F is nearly normal) or,
// where it does not hold, from the leading term of the tail.
double FPoint(double ia, double ib, double q, bool upper) {
  double x = 0;
  {
    const double z = -NormalInversa(q) * (upper ? 1 : -1);
    const double a = 2 / (9 * ia), b = 2 / (9 * ib);
    const double den = (1 - b) * (1 - b) - b * z * z;
    const double rad = (1 - a) * (1 - a) * b + (1 - b) * (1 - b) * a - a * b * z * z;
    if (den > 0 && rad >= 0) {
      const double root = ((1 - a) * (1 - b) + z * std::sqrt(rad)) / den;
      if (root > 0) x = root * root * root;
    }
  }
  // ln(Gamma((ia + ib)/2) / (Gamma(ia/2) Gamma(ib/2))), the density's and the tail's factor.
  const double lnbf = numeric::LnBetaFactor(ia / 2, ib / 2);
  if (!(x > 0 && std::isfinite(x))) {
    // I_w(a, b) ~ w^a / (a B(a, b)) for a small w.
    const double a = upper ? ib / 2 : ia / 2;
    const double ln_w = (std::log(q) + std::log(a) - lnbf) / a;
    const double w = std::exp(ln_w);
    x = upper ? ib * -std::expm1(ln_w) / (ia * w) : ib * w / (ia * (1 - w));
  }
  if (!(x > 0 && std::isfinite(x))) x = 1;
  const double start = x;
  // Halley steps on the logarithm of the tail against ln x, which converge in two or three
  // from Paulson's point.
  const double s = upper ? -1 : 1;  // the sign of the tail's slope
  const double ln_q = std::log(q);
  // With shapes in the millions the curvature that Halley's step takes from x f'/f no
  // longer matches the tail's closely: there the steps are only quadratic.
  const bool cubic = ia <= 1E6 && ib <= 1E6;
  if (q >= kValueTail && Settle(x, [&](double at) {
        const Split split = FSplit(ia, ib, at);
        const numeric::BetaTails tails = numeric::IncompleteBeta(ib / 2, ia / 2, split.x, split.y);
        const double tail = upper ? tails.lower : tails.upper;
        if (!(tail > 0)) numeric::Fail();
        const double ln_tail = std::log(tail);
        const double h = std::exp(std::log(at) + FLnDensity(ia, ib, lnbf, at) - ln_tail);
        const double d = (ia / 2 - 1) - (ia + ib) / 2 * split.y;  // x f'(x) / f(x)
        const double g = ln_tail - ln_q;
        const double g1 = s * h;
        const double g2 = s * h * (1 + d) - h * h;
        const double halley = 2 * g1 * g1 - g * g2;
        double dv = halley > 0 ? -2 * g * g1 / halley : -g / g1;
        if (std::fabs(dv) > 2) dv = dv > 0 ? 2 : -2;
        return std::exp(dv);
      }, cubic ? 1E-6 : 1E-9)) {
    return x;
  }
  return numeric::PolishQuantile(FTail(ia, ib, lnbf, upper), start, q);
}

}  // namespace

double TStudentCola(int32_t k, double t) {
  if (k < 1) {
    Reject();
    return 0;
  }
  return numeric::HandlerStyle([&]() -> double {
    if (t == 0) return 0.5;
    // An infinite t is a point like any other: its tails are 0 and 1.
    const double x = std::isinf(t) ? HUGE_VAL : Chk(std::fabs(t));
    double upper;
    if (x > kFarOut) {
      upper = std::exp(LnFarUpper(k, numeric::StudentLnC(k), x));
    } else {
      if (k <= kSeriesDf) {
        // Below kSeriesTail the difference keeps too few digits of the tail (and the series'
        // rounded pi could take 1/2 + P/2 past 1).
        const double central = Chk(numeric::StudentCentral(k, x));
        if (SeriesKeepsTail(central)) return t > 0 ? 0.5 - 0.5 * central : 0.5 + 0.5 * central;
      }
      const Split s = StudentSplit(k, x);
      // I_x(k/2, 1/2) is P(|T| > t).
      upper = 0.5 * numeric::IncompleteBeta(k / 2.0, 0.5, s.x, s.y).lower;
    }
    return t > 0 ? upper : 1 - upper;
  });
}

double TStudentCentral(int32_t k, double t) {
  if (k < 1) {
    Reject();
    return 0;
  }
  return numeric::HandlerStyle([&]() -> double {
    const double x = std::isinf(t) ? HUGE_VAL : Chk(std::fabs(t));
    return x == 0 ? 0 : numeric::Probability(Student(k).Central(x));
  });
}

double TStudentCentralInversa(int32_t k, double p) {
  if (k < 1 || !(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  if (p == 1) return kInfinite;
  if (p == 0) return 0;
  // Above 1/2 the point is that of the tail (1 - p)/2, exact there.
  if (p > 0.5) return TStudentInversa(k, (1 - p) / 2);
  return numeric::HandlerStyle([&]() -> double {
    const Student st(k);
    // Below this the point is the first terms of the inverse of its series, 2 f(0) (t -
    // (k + 1)/(6k) t^3 + ...) with f the density, exact to the last digit.
    constexpr double kSeriesBelow = 1E-5;
    if (p < kSeriesBelow) {
      const double u = p / (2 * numeric::Exp(st.ln_c));
      return u * (1 + (st.k + 1) / (6 * st.k) * u * u);
    }
    return StudentCentralPoint(st, p);
  });
}

double TStudentInversa(int32_t k, double p) {
  if (k < 1 || !(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  if (p == 0.5) return 0;
  if (p == 0) return kInfinite;
  if (p == 1) return -kInfinite;
  // The point on the side where the tail is small; 1 - p is exact from 1/2 on.
  const double q = p < 0.5 ? p : 1 - p;
  const double sign = p < 0.5 ? 1 : -1;
  // 1 and 2 degrees of freedom have closed forms, good to the deepest tail a double holds
  // (for 1 degree of freedom the point is 1/(pi q) there).
  if (k <= 2) {
    const double t = numeric::StudentPointClosed(k, q);
    return sign * (t < kInfinite ? t : kInfinite);
  }
  return numeric::HandlerStyle([&]() -> double {
    const Student st(k);
    // Near the centre the point is the small difference 1 - 2q, exact from q = 1/4 on.
    const double t = q >= 0.25 ? StudentCentralPoint(st, 1 - 2 * q) : StudentUpperPoint(st, q);
    return sign * std::fmin(t, kInfinite);
  });
}

double FSnedecorCola(int32_t ia, int32_t ib, double x) {
  if (ia < 1 || ib < 1) {
    Reject();
    return 0;
  }
  return numeric::ContinueStyleValue([&] {
    const Split s = FSplit(ia, ib, x);
    return numeric::IncompleteBeta(0.5 * ib, 0.5 * ia, s.x, s.y).lower;
  });
}

double FSnedecorAcum(int32_t ia, int32_t ib, double x) {
  if (ia < 1 || ib < 1) {
    Reject();
    return 0;
  }
  if (x <= 0) return 0;
  return numeric::ContinueStyleValue([&] {
    // There ia x/(ib + ia x) would lose its digits in the subnormal doubles.
    if (FarLeft(ia, ib, x)) return std::exp(LnFarLeft(ia, ib, numeric::LnBetaFactor(ia / 2.0, ib / 2.0), x));
    const Split s = FSplit(ia, ib, x);
    return numeric::IncompleteBeta(0.5 * ib, 0.5 * ia, s.x, s.y).upper;
  });
}

double FSnedecorInversa(int32_t ia, int32_t ib, double y) {
  if (ia < 1 || ib < 1 || !(y >= 0 && y <= 1)) {
    Reject();
    return 0;
  }
  if (y == 1) return 0;
  if (y == 0) return kInfinite;
  // The point on the side where the tail is small: 1 - y is exact from 1/2 on.
  return numeric::ContinueStyleValue([&] {
    const double x = y <= 0.5 ? FPoint(ia, ib, y, true) : FPoint(ia, ib, 1 - y, false);
    // Beyond the infinite mark a point is no number to show.
    if (!(x < kInfinite)) numeric::Fail();
    return x;
  });
}

double FSnedecorAcumInversa(int32_t ia, int32_t ib, double p) {
  if (ia < 1 || ib < 1 || !(p >= 0 && p <= 1)) {
    Reject();
    return 0;
  }
  if (p == 0) return 0;
  if (p >= 0.5) return FSnedecorInversa(ia, ib, 1 - p);
  return numeric::ContinueStyleValue([&] {
    // A point below the smallest normal double is no point to show; the search would only
    // chase it into the subnormal numbers. Where the tail there is p within a few times its
    // own error, the point is that double.
    const double lnbf = numeric::LnBetaFactor(ia / 2.0, ib / 2.0);
    const numeric::TailAt least = numeric::EvaluateTail(FTail(ia, ib, lnbf, false), DBL_MIN);
    if (least.ok && least.ln_tail - std::log(p) > 4 * numeric::kBetaTailError) return 0.0;
    return std::fmax(FPoint(ia, ib, p, false), DBL_MIN);
  });
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
    // (1 - p)^n: 1 - p is exact from p = 1/2 on; below, it would round away digits of p that
    // n times over cost digits of the result.
    if (k == 0) return p >= 0.5 ? numeric::Pow(1 - p, dn) : std::exp(dn * std::log1p(-p));
    return numeric::IncompleteBeta(dn, Chk(k + 1), 1 - p, p).lower;
  });
}
