#include "app/BevelPanel.h"

#include "chart/ChartBevel.h"

#include <QPainter>

namespace {

constexpr QRgb kHighlight = 0xFFFFFF;
constexpr QRgb kShadow = 0x808080;
constexpr int kMaxBevelWidth = 64;

// The chart's 3-D frame: `width` nested one-pixel frames inside `rect`; returns what is left inside.
QRect Frame3D(QPainter& p, const QRect& rect, const QColor& topLeft, const QColor& bottomRight, int width)
{
    ChartRect ring{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    DrawFrame3D(p, ring, topLeft, bottomRight, width);
    return ring.ToQRect();
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {}

void BevelPanel::SetBevelOuter(Bevel bevel)
{
    outer_ = bevel;
    update();
}

void BevelPanel::SetBevelInner(Bevel bevel)
{
    inner_ = bevel;
    update();
}

void BevelPanel::SetBevelWidth(int width)
{
    width_ = qBound(0, width, kMaxBevelWidth);
    update();
}

void BevelPanel::SetColor(const QColor& color)
{
    color_ = color;
    update();
}

int BevelPanel::FrameWidth() const
{
    return (outer_ != Bevel::None ? width_ : 0) + (inner_ != Bevel::None ? width_ : 0);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor background = color_.isValid() ? color_ : palette().color(backgroundRole());
    if (color_.isValid())
        p.fillRect(rect(), color_);
    QRect r = rect();
    for (Bevel bevel : {outer_, inner_}) {
        switch (bevel) {
        case Bevel::None:
            break;
        case Bevel::Lowered:
            r = Frame3D(p, r, QColor(kShadow), QColor(kHighlight), width_);
            break;
        case Bevel::Raised:
            r = Frame3D(p, r, QColor(kHighlight), QColor(kShadow), width_);
            break;
        case Bevel::Space:
            r = Frame3D(p, r, background, background, width_);
            break;
        }
    }
}
