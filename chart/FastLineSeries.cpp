#include "chart/FastLineSeries.h"

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartCanvas.h"
#include "chart/PixelColumns.h"
#include "common/UpperVectorState.h"

#include <QPainter>

#include <algorithm>

#include <cmath>

namespace {
// How close to a drawn segment a press counts as a hit on the line.
constexpr int kClickTolerance = 3;
// The pen whose pixels along one column are a rectangle: two wide, round ends.
constexpr int kSpanPenWidth = 2;

double DistanceToSegment(const QPoint& p, const QPoint& a, const QPoint& b)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double px = p.x() - a.x();
    const double py = p.y() - a.y();
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? (px * dx + py * dy) / length2 : 0.0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    const double ex = px - t * dx;
    const double ey = py - t * dy;
    return std::sqrt(ex * ex + ey * ey);
}
}  // namespace

TFastLineSeries::TFastLineSeries(QObject* owner)
    : TCustomLineSeries(owner), linePen_(new TChartPen(this, clBlack, 1))
{
    connect(linePen_, &TChartPen::Changed, this, [this] { RequestRepaint(); });
}

void TFastLineSeries::SetLinePen(const TChartPen& pen)
{
    linePen_->Assign(pen);
    TChartSeries::SetSeriesColor(pen.Color());
}

void TFastLineSeries::SetSeriesColor(TColor value)
{
    TChartSeries::SetSeriesColor(value);
    linePen_->SetColor(value);
}

int TFastLineSeries::LineMargin() const
{
    const int width = linePen_->Width();
    return width - (width - 2) / 2;
}

void TFastLineSeries::CalcHorizMargins(int& left, int& right) const
{
    left = right = LineMargin();
}

void TFastLineSeries::CalcVerticalMargins(int& top, int& bottom) const
{
    top = bottom = LineMargin();
}

QPoint TFastLineSeries::PixelOf(int index) const
{
    return QPoint(horizAxis_->ValueToPixel(XValues().Value(index)),
                  vertAxis_->ValueToPixel(YValues().Value(index)));
}

void TFastLineSeries::MoveToPixel(const QPoint& q)
{
    if (runs_.empty() || runs_.back().size() > 1)
        runs_.emplace_back();
    QPolygon& run = runs_.back();
    run.clear();
    run.append(q);
}

void TFastLineSeries::LineToPixel(const QPoint& q)
{
    if (runs_.empty()) {
        runs_.emplace_back();
        runs_.back().append(previousPixel_);
    }
    QPolygon& run = runs_.back();
    if (stairs_) {
        if (invertedStairs_)
            run.append(QPoint(previousPixel_.x(), q.y()));
        else
            run.append(QPoint(q.x(), previousPixel_.y()));
    }
    run.append(q);
}

bool TFastLineSeries::IsFinitePoint(int index) const
{
    return std::isfinite(XValues().Value(index)) && std::isfinite(YValues().Value(index));
}

void TFastLineSeries::AddPixel(int index, const QPoint& q)
{
    // A point without a finite value has no place on the chart: the line breaks there.
    if (!IsFinitePoint(index)) {
        gap_ = true;
        return;
    }
    if (gap_) {
        gap_ = false;
        MoveToPixel(q);
        previousPixel_ = q;
        return;
    }
    if (q.x() == previousPixel_.x() && (!drawAllPoints_ || q.y() == previousPixel_.y()))
        return;
    bool draw = true;
    if (!ignoreNulls_) {
        if (IsNull(index)) {
            if (TreatNulls() == tnSkip)
                return;
            draw = TreatNulls() != tnDontPaint;
        } else if (TreatNulls() == tnDontPaint && index > 0 && IsNull(index - 1)) {
            draw = false;
        }
    }
    if (draw)
        LineToPixel(q);
    else
        MoveToPixel(q);
    previousPixel_ = q;
}

