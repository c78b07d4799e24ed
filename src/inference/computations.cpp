// The nine hypothesis tests and the nine confidence intervals, and the texts of their
// result areas.
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

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
// What the library returns for a point too far out to compute stands for infinity too.
constexpr double kLibraryInfinity = 1E+300;

constexpr const char* kWelchCaption = "Degrees of freedom (Welch approximation)";
constexpr const char* kPooledSCaption = "Pooled standard deviation";
constexpr const char* kPooledPCaption = "Mean of ratio samples";

bool Whole(double v, double above) { return std::isfinite(v) && v > above && v == std::floor(v); }
bool Open01(double v) { return v > 0 && v < 1; }
bool LevelOk(const PanelInput& in) { return Open01(in.Level) && Open01(in.Alpha); }

// True while no library routine failed and every value is a finite number.
bool Sound(std::initializer_list<double> values) {
  if (ErrorFlag != 0) return false;
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// A finite value past the library's infinite mark: shown, it would read as an open end.
// The marks themselves (a point beyond the library's reach, a region's open end) are not.
bool Beyond(double x) {
  const double size = std::fabs(x);
  return size > kLibraryInfinity && size != kInfiniteEnd;
}

// Degrees of freedom as the Long the t and F routines take; false outside its range.
bool ToLong(double df, int32_t& k) {
  if (!(df >= 1 && df <= std::numeric_limits<int32_t>::max())) return false;
  k = static_cast<int32_t>(df);
  return true;
}

// Six significant digits; false when the number cannot be formatted.
bool Digits(double x, std::string& text) {
  text = FormatoCifras(x, 6);
  return !text.empty() && ErrorFlag == 0;
}

bool Bound(double x, std::string& text) {
  if (x <= -kLibraryInfinity) {
    text = "-oo";
    return true;
  }
  if (x >= kLibraryInfinity) {
    text = "+oo";
    return true;
  }
  return Digits(x, text);
}

bool SemiLevels(double alpha, std::string& ncon2, std::string& nsig2) {
  if (!Digits((1 - alpha / 2) * 100, ncon2) || !Digits(alpha / 2 * 100, nsig2)) return false;
  ncon2 += " %";
  nsig2 += " %";
  return true;
}

enum class Dist { Normal, Student, ChiSquare, F };

struct Region {
  double lower = 0, upper = 0;
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
      if (side == kLeft) return {NormalInversa(alpha), kInfiniteEnd};
      return {-kInfiniteEnd, -NormalInversa(alpha)};
    case Dist::Student:
      if (side == kTwoSided) {
        const double c = TStudentInversa(k1, alpha / 2);
        return {-c, c};
      }
      if (side == kLeft) return {-TStudentInversa(k1, alpha), kInfiniteEnd};
      return {-kInfiniteEnd, TStudentInversa(k1, alpha)};
    case Dist::ChiSquare:
      if (side == kTwoSided) return Uncrossed(Ji2Lower(df, alpha / 2), Ji2Upper(df, alpha / 2));
      if (side == kLeft) return {Ji2Lower(df, alpha), kInfiniteEnd};
      return {0, Ji2Upper(df, alpha)};
    case Dist::F:
      if (side == kTwoSided) {
        return Uncrossed(FLower(k1, k2, alpha / 2), FUpper(k1, k2, alpha / 2));
      }
      if (side == kLeft) return {FLower(k1, k2, alpha), kInfiniteEnd};
      return {0, FUpper(k1, k2, alpha)};
  }
  return {};
}

double Welch(const PanelInput& in) {
  const double w1 = in.S1 / in.N1, w2 = in.S2 / in.N2;
  return Redondear((w1 + w2) * (w1 + w2) / (w1 * w1 / (in.N1 - 1) + w2 * w2 / (in.N2 - 1)), -1);
}

