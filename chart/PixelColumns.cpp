#include "chart/PixelColumns.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

ValueRange RangeOfValues(const double* values, int count)
{
    double lowest = values[0];
    double highest = values[0];
    int k = 1;
#if defined(__SSE2__)
    // Two values at a time; of two equal values but for the sign of zero either may come back,
    // and both map to the same pixel.
    if (count >= 3) {
        __m128d lo = _mm_set1_pd(values[0]);
        __m128d hi = lo;
        for (; k + 2 <= count; k += 2) {
            const __m128d pair = _mm_loadu_pd(values + k);
            lo = _mm_min_pd(lo, pair);
            hi = _mm_max_pd(hi, pair);
        }
        double l[2];
        double h[2];
        _mm_storeu_pd(l, lo);
        _mm_storeu_pd(h, hi);
        lowest = std::min(l[0], l[1]);
        highest = std::max(h[0], h[1]);
    }
#endif
    for (; k < count; ++k) {
        lowest = std::min(lowest, values[k]);
        highest = std::max(highest, values[k]);
    }
    return ValueRange{lowest, highest};
}
