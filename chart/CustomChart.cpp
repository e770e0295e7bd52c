#include "chart/CustomChart.h"

#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

namespace {
TMouseButton ToChartButton(Qt::MouseButton button, bool* known)
{
    *known = true;
    switch (button) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: *known = false; return mbLeft;
    }
}
}  // namespace

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent),
      title_(new TChartTitle(this)),
      backWall_(new TChartBackWall(this)),
      legend_(new TChartLegend(this))
{
    connect(title_, &TChartTitle::Changed, this, [this] { Invalidate(); });
    connect(backWall_, &TChartBackWall::Changed, this, [this] { Invalidate(); });
    connect(legend_, &TChartLegend::Changed, this, [this] { Invalidate(); });
}

// ---- Painting steps ----

void TCustomChart::DrawTitle(QPainter& painter, ChartRect& plot)
{
    title_->Draw(painter, plot, palette());
}

void TCustomChart::DrawBackWall(QPainter& painter, const ChartRect& plot)
{
    if (!backWall_->Transparent() && backWall_->BrushStyle() != bsClear)
        painter.fillRect(QRect(plot.left, plot.top, plot.Width() + 1, plot.Height() + 1),
                         ColorToQColor(backWall_->Color(), palette()));
    if (!backWall_->Pen()->Draws())
        return;
    painter.save();
    painter.setPen(backWall_->Pen()->ToQPen(palette()));
    painter.setBrush(Qt::NoBrush);
    // The outline's right and bottom edges lie one pixel outside the plotting rectangle's.
    painter.drawRect(QRect(plot.left, plot.top, plot.Width(), plot.Height()));
    painter.restore();
}

// ---- Zoom rectangle ----

QRect TCustomChart::ZoomRectangle() const
{
    return QRect(QPoint(std::min(x0_, x1_), std::min(y0_, y1_)),
                 QPoint(std::max(x0_, x1_), std::max(y0_, y1_)));
}

void TCustomChart::DrawZoomRectangle(QImage& frame, const QRect& rect) const
{
    // The outline from the first corner up to (not including) the second, every pixel once, so
    // that the inverting mix cancels out when drawn again.
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right() - 1;
    const int b = rect.bottom() - 1;
    if (r < l || b < t)
        return;
    QRegion outline(l, t, r - l + 1, 1);
    outline += QRegion(l, b, r - l + 1, 1);
    outline += QRegion(l, t, 1, b - t + 1);
    outline += QRegion(r, t, 1, b - t + 1);
    const TColor background =
        ColorToRGB(backWall_->Transparent() ? Color() : backWall_->Color(), palette());
    const TColor color = ColorToRGB(Zoom()->Pen()->Color(), palette()) ^ (0xFFFFFFu - background);
    QPainter painter(&frame);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    for (const QRect& part : outline)
        painter.fillRect(part, QColor(RedOf(color), GreenOf(color), BlueOf(color)));
}

void TCustomChart::DrawOverlay(QImage& frame)
{
    DrawZoomRectangle(frame, ZoomRectangle());
}

// ---- Hit testing ----

bool TCustomChart::CanStartDrag(int x, int y) const
{
    const auto& series = SeriesList();
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        if ((*it)->Active() && (*it)->Clicked(x, y))
            return true;
    }
    for (const TChartAxis* axis : Axes()) {
        if (!IsAxisVisible(axis))
            continue;
        if (axis->TitleRect().Contains(x, y))
            return false;
        if (axis->HitRect().Contains(x, y))
            return true;
    }
    if (title_->LastRect().Contains(x, y))
        return true;
    return !series.empty() && PlotRect().Contains(x, y);
}

// ---- Zoom and scroll ----

void TCustomChart::SaveAxesIfNeeded()
{
    if (!restored_)
        return;
    savedAxes_.clear();
    for (const TChartAxis* axis : Axes()) {
        savedAxes_.push_back(SavedAxis{axis->Automatic(), axis->AutomaticMinimum(),
                                       axis->AutomaticMaximum(), axis->Minimum(), axis->Maximum()});
    }
    restored_ = false;
}

void TCustomChart::ZoomRect(int x0, int y0, int x1, int y1)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    SaveAxesIfNeeded();
    const TChartZoomDirection direction = Zoom()->Direction();
    if (direction != tzdHorizontal) {
        for (TChartAxis* axis : {LeftAxis(), RightAxis()})
            axis->SetMinMax(axis->PixelToValue(y1), axis->PixelToValue(y0));
    }
    if (direction != tzdVertical) {
        for (TChartAxis* axis : {BottomAxis(), TopAxis()})
            axis->SetMinMax(axis->PixelToValue(x0), axis->PixelToValue(x1));
    }
    zoomed_ = true;
    if (OnZoom)
        OnZoom(this);
}

