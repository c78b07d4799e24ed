// The slowest call of each distribution routine over arguments drawn as the boxes accept
// them: degrees of freedom and trials up to 2147483647, probabilities down to the subnormal
// ones, points from the centre to the far tails. Each benchmark draws 4000 argument sets from
// a fixed seed, times each call once, times the twenty slowest again thirty times each and
// keeps the least of those (the machine's own pauses out); "slowest_ns" is the largest of
// these, "median_ns" the median of the single timings. It names the arguments in the label.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"

namespace {

struct Call {
  std::function<double()> run;
  std::string args;
};

class Draw {
 public:
  double Uniform() { return std::uniform_real_distribution<double>(0, 1)(rng_); }
  // Spread evenly in logarithm between lo and hi.
  double Log(double lo, double hi) {
    return std::exp(std::log(lo) + Uniform() * (std::log(hi) - std::log(lo)));
  }
  // Degrees of freedom: a third small, a third up to a million, a third beyond.
  int32_t Degrees() {
    const double r = Uniform();
    const double k = r < 1.0 / 3 ? Log(1, 100) : r < 2.0 / 3 ? Log(1, 1E6) : Log(1E6, 2147483647);
    return static_cast<int32_t>(std::floor(k));
  }
  // Probabilities: deep tails down to the subnormal ones, ordinary ones, and near 1.
  double Probability() {
    const double r = Uniform();
    if (r < 0.3) return Log(1E-320, 1E-10);
    if (r < 0.6) return Log(1E-10, 0.5);
    if (r < 0.8) return 1 - Log(1E-16, 0.5);
    return Uniform();
  }
  // A binomial count about the mean or anywhere, of up to 2147483647 trials.
  void Binomial(double& k, double& n, double& p) {
    n = std::floor(Log(1, 2147483647));
    p = Uniform() < 0.5 ? Log(1E-12, 0.5) : 1 - Log(1E-12, 0.5);
    const double mean = n * p, sd = std::sqrt(n * p * (1 - p));
    k = Uniform() < 0.7 ? std::floor(mean + (Uniform() - 0.5) * 20 * sd) : std::floor(Uniform() * n);
    k = std::max(0.0, std::min(n, k));
  }

 private:
  std::mt19937_64 rng_{20261207};
};

std::string Text(const std::vector<double>& args) {
  std::string text;
  for (double a : args) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%.17g", text.empty() ? "" : ", ", a);
    text += buffer;
  }
  return text;
}

double Nanoseconds(const Call& call, int repeats) {
  double best = 1E300;
  for (int r = 0; r < repeats; ++r) {
    const auto start = std::chrono::steady_clock::now();
    ErrorFlag = 0;
    benchmark::DoNotOptimize(call.run());
    const auto end = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::nano>(end - start).count());
  }
  return best;
}

