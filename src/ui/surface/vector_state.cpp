#include "ui/surface/vector_state.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define ONDIVEL_HAS_VZEROUPPER 1
#endif

namespace ondivel {

#ifdef ONDIVEL_HAS_VZEROUPPER

namespace {

// The instruction alone, compiled for AVX; only called where the processor runs it.
__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}

} // namespace

void releaseUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) zeroUpper();
}

#else

void releaseUpperVectorState() {}

#endif

} // namespace ondivel
