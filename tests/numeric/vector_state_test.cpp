// However other code left the upper halves of the AVX registers, ClearUpperVectorState
// frees them, so that the logarithms of a long table run at full speed.
#include <gtest/gtest.h>

#include "numeric/vector_state.h"

#if defined(__x86_64__)
#include <cpuid.h>

namespace {

// Whether the processor tells which parts of its state are in use (XGETBV with ECX = 1).
bool ReportsStateInUse() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xD, 1, &a, &b, &c, &d)) return false;
  return (a & (1u << 2)) != 0;
}

// State component 2: the upper halves of ymm0 to ymm15.
bool UpperHalvesInUse() {
  unsigned lo = 0, hi = 0;
  asm volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
  return (lo & (1u << 2)) != 0;
}

// Returns with the upper halves in use, as some library code does. Not compiled for AVX:
// the compiler would clear them on return.
__attribute__((noinline)) void LeaveUpperHalvesInUse() {
  asm volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
}

TEST(VectorState, ClearingFreesTheUpperHalves) {
  if (!ReportsStateInUse()) GTEST_SKIP() << "the processor does not tell its state in use";
  LeaveUpperHalvesInUse();
  ASSERT_TRUE(UpperHalvesInUse());
  numeric::ClearUpperVectorState();
  EXPECT_FALSE(UpperHalvesInUse());
  // Called again on a clean state, or many times, it stays harmless.
  numeric::ClearUpperVectorState();
  EXPECT_FALSE(UpperHalvesInUse());
}

}  // namespace

#endif
