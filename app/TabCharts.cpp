#include "app/TabCharts.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"

#include <QImage>

#include <algorithm>
#include <cstddef>

// Q_INIT_RESOURCE names a function of the global namespace: orvek_gui is a static library.
static void RegisterTabChartResources()
{
    Q_INIT_RESOURCE(charts);
}

namespace {

constexpr int kSmallestChart = 30;
constexpr int kChartMargin = 5;
constexpr TColor kPanelColor = 12615680;  // red 0, green 128, blue 192
constexpr TColor kTitleColor = 16777200;
constexpr int kTitleFontHeight = -12;
constexpr int kTitleFrameWidth = 3;
constexpr int kBottomTitleSize = 5;
constexpr int kLeftTitleSize = 3;
constexpr int kChart3DPercent = 1;
constexpr int kZoomAnimatedSteps = 7;

const char* const kBackImagePath = ":/charts/chart_back.png";

void SetAxisTitle(TChartAxis* axis, const char* caption, int size)
{
    axis->Title()->SetCaption(QString::fromUtf8(caption));
    axis->Title()->Font()->SetColor(clMaroon);
    axis->SetTitleSize(size);
}

const QImage& BackImage()
{
    static const QImage image = [] {
        RegisterTabChartResources();
        return QImage(QString::fromLatin1(kBackImagePath));
    }();
    return image;
}

}  // namespace

TChart* MakeTabChart(const char* objectName, const char* title, const char* bottomTitle, const char* leftTitle)
{
    auto* chart = new TChart;
    chart->setObjectName(QString::fromLatin1(objectName));
    chart->setMinimumSize(kSmallestChart, kSmallestChart);
    chart->SetMarginLeft(kChartMargin);
    chart->SetMarginRight(kChartMargin);
    chart->SetMarginTop(kChartMargin);
    chart->SetMarginBottom(kChartMargin);
    chart->SetMarginUnits(muPercent);
    chart->SetBevelOuter(bvRaised);
    chart->SetBevelInner(bvLowered);
    chart->SetBevelWidth(1);
    chart->SetBorderWidth(2);
    chart->SetColor(kPanelColor);
    chart->Gradient()->SetVisible(true);
    chart->SetBackImage(BackImage());
    chart->SetBackImageTransp(true);
    chart->SetBackImageMode(pbmStretch);
    chart->SetBackImageInside(false);
    chart->SetView3D(false);
    chart->SetChart3DPercent(kChart3DPercent);
    chart->Zoom()->SetAnimatedSteps(kZoomAnimatedSteps);
    chart->Legend()->SetVisible(false);
    chart->BackWall()->SetBrushStyle(bsClear);
    chart->BackWall()->SetColor(clWhite);

    TChartTitle* chartTitle = chart->Title();
    chartTitle->SetText({QString::fromUtf8(title)});
    chartTitle->SetColor(kTitleColor);
    chartTitle->Font()->SetHeight(kTitleFontHeight);
    chartTitle->Font()->SetBold(true);
    chartTitle->Frame()->SetStyle(psDashDot);
    chartTitle->Frame()->SetWidth(kTitleFrameWidth);

    SetAxisTitle(chart->BottomAxis(), bottomTitle, kBottomTitleSize);
    SetAxisTitle(chart->LeftAxis(), leftTitle, kLeftTitleSize);
    return chart;
}

TFastLineSeries* MakeTabSeries(TChart* chart, const char* objectName, TColor colour, int penWidth)
{
    auto* series = new TFastLineSeries(chart);
    series->setObjectName(QString::fromLatin1(objectName));
    series->SetSeriesColor(colour);
    series->LinePen()->SetWidth(penWidth);
    series->XValues().Order = loAscending;
    series->YValues().Order = loNone;
    chart->AddSeries(series);
    return series;
}

void FillSeries(TFastLineSeries* series, const std::vector<double>& x, const std::vector<double>& y, int count)
{
    series->ClearPoints();
    const std::size_t n = std::min({x.size(), y.size(), static_cast<std::size_t>(std::max(count, 0))});
    for (std::size_t k = 0; k < n; ++k)
        series->AddPoint(x[k], y[k]);
}

void MarkAngle(TFastLineSeries* mark, const TFastLineSeries* curve, double x)
{
    mark->ClearPoints();
    if (curve->Count() == 0)
        return;
    mark->AddPoint(x, curve->MinY());
    mark->AddPoint(x, curve->MaxY());
}
