#include "tables/quantiles.h"

#include <cmath>

#include "numeric/failure.h"
#include "numeric/numeric.h"

namespace tables {

namespace {

using numeric::Chk;

[[noreturn]] void Fail() { throw numeric::NumericFailure{}; }

bool Grouped(const Table1V& t) { return t.DataType1V == 1; }

// The interval over which row i of the complete rows 1..M spreads its frequency.
void Span(const Table1V& t, int32_t M, int32_t i, double& lo, double& hi) {
  const auto& x = t.Data1V_X1;
  if (Grouped(t)) {
    lo = x[i];
    hi = t.Data1V_X2[i];
    return;
  }
  lo = i == 1 ? x[1] : (x[i - 1] + x[i]) / 2;
  hi = i == M ? x[M] : (x[i] + x[i + 1]) / 2;
}

int16_t KindIndex(int16_t TipoQQ) { return TipoQQ >= 0 && TipoQQ <= 2 ? TipoQQ : 2; }

}  // namespace

double GetCuantil(const Table1V& t, const Stats1V& stats, double p) {
  ErrorFlag = 0;
  return numeric::HandlerStyle([&]() -> double {
    if (!stats.ClassesOK1V || stats.SumN <= 0 || !stats.Stats1VReady || p < 0 || p > 1) Fail();
    const int32_t M = stats.M1V;
    const auto& x = t.Data1V_X1;
    const auto& n = t.Data1V_N;
    if (p == 0) return x[1];
    if (Grouped(t)) {
      if (p == 1) return t.Data1V_X2[M];
    } else {
      if (p == 1) return x[M];
      if (M == 1) return x[1];
    }
    const double N = stats.SumN;
    double cumulative = 0;
    for (int32_t i = 1; i <= M; ++i) {
      const double before = cumulative / N;
      cumulative += n[i];
      if (cumulative / N >= p) {
        double lo = 0, hi = 0;
        Span(t, M, i, lo, hi);
        return Chk(lo + Chk(Chk(Chk((p - before) * (hi - lo)) * N) / n[i]));
      }
    }
    Fail();
  });
}

double GetCuantilPCT(const Table1V& t, const Stats1V& stats, double x) {
  ErrorFlag = 0;
  return numeric::HandlerStyle([&]() -> double {
    if (stats.SumN <= 0 || !stats.ClassesOK1V || !stats.Stats1VReady) Fail();
    const int32_t M = stats.M1V;
    if (!Grouped(t) && M == 1) Fail();
    const double first = t.Data1V_X1[1];
    const double last = Grouped(t) ? t.Data1V_X2[M] : t.Data1V_X1[M];
    if (x >= last) return 1;
    if (x <= first) return 0;
    double result = 0, cumulative = 0;
    for (int32_t i = 1; i <= M; ++i) {
      double lo = 0, hi = 0;
      Span(t, M, i, lo, hi);
      const double n = t.Data1V_N[i];
      // On the border of two spans both match and give the same fraction.
      if (lo <= x && x <= hi) result = Chk((cumulative + Chk(Chk(n * (x - lo)) / (hi - lo))) / stats.SumN);
      cumulative += n;
    }
    return result;
  });
}

double QuantileDivisor(int16_t TipoQQ) {
  static const double divisors[] = {4, 10, 100};
  return divisors[KindIndex(TipoQQ)];
}

std::string QuantileSymbol(int16_t TipoQQ) {
  static const char* const symbols[] = {"Q    =", "D    =", "P    ="};
  return symbols[KindIndex(TipoQQ)];
}

QuantileBoxes CmdCuantil_Click(const Table1V& t, Stats1V& stats, QuantileBoxes b) {
  const double divisor = QuantileDivisor(stats.TipoQQ);
  if (b.Txt1V_QPCT.empty() && !b.Txt1V_QQ.empty() && stats.ClassesOK1V) {
    const double x = LeerNumero(b.Txt1V_QQ);
    if (x != NoValue) {  // an unreadable value is no value, not the marker's tiny number
      const double p = GetCuantilPCT(t, stats, x);
      if (ErrorFlag == 0) {
        stats.FracQQ = p;
        b.Txt1V_QPCT = FormatoCifras(divisor * p, 6);
      }
    }
    ErrorFlag = 0;
  }
  if (b.Txt1V_QQ.empty() && !b.Txt1V_QPCT.empty() && stats.ClassesOK1V) {
    const double order = LeerNumero(b.Txt1V_QPCT);
    if (order != NoValue) {
      const double p = order / divisor;
      stats.FracQQ = p;
      const double x = GetCuantil(t, stats, p);
      if (ErrorFlag == 0) b.Txt1V_QQ = FormatoCifras(x, 6);
    }
    ErrorFlag = 0;
  }
  return b;
}

namespace {

QuantileBoxes AfterEdit(const Table1V& t, Stats1V& stats, QuantileBoxes b) {
  if (stats.ClassesOK1V && !CmdCuantilEnabled(t)) return CmdCuantil_Click(t, stats, b);
  return b;
}

}  // namespace

QuantileBoxes Txt1V_QPCT_Change(const Table1V& t, Stats1V& stats, const std::string& order) {
  return AfterEdit(t, stats, {order, ""});
}

QuantileBoxes Txt1V_QQ_Change(const Table1V& t, Stats1V& stats, const std::string& value) {
  return AfterEdit(t, stats, {"", value});
}

QuantileKind OptQQ_Click(Stats1V& stats, int16_t index, const std::string& order) {
  QuantileKind r{QuantileSymbol(index), order};
  const double oldDivisor = QuantileDivisor(stats.TipoQQ);
  stats.TipoQQ = KindIndex(index);
  if (order.empty()) return r;
  const double k = LeerNumero(order);
  if (k == NoValue) return r;
  stats.FracQQ = k / oldDivisor;
  r.Txt1V_QPCT = FormatoCifras(QuantileDivisor(index) * stats.FracQQ, 6);
  return r;
}

}  // namespace tables
