// Speed of the chart component: repainting one 352 x 225 diagram with a smooth curve of various
// lengths, repainting dense noisy data at the diagram's size and at 1200 x 800, appending points
// in ascending X, and inserting them in descending X.

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

std::unique_ptr<TChart> MakeDiagram(int points)
{
    auto chart = std::make_unique<TChart>();
    chart->resize(kChartWidth, kChartHeight);
    chart->SetMarginLeft(5);
    chart->SetMarginRight(5);
    chart->SetMarginTop(5);
    chart->SetMarginBottom(5);
    chart->SetBevelInner(bvLowered);
    chart->SetBorderWidth(2);
    chart->SetColor(12615680);
    chart->Gradient()->SetVisible(true);
    QImage back(317, 235, QImage::Format_RGB32);
    back.fill(qRgb(179, 193, 217));
    chart->SetBackImage(back);
    chart->SetView3D(false);
    chart->Title()->SetText({QStringLiteral("Диагрнамма скоростей т. Е")});
    chart->Title()->Font()->SetHeight(-12);
    chart->Title()->Font()->SetBold(true);
    chart->BottomAxis()->Title()->SetCaption(QStringLiteral("Угол"));
    chart->BottomAxis()->SetTitleSize(5);
    chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Скорости"));
    chart->LeftAxis()->SetTitleSize(3);
    auto* series = new TFastLineSeries(chart.get());
    series->SetSeriesColor(clRed);
    series->LinePen()->SetWidth(2);
    chart->AddSeries(series);
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

void BM_AppendAscending(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TChart chart;
        auto* series = new TFastLineSeries(&chart);
        chart.AddSeries(series);
        for (int i = 0; i < count; ++i)
            series->AddPoint(i * 0.001, i & 1023);
        benchmark::DoNotOptimize(series->Count());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AppendAscending)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_InsertDescending(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TChart chart;
        auto* series = new TFastLineSeries(&chart);
        chart.AddSeries(series);
        for (int i = count; i > 0; --i)
            series->AddPoint(i, i & 1023);
        benchmark::DoNotOptimize(series->Count());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_InsertDescending)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
