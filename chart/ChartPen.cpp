#include "chart/ChartPen.h"

#include <QVector>

TChartPen::TChartPen(QObject* parent, TColor color, int width, TPenStyle style, bool visible)
    : TChartPart(parent), color_(color), width_(width), style_(style), visible_(visible)
{
}

void TChartPen::Assign(const TChartPen& other)
{
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    visible_ = other.visible_;
    endStyle_ = other.endStyle_;
    emit Changed();
}

QPen TChartPen::ToQPen(const QPalette& palette, TColor colorOverride) const
{
    if (!Draws())
        return QPen(Qt::NoPen);
    const TColor color = colorOverride == clDefault ? color_ : colorOverride;
    QPen pen(ColorToQColor(color, palette));
    const int width = width_ < 1 ? 1 : width_;
    pen.setWidth(width);
    if (width >= 2) {
        pen.setCapStyle(endStyle_ == esRound ? Qt::RoundCap
                        : endStyle_ == esSquare ? Qt::SquareCap : Qt::FlatCap);
        pen.setJoinStyle(endStyle_ == esRound ? Qt::RoundJoin : Qt::MiterJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    // Dash lengths of the classic one-pixel pens, in pixels (scaled by the width for wider ones).
    switch (style_) {
    case psDash: pen.setDashPattern({18, 6}); break;
    case psDot: pen.setDashPattern({3, 3}); break;
    case psDashDot: pen.setDashPattern({9, 6, 3, 6}); break;
    case psDashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
    }
    return pen;
}