void TCustomChart::UndoZoom()
{
    if (!savedAxes_.empty() && !restored_) {
        const auto& axes = Axes();
        for (std::size_t i = 0; i < axes.size() && i < savedAxes_.size(); ++i) {
            if (axes[i]->IsDepthAxis())
                continue;
            const SavedAxis& s = savedAxes_[i];
            axes[i]->SetLoading(true);
            axes[i]->SetAutomatic(s.automatic);
            axes[i]->SetAutomaticMinimum(s.automaticMinimum);
            axes[i]->SetAutomaticMaximum(s.automaticMaximum);
            axes[i]->SetMinimum(s.minimum);
            axes[i]->SetMaximum(s.maximum);
            axes[i]->SetLoading(false);
        }
        restored_ = true;
    }
    if (OnUndoZoom)
        OnUndoZoom(this);
    Invalidate();
    zoomed_ = false;
}

void TCustomChart::ScrollTo(const QPoint& pos)
{
    if (!PlotRect().Contains(pos.x(), pos.y())) {
        scrolling_ = false;
        return;
    }
    if (pos == lastScroll_)
        return;
    SaveAxesIfNeeded();
    const TPanningMode panning = AllowPanning();
    const auto shift = [](TChartAxis* axis, int from, int to) {
        const double d = axis->PixelToValue(from) - axis->PixelToValue(to);
        axis->SetMinMax(axis->Minimum() + d, axis->Maximum() + d);
    };
    if (pos.x() != lastScroll_.x() && (panning == pmHorizontal || panning == pmBoth)) {
        for (TChartAxis* axis : {BottomAxis(), TopAxis()})
            shift(axis, lastScroll_.x(), pos.x());
    }
    if (pos.y() != lastScroll_.y() && (panning == pmVertical || panning == pmBoth)) {
        for (TChartAxis* axis : {LeftAxis(), RightAxis()})
            shift(axis, lastScroll_.y(), pos.y());
    }
    lastScroll_ = pos;
    if (OnScroll)
        OnScroll(this);
    Invalidate();
}

void TCustomChart::MoveZoomCorner(const QPoint& pos)
{
    const TChartZoomDirection direction = Zoom()->Direction();
    const int x = direction == tzdVertical ? x1_ : pos.x();
    const int y = direction == tzdHorizontal ? y1_ : pos.y();
    if (x == x1_ && y == y1_)
        return;
    x1_ = x;
    y1_ = y;
    update();  // the picture is only copied again, with the rectangle at its new place
}

void TCustomChart::mousePressEvent(QMouseEvent* event)
{
    bool known = false;
    const TMouseButton button = ToChartButton(event->button(), &known);
    const QPoint pos = event->position().toPoint();
    if (!known || !CanStartDrag(pos.x(), pos.y())) {
        TCustomAxisPanel::mousePressEvent(event);
        return;
    }
    TChartZoom* zoom = Zoom();
    if (zoom->Allow() && button == zoom->MouseButton() &&
        (event->modifiers() & zoom->KeyShift()) == zoom->KeyShift()) {
        const ChartRect plot = PlotRect();
        x0_ = x1_ = pos.x();
        y0_ = y1_ = pos.y();
        if (zoom->Direction() == tzdHorizontal) {
            y0_ = plot.top;
            y1_ = plot.bottom;
        } else if (zoom->Direction() == tzdVertical) {
            x0_ = plot.left;
            x1_ = plot.right;
        }
        zooming_ = true;
        update();
    }
    if (AllowPanning() != pmNone && button == ScrollMouseButton()) {
        scrolling_ = true;
        lastScroll_ = pos;
    }
    event->accept();
}

void TCustomChart::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (zooming_)
        MoveZoomCorner(pos);
    if (scrolling_)
        ScrollTo(pos);
    TCustomAxisPanel::mouseMoveEvent(event);
}

void TCustomChart::mouseReleaseEvent(QMouseEvent* event)
{
    scrolling_ = false;
    bool known = false;
    const TMouseButton button = ToChartButton(event->button(), &known);
    if (!zooming_ || !known || button != Zoom()->MouseButton()) {
        TCustomAxisPanel::mouseReleaseEvent(event);
        return;
    }
    zooming_ = false;
    MoveZoomCorner(event->position().toPoint());
    const TChartZoom* zoom = Zoom();
    const TChartZoomDirection direction = zoom->Direction();
    const bool wideEnough = direction == tzdVertical || std::abs(x1_ - x0_) > zoom->MinimumPixels();
    const bool tallEnough = direction == tzdHorizontal || std::abs(y1_ - y0_) > zoom->MinimumPixels();
    if (wideEnough && tallEnough) {
        const bool forwards = direction == tzdVertical ? y0_ < y1_ : x0_ < x1_;
        if (zoom->UpLeftZooms() || forwards) {
            ZoomRect(x0_, y0_, x1_, y1_);
            Invalidate();
        } else {
            UndoZoom();
        }
    }
    update();  // the rectangle is gone from the next copy of the picture
    event->accept();
}
