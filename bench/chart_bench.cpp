// Speed of the chart component: repainting one 352 x 225 diagram with a smooth curve of various
// lengths, repainting dense noisy data at the diagram's size and at 1200 x 800, appending points
// in ascending X, and inserting them in descending X.

#include "RunInApplication.h"
#include "NoisyChart.h"

#include "chart/Chart.h"
#include "chart/FastLineSeries.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kChartWidth = 352;
constexpr int kChartHeight = 225;

// The diagram frame on the program's gradient and back picture, holding a smooth curve.
std::unique_ptr<TChart> MakeDiagram(int points)
{
    auto chart = MakeDiagramFrame(kChartWidth, kChartHeight);
    chart->Gradient()->SetVisible(true);
    QImage back(317, 235, QImage::Format_RGB32);
    back.fill(qRgb(179, 193, 217));
    chart->SetBackImage(back);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    const double step = 2 * M_PI / points;
    double angle = 0;
    for (int k = 0; k < points; ++k) {
        series->AddPoint(angle, std::sin(angle) * 0.8 + 0.3 * std::sin(3 * angle));
        angle += step;
    }
    return chart;
}

void BM_PaintChart(benchmark::State& state)
{
    auto chart = MakeDiagram(static_cast<int>(state.range(0)));
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        chart->PaintTo(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintChart)->Arg(180)->Arg(1471)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Repainting a chart of dense noisy data: arguments width, height, points.
void BM_PaintNoisy(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    auto chart = MakeNoisyChart(width, height, static_cast<int>(state.range(2)));
    QImage image(width, height, QImage::Format_RGB32);
    chart->PaintTo(image);  // the value lists' statistics are computed once, as on screen
    for (auto _ : state) {
        chart->PaintTo(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintNoisy)
    ->Args({352, 225, 1471})
    ->Args({352, 225, 100000})
    ->Args({352, 225, 1000000})
    ->Args({1200, 800, 180})
    ->Args({1200, 800, 1000000})
    ->Unit(benchmark::kMillisecond);

// One round: a fresh chart whose one series `add` fills with the benchmark's count of points.
template <class Add>
void MeasureAdding(benchmark::State& state, Add add)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TChart chart;
        auto* series = new TFastLineSeries(&chart);
        chart.AddSeries(series);
        add(*series, count);
        benchmark::DoNotOptimize(series->Count());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_AppendAscending(benchmark::State& state)
{
    MeasureAdding(state, [](TFastLineSeries& series, int count) {
        for (int i = 0; i < count; ++i)
            series.AddPoint(i * 0.001, i & 1023);
    });
}
BENCHMARK(BM_AppendAscending)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_InsertDescending(benchmark::State& state)
{
    MeasureAdding(state, [](TFastLineSeries& series, int count) {
        for (int i = count; i > 0; --i)
            series.AddPoint(i, i & 1023);
    });
}
BENCHMARK(BM_InsertDescending)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunInApplication(argc, argv);
}
