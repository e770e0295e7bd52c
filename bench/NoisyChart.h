#pragma once
// The dense test data of the chart benchmarks, and the program's diagram set-up that shows it:
// sin x plus +-0.02 of noise over 0 .. 2 pi, with one one-sample spike in the middle.

#include "tests/chart/ChartFixtures.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

struct NoisyData {
    std::vector<double> x;
    std::vector<double> y;
};

inline NoisyData MakeNoisyData(int points)
{
    NoisyData data;
    data.x.reserve(static_cast<std::size_t>(points));
    data.y.reserve(static_cast<std::size_t>(points));
    std::uint32_t seed = 12345;
    const double step = 2 * M_PI / points;
    for (int k = 0; k < points; ++k) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 0.04;
        const double x = k * step;
        data.x.push_back(x);
        data.y.push_back(k == points / 2 ? 3.0 : std::sin(x) + noise);
    }
    return data;
}

// The program's diagram frame at any size, holding the noisy data in a red pen 2 pixels wide.
inline std::unique_ptr<TChart> MakeNoisyChart(int width, int height, const NoisyData& data)
{
    auto chart = MakeDiagramFrame(width, height);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    for (std::size_t k = 0; k < data.x.size(); ++k)
        series->AddPoint(data.x[k], data.y[k]);
    return chart;
}

inline std::unique_ptr<TChart> MakeNoisyChart(int width, int height, int points)
{
    return MakeNoisyChart(width, height, MakeNoisyData(points));
}
