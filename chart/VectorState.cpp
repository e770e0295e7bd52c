#include "chart/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {
__attribute__((target("avx"))) void ZeroUpperHalves()
{
    _mm256_zeroupper();
}
}  // namespace
#endif

void ResetUpperVectorHalves()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpperHalves();
#endif
}