double Pooled(const PanelInput& in) {
  return std::sqrt(((in.N1 - 1) * in.S1 + (in.N2 - 1) * in.S2) / (in.N1 + in.N2 - 2));
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
      statistic = res.StatZ = (in.X1 - in.H0) / std::sqrt(in.S1 / in.N1);
      break;
    case MVD:
      statistic = res.StatT = (in.X1 - in.H0) / std::sqrt(in.S1 / in.N1);
      dist = Dist::Student;
      if (!ToLong(in.N1 - 1, k1)) return out;
      break;
    case VAR:
      statistic = res.StatJi2 = (in.N1 - 1) * in.S1 / in.H0;
      dist = Dist::ChiSquare;
      chiDf = in.N1 - 1;
      break;
    case PRO:
      statistic = res.StatZ =
          (in.X1 - in.H0) * in.N1 / std::sqrt(in.N1 * in.H0 * (1 - in.H0));
      break;
    case M2C:
      statistic = res.StatZ = (in.X1 - in.X2 - in.H0) / std::sqrt(in.S1 / in.N1 + in.S2 / in.N2);
      break;
    case M2D:
      aux = res.WelchDF = Welch(in);
      if (!Sound({aux}) || !ToLong(aux, k1)) return out;
      statistic = res.StatT = (in.X1 - in.X2 - in.H0) / std::sqrt(in.S1 / in.N1 + in.S2 / in.N2);
      dist = Dist::Student;
      break;
    case M2I:
      aux = res.PooledS = Pooled(in);
      statistic = res.StatT =
          ((in.X1 - in.X2 - in.H0) / aux) / std::sqrt(1 / in.N1 + 1 / in.N2);
      dist = Dist::Student;
      if (!ToLong(in.N1 + in.N2 - 2, k1)) return out;
      break;
    case VA2:
      statistic = res.StatF = in.S1 / in.S2;
      dist = Dist::F;
      if (!ToLong(in.N1 - 1, k1) || !ToLong(in.N2 - 1, k2)) return out;
      break;
    case PR2: {
      const double p = aux = res.PooledP = (in.N1 * in.X1 + in.N2 * in.X2) / (in.N1 + in.N2);
      statistic = res.StatZ =
          (in.X1 - in.X2) / std::sqrt(p * (1 - p) * (1 / in.N1 + 1 / in.N2));
      break;
    }
    default: return out;
  }
  // A statistic at or beyond the library's infinite mark cannot be set against a region
  // whose open ends are marks just beyond it.
  if (!Sound({statistic, aux}) || std::fabs(statistic) >= kLibraryInfinity) return out;

  const Region region = Critical(dist, side, in.Alpha, k1, k2, chiDf);
  if (!Sound({region.lower, region.upper}) || Beyond(region.lower) || Beyond(region.upper)) {
    return out;
  }

  out.reject = (statistic < region.lower || statistic > region.upper) ? 1 : 0;
  std::string lower, upper;
  if (!Bound(region.lower, lower) || !Bound(region.upper, upper)) return out;
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
  int32_t k = 0, k2 = 0;
  if (type == M2D) {
    aux = res.WelchDF = Welch(in);
    if (!Sound({aux}) || !ToLong(aux, k)) return out;
  } else if (type == M2I) {
    aux = res.PooledS = Pooled(in);
    if (!Sound({aux}) || !ToLong(in.N1 + in.N2 - 2, k)) return out;
  } else if (type == MVD) {
    if (!ToLong(in.N1 - 1, k)) return out;
  } else if (type == VA2) {
    if (!ToLong(in.N2 - 1, k) || !ToLong(in.N1 - 1, k2)) return out;
  }

  double lower = 0, upper = 0, point1 = 0, point2 = 0, margin = -1;
  auto symmetric = [&](double centre, double point, double spread) {
    point1 = point2 = point;
    margin = point * spread;
    lower = centre - margin;
    upper = centre + margin;
  };
  switch (type) {
    case MVC: symmetric(in.X1, -NormalInversa(a2), std::sqrt(in.S1 / in.N1)); break;
    case MVD: symmetric(in.X1, TStudentInversa(k, a2), std::sqrt(in.S1 / in.N1)); break;
    case VAR:
      point1 = Ji2Upper(in.N1 - 1, a2);
      point2 = Ji2Lower(in.N1 - 1, a2);
      Uncross(point2, point1);
      lower = (in.N1 - 1) * in.S1 / point1;
      upper = (in.N1 - 1) * in.S1 / point2;
      break;
    case PRO:
      symmetric(in.X1, -NormalInversa(a2), std::sqrt((1 - in.X1) * in.X1 / in.N1));
      break;
    case M2C:
      symmetric(in.X1 - in.X2, -NormalInversa(a2), std::sqrt(in.S1 / in.N1 + in.S2 / in.N2));
      break;
    case M2D:
      symmetric(in.X1 - in.X2, TStudentInversa(k, a2), std::sqrt(in.S1 / in.N1 + in.S2 / in.N2));
      break;
    case M2I:
      symmetric(in.X1 - in.X2, TStudentInversa(k, a2), aux * std::sqrt(1 / in.N1 + 1 / in.N2));
      break;
    case VA2:
      point1 = FLower(k, k2, a2);
      point2 = FUpper(k, k2, a2);
      Uncross(point1, point2);
      lower = in.S1 / in.S2 * point1;
      upper = in.S1 / in.S2 * point2;
      break;
    case PR2:
      symmetric(in.X1 - in.X2, -NormalInversa(a2),
                std::sqrt(in.X1 * (1 - in.X1) / in.N1 + in.X2 * (1 - in.X2) / in.N2));
      break;
    default: return out;
  }
  if (!Sound({lower, upper, point1, point2, margin}) || Beyond(lower) || Beyond(upper)) {
    return out;
  }

  std::string low, high;
  if (!Bound(lower, low) || !Bound(upper, high)) return out;
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