void TFastLineSeries::BuildRuns(bool spansAllowed)
{
    runs_.clear();
    spans_.clear();
    const int first = FirstVisibleIndex();
    const int last = LastVisibleIndex();
    if (first < 0)
        return;
    const int start = first > 0 ? first - 1 : first;
    // The loops below follow the paint's fills: they run on a clean vector state.
    ClearUpperVectorState();
    if (drawAllPoints_ && ignoreNulls_ && !stairs_) {
        BuildColumnRuns(start, last, spansAllowed);
    } else {
        previousPixel_ = PixelOf(start);
        gap_ = !IsFinitePoint(start);
        if (!gap_)
            MoveToPixel(previousPixel_);
        if (first > 0)
            AddPixel(first, PixelOf(first));
        for (int i = first + 1; i <= last; ++i)
            AddPixel(i, PixelOf(i));
    }
    if (!runs_.empty() && runs_.back().size() < 2)
        runs_.pop_back();
}

void TFastLineSeries::BuildColumnRuns(int start, int last, bool spansAllowed)
{
    // Within one pixel column the polyline covers exactly the run from the column's lowest to
    // its highest point, and meets its neighbours at the column's first and last points. Those
    // four, in the order they came, draw the same pixels as all the points of the column, at a
    // cost bounded by the chart's width however dense the data.
    if (CanSearchColumns())
        BuildSearchedColumns(start, last, spansAllowed && linePen_->Style() == psSolid &&
                                              linePen_->Width() == kSpanPenWidth &&
                                              linePen_->EndStyle() == esRound);
    else
        BuildScannedColumns(start, last);
}

bool TFastLineSeries::CanSearchColumns() const
{
    return XValues().Order == loAscending && XValues().NonDecreasing() && XValues().AllFinite() &&
           YValues().AllFinite();
}

void TFastLineSeries::BuildSearchedColumns(int start, int last, bool spans)
{
    const double* xs = XValues().Data();
    const double* ys = YValues().Data();
    const TChartAxis& h = *horizAxis_;
    const TChartAxis& v = *vertAxis_;
    const auto columnOf = [&h](double x) { return h.ValueToPixel(x); };
    const auto lineTo = [this](const QPoint& q) {
        if (q != previousPixel_) {
            LineToPixel(q);
            previousPixel_ = q;
        }
    };
    previousPixel_ = QPoint(columnOf(xs[start]), v.ValueToPixel(ys[start]));
    MoveToPixel(previousPixel_);
    // Room for every column's points at once (the line may start and end a column outside).
    const int columns = std::min(last - start + 1, ParentChart()->PlotRect().Width() + 3);
    runs_.back().reserve(columns * (spans ? 2 : 4) + 1);
    if (spans)
        spans_.reserve(static_cast<std::size_t>(columns));
    for (int i = start; i <= last;) {
        const int x = columnOf(xs[i]);
        const int end = ColumnEnd(xs, i, last, x, columnOf);
        lineTo(QPoint(x, v.ValueToPixel(ys[i])));
        if (spans) {
            // Rows keep or reverse the order of values: the extreme values give the extreme rows.
            const ValueRange range = RangeOfValues(ys + i, end - i);
            const int a = v.ValueToPixel(range.lowest);
            const int b = v.ValueToPixel(range.highest);
            const int low = std::min(a, b);
            const int high = std::max(a, b);
            if (high > low)
                spans_.emplace_back(x - 1, low - 1, kSpanPenWidth, high - low + 2);
        } else {
            // The first points reaching the lowest and the highest row, in the order they came.
            int low = v.ValueToPixel(ys[i]);
            int high = low;
            int lowIndex = i;
            int highIndex = i;
            for (int k = i + 1; k < end; ++k) {
                const int y = v.ValueToPixel(ys[k]);
                if (y < low) {
                    low = y;
                    lowIndex = k;
                }
                if (y > high) {
                    high = y;
                    highIndex = k;
                }
            }
            lineTo(QPoint(x, lowIndex <= highIndex ? low : high));
            lineTo(QPoint(x, lowIndex <= highIndex ? high : low));
        }
        lineTo(QPoint(x, v.ValueToPixel(ys[end - 1])));
        i = end;
    }
}

