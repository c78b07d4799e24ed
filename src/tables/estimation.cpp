#include "tables/estimation.h"

#include <cmath>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "tables/statistics_internal.h"

namespace tables {

namespace {

using numeric::Chk;
using numeric::Div;

[[noreturn]] void NoResult() { throw numeric::NumericFailure{}; }

double CurveAt(int16_t model, double A, double B, double C, double x) {
  switch (model) {
    case 1: return Chk(A + Chk(B * numeric::Log(x)));
    case 2: return Chk(A * numeric::Pow(B, x));
    case 3: return Chk(A * numeric::Pow(x, B));
    case 4: return Chk(Chk(Chk(A * x) * x) + Chk(B * x) + C);
    default: return Chk(A + Chk(B * x));
  }
}

// x with A·x^B = y. A negative y/A has a real root only through an odd whole 1/B
// (x = −|y/A|^(1/B)); raising it to any other power would give a false root.
double PowerInverse(double A, double B, double y) {
  const double q = Div(y, A), e = Div(1, B);
  if (q >= 0) return numeric::Pow(q, e);
  if (e == std::floor(e) && std::fmod(e, 2) != 0) return -numeric::Pow(-q, e);
  NoResult();
}

// The larger x with A·x² + B·x + C = y.
double QuadraticInverse(double A, double B, double C, double y) {
  if (A == 0) {
    if (B == 0) NoResult();
    return Div(y - C, B);
  }
  const double root = numeric::Sqrt(Chk(B * B - Chk(4 * A * (C - y))));
  return Chk(Chk((A > 0 ? -B + root : -B - root) / 2) / A);
}

double CurveInverse(int16_t model, double A, double B, double C, double y) {
  switch (model) {
    case 1: return numeric::Exp(Div(y - A, B));
    case 2: return Div(numeric::Log(Div(y, A)), numeric::Log(B));
    case 3: return PowerInverse(A, B, y);
    case 4: return QuadraticInverse(A, B, C, y);
    default: return Div(y - A, B);
  }
}

// Reads the typed number and formats what the curve gives for it; empty when there is no
// curve, nothing typed, an unreadable number or no value.
template <class Evaluate>
std::string Estimate(const std::string& curve, const std::string& typed, Evaluate evaluate) {
  if (detail::TrimBlanks(typed).empty() || detail::TrimBlanks(curve).empty()) return "";
  const double v = LeerNumero(typed);
  if (v == NoValue) return "";
  try {
    return FormatoCifras(evaluate(v), 10);
  } catch (const numeric::NumericFailure&) {
    return "";
  }
}

}  // namespace

std::string Txt2V_ESTX_Change(const Stats2V& s, int16_t model, const std::string& curve,
                              const std::string& x) {
  return Estimate(curve, x, [&](double v) {
    return CurveAt(model, s.RegCoefA, s.RegCoefB, s.RegCoefC, v);
  });
}

std::string Txt2V_ESTY_Change(const Stats2V& s, int16_t model, const std::string& curve,
                              const std::string& y) {
  return Estimate(curve, y, [&](double v) {
    return CurveInverse(model, s.RegCoefA, s.RegCoefB, s.RegCoefC, v);
  });
}

}  // namespace tables
