#pragma once
// The computation's and the chart's long loops start from a clean vector state. Header-only and
// free of Qt, so that the kinematics and the chart share it without depending on each other.
//
// Why: in the window, Qt's raster engine fills (QImage::fill, fillRect, every solid span of a
// line or a chart) through its AVX2 memfill routine, which returns with the upper halves of the
// ymm registers still in use; glibc's string functions leave ymm16-31 in use too. The program is
// built for baseline x86-64, so every legacy-SSE instruction after that runs against dirty upper
// state and pays the SSE/AVX transition (a merge with the upper halves on each instruction): the
// solver took about nine times the CPU of the same run in a fresh thread, the per-point loops of
// a chart's paint several times their time outside one. VZEROUPPER puts the state back to clean.
// It changes no xmm value, so every result stays bit for bit the same.

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

__attribute__((target("avx"))) inline void ZeroUpperVectorHalves()
{
    _mm256_zeroupper();
}
#endif

// Returns the upper halves of the AVX registers to their clean state where the CPU has AVX (a
// no-op elsewhere).
inline void ClearUpperVectorState()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpperVectorHalves();
#endif
}
