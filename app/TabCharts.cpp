#include "app/TabCharts.h"

#include "chart/FastLineSeries.h"
#include "report/DiagramLook.h"

#include <QImage>

#include <algorithm>
#include <cstddef>

// Q_INIT_RESOURCE names a function of the global namespace: orvek_gui is a static library.
static void RegisterTabChartResources()
{
    Q_INIT_RESOURCE(charts);
}

namespace {

const char* const kBackImagePath = ":/charts/chart_back.png";

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
    return NewDiagramChart(objectName, title, bottomTitle, leftTitle, BackImage());
}

TFastLineSeries* MakeTabSeries(TChart* chart, const char* objectName, TColor colour, int penWidth)
{
    return AddDiagramSeries(chart, objectName, colour, penWidth);
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
