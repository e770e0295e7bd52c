#pragma once
// The chart's long loops over points start from a clean vector state.
//
// Qt's raster engine fills its spans with AVX2 code that returns with the upper halves of the ymm
// registers still in use. The chart is built for baseline x86-64, and every legacy-SSE
// instruction after such a fill pays for the switch between the two states, which made the
// per-point loops of a paint several times slower than the same loops outside one. VZEROUPPER
// puts the state back; it changes no xmm value, so every result stays bit for bit the same.

// Returns the upper halves of the AVX registers to their clean state where the CPU has AVX (a
// no-op elsewhere).
void ResetUpperVectorHalves();
