// The t and F percentage points over a grid of degrees of freedom and tail probabilities,
// side by side with R's standalone math library (libRmath, Debian's r-mathlib) on the same
// points when it is installed. Each benchmark runs the whole grid per iteration; the
// "per_call" counter is the time of one call.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

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

// The upper-tail probabilities the test and interval panels ask for (a and a/2 at the usual
// levels, and their complements for the lower ends).
const double kTails[] = {0.1, 0.05, 0.025, 0.01, 0.005, 0.001, 0.9, 0.95, 0.975, 0.995};

std::vector<TPoint> TGrid() {
  std::vector<TPoint> grid;
  for (int32_t k : {1, 2, 3, 4, 5, 7, 10, 15, 20, 30, 60, 120, 1000}) {
    for (double p : kTails) grid.push_back({k, p});
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

// R's quantiles, looked up at run time so that the benchmarks build without the library.
using Rqt = double (*)(double, double, int, int);
using Rqf = double (*)(double, double, double, int, int);
struct Rmath {
  Rqt qt = nullptr;
  Rqf qf = nullptr;
};
const Rmath& R() {
  static const Rmath r = [] {
    Rmath m;
    void* lib = dlopen("libRmath.so.1", RTLD_NOW);
    if (lib == nullptr) lib = dlopen("libRmath.so", RTLD_NOW);
    if (lib != nullptr) {
      m.qt = reinterpret_cast<Rqt>(dlsym(lib, "qt"));
      m.qf = reinterpret_cast<Rqf>(dlsym(lib, "qf"));
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

void BM_TStudentInversa_Grid(benchmark::State& state) {
  ErrorFlag = 0;
  RunGrid(state, TGrid(), [](const TPoint& t) { return TStudentInversa(t.k, t.p); });
  if (ErrorFlag != 0) state.SkipWithError("a point failed");
}

void BM_Rmath_qt_Grid(benchmark::State& state) {
  if (R().qt == nullptr) {
    state.SkipWithError("libRmath is not installed");
    return;
  }
  RunGrid(state, TGrid(), [](const TPoint& t) { return R().qt(t.p, t.k, 0, 0); });
}

void BM_FSnedecorInversa_Grid(benchmark::State& state) {
  ErrorFlag = 0;
  RunGrid(state, FGrid(), [](const FPoint& f) { return FSnedecorInversa(f.ia, f.ib, f.p); });
  if (ErrorFlag != 0) state.SkipWithError("a point failed");
}

void BM_Rmath_qf_Grid(benchmark::State& state) {
  if (R().qf == nullptr) {
    state.SkipWithError("libRmath is not installed");
    return;
  }
  RunGrid(state, FGrid(), [](const FPoint& f) { return R().qf(f.p, f.ia, f.ib, 0, 0); });
}

}  // namespace

BENCHMARK(BM_TStudentInversa_Grid);
BENCHMARK(BM_Rmath_qt_Grid);
BENCHMARK(BM_FSnedecorInversa_Grid);
BENCHMARK(BM_Rmath_qf_Grid);
