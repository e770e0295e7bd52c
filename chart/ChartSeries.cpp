#include "chart/ChartSeries.h"

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"

#include <algorithm>

TChartSeries::TChartSeries(QObject* owner)
    : TChartPart(owner),
      xValues_(this, QStringLiteral("X")),
      yValues_(this, QStringLiteral("Y"))
{
    xValues_.Order = loAscending;
    // A series repaints its chart where the other parts repaint through their owner.
    connect(this, &TChartPart::Changed, this, [this] { RequestRepaint(); });
}

TChartSeries::~TChartSeries()
{
    if (parentChart_)
        parentChart_->RemoveSeries(this);
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart)
{
    if (parentChart_ == chart)
        return;
    if (parentChart_)
        parentChart_->RemoveSeries(this);
    parentChart_ = chart;
    if (parentChart_)
        parentChart_->AddSeries(this);
}

TChartAxis* TChartSeries::GetHorizAxis() const
{
    if (!parentChart_)
        return nullptr;
    return horizAxis_ == aTopAxis ? parentChart_->TopAxis() : parentChart_->BottomAxis();
}

TChartAxis* TChartSeries::GetVertAxis() const
{
    if (!parentChart_)
        return nullptr;
    return vertAxis_ == aRightAxis ? parentChart_->RightAxis() : parentChart_->LeftAxis();
}

bool TChartSeries::AssociatedToAxis(const TChartAxis* axis) const
{
    return axis == GetHorizAxis() || axis == GetVertAxis();
}

void TChartSeries::RequestRepaint()
{
    if (active_ && parentChart_)
        parentChart_->Invalidate();
}

int TChartSeries::AddPoint(double x, double y, const QString& label, TColor color)
{
    xValues_.PendingValue = x;
    yValues_.PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this))
        return -1;
    const int index = xValues_.AddValue();
    for (TChartValueList* list : valueLists_) {
        if (list != &xValues_)
            list->InsertValue(index, list->PendingValue);
    }
    if (colors_) {
        colors_->insert(colors_->begin() + index, color);
    } else if (color != clDefault) {
        colors_ = std::make_unique<std::vector<TColor>>(
            static_cast<std::size_t>(xValues_.Count() - 1), clDefault);
        colors_->insert(colors_->begin() + index, color);
    }
    if (!label.isEmpty() || !labels_.isEmpty()) {
        // Points added before the first label get empty ones, so the list stays one per point.
        while (labels_.size() < xValues_.Count() - 1)
            labels_.append(QString());
        labels_.insert(index, label);
    }
    if (OnAfterAdd)
        OnAfterAdd(this, index);
    NotifyPointAdded(index);
    return index;
}

void TChartSeries::NotifyPointAdded(int)
{
    RequestRepaint();
}

void TChartSeries::ClearPoints()
{
    firstVisibleIndex_ = -1;
    lastVisibleIndex_ = -1;
    for (TChartValueList* list : valueLists_)
        list->ClearValues();
    colors_.reset();
    labels_.clear();
    if (OnClearValues)
        OnClearValues(this);
    RequestRepaint();
}

TColor TChartSeries::PointColor(int index) const
{
    if (colors_) {
        const TColor c = (*colors_)[static_cast<std::size_t>(index)];
        if (c != clDefault)
            return c;
    }
    return seriesColor_;
}

void TChartSeries::CalcHorizMargins(int& left, int& right) const
{
    left = 0;
    right = 0;
}

void TChartSeries::CalcVerticalMargins(int& top, int& bottom) const
{
    top = 0;
    bottom = 0;
}

void TChartSeries::CalcFirstLastVisibleIndex()
{
    firstVisibleIndex_ = -1;
    lastVisibleIndex_ = -1;
    const int count = Count();
    if (count < 1)
        return;
    if (xValues_.Order == loNone) {
        firstVisibleIndex_ = 0;
        lastVisibleIndex_ = count - 1;
        return;
    }
    const TChartAxis* axis = GetHorizAxis();
    if (!axis)
        return;
    const ChartRect plot = parentChart_->PlotRect();
    const bool inverted = axis->Inverted();
    const double leftValue = axis->PixelToValue(inverted ? plot.right : plot.left);
    const double rightValue = axis->PixelToValue(inverted ? plot.left : plot.right);
    if (xValues_.Order != loAscending) {
        ScanVisibleRange(leftValue, rightValue);
        return;
    }
    // The X list is sorted, so a binary search finds the same indices as a scan would.
    const double* begin = xValues_.Data();
    const double* end = begin + count;
    const double* first = std::lower_bound(begin, end, leftValue);
    if (first == end)
        return;
    firstVisibleIndex_ = static_cast<int>(first - begin);
    if (xValues_.Last() <= rightValue) {
        lastVisibleIndex_ = count - 1;
    } else {
        const double* last = std::lower_bound(first, end, rightValue);
        lastVisibleIndex_ = last == end ? count - 1 : static_cast<int>(last - begin);
    }
}

void TChartSeries::ScanVisibleRange(double leftValue, double rightValue)
{
    const int count = Count();
    int first = 0;
    while (first < count && !(xValues_.Value(first) >= leftValue))
        ++first;
    if (first == count)
        return;
    firstVisibleIndex_ = first;
    if (xValues_.Last() <= rightValue) {
        lastVisibleIndex_ = count - 1;
        return;
    }
    int last = first;
    while (last < count && !(xValues_.Value(last) >= rightValue))
        ++last;
    lastVisibleIndex_ = last == count ? count - 1 : last;
}

bool TChartSeries::Clicked(int, int) const
{
    return false;
}
