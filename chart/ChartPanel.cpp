#include "chart/ChartPanel.h"

#include "chart/ChartBevel.h"

#include <QPainter>
#include <QPaintEvent>

TCustomChartPanel::TCustomChartPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultWidth, kDefaultHeight);
}

void TCustomChartPanel::Invalidate()
{
    if (!autoRepaint_)
        return;
    stale_ = true;
    // One request is enough: Qt merges them until the paint, so later ones are skipped cheaply.
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

ChartRect TCustomChartPanel::InitialPlotRect(const ChartRect& bounds) const
{
    const int edge = PanelEdgeWidth(bevelOuter_, bevelInner_, bevelWidth_, borderWidth_);
    ChartRect r{bounds.left + edge, bounds.top + edge, bounds.right - edge, bounds.bottom - edge};
    if (marginUnits_ == muPercent) {
        const int width = bounds.Width();
        const int height = bounds.Height();
        r.left += marginLeft_ * width / 100;
        r.right -= marginRight_ * width / 100;
        r.top += marginTop_ * height / 100;
        r.bottom -= marginBottom_ * height / 100;
    } else {
        r.left += marginLeft_;
        r.right -= marginRight_;
        r.top += marginTop_;
        r.bottom -= marginBottom_;
    }
    return r;
}

void TCustomChartPanel::PaintTo(QImage& image)
{
    QPainter painter(&image);
    PaintTo(painter, image.size());
}

void TCustomChartPanel::PaintTo(QPainter& painter, const QSize& size)
{
    const bool saved = autoRepaint_;
    autoRepaint_ = false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawChart(painter, ChartRect{0, 0, size.width(), size.height()});
    painter.restore();
    autoRepaint_ = saved;
}

QImage TCustomChartPanel::RenderImage()
{
    QImage image(size(), QImage::Format_RGB32);
    if (!PaintsEveryPixel(size()))
        image.fill(Qt::black);
    PaintTo(image);
    return image;
}

void TCustomChartPanel::DrawOnCanvas(const std::function<void(QPainter&)>& draw)
{
    if (stale_ || buffer_.size() != size()) {
        Invalidate();
        return;
    }
    {
        QPainter painter(&buffer_);
        painter.setClipRect(plotRect_.ToQRect());
        draw(painter);
    }
    update();
}

void TCustomChartPanel::DrawOverlay(QImage&) {}

bool TCustomChartPanel::PaintsEveryPixel(const QSize&) const
{
    return false;
}

void TCustomChartPanel::paintEvent(QPaintEvent*)
{
    updatePending_ = false;
    if (stale_ || buffer_.size() != size()) {
        // The picture of the last paint is drawn over: a new one would cost its pages again.
        if (buffer_.size() != size())
            buffer_ = QImage(size(), QImage::Format_RGB32);
        if (!PaintsEveryPixel(size()))
            buffer_.fill(Qt::black);
        PaintTo(buffer_);
        stale_ = false;
    }
    QPainter painter(this);
    if (HasOverlay()) {
        QImage frame = buffer_.copy();
        DrawOverlay(frame);
        painter.drawImage(0, 0, frame);
    } else {
        painter.drawImage(0, 0, buffer_);
    }
}

void TCustomChartPanel::resizeEvent(QResizeEvent* event)
{
    stale_ = true;
    QWidget::resizeEvent(event);
}
