// Finding a pixel column's points by bisection and its extreme values, checked against looking
// at every point.

#include "chart/PixelColumns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace {
int EndByScan(const std::vector<double>& xs, int from, int last, const std::function<int(double)>& pixelOf)
{
    const int column = pixelOf(xs[static_cast<std::size_t>(from)]);
    int k = from + 1;
    while (k <= last && pixelOf(xs[static_cast<std::size_t>(k)]) == column)
        ++k;
    return k;
}
}  // namespace

TEST(PixelColumns, BisectionFindsTheColumnsALookAtEveryPointFinds)
{
    std::mt19937 random(11);
    // Mappings that keep the order, reverse it, or send everything to one column.
    const std::vector<std::function<int(double)>> mappings = {
        [](double x) { return static_cast<int>(std::floor(x * 3.7)); },
        [](double x) { return -static_cast<int>(std::floor(x * 0.01)); },
        [](double) { return 5; },
    };
    for (int round = 0; round < 300; ++round) {
        // Ascending X with repeats, from sparse (one point a column) to thousands a column.
        const int count = 1 + static_cast<int>(random() % 3000);
        const double spacing = std::pow(10.0, -3.0 + static_cast<double>(random() % 40) / 10.0);
        std::vector<double> xs(static_cast<std::size_t>(count));
        double x = -50;
        for (double& v : xs) {
            if (random() % 5 != 0)
                x += spacing * static_cast<double>(random() % 100) / 50.0;
            v = x;
        }
        for (const auto& pixelOf : mappings) {
            const int last = static_cast<int>(random() % static_cast<unsigned>(count));
            for (int from = 0; from <= last;) {
                const int column = pixelOf(xs[static_cast<std::size_t>(from)]);
                const int end = ColumnEnd(xs.data(), from, last, column, pixelOf);
                ASSERT_EQ(end, EndByScan(xs, from, last, pixelOf)) << round << " from " << from;
                from = end;
            }
        }
    }
}

TEST(PixelColumns, RangeOfValuesIsTheSmallestAndLargest)
{
    std::mt19937 random(5);
    for (int count = 1; count <= 200; ++count) {
        std::vector<double> values(static_cast<std::size_t>(count));
        for (double& v : values)
            v = static_cast<double>(static_cast<std::int32_t>(random())) * 1e-7;
        // The extremes at every place: first, last, middle, and odd positions.
        for (std::size_t at : {std::size_t{0}, values.size() - 1, values.size() / 2}) {
            std::vector<double> placed = values;
            placed[at] = 1e300;
            placed[(at + 1) % placed.size()] = count > 1 ? -1e300 : 1e300;
            const auto [lowest, highest] = std::minmax_element(placed.begin(), placed.end());
            const ValueRange range = RangeOfValues(placed.data(), count);
            EXPECT_EQ(range.lowest, *lowest) << count << " at " << at;
            EXPECT_EQ(range.highest, *highest) << count << " at " << at;
        }
    }
    // Zeros of either sign are equal values.
    const double zeros[] = {0.0, -0.0, 0.0, -0.0, 0.0};
    const ValueRange range = RangeOfValues(zeros, 5);
    EXPECT_EQ(range.lowest, 0.0);
    EXPECT_EQ(range.highest, 0.0);
}
