#include "report/DiagramLook.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"

#include <QCoreApplication>
#include <QImage>

// Q_INIT_RESOURCE names a function of the global namespace: orvek_report is a static library.
static void RegisterChartResources()
{
    Q_INIT_RESOURCE(charts);
}

namespace {

const char* const kBackImagePath = ":/charts/chart_back.png";

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

void SetAxisTitle(TChartAxis* axis, const char* caption, int size)
{
    axis->Title()->SetCaption(QCoreApplication::translate("Report", caption));
    axis->Title()->Font()->SetColor(clMaroon);
    axis->SetTitleSize(size);
}

}  // namespace

const QImage& DiagramBackImage()
{
    static const QImage image = [] {
        RegisterChartResources();
        return QImage(QString::fromLatin1(kBackImagePath));
    }();
    return image;
}

TChart* NewDiagramChart(const char* objectName, const char* title, const char* bottomTitle, const char* leftTitle)
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
    chart->SetBackImage(DiagramBackImage());
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
    chartTitle->SetText({QCoreApplication::translate("Report", title)});
    chartTitle->SetColor(kTitleColor);
    chartTitle->Font()->SetHeight(kTitleFontHeight);
    chartTitle->Font()->SetBold(true);
    chartTitle->Frame()->SetStyle(psDashDot);
    chartTitle->Frame()->SetWidth(kTitleFrameWidth);

    SetAxisTitle(chart->BottomAxis(), bottomTitle, kBottomTitleSize);
    SetAxisTitle(chart->LeftAxis(), leftTitle, kLeftTitleSize);
    return chart;
}

TFastLineSeries* AddDiagramSeries(TChart* chart, const char* objectName, TColor colour, int penWidth)
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

std::unique_ptr<TChart> MakeDiagramChart(const DiagramChartLook& look)
{
    std::unique_ptr<TChart> chart(NewDiagramChart(look.name, look.title, look.bottomTitle, look.leftTitle));
    for (const DiagramSeriesLook& s : look.series)
        AddDiagramSeries(chart.get(), s.name, s.color, s.penWidth);
    return chart;
}

TChartSeries* EmptiedSeries(TChart& chart, const char* name)
{
    auto* series = chart.findChild<TChartSeries*>(QString::fromLatin1(name));
    series->ClearPoints();
    return series;
}
