#include "chart/AxisPanel.h"

#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"

#include <QPainter>

#include <algorithm>

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent) : TCustomChartPanelExtended(parent)
{
    using Side = TChartAxis::Side;
    for (Side side : {Side::Bottom, Side::Top, Side::Left, Side::Right, Side::Depth, Side::Depth}) {
        auto* axis = new TChartAxis(this, side);
        connect(axis, &TChartAxis::Changed, this, [this] { Invalidate(); });
        axes_.push_back(axis);
    }
    axes_[0]->setObjectName(QStringLiteral("BottomAxis"));
    axes_[1]->setObjectName(QStringLiteral("TopAxis"));
    axes_[2]->setObjectName(QStringLiteral("LeftAxis"));
    axes_[3]->setObjectName(QStringLiteral("RightAxis"));
    axes_[4]->setObjectName(QStringLiteral("DepthAxis"));
    axes_[5]->setObjectName(QStringLiteral("DepthTopAxis"));
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    // The series outlive no chart: they are told the chart is gone before it is.
    const std::vector<TChartSeries*> series = series_;
    series_.clear();
    for (TChartSeries* s : series)
        s->SetParentChart(nullptr);
}

void TCustomAxisPanel::AddSeries(TChartSeries* series)
{
    if (std::find(series_.begin(), series_.end(), series) != series_.end())
        return;
    series_.push_back(series);
    if (series->ParentChart() != this)
        series->SetParentChart(this);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series)
{
    const auto it = std::find(series_.begin(), series_.end(), series);
    if (it == series_.end())
        return;
    series_.erase(it);
    if (series->ParentChart() == this)
        series->SetParentChart(nullptr);
    Invalidate();
}

bool TCustomAxisPanel::HasActiveSeries() const
{
    return std::any_of(series_.begin(), series_.end(),
                       [](const TChartSeries* s) { return s->Active(); });
}

bool TCustomAxisPanel::IsAxisVisible(const TChartAxis* axis) const
{
    if (!axisVisible_ || !axis->Visible() || axis->IsDepthAxis())
        return false;
    if (!HasActiveSeries())
        return true;
    return std::any_of(series_.begin(), series_.end(), [axis](const TChartSeries* s) {
        return s->Active() && s->AssociatedToAxis(axis);
    });
}

void TCustomAxisPanel::DrawTitle(QPainter&, ChartRect&) {}

void TCustomAxisPanel::DrawBackWall(QPainter&, const ChartRect&) {}

void TCustomAxisPanel::CalcAxesLayout(ChartRect& plot, const ChartRect& bounds)
{
    for (TChartAxis* axis : axes_)
        axis->CalcAutomaticRange();
    for (TChartAxis* axis : axes_)
        axis->CalcExtents(plot);
    for (TChartAxis* axis : axes_) {
        if (IsAxisVisible(axis))
            axis->CalcSpace(plot);
    }
    // The plotting rectangle keeps at least one pixel each way; equal edges mean the whole control.
    if (plot.right < plot.left)
        plot.right = plot.left + 1;
    else if (plot.right == plot.left) {
        plot.left = bounds.left;
        plot.right = bounds.right;
    }
    if (plot.bottom < plot.top)
        plot.bottom = plot.top + 1;
    else if (plot.bottom == plot.top) {
        plot.top = bounds.top;
        plot.bottom = bounds.bottom;
    }
    SetPlotRect(plot);
    for (TChartAxis* axis : axes_)
        axis->CalcExtents(plot);
    for (TChartAxis* axis : axes_)
        axis->ApplySeriesMargins();
}

void TCustomAxisPanel::DrawAxes(QPainter& painter)
{
    for (TChartAxis* axis : axes_) {
        if (IsAxisVisible(axis))
            axis->Draw(painter);
    }
}

void TCustomAxisPanel::DrawAllSeries(QPainter& painter)
{
    const ChartRect plot = PlotRect();
    for (TChartSeries* series : series_) {
        if (!series->Active())
            continue;
        series->CalcFirstLastVisibleIndex();
        if (series->FirstVisibleIndex() < 0)
            continue;
        painter.save();
        if (clipPoints_)
            painter.setClipRect(QRect(plot.left, plot.top - 1, plot.Width(), plot.Height() + 2));
        series->DrawAllValues(painter);
        painter.restore();
    }
}

void TCustomAxisPanel::DrawChart(QPainter& painter, const ChartRect& bounds)
{
    ChartRect plot = InitialPlotRect(bounds);
    SetPlotRect(plot);
    DrawBackground(painter, bounds);
    DrawTitle(painter, plot);
    SetPlotRect(plot);
    CalcAxesLayout(plot, bounds);
    if (BackImageInside())
        DrawBackImage(painter, PlotRect());
    DrawBackWall(painter, PlotRect());
    if (axisBehind_)
        DrawAxes(painter);
    DrawAllSeries(painter);
    if (!axisBehind_)
        DrawAxes(painter);
}
