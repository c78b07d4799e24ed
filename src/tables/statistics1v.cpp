#include "tables/statistics1v.h"

#include <cmath>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "tables/quantiles.h"
#include "tables/statistics_internal.h"

namespace tables {

namespace {

using numeric::Chk;
using tables::detail::CancelGuard;
using tables::detail::Fmt10;
using tables::detail::LastRow;

enum class RowState { Blank, Partial, Complete };

// Ungrouped rows are a value and a frequency (the upper bound is not looked at); grouped
// rows a class from x1 to x2 and a frequency.
inline RowState Classify(const Table1V& t, int32_t i) {
  const bool grouped = t.DataType1V == 1;
  const int cells = grouped ? 3 : 2;
  const int empty = IsEmpty(t.Data1V_X1[i]) + IsEmpty(t.Data1V_N[i]) +
                    (grouped ? IsEmpty(t.Data1V_X2[i]) : 0);
  if (empty == 0) return RowState::Complete;
  return empty == cells ? RowState::Blank : RowState::Partial;
}

// The value a complete row stands for: the value itself, or the class mark.
double RowValue(const Table1V& t, int32_t i) {
  return t.DataType1V == 1 ? (t.Data1V_X1[i] + t.Data1V_X2[i]) / 2 : t.Data1V_X1[i];
}

struct PowerSums {
  double N = 0, S1 = 0, S2 = 0, S3 = 0, S4 = 0;
  bool anyComplete = false;
  // A row the statistics cannot take: partly filled, or counted a negative number of times.
  bool unusable = false;
};

PowerSums SumRows(const Table1V& t) {
  PowerSums s;
  double N = 0, S1 = 0, S2 = 0, S3 = 0, S4 = 0;
  for (int32_t i = 1; i <= LastRow(t.N1V); ++i) {
    const RowState state = Classify(t, i);
    if (state == RowState::Partial) {
      s.unusable = true;
      return s;
    }
    if (state == RowState::Blank) continue;
    const double v = RowValue(t, i), n = t.Data1V_N[i];
    // Summed as it stands, a negative frequency gives a negative variance and a mean outside
    // the data: no statistic at all is better than a wrong one.
    if (n < 0) {
      s.unusable = true;
      return s;
    }
    s.anyComplete = true;
    N += n;
    S1 += v * n;
    S2 += v * v * n;
    S3 += v * v * v * n;
    S4 += v * v * v * v * n;
  }
  s.N = N, s.S1 = S1, s.S2 = S2, s.S3 = S3, s.S4 = S4;
  return s;
}

// Second pass, over the deviations d from the mean: moments about the mean derived from
// the power sums subtract numbers of the size of mean⁴ from each other and keep nothing of
// data such as 1000000.1, 1000000.2, 1000000.3. The mean's own rounding error c = Σ n·d / N
// is taken out of each sum (d − c for d). Data that hold one value have moments 0.
void CentralMoments(const Table1V& t, double mean, double N, Stats1V& stats) {
  double D1 = 0, D2 = 0, D3 = 0, D4 = 0;
  detail::ConstantCheck constant;
  for (int32_t i = 1; i <= LastRow(t.N1V); ++i) {
    if (Classify(t, i) != RowState::Complete) continue;
    const double v = RowValue(t, i), n = t.Data1V_N[i], d = v - mean;
    constant.Take(v, n);
    D1 += d * n;
    D2 += d * d * n;
    D3 += d * d * d * n;
    D4 += d * d * d * d * n;
  }
  if (constant.Constant()) {
    stats.MomM2 = stats.MomM3 = stats.MomM4 = 0;
    return;
  }
  const double c = Chk(Chk(D1) / N), m2 = Chk(Chk(D2) / N), m3 = Chk(Chk(D3) / N);
  const double m4 = Chk(Chk(D4) / N);
  stats.MomM2 = detail::FromDeviations(D2, c, c, N);
  stats.MomM3 = Chk(m3 - 3 * c * m2 + 2 * c * c * c);
  stats.MomM4 = Chk(m4 - 4 * c * m3 + 6 * c * c * m2 - 3 * c * c * c * c);
}

// Class words are decided at 5 decimals, so a box showing 3E-07 reads "Symmetrical".
const char* ClassWord(double value, const char* positive, const char* zero, const char* negative) {
  const double r = Redondear(value, -6);
  return r > 0 ? positive : (r == 0 ? zero : negative);
}

}  // namespace

Results1V ProcesarDatos1VAR(const Table1V& t, Stats1V& stats, int16_t k, int16_t about) {
  Results1V r;
  stats.Stats1VReady = false;
  stats.ClassesOK1V = false;
  r.CmdCuantil_Enabled = CmdCuantilEnabled(t);

  const PowerSums s = SumRows(t);
  if (s.unusable) {
    ErrorFlag = 1;
    return r;
  }
  const double N = s.N;
  if (!std::isfinite(N) || !std::isfinite(s.S1) || !std::isfinite(s.S2) ||
      !std::isfinite(s.S3) || !std::isfinite(s.S4)) {
    ErrorFlag = 1;  // a power overflowed
    return r;
  }
  if (!s.anyComplete || N <= 0) return r;

  try {
    r.Txt1V_SN = Fmt10(N);
    r.Txt1V_SX = Fmt10(s.S1);
    r.Txt1V_SX2 = Fmt10(s.S2);
    r.Txt1V_SX3 = Fmt10(s.S3);
    r.Txt1V_SX4 = Fmt10(s.S4);

    ErrorFlag = 0;
    stats.ClassesOK1V = VerificaClases(t, stats.M1V);
    const double mode = GetModa(t, stats);
    if (ErrorFlag == 0) r.Txt1V_MO = Fmt10(mode);

    const double mean = Chk(s.S1 / N);
    r.Txt1V_MX = Fmt10(mean);
    CentralMoments(t, mean, N, stats);
    const double variance = stats.MomM2;
    r.Txt1V_VX = Fmt10(variance);
    const double sd = numeric::Sqrt(variance);
    r.Txt1V_DX = Fmt10(sd);
    if (mean != 0) r.Txt1V_CV = FormatoCifras(Chk(sd / mean), 8);

    stats.SumN = N;
    stats.SumXN = s.S1;
    stats.SumX2N = s.S2;
    stats.SumX3N = s.S3;
    stats.SumX4N = s.S4;
    stats.Stats1VReady = true;

    if (stats.ClassesOK1V) {
      const double median = GetCuantil(t, stats, 0.5);
      if (ErrorFlag == 0) r.Txt1V_ME = FormatoCifras(median, 8);
    }
    r.Moment = CalculaMomento(stats, k, about);

    if (variance == 0) return r;
    const double m2 = stats.MomM2;
    // m2·√m2 rather than √(m2³): the cube overflows long before the skewness does.
    const double skewness = numeric::Div(stats.MomM3, Chk(m2 * numeric::Sqrt(m2)));
    r.Txt1V_AS = FormatoCifras(skewness, 6);
    r.Label1_68 = ClassWord(skewness, "Positive: Right-skewed", "Symmetrical", "Negative: left-skewed");

    const double ratio = Chk(Chk(stats.MomM4 / m2) / m2);
    const double kurtosis = CancelGuard(ratio - 3, ratio, 3);
    r.Txt1V_CU = FormatoCifras(kurtosis, 6);
    r.Label1_69 = ClassWord(kurtosis, "Leptokurtic", "Mesokurtic", "Platykurtic");
  } catch (const numeric::NumericFailure&) {
    ErrorFlag = 1;
  }
  return r;
}

bool VerificaClases(const Table1V& t, int32_t& M1V) {
  const bool grouped = t.DataType1V == 1;
  M1V = -1;
  for (int32_t i = LastRow(t.N1V); i >= 1; --i) {
    if (Classify(t, i) == RowState::Complete) {
      M1V = i;
      break;
    }
  }
  if (M1V < 0) return false;

  const auto& x1 = t.Data1V_X1;
  const auto& x2 = t.Data1V_X2;
  for (int32_t i = 1; i <= M1V; ++i) {
    if (Classify(t, i) != RowState::Complete || !(t.Data1V_N[i] >= 0)) return false;
    if (grouped && !(x1[i] < x2[i])) return false;
    if (i == 1) continue;
    // Classes must touch exactly: a gap or an overlap has no cumulative distribution.
    if (grouped ? x2[i - 1] != x1[i] : !(x1[i - 1] < x1[i])) return false;
  }
  return true;
}

double GetModa(const Table1V& t, const Stats1V& stats) {
  return numeric::HandlerStyle([&]() -> double {
    const auto& x = t.Data1V_X1;
    const auto& n = t.Data1V_N;
    constexpr double kNone = -1E+300;
    double best = kNone;

    if (t.DataType1V != 1) {
      // The first row with the top frequency wins; another value with that frequency is a
      // tie, the same value repeated in another row is not.
      double mode = 0;
      bool tie = false;
      for (int32_t i = 1; i <= LastRow(t.N1V); ++i) {
        if (IsEmpty(x[i]) || IsEmpty(n[i]) || !(n[i] >= 0)) continue;
        if (n[i] > best) {
          best = n[i];
          mode = x[i];
          tie = false;
        } else if (n[i] == best && x[i] != mode) {
          tie = true;
        }
      }
      if (best == kNone || tie) throw numeric::NumericFailure{};
      return mode;
    }

    // Grouped: the modal class is the densest one (classes may differ in width).
    if (!stats.ClassesOK1V) throw numeric::NumericFailure{};
    const int32_t M = stats.M1V;
    const auto& x2 = t.Data1V_X2;
    auto density = [&](int32_t i) {
      return (i < 1 || i > M) ? 0.0 : Chk(n[i] / Chk(x2[i] - x[i]));
    };
    int32_t k = 0;
    bool tie = false;
    for (int32_t i = 1; i <= M; ++i) {
      const double d = density(i);
      if (d > best) {
        best = d;
        k = i;
        tie = false;
      } else if (d == best) {
        tie = true;
      }
    }
    if (best == kNone || tie) throw numeric::NumericFailure{};
    const double d1 = density(k) - density(k - 1);
    const double d2 = density(k) - density(k + 1);
    return Chk(x[k] + Chk((x2[k] - x[k]) * Chk(d1 / Chk(d1 + d2))));
  });
}

Moment1V CalculaMomento(const Stats1V& stats, int16_t k, int16_t about) {
  Moment1V m;
  const std::string digit = std::to_string(k);
  std::string caption = digit + "th-moment about the ";
  if (about == 0) {
    m.Label1_63 = "a  =";
    m.Label1_64 = digit;
    caption += "origin";
  } else {
    m.Label1_63 = "m  =";
    m.Label1_64 = "  " + digit;
    caption += "mean";
  }
  m.Label1_65 = caption;
  if (!stats.Stats1VReady || k < 0 || k > 4) return m;

  const double sums[] = {stats.SumN, stats.SumXN, stats.SumX2N, stats.SumX3N, stats.SumX4N};
  const double central[] = {1, 0, stats.MomM2, stats.MomM3, stats.MomM4};
  const double value = about == 0 ? (k == 0 ? 1 : sums[k] / stats.SumN) : central[k];
  if (std::isfinite(value)) m.Txt1V_MM = Fmt10(value);
  return m;
}

bool CmdCuantilEnabled(const Table1V& t) { return t.N1V >= 200; }

std::string LblESTAD1_Caption(int16_t DataType1V) {
  return std::string("One variable statistic:  ") + (DataType1V == 1 ? "Grouped" : "Ungrouped") +
         " data";
}

Stats1V& ProgramStats1V() {
  static Stats1V stats;
  return stats;
}

}  // namespace tables
