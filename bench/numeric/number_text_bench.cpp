#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "numeric/numeric.h"

namespace {

const std::vector<std::string>& TypedTexts() {
  static const std::vector<std::string> texts = {"2.5", "  -1234.5678 ", "1/4", "50%",
                                                 "1.5E-07", "12abc", "3/0", "999999999.123"};
  return texts;
}

void BM_LeerNumero(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& text : TypedTexts()) benchmark::DoNotOptimize(LeerNumero(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(TypedTexts().size()));
}
BENCHMARK(BM_LeerNumero);

void BM_FormatoCifras(benchmark::State& state) {
  const double values[] = {3.14159265, -0.000123456789, 1234567.891, 9.87654321e21,
                           1.5e-7,     2.0 / 3,         -250.0,      9.85968e-305};
  const double digits = static_cast<double>(state.range(0));
  for (auto _ : state) {
    for (double v : values) benchmark::DoNotOptimize(FormatoCifras(v, digits));
  }
  state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_FormatoCifras)->Arg(6)->Arg(10);

void BM_StrNumero(benchmark::State& state) {
  double v = 0.1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(StrNumero(v));
    v = v * 1.37 + 0.01;
    if (v > 1e12) v = 0.1;
  }
}
BENCHMARK(BM_StrNumero);

}  // namespace
