#pragma once
// The points of a line that fall into one pixel column, found without mapping every point: X
// values that never decrease give pixel columns that never go back, so a column's points are one
// stretch of indices whose end a bisection finds; and only the lowest and highest Y value of the
// stretch matter, since the mapping of values to rows keeps their order.

// The lowest and the highest of some finite values.
struct ValueRange {
    double lowest;
    double highest;
};

// The range of values[0 .. count - 1]; count >= 1 and every value finite.
ValueRange RangeOfValues(const double* values, int count);

// One past the last index k in from .. last whose xs[k] maps to `column` (which xs[from] does),
// for xs non-decreasing and `pixelOf` a mapping that keeps or reverses order. It looks at the
// next point first, then at points 2, 4, 8, ... ahead, then bisects: about one mapping a point
// where columns hold one point, a few dozen a column where they hold thousands.
template <typename PixelOf>
int ColumnEnd(const double* xs, int from, int last, int column, const PixelOf& pixelOf)
{
    int inside = from;  // known to be in the column
    long long step = 1;
    int beyond = last + 1;  // known to be past the column (or past the last point)
    while (true) {
        const int probe = last - inside < step ? last + 1 : static_cast<int>(inside + step);
        if (probe > last)
            break;
        if (pixelOf(xs[probe]) != column) {
            beyond = probe;
            break;
        }
        inside = probe;
        step *= 2;
    }
    int lo = inside + 1;
    while (lo < beyond) {
        const int mid = lo + (beyond - lo) / 2;
        if (pixelOf(xs[mid]) == column)
            lo = mid + 1;
        else
            beyond = mid;
    }
    return lo;
}
