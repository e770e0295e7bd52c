#pragma once
// Pixel rectangles and the checked real-to-pixel conversions of the chart component.

#include <QRect>

#include <cmath>
#include <limits>

// A rectangle by its four edges; the right and bottom edges are the first pixels outside, as the
// drawing routines of the component count them.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const ChartRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Pixels beyond this are clamped: far outside any picture, yet safe for the drawing code.
constexpr double kMaxPixel = 67108863.0;  // 0x3FFFFFF

// Nearest integer, halves to even, the value first clamped to +-limit (NaN gives 0).
inline int RoundClamped(double value, double limit = kMaxPixel)
{
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return static_cast<int>(limit);
    if (value <= -limit)
        return static_cast<int>(-limit);
    // Below 2^52 adding and taking away 1.5 * 2^52 rounds to the nearest integer, halves to even,
    // exactly as nearbyint does in the default rounding mode, without a library call per pixel.
    constexpr double kRoundingShift = 6755399441055744.0;
    if (limit <= kMaxPixel) {
        const double shifted = value + kRoundingShift;
        return static_cast<int>(shifted - kRoundingShift);
    }
    return static_cast<int>(std::nearbyint(value));
}

// Nearest integer, halves to even, for counts; out-of-range values saturate at the int limits.
inline int RoundHalfEven(double value)
{
    constexpr double kIntLimit = 2147483647.0;
    return RoundClamped(value, kIntLimit);
}
