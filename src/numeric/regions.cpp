// Regions of the continuous distributions that the difference of two tails cannot give.
//
// P(x1 <= X <= x2) is Q(x1) - Q(x2) (or L(x2) - L(x1)), each tail from its own side. Where
// the interval is short beside the tail, the two tails agree in their leading digits and the
// difference keeps none of them (8.7E-14 of chi-square(10) between 10 and 10.000000000001
// is the difference of two numbers near 0.44). There the region is the integral of the
// density across it, which keeps its relative digits however short the interval is; across
// the centre of the normal and the t it is the sum of two central parts, which never cancel.
// The end that closes an interval of a given probability is found from these regions, so
// that it keeps the digits of its distance from the given end. The other end of an
// equal-tailed interval is searched for on the logarithm of the tail where the tail itself is
// below the doubles.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/quantile_polish.h"
#include "numeric/special_internal.h"

using numeric::Fail;

namespace {

constexpr double kInfinite = 1E+300;
constexpr double kLnSqrt2Pi = 0.918938533204672741780329736406;
constexpr double kLnHalf = -0.693147180559945309417232121458;
constexpr double kLn2 = 0.693147180559945309417232121458;

// Inside a routine of this file a failure of a public routine (ErrorFlag) stops the
// computation as a failed operation does.
double Checked(double value) {
  if (ErrorFlag != 0) Fail();
  return value;
}

// Handler style around a body that also calls public routines: ErrorFlag is 1 afterwards if
// it was before or if anything inside failed, and a failure gives 0.
template <class Body>
double Guarded(Body&& body) {
  const int16_t before = ErrorFlag;
  ErrorFlag = 0;
  const double result = numeric::HandlerStyle(std::forward<Body>(body));
  const bool failed = ErrorFlag != 0;
  ErrorFlag = before != 0 || failed ? 1 : 0;
  return failed ? 0 : result;
}

// A continuous distribution as the regions see it. The tails and points are the library's
// public routines, each from its own side.
struct Law {
  std::function<double(double)> lower, upper;              // P(X <= x), P(X > x)
  std::function<double(double)> lower_point, upper_point;  // the x with that tail p
  std::function<double(double)> ln_density;
  double low_end = -std::numeric_limits<double>::infinity();  // where the support starts
  // Normal and t: P(|X - centre| <= h), with its relative digits however small h is.
  std::function<double(double)> central;
  double centre = 0;
};

// --- The integral of the density ---------------------------------------------------------

// Gauss-Kronrod's 15 points on [-1, 1] (the 7-point Gauss rule at the odd ones), positive
// half and centre.
constexpr double kNode[8] = {
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0};
constexpr double kKronrod[8] = {
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr double kGauss[4] = {
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

// Halving stops after this many pieces: a short interval, the only kind integrated, needs
// one or a few (more only where its points are subnormal numbers, which hold too few digits
// for any rule).
constexpr int kMaxPieces = 64;

// The mean of g over [a, b] by the Kronrod rule, and by the Gauss rule inside it.
struct Means {
  double kronrod, gauss;
};
Means RulesOn(const std::function<double(double)>& g, double a, double b) {
  const double centre = a + (b - a) / 2, half = (b - a) / 2;
  double kronrod = kKronrod[7] * g(centre), gauss = kGauss[3] * g(centre);
  for (int i = 0; i < 7; ++i) {
    const double d = kNode[i] * half;
    const double pair = g(centre - d) + g(centre + d);
    kronrod += kKronrod[i] * pair;
    if (i % 2 == 1) gauss += kGauss[i / 2] * pair;
  }
  if (!std::isfinite(kronrod)) Fail();
  return {kronrod / 2, gauss / 2};
}

// The mean of g over [a, b], whose rules gave rules, halving a piece where they disagree by
// more than tolerance, while pieces are left.
double MeanOf(const std::function<double(double)>& g, double a, double b, Means rules,
              double tolerance, int& pieces) {
  if (std::fabs(rules.kronrod - rules.gauss) <= tolerance || pieces < 2) return rules.kronrod;
  pieces -= 2;
  const double centre = a + (b - a) / 2;
  const double left = MeanOf(g, a, centre, RulesOn(g, a, centre), tolerance, pieces);
  return (left + MeanOf(g, centre, b, RulesOn(g, centre, b), tolerance, pieces)) / 2;
}

// The integral of e^ln_f over [a, a + width], width > 0, relative to the density at the
// middle so that a region far out keeps its digits until the result itself leaves the
// doubles. The width is taken as given: a + width may have rounded away its last digits,
// which would matter as much as the width is short beside a, while the density hardly
// changes across such a rounding.
double Integral(const std::function<double(double)>& ln_f, double a, double width) {
  if (!(width > 0) || !std::isfinite(width)) Fail();
  const double ref = ln_f(a + width / 2);
  if (ref == -HUGE_VAL) return 0;
  if (!std::isfinite(ref)) Fail();
  const std::function<double(double)> g = [&](double x) { return std::exp(ln_f(x) - ref); };
  // The mean over [0, 1] of g at a + width t.
  const std::function<double(double)> along = [&](double t) { return g(a + width * t); };
  const Means whole = RulesOn(along, 0, 1);
  int pieces = kMaxPieces;
  const double mean = MeanOf(along, 0, 1, whole, 1E-11 * whole.kronrod, pieces);
  return std::exp(ref + std::log(width) + std::log(mean));
}

// --- Regions -----------------------------------------------------------------------------

// P(x1 <= X <= x2) for x1 <= x2, where x2 - x1 is width, known to its last digit.
double Region(const Law& law, double x1, double x2, double width) {
  if (!(x1 <= x2)) Fail();
  if (x1 == x2 && !(width > 0)) return 0;
  const double c = law.centre;
  if (law.central && x1 < c && x2 > c) {
    return std::fmin(1.0, (Checked(law.central(c - x1)) + Checked(law.central(x2 - c))) / 2);
  }
  // Within one tail the difference of its values; across the median 1 minus both tails.
  double larger, difference;
  const double lower2 = Checked(law.lower(x2));
  if (lower2 <= 0.5) {
    larger = lower2;
    difference = lower2 - Checked(law.lower(x1));
  } else if (const double upper1 = Checked(law.upper(x1)); upper1 <= 0.5) {
    larger = upper1;
    difference = upper1 - Checked(law.upper(x2));
  } else {
    larger = 1;
    difference = 1 - Checked(law.lower(x1)) - Checked(law.upper(x2));
  }
  // Keeping a quarter of the larger value, the difference loses at most two bits.
  if (difference >= larger / 4) return difference;
  return std::fmin(1.0, Integral(law.ln_density, x1, width));
}

double Region(const Law& law, double x1, double x2) { return Region(law, x1, x2, x2 - x1); }

// The width h > 0 of the interval from x upward (to x + h) or downward (from x - h) that
// holds p. First from the tail left beyond the far end; where p is small beside the tail
// beyond x, that end keeps too few digits of its distance from x, and Newton steps on the
// region itself (bracketed, halving where a step leaves the bracket) settle the width.
double Width(const Law& law, double x, double p, bool upward) {
  const double beyond = Checked(upward ? law.upper(x) : law.lower(x));
  if (!(p > 0 && p < beyond)) Fail();
  const double rest = beyond - p;
  double end;
  if (upward) {
    end = rest <= 0.5 ? law.upper_point(rest) : law.lower_point(Checked(law.lower(x)) + p);
  } else {
    end = rest <= 0.5 ? law.lower_point(rest) : law.upper_point(Checked(law.upper(x)) + p);
  }
  double h = Checked(upward ? end - x : x - end);
  if (p >= beyond / 4) return h;

  const auto at = [&](double w) { return upward ? x + w : x - w; };
  double lo = 0, hi = upward ? HUGE_VAL : x - law.low_end;
  if (!(h > lo && h < hi)) h = p / std::exp(law.ln_density(x));
  if (!(h > lo && h < hi)) h = std::isfinite(hi) ? hi / 2 : 1;
  for (int i = 0; i < 200; ++i) {
    const double got = upward ? Region(law, x, x + h, h) : Region(law, x - h, x, h);
    if (got < p) {
      lo = h;
    } else {
      hi = h;
    }
    const double step = (p - got) / std::exp(law.ln_density(at(h)));
    if (std::fabs(step) <= 1E-13 * h) return h + step;
    double next = h + step;
    if (!(next > lo && next < hi)) next = std::isfinite(hi) ? lo + (hi - lo) / 2 : 2 * h;
    // A bracket closed to neighbouring doubles (or to the last digits) holds the root.
    if (!(next > lo && next < hi) || next == h || hi - lo <= 1E-15 * h) return h;
    h = next;
  }
  Fail();
}

// The point on the other side of the median whose tail there equals x's tail on its side,
// for a distribution on x >= 0. ln_tail(x, upper) is the logarithm of a tail, however small;
// start(ln_p, upper) a first point for the search of the tail e^ln_p.
double Opposite(const Law& law, double x, const std::function<double(double, bool)>& ln_tail,
                const std::function<double(double, bool)>& start) {
  if (!(x >= 0)) Fail();
  // Nothing lies below 0: the other end is the infinite point.
  if (x == 0) return kInfinite;
  const double below = Checked(law.lower(x));
  const bool upper = below <= 0.5;  // the side the other end lies on
  const double tail = upper ? below : Checked(law.upper(x));
  if (tail >= DBL_MIN) return Checked(upper ? law.upper_point(tail) : law.lower_point(tail));
  // A tail below the doubles: its logarithm, shifted to 1/2 for the search.
  const double ln_p = ln_tail(x, !upper);
  if (!upper && ln_tail(DBL_MIN, false) >= ln_p) return 0;  // a point below the doubles
  const double shift = kLnHalf - ln_p;
  const numeric::Tail search{[&](double y) {
                               const double ln_t = ln_tail(y, upper);
                               return numeric::TailAt{
                                   true, ln_t + shift, law.ln_density(y) + shift,
                                   numeric::kBetaTailError + 4E-16 * std::fabs(ln_t)};
                             },
                             upper ? 1 : -1};
  const double point = numeric::PolishQuantile(search, start(ln_p, upper), 0.5);
  return std::fmin(point, kInfinite);
}

// --- The four distributions --------------------------------------------------------------

Law NormalLaw(double mu, double sigma) {
  if (!(sigma > 0) || !std::isfinite(sigma) || !std::isfinite(mu)) Fail();
  // A standardised point beyond the doubles is an infinite point, whose tails are 0 and 1.
  const auto z = [mu, sigma](double x) {
    const double v = (x - mu) / sigma;
    if (std::isnan(v)) Fail();
    return v;
  };
  Law law;
  law.upper = [z](double x) { return NormalCola(z(x)); };
  law.lower = [z](double x) { return NormalCola(-z(x)); };
  law.upper_point = [mu, sigma](double p) { return mu - sigma * NormalInversa(p); };
  law.lower_point = [mu, sigma](double p) { return mu + sigma * NormalInversa(p); };
  const double ln_sigma = std::log(sigma);
  law.ln_density = [z, ln_sigma](double x) {
    const double v = z(x);
    return -0.5 * v * v - kLnSqrt2Pi - ln_sigma;
  };
  law.central = [sigma](double h) {
    const double v = h / sigma;
    return std::isinf(v) ? 1.0 : NormalCentral(v);
  };
  law.centre = mu;
  return law;
}

Law StudentLaw(int32_t k) {
  if (k < 1) Fail();
  const double rk = k, ln_c = numeric::StudentLnC(rk);
  Law law;
  law.upper = [k](double t) { return TStudentCola(k, t); };
  law.lower = [k](double t) { return TStudentCola(k, -t); };
  law.upper_point = [k](double p) { return TStudentInversa(k, p); };
  law.lower_point = [k](double p) { return -TStudentInversa(k, p); };
  law.ln_density = [rk, ln_c](double t) { return numeric::StudentLnDensity(rk, ln_c, t); };
  law.central = [k](double h) { return TStudentCentral(k, h); };
  return law;
}

// ln Gamma(s + 1) - ((s + 1/2) ln s - s + ln sqrt(2 pi)), the error of Stirling's formula.
double StirlingError(double s) {
  if (s >= 8) return numeric::StirlingCorrection(s);
  double sign;
  return LnGamma(s + 1, sign) - (s + 0.5) * std::log(s) + s - kLnSqrt2Pi;
}

// u - ln(1 + u), with ln(1 + u) given where u is far from 0 (there it is computed from 1 + u
// itself, which rounding u would lose next to -1).
double XMinusLog1pOf(double u, double ln_1p) {
  return std::fabs(u) > 0.5 ? u - ln_1p : numeric::XMinusLog1p(u);
}

// ln of the chi-square density with df degrees of freedom, in the saddle-point form (C.
// Loader, 2000): with a = df/2 and u = (x - df)/df, ln f = -e(a) + ln(a)/2 - ln x -
// ln sqrt(2 pi) - a (u - ln(1 + u)), e Stirling's error. Nothing in it cancels, where
// (a - 1) ln(x/2) - x/2 - ln Gamma(a) loses 1E-16 a of its digits.
double Chi2LnDensity(double df, double x) {
  if (!(x > 0)) return -HUGE_VAL;
  const double a = df / 2;
  const double u = (x - df) / df;
  return -StirlingError(a) + 0.5 * std::log(a) - std::log(x) - kLnSqrt2Pi -
         a * XMinusLog1pOf(u, std::log(x) - std::log(df));
}

// ln P(chi-square <= x) or ln P(chi-square > x), however small; for x next to 0 the lower tail
// is its leading term (x/2)^a / Gamma(a + 1), without halving x below the doubles.
double Chi2LnTail(double df, double x, bool upper) {
  const double a = df / 2;
  if (!upper && x < 1E-300) {
    double sign;
    return a * (std::log(x) - kLn2) - LnGamma(a + 1, sign);
  }
  return numeric::LnGammaTail(a, x / 2, upper);
}

Law Chi2Law(double df) {
  if (!(df > 0) || !std::isfinite(df)) Fail();
  Law law;
  law.upper = [df](double x) { return Ji2Cola(df, x); };
  law.lower = [df](double x) { return Ji2Acum(df, x); };
  law.upper_point = [df](double p) { return Ji2Inversa(df, p); };
  law.lower_point = [df](double p) { return Ji2AcumInversa(df, p); };
  law.ln_density = [df](double x) { return Chi2LnDensity(df, x); };
  law.low_end = 0;
  return law;
}

// ln of the F density: ia x/(ib + ia x) has the beta density with shapes ia/2 and ib/2, and
// f(x) = w^a (1 - w)^b / (B(a, b) x) with w that point.
double FLnDensityAt(double ia, double ib, double x) {
  if (!(x > 0)) return -HUGE_VAL;
  const numeric::Split s = numeric::FSplit(ia, ib, x);
  return numeric::LogBetaPowers(ia / 2, ib / 2, s.y, s.x) - std::log(x);
}

Law FLaw(int32_t ia, int32_t ib) {
  if (ia < 1 || ib < 1) Fail();
  Law law;
  law.upper = [ia, ib](double x) { return FSnedecorCola(ia, ib, x); };
  law.lower = [ia, ib](double x) { return FSnedecorAcum(ia, ib, x); };
  law.upper_point = [ia, ib](double p) { return FSnedecorInversa(ia, ib, p); };
  law.lower_point = [ia, ib](double p) { return FSnedecorAcumInversa(ia, ib, p); };
  law.ln_density = [ia, ib](double x) { return FLnDensityAt(ia, ib, x); };
  law.low_end = 0;
  return law;
}

}  // namespace

double NormalIntervalo(double mu, double sigma, double x1, double x2) {
  return Guarded([&] { return Region(NormalLaw(mu, sigma), x1, x2); });
}

double TStudentIntervalo(int32_t k, double t1, double t2) {
  return Guarded([&] { return Region(StudentLaw(k), t1, t2); });
}

double Ji2Intervalo(double df, double x1, double x2) {
  return Guarded([&] { return Region(Chi2Law(df), x1, x2); });
}

double FSnedecorIntervalo(int32_t ia, int32_t ib, double x1, double x2) {
  return Guarded([&] { return Region(FLaw(ia, ib), x1, x2); });
}

double NormalIntervaloAncho(double mu, double sigma, double x, double p, bool upward) {
  return Guarded([&] { return Width(NormalLaw(mu, sigma), x, p, upward); });
}

double TStudentIntervaloAncho(int32_t k, double t, double p, bool upward) {
  return Guarded([&] { return Width(StudentLaw(k), t, p, upward); });
}

double Ji2IntervaloAncho(double df, double x, double p, bool upward) {
  return Guarded([&] { return Width(Chi2Law(df), x, p, upward); });
}

double FSnedecorIntervaloAncho(int32_t ia, int32_t ib, double x, double p, bool upward) {
  return Guarded([&] { return Width(FLaw(ia, ib), x, p, upward); });
}

double Ji2Opuesto(double df, double x) {
  return Guarded([&] {
    const double a = df / 2;
    double sign;
    const double lga = LnGamma(a, sign);
    return Opposite(
        Chi2Law(df), x, [df](double y, bool upper) { return Chi2LnTail(df, y, upper); },
        [a, lga](double ln_p, bool upper) {
          if (upper) {
            // Far out Q(a, y) is about y^(a-1) e^-y / Gamma(a).
            const double l = -ln_p - lga;
            return 2 * (l > 1 ? l + (a - 1) * std::log(l) : a + 1);
          }
          // Next to 0 P(a, y) is about y^a / Gamma(a + 1).
          const double ln_y = (ln_p + lga + std::log(a)) / a;
          return 2 * std::exp(std::fmin(ln_y, std::log(a + 0.5)));
        });
  });
}

double FSnedecorOpuesto(int32_t ia, int32_t ib, double x) {
  return Guarded([&] {
    const double a = ia, b = ib;
    const auto ln_tail = [a, b](double y, bool upper) {
      const numeric::Split s = numeric::FSplit(a, b, y);
      // The upper tail of the F is I_w(ib/2, ia/2) at w = ib/(ib + ia x).
      return numeric::LnIncompleteBeta(b / 2, a / 2, s.x, s.y, !upper);
    };
    const double lnbf = numeric::LnBetaFactor(a / 2, b / 2);
    return Opposite(FLaw(ia, ib), x, ln_tail, [a, b, lnbf](double ln_p, bool upper) {
      // I_w(s, t) is about w^s / (s B(s, t)) for a small w.
      const double s = upper ? b / 2 : a / 2;
      const double ln_w = (ln_p + std::log(s) - lnbf) / s;
      const double w = std::exp(ln_w);
      const double start = upper ? b * -std::expm1(ln_w) / (a * w) : b * w / (a * (1 - w));
      return start > 0 && std::isfinite(start) ? start : 1.0;
    });
  });
}