void Slowest(benchmark::State& state, const std::function<Call(Draw&)>& make) {
  for (auto _ : state) {
    Draw draw;
    std::vector<std::pair<double, Call>> timed;
    for (int i = 0; i < 4000; ++i) {
      Call call = make(draw);
      const double ns = Nanoseconds(call, 1);
      timed.emplace_back(ns, std::move(call));
    }
    std::sort(timed.begin(), timed.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    const double median = timed[timed.size() / 2].first;
    double slowest = 0;
    std::string where;
    for (size_t i = 0; i < 20; ++i) {
      const double ns = Nanoseconds(timed[i].second, 30);
      if (ns > slowest) {
        slowest = ns;
        where = timed[i].second.args;
      }
    }
    state.counters["slowest_ns"] = slowest;
    state.counters["median_ns"] = median;
    state.SetLabel(where);
  }
}

void BM_Slowest_TStudentCola(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const int32_t k = d.Degrees();
    const double t = (d.Uniform() < 0.5 ? -1 : 1) * d.Log(1E-10, 1E5);
    return Call{[=] { return TStudentCola(k, t) + TStudentCentral(k, t); }, Text({1.0 * k, t})};
  });
}
void BM_Slowest_TStudentInversa(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const int32_t k = d.Degrees();
    const double p = d.Probability();
    return Call{[=] { return TStudentInversa(k, p); }, Text({1.0 * k, p})};
  });
}
void BM_Slowest_TStudentCentralInversa(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const int32_t k = d.Degrees();
    const double p = d.Probability();
    return Call{[=] { return TStudentCentralInversa(k, p); }, Text({1.0 * k, p})};
  });
}
void BM_Slowest_FSnedecorTails(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const int32_t a = d.Degrees(), b = d.Degrees();
    const double x = d.Log(1E-12, 1E6);
    return Call{[=] { return FSnedecorCola(a, b, x) + FSnedecorAcum(a, b, x); },
                Text({1.0 * a, 1.0 * b, x})};
  });
}
void BM_Slowest_FSnedecorPoints(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const int32_t a = d.Degrees(), b = d.Degrees();
    const double p = d.Probability();
    return Call{[=] { return FSnedecorInversa(a, b, p) + FSnedecorAcumInversa(a, b, p); },
                Text({1.0 * a, 1.0 * b, p})};
  });
}
void BM_Slowest_Ji2(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const double k = d.Degrees();
    const double x = k * d.Log(1E-3, 1E3), p = d.Probability();
    return Call{[=] {
                  return Ji2Cola(k, x) + Ji2Acum(k, x) + Ji2Inversa(k, p) + Ji2AcumInversa(k, p);
                },
                Text({k, x, p})};
  });
}
void BM_Slowest_Binomial(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    double k, n, p;
    d.Binomial(k, n, p);
    const double k2 =
        std::min(n, k + std::floor(d.Uniform() < 0.5 ? d.Log(1, 100) : d.Log(1, n)));
    return Call{[=] {
                  return BinomialAcum(k, n, p) + BinomialCola(k, n, p) +
                         BinomialIntervalo(k, k2, n, p);
                },
                Text({k, k2, n, p})};
  });
}
void BM_Slowest_Poisson(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const double lambda = d.Log(1E-3, 1E10), sd = std::sqrt(lambda);
    const double k = std::max(0.0, std::min(2147483646.0, std::floor(lambda + (d.Uniform() - 0.5) * 20 * sd)));
    const double k2 =
        std::min(2147483646.0, k + std::floor(d.Uniform() < 0.5 ? d.Log(1, 100) : d.Log(1, 10 * sd + 1)));
    const auto k1i = static_cast<int32_t>(k), k2i = static_cast<int32_t>(k2);
    return Call{[=] {
                  return PoissonAcum(k1i, lambda) + PoissonCola(k1i, lambda) +
                         PoissonIntervalo(k1i, k2i, lambda);
                },
                Text({k, k2, lambda})};
  });
}
void BM_Slowest_Normal(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const double z = (d.Uniform() < 0.5 ? -1 : 1) * d.Log(1E-300, 40), p = d.Probability();
    return Call{[=] {
                  return NormalCola(z) + NormalCentral(z) + NormalInversa(p) +
                         NormalCentralInversa(p);
                },
                Text({z, p})};
  });
}

// The library's incomplete beta inverse over the shapes and probabilities it is held to:
// half the draws with a from 1E-4 to 1E+4 and b from 1E-2 to 2E+9, half with both from
// 1E-300 to 1E+300; y down to the subnormal and up to 1 - 1E-16, or, for a shape below 1E-3,
// where the root is a double: within that shape times a few hundred of the end it leaves
// its mass at.
void BM_Slowest_BetaIncInversa(benchmark::State& state) {
  Slowest(state, [](Draw& d) {
    const bool ends = d.Uniform() < 0.5;
    const double a = ends ? d.Log(1E-300, 1E300) : d.Log(1E-4, 1E4);
    const double b = ends ? d.Log(1E-300, 1E300) : d.Log(1E-2, 2E9);
    double y = d.Probability();
    const double small = std::min(a, b), gap = small * d.Log(0.5, 800);
    if (small < 1E-3 && d.Uniform() < 0.3 && gap > 1.1E-16 && gap < 0.5) {
      y = a < b ? 1 - gap : gap;
    }
    return Call{[=] { return numeric::HandlerStyle([&] { return BetaIncInversa(a, b, y); }); },
                Text({a, b, y})};
  });
}

}  // namespace

BENCHMARK(BM_Slowest_TStudentCola)->Iterations(1);
BENCHMARK(BM_Slowest_TStudentInversa)->Iterations(1);
BENCHMARK(BM_Slowest_TStudentCentralInversa)->Iterations(1);
BENCHMARK(BM_Slowest_FSnedecorTails)->Iterations(1);
BENCHMARK(BM_Slowest_FSnedecorPoints)->Iterations(1);
BENCHMARK(BM_Slowest_Ji2)->Iterations(1);
BENCHMARK(BM_Slowest_Binomial)->Iterations(1);
BENCHMARK(BM_Slowest_Poisson)->Iterations(1);
BENCHMARK(BM_Slowest_Normal)->Iterations(1);
BENCHMARK(BM_Slowest_BetaIncInversa)->Iterations(1);
