// Every distribution routine at a typical argument and at its slowest one.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "numeric/failure.h"
#include "numeric/numeric.h"

namespace {

// Runs a routine that reports failures through ErrorFlag.
template <class Routine>
void Run(benchmark::State& state, Routine routine) {
  for (auto _ : state) {
    ErrorFlag = 0;
    benchmark::DoNotOptimize(routine());
  }
  if (ErrorFlag != 0) state.SkipWithError("the routine failed");
}

// Runs a special function, which throws on a failure.
template <class Routine>
void RunSpecial(benchmark::State& state, Routine routine) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(numeric::HandlerStyle(routine));
  }
}

void BM_Erf(benchmark::State& s) { RunSpecial(s, [] { return Erf(0.3) + Erf(2.5); }); }
void BM_NormalCola(benchmark::State& s) { Run(s, [] { return NormalCola(1.96); }); }
// Far out: erfc by its continued fraction.
void BM_NormalCola_FarTail(benchmark::State& s) { Run(s, [] { return NormalCola(20); }); }
void BM_NormalInversa_Centre(benchmark::State& s) { Run(s, [] { return NormalInversa(0.7); }); }
void BM_NormalInversa_Tail(benchmark::State& s) { Run(s, [] { return NormalInversa(1E-300); }); }
void BM_LnGamma(benchmark::State& s) {
  RunSpecial(s, [] {
    double sign;
    return LnGamma(7.5, sign) + LnGamma(-40.5, sign);
  });
}
void BM_Gamma(benchmark::State& s) { RunSpecial(s, [] { return Gamma(4.5) + Gamma(150.5); }); }
void BM_GammaIncInf(benchmark::State& s) { RunSpecial(s, [] { return GammaIncInf(10, 8); }); }
void BM_GammaIncSup(benchmark::State& s) { RunSpecial(s, [] { return GammaIncSup(10, 12); }); }
void BM_GammaIncSupInversa(benchmark::State& s) {
  RunSpecial(s, [] { return GammaIncSupInversa(5, 0.05); });
}
void BM_Ji2Cola_Typical(benchmark::State& s) { Run(s, [] { return Ji2Cola(10, 18.307); }); }
// 1E+8 degrees of freedom at the centre: the continued fraction's slowest case.
void BM_Ji2Cola_1E8(benchmark::State& s) { Run(s, [] { return Ji2Cola(1E+8, 1E+8); }); }
void BM_Ji2Inversa_Typical(benchmark::State& s) { Run(s, [] { return Ji2Inversa(10, 0.05); }); }
void BM_Ji2Inversa_1E6(benchmark::State& s) { Run(s, [] { return Ji2Inversa(1E+6, 0.05); }); }
// An upper tail near 1: the point from the lower tail.
void BM_Ji2Inversa_NearOne(benchmark::State& s) {
  Run(s, [] { return Ji2Inversa(5, 0.999999999); });
}
void BM_PoissonAcum_Typical(benchmark::State& s) { Run(s, [] { return PoissonAcum(5, 3.2); }); }
void BM_PoissonAcum_1E6(benchmark::State& s) {
  Run(s, [] { return PoissonAcum(1000000, 1000000); });
}
void BM_BetaInc(benchmark::State& s) { RunSpecial(s, [] { return BetaInc(2.5, 7, 0.3); }); }
void BM_BetaIncInversa(benchmark::State& s) {
  RunSpecial(s, [] { return BetaIncInversa(2.5, 7, 0.05); });
}
void BM_BetaIncInversa_NearOne(benchmark::State& s) {
  RunSpecial(s, [] { return BetaIncInversa(1, 33, 0.99999999999999545); });
}
void BM_TStudentCola_Typical(benchmark::State& s) { Run(s, [] { return TStudentCola(10, 2.2); }); }
// k = 1E+6 ran the series k/2 passes.
void BM_TStudentCola_1E6(benchmark::State& s) { Run(s, [] { return TStudentCola(1000000, 1); }); }
void BM_TStudentInversa_Typical(benchmark::State& s) {
  Run(s, [] { return TStudentInversa(10, 0.025); });
}
void BM_TStudentInversa_DeepTail(benchmark::State& s) {
  Run(s, [] { return TStudentInversa(100000, 1E-7); });
}
void BM_TStudentInversa_Polished(benchmark::State& s) {
  Run(s, [] { return TStudentInversa(10, 1E-20); });
}
void BM_FSnedecorCola(benchmark::State& s) { Run(s, [] { return FSnedecorCola(5, 10, 3.3); }); }
void BM_FSnedecorInversa_Typical(benchmark::State& s) {
  Run(s, [] { return FSnedecorInversa(5, 10, 0.05); });
}
void BM_FSnedecorInversa_DeepTail(benchmark::State& s) {
  Run(s, [] { return FSnedecorInversa(1, 100000, 1E-7); });
}
// Past the fast path: the incomplete beta inverse, refined on the tail.
void BM_FSnedecorInversa_HugeDf(benchmark::State& s) {
  Run(s, [] { return FSnedecorInversa(100000000, 1, 0.26); });
}
// The slowest paths at huge degrees of freedom: near the centre, and points far out.
void BM_TStudentInversa_2E6(benchmark::State& s) {
  Run(s, [] { return TStudentInversa(2000000, 0.025); });
}
void BM_TStudentInversa_MaxDf_DeepTail(benchmark::State& s) {
  Run(s, [] { return TStudentInversa(2147483647, 1E-300); });
}
void BM_FSnedecorInversa_1_1E9(benchmark::State& s) {
  Run(s, [] { return FSnedecorInversa(1, 1000000000, 0.3); });
}
void BM_FSnedecorInversa_1E9_1E9(benchmark::State& s) {
  Run(s, [] { return FSnedecorInversa(1000000000, 1000000000, 0.05); });
}
void BM_BinomialAcum_MaxN_Centre(benchmark::State& s) {
  Run(s, [] { return BinomialAcum(1073741823, 2147483647, 0.5); });
}
// A region of a few hundred counts a billion trials out: the tails cancel, the terms are
// summed.
void BM_BinomialIntervalo_1E9(benchmark::State& s) {
  Run(s, [] { return BinomialIntervalo(500010000, 500010300, 1E9, 0.5); });
}
void BM_PoissonIntervalo_1E5(benchmark::State& s) {
  Run(s, [] { return PoissonIntervalo(99000, 101000, 1E5); });
}
// A probability below the normal doubles.
void BM_Ji2Inversa_Subnormal(benchmark::State& s) { Run(s, [] { return Ji2Inversa(5, 1E-310); }); }
void BM_BinomialAcum_Typical(benchmark::State& s) { Run(s, [] { return BinomialAcum(3, 10, 0.5); }); }
void BM_BinomialAcum_Large(benchmark::State& s) {
  Run(s, [] { return BinomialAcum(50000, 100000, 0.5); });
}

}  // namespace