void TFastLineSeries::BuildScannedColumns(int start, int last)
{
    struct Extreme {
        int y;
        int index;
    };
    bool open = false;  // a column has been started and its first point drawn
    int columnX = 0;
    Extreme low{0, 0};
    Extreme high{0, 0};
    int lastY = 0;
    const auto lineTo = [this](const QPoint& q) {
        if (q != previousPixel_) {
            LineToPixel(q);
            previousPixel_ = q;
        }
    };
    const auto closeColumn = [&] {
        if (!open)
            return;
        const Extreme& a = low.index <= high.index ? low : high;
        const Extreme& b = low.index <= high.index ? high : low;
        lineTo(QPoint(columnX, a.y));
        lineTo(QPoint(columnX, b.y));
        lineTo(QPoint(columnX, lastY));
        open = false;
    };
    gap_ = true;
    const double* xs = XValues().Data();
    const double* ys = YValues().Data();
    for (int i = start; i <= last; ++i) {
        const double x = xs[i];
        const double y = ys[i];
        if (!std::isfinite(x) || !std::isfinite(y)) {
            closeColumn();
            gap_ = true;
            continue;
        }
        const QPoint q(horizAxis_->ValueToPixel(x), vertAxis_->ValueToPixel(y));
        if (open && q.x() == columnX) {
            if (q.y() < low.y)
                low = Extreme{q.y(), i};
            if (q.y() > high.y)
                high = Extreme{q.y(), i};
            lastY = q.y();
            continue;
        }
        closeColumn();
        if (gap_) {
            MoveToPixel(q);
            previousPixel_ = q;
            gap_ = false;
        } else {
            lineTo(q);
        }
        open = true;
        columnX = q.x();
        low = high = Extreme{q.y(), i};
        lastY = q.y();
    }
    closeColumn();
}

void TFastLineSeries::DrawAllValues(QPainter& painter)
{
    horizAxis_ = GetHorizAxis();
    vertAxis_ = GetVertAxis();
    if (!horizAxis_ || !vertAxis_)
        return;
    const QPen pen = linePen_->ToQPen(ParentChart()->palette());
    // Shapes are swapped for others of the same pixels only where pixels are what is drawn, by
    // a pen that draws at all and paints over what lies below (where a stroke and a fill overlap,
    // a blend would show twice).
    BuildRuns(linePen_->Draws() && PaintsWholePixels(painter) && pen.color().alpha() == 255 &&
              painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
              painter.opacity() == 1.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const QPolygon& run : runs_)
        painter.drawPolyline(run);
    if (!spans_.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        painter.drawRects(spans_.data(), static_cast<int>(spans_.size()));
    }
}

void TFastLineSeries::NotifyPointAdded(int index)
{
    if (autoRepaint_ || !Active() || !ParentChart()) {
        TChartSeries::NotifyPointAdded(index);
        return;
    }
    // Only the new segment is drawn, straight onto the chart's current picture.
    horizAxis_ = GetHorizAxis();
    vertAxis_ = GetVertAxis();
    const int from = index > 0 ? index - 1 : 0;
    if (!IsFinitePoint(from) || !IsFinitePoint(index))
        return;
    const QPoint a = PixelOf(from);
    const QPoint b = PixelOf(index);
    const QPen pen = linePen_->ToQPen(ParentChart()->palette());
    ParentChart()->DrawOnCanvas([&](QPainter& painter) {
        painter.setPen(pen);
        painter.drawLine(a, b);
    });
}

bool TFastLineSeries::Clicked(int x, int y) const
{
    const QPoint p(x, y);
    const double tolerance = linePen_->Width() / 2.0 + kClickTolerance;
    for (const QPolygon& run : runs_) {
        for (int i = 1; i < run.size(); ++i) {
            if (DistanceToSegment(p, run[i - 1], run[i]) <= tolerance)
                return true;
        }
    }
    // A span is the column's line from its lowest row to its highest.
    for (const QRect& span : spans_) {
        const int x = span.left() + 1;
        if (DistanceToSegment(p, QPoint(x, span.top() + 1), QPoint(x, span.bottom())) <= tolerance)
            return true;
    }
    return false;
}
