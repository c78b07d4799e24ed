#include "tables/statistics2v.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/vector_state.h"
#include "tables/statistics_internal.h"

namespace tables {

namespace {

using numeric::Chk;
using tables::detail::CancelGuard;
using tables::detail::Fmt10;
using tables::detail::LastRow;

bool LogX(int16_t model) { return model == 1 || model == 3; }
bool LogY(int16_t model) { return model == 2 || model == 3; }

int CountEmpty(const Table2V& t, int32_t i) {
  return IsEmpty(t.Data2V_X[i]) + IsEmpty(t.Data2V_Y[i]) + IsEmpty(t.Data2V_N[i]);
}

// The variables the model's statistics are taken on: x or ln x, y or ln y.
double ModelX(int16_t model, double x) { return LogX(model) ? std::log(x) : x; }
double ModelY(int16_t model, double y) { return LogY(model) ? std::log(y) : y; }

// A complete row as the model sees it: X, Y (x and y themselves for the linear and
// quadratic models) and the frequency. The first pass takes them, logarithms included, and
// the later passes read them here: the table is not read again, nor a logarithm retaken.
struct Point {
  double X, Y, n;
};

struct Sums2V {
  double N = 0, SX = 0, SY = 0, SX2 = 0, SY2 = 0, SXY = 0;
  bool unusable = false;     // a partly filled row, or a negative frequency
  bool notPositive = false;  // the loop stopped at a value the model cannot take ln of
  // Every complete row, in table order; the later passes run only when the loop took all.
  std::vector<Point> points;
  bool Finite() const {
    return std::isfinite(N) && std::isfinite(SX) && std::isfinite(SY) && std::isfinite(SX2) &&
           std::isfinite(SY2) && std::isfinite(SXY);
  }
};

Sums2V SumRows(const Table2V& t) {
  const int16_t model = t.RegType2V;
  Sums2V s;
  s.points.reserve(static_cast<size_t>(LastRow(t.N2V)));
  // Up to two logarithms a row: at their full speed whatever the window did before.
  numeric::ClearUpperVectorState();
  for (int32_t i = 1; i <= LastRow(t.N2V); ++i) {
    const int empty = CountEmpty(t, i);
    if (empty == 3) continue;
    const double x = t.Data2V_X[i], y = t.Data2V_Y[i], n = t.Data2V_N[i];
    // A negative frequency would give negative variances and a fit to no data at all.
    if (empty > 0 || n < 0) {
      s.unusable = true;
      return s;
    }
    s.N += n;
    if (LogX(model) && !(x > 0)) {
      s.notPositive = true;
      return s;
    }
    const double X = ModelX(model, x);
    s.SX += X * n;
    s.SX2 += X * X * n;
    if (LogY(model) && !(y > 0)) {
      s.notPositive = true;
      return s;
    }
    const double Y = ModelY(model, y);
    s.SY += Y * n;
    s.SY2 += Y * Y * n;
    s.SXY += X * Y * n;
    s.points.push_back({X, Y, n});
  }
  return s;
}

// Variances and covariance of X and Y (divisor N), from a second pass over the deviations
// about the means. X (Y) taking one value only has variance and covariance 0 exactly.
struct Spread {
  double varX = 0, varY = 0, cov = 0;
};

Spread SpreadAbout(const std::vector<Point>& points, double meanX, double meanY, double N) {
  double DX = 0, DY = 0, DXX = 0, DYY = 0, DXY = 0;
  detail::ConstantCheck constantX, constantY;
  for (const Point& p : points) {
    const double n = p.n, dx = p.X - meanX, dy = p.Y - meanY;
    constantX.Take(p.X, n);
    constantY.Take(p.Y, n);
    DX += dx * n;
    DY += dy * n;
    DXX += dx * dx * n;
    DYY += dy * dy * n;
    DXY += dx * dy * n;
  }
  const double cx = Chk(Chk(DX) / N), cy = Chk(Chk(DY) / N);
  Spread s;
  if (!constantX.Constant()) s.varX = detail::FromDeviations(Chk(DXX), cx, cx, N);
  if (!constantY.Constant()) s.varY = detail::FromDeviations(Chk(DYY), cy, cy, N);
  if (!constantX.Constant() && !constantY.Constant()) {
    s.cov = detail::FromDeviations(Chk(DXY), cx, cy, N);
  }
  return s;
}

struct Coefficients {
  double A = 0, B = 0, C = 0;
};

// Least-squares parabola. Solved on u = x − x̄ and converted back: on raw x the normal
// equations of data such as years (x = 2000..2010) cancel to noise. Nothing when fewer than
// three distinct x carry weight, or when the system is singular to working precision.
// The points' X and Y are the rows' x and y: the model transforms neither.
std::optional<Coefficients> FitQuadratic(const std::vector<Point>& points, double N,
                                         double meanX) {
  double S1 = 0, S2 = 0, S3 = 0, S4 = 0, T0 = 0, T1 = 0, T2 = 0;
  double distinct[2] = {0, 0};
  int distinctCount = 0;
  for (const Point& p : points) {
    const double x = p.X, y = p.Y, n = p.n;
    if (n != 0 && distinctCount < 3 &&
        (distinctCount == 0 || (x != distinct[0] && (distinctCount == 1 || x != distinct[1])))) {
      if (distinctCount < 2) distinct[distinctCount] = x;
      ++distinctCount;
    }
    const double u = x - meanX;
    S1 += u * n;
    S2 += u * u * n;
    S3 += u * u * u * n;
    S4 += u * u * u * u * n;
    T0 += y * n;
    T1 += u * y * n;
    T2 += u * u * y * n;
  }
  if (distinctCount < 3) return std::nullopt;

  const double S0 = N;
  const double terms[] = {2 * S1 * S2 * S3, S0 * S2 * S4, S2 * S2 * S2, S1 * S1 * S4, S0 * S3 * S3};
  const double D = Chk(terms[0] + terms[1] - terms[2] - terms[3] - terms[4]);
  double size = 0;
  for (double term : terms) size += std::fabs(term);
  if (!(std::fabs(D) > 1E-12 * Chk(size))) return std::nullopt;

  // Cramer's rule on  S4·a + S3·b + S2·c = T2,  S3·a + S2·b + S1·c = T1,  S2·a + S1·b + S0·c = T0.
  const double a = Chk((T2 * S2 * S0 - T2 * S1 * S1 - S3 * T1 * S0 + S3 * S1 * T0 + S2 * T1 * S1 -
                        S2 * S2 * T0) / D);
  const double b = Chk((S4 * T1 * S0 - S4 * S1 * T0 - T2 * S3 * S0 + T2 * S1 * S2 + S2 * S3 * T0 -
                        S2 * S2 * T1) / D);
  const double c = Chk((S4 * S2 * T0 - S4 * S1 * T1 - S3 * S3 * T0 + S3 * S2 * T1 + T2 * S3 * S1 -
                        T2 * S2 * S2) / D);
  // a·u² + b·u + c with u = x − x̄.
  return Coefficients{a, Chk(b - 2 * a * meanX), Chk(c - meanX * (b - a * meanX))};
}

// A coefficient as its 10-digit text reads back.
double RoundTo10(double v) {
  const double r = LeerNumero(FormatoCifras(v, 10));
  return r == NoValue ? 0 : r;
}

}  // namespace

Results2V ProcesarDatos2VAR(const Table2V& t, Stats2V& stats) {
  Results2V r;
  const int16_t model = t.RegType2V;
  const Sums2V s = SumRows(t);
  if (s.unusable || !s.Finite()) {
    ErrorFlag = 1;
    return r;
  }
  const double N = s.N;
  if (N <= 0) return r;
  if (s.notPositive) {
    ErrorFlag = 1;
    return r;
  }

  try {
    r.Txt2V_SN = Fmt10(N);
    r.Txt2V_SX = Fmt10(s.SX);
    r.Txt2V_SY = Fmt10(s.SY);
    r.Txt2V_SX2 = Fmt10(s.SX2);
    r.Txt2V_SY2 = Fmt10(s.SY2);
    r.Txt2V_SXY = Fmt10(s.SXY);

    const double meanX = Chk(s.SX / N), meanY = Chk(s.SY / N);
    r.Txt2V_MX = Fmt10(meanX);
    r.Txt2V_MY = Fmt10(meanY);

    const Spread spread = SpreadAbout(s.points, meanX, meanY, N);
    const double varX = spread.varX, varY = spread.varY, cov = spread.cov;
    r.Txt2V_VX = Fmt10(varX);
    r.Txt2V_DX = Fmt10(numeric::Sqrt(varX));
    r.Txt2V_VY = Fmt10(varY);
    r.Txt2V_DY = Fmt10(numeric::Sqrt(varY));
    r.Txt2V_COV = Fmt10(cov);
    if (varX != 0 && varY != 0) {
      r.Txt2V_R = Fmt10(numeric::Div(cov, numeric::Sqrt(Chk(varX * varY))));
    }

    if (varX <= 0) return r;
    const double b = numeric::Div(cov, varX);
    // The intercept of a line through the origin comes out as the rounding noise of its
    // two terms: below 1E-12 of them it is 0.
    const double bMeanX = Chk(meanX * b);
    const double a = CancelGuard(Chk(meanY - bMeanX), bMeanX, meanY);

    Coefficients c;
    switch (model) {
      case 2:
        c = {numeric::Exp(a), numeric::Exp(b), 0};
        break;
      case 3:
        c = {numeric::Exp(a), b, 0};
        break;
      case 4: {
        const auto fit = FitQuadratic(s.points, N, meanX);
        if (!fit) return r;
        c = *fit;
        break;
      }
      default:
        c = {a, b, 0};
        break;
    }
    stats.RegCoefA = RoundTo10(c.A);
    stats.RegCoefB = RoundTo10(c.B);
    stats.RegCoefC = RoundTo10(c.C);
    r.Txt2V_CUR = CurveEquation(model, stats.RegCoefA, stats.RegCoefB, stats.RegCoefC);
  } catch (const numeric::NumericFailure&) {
    ErrorFlag = 1;
  }
  return r;
}

std::string CurveEquation(int16_t model, double A, double B, double C) {
  std::string s = " y = ";
  auto magnitude = [](double v) { return Fmt10(std::fabs(v)); };
  switch (model) {
    case 2:  // A · B ^ x
      if (A == 0 || B == 0) {
        s += "0";
      } else if (A == 1 && B == 1) {
        s += "1";  // the constant curve y = 1 still shows its value
      } else {
        if (A != 1) s += Fmt10(A);
        if (B != 1) {
          if (A != 1) s += " · ";
          s += Fmt10(B) + " ^ x";
        }
      }
      break;
    case 3:  // A · x ^ B
      if (A == 0) {
        s += "0";
      } else if (A == 1 && B == 0) {
        s += "1";
      } else {
        if (A != 1) s += Fmt10(A);
        if (A != 1 && B != 0) s += " · ";
        if (B != 0) s += "x";
        if (B != 0 && B != 1) s += " ^ " + (B < 0 ? "(" + Fmt10(B) + ")" : Fmt10(B));
      }
      break;
    case 4: {  // A x² + B x + C
      std::string separator;
      if (A != 0) {
        if (A < 0) s += " - ";
        if (std::fabs(A) != 1) s += magnitude(A);
        s += "x²";
        separator = " + ";
      }
      if (B != 0) {
        s += B > 0 ? separator : " - ";
        if (std::fabs(B) != 1) s += magnitude(B);
        s += "x";
        separator = " + ";
      }
      if (C != 0) s += (C > 0 ? separator : " - ") + magnitude(C);
      if (A == 0 && B == 0 && C == 0) s += "0";
      break;
    }
    default: {  // A + B x, A + B ln x
      std::string separator;
      if (A != 0) {
        if (A < 0) s += "- ";
        s += magnitude(A);
        separator = "  +  ";
      }
      if (B != 0) {
        s += B < 0 ? " - " : separator;
        if (std::fabs(B) != 1) s += magnitude(B);
        s += model == 1 ? " ln x" : " x";
      }
      if (A == 0 && B == 0) s += "0";
      break;
    }
  }
  return s;
}

std::string ModelCaption(int16_t model) {
  static const char* const captions[] = {"Linear", "Logarithmic", "Exponential", "Power",
                                         "Quadratic"};
  return captions[model >= 0 && model <= 4 ? model : 0];
}

std::string LblESTAD2_Caption(int16_t model) {
  return "Two variables statistic:  " + ModelCaption(model) + " regression analysis";
}

std::string Label1_44_Caption(int16_t model) {
  std::string caption = ModelCaption(model);
  for (char& ch : caption) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return "Curve of " + caption + " regression";
}

Stats2V& ProgramStats2V() {
  static Stats2V stats;
  return stats;
}

}  // namespace tables