BENCHMARK(BM_Erf);
BENCHMARK(BM_NormalCola);
BENCHMARK(BM_NormalCola_FarTail);
BENCHMARK(BM_NormalInversa_Centre);
BENCHMARK(BM_NormalInversa_Tail);
BENCHMARK(BM_LnGamma);
BENCHMARK(BM_Gamma);
BENCHMARK(BM_GammaIncInf);
BENCHMARK(BM_GammaIncSup);
BENCHMARK(BM_GammaIncSupInversa);
BENCHMARK(BM_Ji2Cola_Typical);
BENCHMARK(BM_Ji2Cola_1E8);
BENCHMARK(BM_Ji2Inversa_Typical);
BENCHMARK(BM_Ji2Inversa_1E6);
BENCHMARK(BM_Ji2Inversa_NearOne);
BENCHMARK(BM_PoissonAcum_Typical);
BENCHMARK(BM_PoissonAcum_1E6);
BENCHMARK(BM_BetaInc);
BENCHMARK(BM_BetaIncInversa);
BENCHMARK(BM_BetaIncInversa_NearOne);
BENCHMARK(BM_TStudentCola_Typical);
BENCHMARK(BM_TStudentCola_1E6);
BENCHMARK(BM_TStudentInversa_Typical);
BENCHMARK(BM_TStudentInversa_DeepTail);
BENCHMARK(BM_TStudentInversa_Polished);
BENCHMARK(BM_FSnedecorCola);
BENCHMARK(BM_FSnedecorInversa_Typical);
BENCHMARK(BM_FSnedecorInversa_DeepTail);
BENCHMARK(BM_FSnedecorInversa_HugeDf);
BENCHMARK(BM_TStudentInversa_2E6);
BENCHMARK(BM_TStudentInversa_MaxDf_DeepTail);
BENCHMARK(BM_FSnedecorInversa_1_1E9);
BENCHMARK(BM_FSnedecorInversa_1E9_1E9);
BENCHMARK(BM_BinomialAcum_MaxN_Centre);
BENCHMARK(BM_BinomialIntervalo_1E9);
BENCHMARK(BM_PoissonIntervalo_1E5);
BENCHMARK(BM_Ji2Inversa_Subnormal);
BENCHMARK(BM_BinomialAcum_Typical);
BENCHMARK(BM_BinomialAcum_Large);
