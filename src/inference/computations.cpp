// The nine hypothesis tests and the nine confidence intervals, and the texts of their
// result areas.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>

#include "inference/inference.h"
#include "numeric/numeric.h"

namespace inference {

const char* const kAcceptH0Text =
    "The statistic is WITHIN the acceptance region.\r\n"
    "We cannot reject null hypothesis Ho.\r\n";
const char* const kRejectH0Text =
    "The statistic is OUT of acceptance region.\r\n"
    "Reject null hypothesis Ho.\r\n"
    "Accept alternative hypothesis.\r\n";

namespace {

// The open ends of an acceptance region.
constexpr double kInfiniteEnd = 1.024E+300;
// A shown number this large would read as an infinite end; so does the point the library
// returns for one too far out to compute.
constexpr double kInfiniteMark = 1E+300;

constexpr const char* kWelchCaption = "Degrees of freedom (Welch approximation)";
constexpr const char* kPooledSCaption = "Pooled standard deviation";
constexpr const char* kPooledPCaption = "Mean of ratio samples";

bool Whole(double v, double above) { return std::isfinite(v) && v > above && v == std::floor(v); }
bool Open01(double v) { return v > 0 && v < 1; }
// The computations use the significance alone. Typed there, it may be so small that the
// level 1 - alpha is 1 as a double.
bool LevelOk(const PanelInput& in) { return Open01(in.Alpha) && in.Level > 0 && in.Level <= 1; }

// True while no library routine failed and every value is a number the boxes can show:
// finite and short of the infinite mark.
bool Sound(std::initializer_list<double> values) {
  if (ErrorFlag != 0) return false;
  for (double v : values) {
    if (!(std::fabs(v) < kInfiniteMark)) return false;
  }
  return true;
}

// m * 2^e with an exponent of any size: the variance terms multiplied and divided this way
// neither overflow nor underflow on the way, and the result is rounded once, when it is
// taken back into a double. A tiny variance over a large sample, or a huge one squared for
// Welch's degrees of freedom, would otherwise leave 0 or infinity where the result is a
// plain number.
struct Scaled {
  double m = 0;
  int e = 0;
};

Scaled Of(double x) {
  Scaled s;
  s.m = std::frexp(x, &s.e);
  return s;
}

double ToDouble(Scaled s) { return std::ldexp(s.m, s.e); }

Scaled operator*(Scaled a, Scaled b) {
  Scaled s = Of(a.m * b.m);
  s.e += a.e + b.e;
  return s;
}

Scaled operator/(Scaled a, Scaled b) {
  Scaled s = Of(a.m / b.m);
  s.e += a.e - b.e;
  return s;
}

Scaled Sqrt(Scaled a) {
  const int odd = a.e & 1;
  Scaled s = Of(std::sqrt(std::ldexp(a.m, odd)));
  s.e += (a.e - odd) / 2;
  return s;
}

Scaled Root(double x) { return Sqrt(Of(x)); }

// sqrt(a^2 + b^2) of two terms that are not 0 (no error term here is), the smaller one
// scaled to the larger one's exponent.
Scaled Hypot(Scaled a, Scaled b) {
  const int top = std::max(a.e, b.e);
  Scaled s = Of(std::hypot(std::ldexp(a.m, a.e - top), std::ldexp(b.m, b.e - top)));
  s.e += top;
  return s;
}

// a - b - c, in quarters where the difference of two finite numbers overflows.
Scaled Difference(double a, double b, double c = 0) {
  const double d = a - b - c;
  if (std::isfinite(d)) return Of(d);
  Scaled s = Of(a / 4 - b / 4 - c / 4);
  s.e += 2;
  return s;
}

// The standard error of a mean, sigma / sqrt(n), and of a proportion.
Scaled MeanError(double variance, double n) { return Root(variance) / Root(n); }
Scaled ProportionError(double p, double n) { return Root(p) * Root(1 - p) / Root(n); }
// Of the difference of two means, sqrt(s1/n1 + s2/n2).
Scaled MeansError(const PanelInput& in) {
  return Hypot(MeanError(in.S1, in.N1), MeanError(in.S2, in.N2));
}
// sqrt(1/n1 + 1/n2).
Scaled SizesFactor(double n1, double n2) {
  return Hypot(Of(1) / Root(n1), Of(1) / Root(n2));
}

// Degrees of freedom as the Long the t and F routines take; false outside its range.
bool ToLong(double df, int32_t& k) {
  if (!(df >= 1 && df <= std::numeric_limits<int32_t>::max())) return false;
  k = static_cast<int32_t>(df);
  return true;
}

// Six significant digits; false when the number cannot be formatted, or when its digits
// round up to the infinite mark.
bool Digits(double x, std::string& text) {
  text = FormatoCifras(x, 6);
  return !text.empty() && ErrorFlag == 0 && std::fabs(LeerNumero(text)) < kInfiniteMark;
}

bool SemiLevels(double alpha, std::string& ncon2, std::string& nsig2) {
  if (!Digits((1 - alpha / 2) * 100, ncon2) || !Digits(alpha / 2 * 100, nsig2)) return false;
  ncon2 += " %";
  nsig2 += " %";
  return true;
}

enum class Dist { Normal, Student, ChiSquare, F };

// An acceptance region. A one-sided region has one open end, at the mark of infinity,
// which is shown as such; every other end is a computed point.
struct Region {
  double lower = 0, upper = 0;
  bool openLower = false, openUpper = false;
};

// The chi-square and F points over a lower tail q or an upper tail p, each found from the
// tail it cuts off while that tail is small: from 1 - q a small q would be lost. Near the
// median both ends of a region come from one routine, so that two points a hair apart
// stay in order.
double Ji2Lower(double df, double q) {
  return q < 0.25 ? Ji2AcumInversa(df, q) : Ji2Inversa(df, 1 - q);
}
double Ji2Upper(double df, double p) {
  return p > 0.75 ? Ji2AcumInversa(df, 1 - p) : Ji2Inversa(df, p);
}
double FLower(int32_t k1, int32_t k2, double q) {
  return q < 0.25 ? FSnedecorAcumInversa(k1, k2, q) : FSnedecorInversa(k1, k2, 1 - q);
}
double FUpper(int32_t k1, int32_t k2, double p) {
  return p > 0.75 ? FSnedecorAcumInversa(k1, k2, 1 - p) : FSnedecorInversa(k1, k2, p);
}

// Two points a hair apart about the median (a level near 0) can come out of the inverses
// crossed by their last digits; they then meet halfway, as the exact points nearly do.
void Uncross(double& below, double& above) {
  if (below > above) below = above = below / 2 + above / 2;
}

Region Uncrossed(double lower, double upper) {
  Uncross(lower, upper);
  return {lower, upper};
}

Region OpenAbove(double lower) { return {lower, kInfiniteEnd, false, true}; }
Region OpenBelow(double upper) { return {-kInfiniteEnd, upper, true, false}; }

// The acceptance region of a statistic with the given distribution and tail. Each point
// comes from the tail it cuts off, which is the small one: a point taken from 1 - alpha
// would lose an alpha below the rounding of 1.
Region Critical(Dist dist, int16_t side, double alpha, int32_t k1, int32_t k2, double df) {
  switch (dist) {
    case Dist::Normal:
      if (side == kTwoSided) {
        const double c = -NormalInversa(alpha / 2);
        return {-c, c};
      }
      if (side == kLeft) return OpenAbove(NormalInversa(alpha));
      return OpenBelow(-NormalInversa(alpha));
    case Dist::Student:
      if (side == kTwoSided) {
        const double c = TStudentInversa(k1, alpha / 2);
        return {-c, c};
      }
      if (side == kLeft) return OpenAbove(-TStudentInversa(k1, alpha));
      return OpenBelow(TStudentInversa(k1, alpha));
    case Dist::ChiSquare:
      if (side == kTwoSided) return Uncrossed(Ji2Lower(df, alpha / 2), Ji2Upper(df, alpha / 2));
      if (side == kLeft) return OpenAbove(Ji2Lower(df, alpha));
      return {0, Ji2Upper(df, alpha)};
    case Dist::F:
      if (side == kTwoSided) {
        return Uncrossed(FLower(k1, k2, alpha / 2), FUpper(k1, k2, alpha / 2));
      }
      if (side == kLeft) return OpenAbove(FLower(k1, k2, alpha));
      return {0, FUpper(k1, k2, alpha)};
  }
  return {};
}

// Welch's degrees of freedom, (w1 + w2)^2 / (w1^2/(n1 - 1) + w2^2/(n2 - 1)) with wi = si/ni,
// divided through by the larger term squared: only the ratio r of the smaller term to the
// larger enters, and 1 + r and r^2 hold where the terms or their squares would not.
double Welch(const PanelInput& in) {
  const Scaled w1 = Of(in.S1) / Of(in.N1), w2 = Of(in.S2) / Of(in.N2);
  const double d1 = in.N1 - 1, d2 = in.N2 - 1;
  double q = 0;
  if (const double r = ToDouble(w2 / w1); r <= 1) {
    q = (1 + r) * (1 + r) / (1 / d1 + r * r / d2);
  } else {
    const double s = ToDouble(w1 / w2);
    q = (1 + s) * (1 + s) / (s * s / d1 + 1 / d2);
  }
  return Redondear(q, -1);
}

// The pooled standard deviation, sqrt(((n1 - 1) s1 + (n2 - 1) s2) / (n1 + n2 - 2)), from each
// sample's share of the degrees of freedom.
Scaled Pooled(const PanelInput& in) {
  const Scaled df = Of(in.N1 + in.N2 - 2);
  return Hypot(Sqrt(Of(in.S1) * Of(in.N1 - 1) / df), Sqrt(Of(in.S2) * Of(in.N2 - 1) / df));
}

// The pooled proportion; with halved sizes where their sum overflows.
double PooledProportion(const PanelInput& in) {
  double n1 = in.N1, n2 = in.N2;
  if (!std::isfinite(n1 + n2)) {
    n1 /= 2;
    n2 /= 2;
  }
  return (n1 * in.X1 + n2 * in.X2) / (n1 + n2);
}

// The checks of the samples, the same for a test and an interval of a type.
bool SamplesOk(int16_t type, const PanelInput& in) {
  switch (type) {
    case MVC: return in.S1 > 0 && Whole(in.N1, 0);
    case MVD:
    case VAR: return in.S1 > 0 && Whole(in.N1, 1);
    case PRO: return Open01(in.X1) && Whole(in.N1, 0);
    case M2C: return Whole(in.N1, 0) && Whole(in.N2, 0) && in.S1 > 0 && in.S2 > 0;
    case M2D:
    case M2I:
    case VA2: return Whole(in.N1, 1) && Whole(in.N2, 1) && in.S1 > 0 && in.S2 > 0;
    case PR2: return Whole(in.N1, 0) && Whole(in.N2, 0) && Open01(in.X1) && Open01(in.X2);
    default: return false;
  }
}

// An end of a region as shown: "-oo" or "+oo" for the open end of a one-sided region.
bool EndText(double x, bool open, std::string& text) {
  if (open) {
    text = x < 0 ? "-oo" : "+oo";
    return true;
  }
  return Digits(x, text);
}

}  // namespace

TestOutcome RunTest(int16_t type, int16_t side, const PanelInput& in, PanelResult& res) {
  TestOutcome out;
  ErrorFlag = 0;
  // A test also needs a hypothesised variance above 0 or proportion inside (0, 1).
  const bool hypothesis = type == VAR ? in.H0 > 0 : type == PRO ? Open01(in.H0) : true;
  if (!hypothesis || !SamplesOk(type, in) || !LevelOk(in)) return out;

  Dist dist = Dist::Normal;
  double statistic = 0, aux = 0;
  double chiDf = 0;
  int32_t k1 = 0, k2 = 0;
  switch (type) {
    case MVC:
      statistic = res.StatZ = ToDouble(Difference(in.X1, in.H0) / MeanError(in.S1, in.N1));
      break;
    case MVD:
      statistic = res.StatT = ToDouble(Difference(in.X1, in.H0) / MeanError(in.S1, in.N1));
      dist = Dist::Student;
      if (!ToLong(in.N1 - 1, k1)) return out;
      break;
    case VAR:
      statistic = res.StatJi2 = ToDouble(Of(in.N1 - 1) * Of(in.S1) / Of(in.H0));
      dist = Dist::ChiSquare;
      chiDf = in.N1 - 1;
      break;
    case PRO:
      statistic = res.StatZ = ToDouble(Difference(in.X1, in.H0) / ProportionError(in.H0, in.N1));
      break;
    case M2C:
      statistic = res.StatZ = ToDouble(Difference(in.X1, in.X2, in.H0) / MeansError(in));
      break;
    case M2D:
      aux = res.WelchDF = Welch(in);
      if (!Sound({aux}) || !ToLong(aux, k1)) return out;
      statistic = res.StatT = ToDouble(Difference(in.X1, in.X2, in.H0) / MeansError(in));
      dist = Dist::Student;
      break;
    case M2I: {
      const Scaled sp = Pooled(in);
      aux = res.PooledS = ToDouble(sp);
      statistic = res.StatT =
          ToDouble(Difference(in.X1, in.X2, in.H0) / (sp * SizesFactor(in.N1, in.N2)));
      dist = Dist::Student;
      if (!ToLong(in.N1 + in.N2 - 2, k1)) return out;
      break;
    }
    case VA2:
      statistic = res.StatF = ToDouble(Of(in.S1) / Of(in.S2));
      dist = Dist::F;
      if (!ToLong(in.N1 - 1, k1) || !ToLong(in.N2 - 1, k2)) return out;
      break;
    case PR2: {
      const double p = aux = res.PooledP = PooledProportion(in);
      statistic = res.StatZ = ToDouble(Difference(in.X1, in.X2) /
                                       (Root(p) * Root(1 - p) * SizesFactor(in.N1, in.N2)));
      break;
    }
    default: return out;
  }
  // A statistic at or beyond the infinite mark could not be set against a region whose
  // open ends are marks just beyond it.
  if (!Sound({statistic, aux})) return out;

  const Region region = Critical(dist, side, in.Alpha, k1, k2, chiDf);
  if (!Sound({region.openLower ? 0 : region.lower, region.openUpper ? 0 : region.upper})) {
    return out;
  }

  out.reject = (statistic < region.lower || statistic > region.upper) ? 1 : 0;
  std::string lower, upper;
  if (!EndText(region.lower, region.openLower, lower) ||
      !EndText(region.upper, region.openUpper, upper)) {
    return out;
  }
  out.region = "( " + lower + "  ,   " + upper + " )";
  if (!Digits(statistic, out.statistic)) return out;
  out.semiLevels = side == kTwoSided;
  if (out.semiLevels && !SemiLevels(in.Alpha, out.ncon2, out.nsig2)) return out;
  out.aux = type == M2D || type == M2I || type == PR2;
  if (out.aux) {
    out.auxCaption = type == M2D ? kWelchCaption : type == M2I ? kPooledSCaption : kPooledPCaption;
    out.auxPicture = type;
    if (!Digits(aux, out.auxText)) return out;
  }
  out.verdictPicture = static_cast<int16_t>(
      ImgBaseOf(dist == Dist::Normal    ? "DN"
                : dist == Dist::Student ? "DT"
                : dist == Dist::F       ? "DF"
                                        : "DX") +
      1 + out.reject);
  out.ok = true;
  return out;
}

IntervalOutcome RunInterval(int16_t type, const PanelInput& in, PanelResult& res) {
  IntervalOutcome out;
  ErrorFlag = 0;
  if (!SamplesOk(type, in) || !LevelOk(in)) return out;

  const double a2 = in.Alpha / 2;
  double aux = 0;
  Scaled pooled;
  int32_t k = 0, k2 = 0;
  if (type == M2D) {
    aux = res.WelchDF = Welch(in);
    if (!Sound({aux}) || !ToLong(aux, k)) return out;
  } else if (type == M2I) {
    pooled = Pooled(in);
    aux = res.PooledS = ToDouble(pooled);
    if (!Sound({aux}) || !ToLong(in.N1 + in.N2 - 2, k)) return out;
  } else if (type == MVD) {
    if (!ToLong(in.N1 - 1, k)) return out;
  } else if (type == VA2) {
    if (!ToLong(in.N2 - 1, k) || !ToLong(in.N1 - 1, k2)) return out;
  }

  double lower = 0, upper = 0, point1 = 0, point2 = 0, margin = -1;
  auto symmetric = [&](double centre, double point, Scaled error) {
    point1 = point2 = point;
    margin = ToDouble(Of(point) * error);
    lower = centre - margin;
    upper = centre + margin;
  };
  switch (type) {
    case MVC: symmetric(in.X1, -NormalInversa(a2), MeanError(in.S1, in.N1)); break;
    case MVD: symmetric(in.X1, TStudentInversa(k, a2), MeanError(in.S1, in.N1)); break;
    case VAR: {
      point1 = Ji2Upper(in.N1 - 1, a2);
      point2 = Ji2Lower(in.N1 - 1, a2);
      Uncross(point2, point1);
      const Scaled sum = Of(in.N1 - 1) * Of(in.S1);
      lower = ToDouble(sum / Of(point1));
      upper = ToDouble(sum / Of(point2));
      break;
    }
    case PRO: symmetric(in.X1, -NormalInversa(a2), ProportionError(in.X1, in.N1)); break;
    case M2C:
      symmetric(in.X1 - in.X2, -NormalInversa(a2), MeansError(in));
      break;
    case M2D:
      symmetric(in.X1 - in.X2, TStudentInversa(k, a2), MeansError(in));
      break;
    case M2I:
      symmetric(in.X1 - in.X2, TStudentInversa(k, a2), pooled * SizesFactor(in.N1, in.N2));
      break;
    case VA2: {
      point1 = FLower(k, k2, a2);
      point2 = FUpper(k, k2, a2);
      Uncross(point1, point2);
      const Scaled ratio = Of(in.S1) / Of(in.S2);
      lower = ToDouble(ratio * Of(point1));
      upper = ToDouble(ratio * Of(point2));
      break;
    }
    case PR2:
      symmetric(in.X1 - in.X2, -NormalInversa(a2),
                Hypot(ProportionError(in.X1, in.N1), ProportionError(in.X2, in.N2)));
      break;
    default: return out;
  }
  if (!Sound({lower, upper, point1, point2, margin})) return out;

  std::string low, high;
  if (!Digits(lower, low) || !Digits(upper, high)) return out;
  out.interval = " ( " + low + "  ,   " + high + " )";
  if (!SemiLevels(in.Alpha, out.ncon2, out.nsig2)) return out;
  out.margin = margin >= 0;
  if (out.margin && !Digits(margin, out.marginText)) return out;
  if (!Digits(point1, out.point1) || !Digits(point2, out.point2)) return out;
  out.secondPoint = type == VAR || type == VA2;
  out.pointCaption = out.secondPoint ? "Percentage points" : "Percentage point";
  out.aux = type == M2D || type == M2I;
  if (out.aux) {
    out.auxCaption = type == M2D ? kWelchCaption : kPooledSCaption;
    out.auxPicture = type;
    if (!Digits(aux, out.auxText)) return out;
  }
  out.ok = true;
  return out;
}

}  // namespace inference
