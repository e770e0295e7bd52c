#include "app/TabCharts.h"

#include "chart/FastLineSeries.h"

#include <algorithm>
#include <cstddef>

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
