#include "numeric/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Compiled for AVX, called only where the processor has it.
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

}  // namespace

void numeric::ClearUpperVectorState() {
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) ZeroUpper();
}

#else

void numeric::ClearUpperVectorState() {}

#endif
