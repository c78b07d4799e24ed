// The normal, t, F and binomial routines over grids of arguments, side by side with R's
// standalone math library (libRmath, Debian's r-mathlib) on the same points when it is
// installed. Each benchmark runs the whole grid per iteration; the "per_call" counter is the
// time of one call. The grids with "GridHuge" in their names take degrees of freedom and
// trials from 10^6 to 2147483647.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "numeric/numeric.h"

namespace {

struct TPoint {
  int32_t k;
  double p;
};
struct FPoint {
  int32_t ia, ib;
  double p;
};
struct BinomialPoint {
  double k, n, p;
};

// The upper-tail probabilities the test and interval panels ask for (a and a/2 at the usual
// levels, and their complements for the lower ends).
const double kTails[] = {0.1, 0.05, 0.025, 0.01, 0.005, 0.001, 0.9, 0.95, 0.975, 0.995};
const int32_t kDegrees[] = {1, 2, 3, 4, 5, 7, 10, 15, 20, 30, 60, 120, 1000};
const int32_t kHugeDegrees[] = {1000001, 3000000, 10000000, 100000000, 1000000000, 2147483647};

std::vector<TPoint> TGrid() {
  std::vector<TPoint> grid;
  for (int32_t k : kDegrees) {
    for (double p : kTails) grid.push_back({k, p});
  }
  return grid;
}

// Points t of the upper tail, on both sides of 0 and out to a small tail.
std::vector<TPoint> TValueGrid(bool huge) {
  std::vector<TPoint> grid;
  const double ts[] = {-3, -2.5, -1, -0.5, 0.1, 0.5, 1, 1.5, 2, 2.2, 2.5, 3, 4, 6, 10};
  if (huge) {
    for (int32_t k : kHugeDegrees) {
      for (double t : ts) grid.push_back({k, t});
    }
  } else {
    for (int32_t k : kDegrees) {
      for (double t : ts) grid.push_back({k, t});
    }
  }
  return grid;
}

std::vector<TPoint> THugeGrid() {
  std::vector<TPoint> grid;
  for (int32_t k : kHugeDegrees) {
    for (double p : kTails) grid.push_back({k, p});
  }
  return grid;
}

// Lower-tail probabilities of the normal: the central range and both tails.
std::vector<double> NormalGrid() {
  std::vector<double> grid;
  for (double p : {1E-300, 1E-100, 1E-20, 1E-10, 1E-5, 0.001, 0.01, 0.025, 0.05, 0.1, 0.2, 0.3, 0.4,
                   0.5, 0.6, 0.7, 0.8, 0.9, 0.95, 0.975, 0.99, 0.999}) {
    grid.push_back(p);
  }
  return grid;
}

std::vector<FPoint> FGrid() {
  std::vector<FPoint> grid;
  for (int32_t ia : {1, 2, 4, 9, 14, 30}) {
    for (int32_t ib : {1, 3, 9, 14, 29, 120}) {
      for (double p : kTails) grid.push_back({ia, ib, p});
    }
  }
  return grid;
}

std::vector<FPoint> FHugeGrid() {
  std::vector<FPoint> grid;
  for (int32_t ia : {1, 5, 1000000, 1000000000}) {
    for (int32_t ib : {1000000, 100000000, 2147483647}) {
      for (double p : kTails) grid.push_back({ia, ib, p});
    }
  }
  return grid;
}

// The binomial about its mean and in its tails, n from 10^6 to 2147483647.
std::vector<BinomialPoint> BinomialHugeGrid() {
  std::vector<BinomialPoint> grid;
  for (double n : {1E6, 1E7, 1E8, 1E9, 2147483647.0}) {
    for (double p : {1E-7, 0.01, 0.3, 0.5, 0.9}) {
      const double mean = n * p, sd = std::sqrt(n * p * (1 - p));
      for (double z : {-6.0, -2.0, -0.5, 0.0, 0.5, 2.0, 6.0}) {
        const double k = std::floor(mean + z * sd);
        if (k >= 0 && k < n) grid.push_back({k, n, p});
      }
    }
  }
  return grid;
}

// R's routines, looked up at run time so that the benchmarks build without the library.
struct Rmath {
  double (*qnorm)(double, double, double, int, int) = nullptr;
  double (*pt)(double, double, int, int) = nullptr;
  double (*qt)(double, double, int, int) = nullptr;
  double (*pf)(double, double, double, int, int) = nullptr;
  double (*qf)(double, double, double, int, int) = nullptr;
  double (*pbinom)(double, double, double, int, int) = nullptr;
};
template <class F>
void Find(void* lib, const char* name, F& f) {
  f = reinterpret_cast<F>(dlsym(lib, name));
}
const Rmath& R() {
  static const Rmath r = [] {
    Rmath m;
    void* lib = dlopen("libRmath.so.1", RTLD_NOW);
    if (lib == nullptr) lib = dlopen("libRmath.so", RTLD_NOW);
    if (lib != nullptr) {
      Find(lib, "qnorm5", m.qnorm);
      Find(lib, "pt", m.pt);
      Find(lib, "qt", m.qt);
      Find(lib, "pf", m.pf);
      Find(lib, "qf", m.qf);
      Find(lib, "pbinom", m.pbinom);
    }
    return m;
  }();
  return r;
}

template <class Grid, class Call>
void RunGrid(benchmark::State& state, const Grid& grid, Call call) {
  for (auto _ : state) {
    for (const auto& point : grid) benchmark::DoNotOptimize(call(point));
  }
  state.counters["per_call"] = benchmark::Counter(
      static_cast<double>(state.iterations() * grid.size()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Ours, with a failure reported; R's, skipped where the library is missing.
template <class Grid, class Call>
void Ours(benchmark::State& state, const Grid& grid, Call call) {
  ErrorFlag = 0;
  RunGrid(state, grid, call);
  if (ErrorFlag != 0) state.SkipWithError("a call failed");
}
template <class Fn, class Grid, class Call>
void Theirs(benchmark::State& state, Fn fn, const Grid& grid, Call call) {
  if (fn == nullptr) {
    state.SkipWithError("libRmath is not installed");
    return;
  }
  RunGrid(state, grid, call);
}

void BM_NormalInversa_Grid(benchmark::State& state) {
  Ours(state, NormalGrid(), [](double p) { return NormalInversa(p); });
}
void BM_Rmath_qnorm_Grid(benchmark::State& state) {
  Theirs(state, R().qnorm, NormalGrid(), [](double p) { return R().qnorm(p, 0, 1, 1, 0); });
}

void BM_TStudentCola_Grid(benchmark::State& state) {
  Ours(state, TValueGrid(false), [](const TPoint& t) { return TStudentCola(t.k, t.p); });
}
void BM_Rmath_pt_Grid(benchmark::State& state) {
  Theirs(state, R().pt, TValueGrid(false), [](const TPoint& t) { return R().pt(t.p, t.k, 0, 0); });
}
void BM_TStudentCola_GridHugeDf(benchmark::State& state) {
  Ours(state, TValueGrid(true), [](const TPoint& t) { return TStudentCola(t.k, t.p); });
}
void BM_Rmath_pt_GridHugeDf(benchmark::State& state) {
  Theirs(state, R().pt, TValueGrid(true), [](const TPoint& t) { return R().pt(t.p, t.k, 0, 0); });
}

void BM_TStudentInversa_Grid(benchmark::State& state) {
  Ours(state, TGrid(), [](const TPoint& t) { return TStudentInversa(t.k, t.p); });
}
void BM_Rmath_qt_Grid(benchmark::State& state) {
  Theirs(state, R().qt, TGrid(), [](const TPoint& t) { return R().qt(t.p, t.k, 0, 0); });
}
void BM_TStudentInversa_GridHugeDf(benchmark::State& state) {
  Ours(state, THugeGrid(), [](const TPoint& t) { return TStudentInversa(t.k, t.p); });
}
void BM_Rmath_qt_GridHugeDf(benchmark::State& state) {
  Theirs(state, R().qt, THugeGrid(), [](const TPoint& t) { return R().qt(t.p, t.k, 0, 0); });
}

void BM_FSnedecorInversa_Grid(benchmark::State& state) {
  Ours(state, FGrid(), [](const FPoint& f) { return FSnedecorInversa(f.ia, f.ib, f.p); });
}
void BM_Rmath_qf_Grid(benchmark::State& state) {
  Theirs(state, R().qf, FGrid(), [](const FPoint& f) { return R().qf(f.p, f.ia, f.ib, 0, 0); });
}
void BM_FSnedecorInversa_GridHugeDf(benchmark::State& state) {
  Ours(state, FHugeGrid(), [](const FPoint& f) { return FSnedecorInversa(f.ia, f.ib, f.p); });
}
void BM_Rmath_qf_GridHugeDf(benchmark::State& state) {
  Theirs(state, R().qf, FHugeGrid(),
         [](const FPoint& f) { return R().qf(f.p, f.ia, f.ib, 0, 0); });
}
// The tail at the point of each F grid entry's probability, 1 for the upper one.
void BM_FSnedecorCola_GridHugeDf(benchmark::State& state) {
  Ours(state, FHugeGrid(), [](const FPoint& f) { return FSnedecorCola(f.ia, f.ib, 1 + f.p); });
}
void BM_Rmath_pf_GridHugeDf(benchmark::State& state) {
  Theirs(state, R().pf, FHugeGrid(),
         [](const FPoint& f) { return R().pf(1 + f.p, f.ia, f.ib, 0, 0); });
}

void BM_BinomialAcum_GridHugeN(benchmark::State& state) {
  Ours(state, BinomialHugeGrid(), [](const BinomialPoint& b) { return BinomialAcum(b.k, b.n, b.p); });
}
void BM_Rmath_pbinom_GridHugeN(benchmark::State& state) {
  Theirs(state, R().pbinom, BinomialHugeGrid(),
         [](const BinomialPoint& b) { return R().pbinom(b.k, b.n, b.p, 1, 0); });
}

}  // namespace

BENCHMARK(BM_NormalInversa_Grid);
BENCHMARK(BM_Rmath_qnorm_Grid);
BENCHMARK(BM_TStudentCola_Grid);
BENCHMARK(BM_Rmath_pt_Grid);
BENCHMARK(BM_TStudentCola_GridHugeDf);
BENCHMARK(BM_Rmath_pt_GridHugeDf);
BENCHMARK(BM_TStudentInversa_Grid);
BENCHMARK(BM_Rmath_qt_Grid);
BENCHMARK(BM_TStudentInversa_GridHugeDf);
BENCHMARK(BM_Rmath_qt_GridHugeDf);
BENCHMARK(BM_FSnedecorInversa_Grid);
BENCHMARK(BM_Rmath_qf_Grid);
BENCHMARK(BM_FSnedecorInversa_GridHugeDf);
BENCHMARK(BM_Rmath_qf_GridHugeDf);
BENCHMARK(BM_FSnedecorCola_GridHugeDf);
BENCHMARK(BM_Rmath_pf_GridHugeDf);
BENCHMARK(BM_BinomialAcum_GridHugeN);
BENCHMARK(BM_Rmath_pbinom_GridHugeN);
