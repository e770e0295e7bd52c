#include "chart/ChartPanelExtended.h"

#include "chart/ChartBevel.h"

#include <QPainter>

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent)
    : TCustomChartPanel(parent), gradient_(new TChartGradient(this)), zoom_(new TChartZoom(this))
{
    connect(gradient_, &TChartGradient::Changed, this, [this] { Invalidate(); });
}

void TCustomChartPanelExtended::SetBackImage(const QImage& value)
{
    backImage_ = value;
    stretchedImage_ = QImage();
    Invalidate();
}

void TCustomChartPanelExtended::DrawBackImage(QPainter& painter, const ChartRect& rect) const
{
    if (backImage_.isNull())
        return;
    const QRect target = rect.ToQRect();
    switch (BackImageMode()) {
    case pbmStretch:
        // Stretched once per size: the picture is the same at every paint.
        if (stretchedImage_.size() != target.size())
            stretchedImage_ = backImage_.scaled(target.size(), Qt::IgnoreAspectRatio,
                                                Qt::FastTransformation);
        painter.drawImage(target.topLeft(), stretchedImage_);
        break;
    case pbmTile:
        painter.save();
        painter.setClipRect(target);
        for (int y = rect.top; y < rect.bottom; y += backImage_.height())
            for (int x = rect.left; x < rect.right; x += backImage_.width())
                painter.drawImage(x, y, backImage_);
        painter.restore();
        break;
    case pbmCenter:
        painter.drawImage((rect.left + rect.right - backImage_.width()) / 2,
                          (rect.top + rect.bottom - backImage_.height()) / 2, backImage_);
        break;
    case pbmCustom: painter.drawImage(rect.left, rect.top, backImage_); break;
    }
}

bool TCustomChartPanelExtended::BackImageCovers(const ChartRect& bounds) const
{
    return !backImage_.isNull() && !backImageInside_ && BackImageMode() == pbmStretch &&
           !backImage_.hasAlphaChannel() && bounds.Width() > 0 && bounds.Height() > 0;
}

bool TCustomChartPanelExtended::PaintsEveryPixel(const QSize& size) const
{
    const ChartRect bounds{0, 0, size.width(), size.height()};
    if (BackImageCovers(bounds))
        return true;
    if (!gradient_->Visible())
        return ColorToQColor(Color(), palette()).alpha() == 255;  // a system colour may not be
    return gradient_->PaintsEveryPixel(bounds);
}

void TCustomChartPanelExtended::DrawBackground(QPainter& painter, const ChartRect& bounds)
{
    // An opaque picture stretched over the whole control hides the fill under it.
    if (!BackImageCovers(bounds)) {
        if (gradient_->Visible())
            gradient_->Draw(painter, bounds, palette());
        else
            painter.fillRect(bounds.ToQRect(), ColorToQColor(Color(), palette()));
    }
    if (!backImageInside_)
        DrawBackImage(painter, bounds);
    ChartRect edges = bounds;
    DrawPanelEdges(painter, edges, BevelOuter(), BevelInner(), BevelWidth(), BorderWidth(), Color(),
                   palette());
}
