#include "chart/ChartGradient.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

TChartGradient::TChartGradient(QObject* parent) : TChartPart(parent) {}

namespace {
bool IsVertical(TGradientDirection direction)
{
    return direction != gdLeftRight && direction != gdRightLeft;
}
}  // namespace

bool TChartGradient::PaintsEveryPixel(const ChartRect& rect) const
{
    const int extent = IsVertical(direction_) ? rect.Height() : rect.Width();
    const int across = IsVertical(direction_) ? rect.Width() : rect.Height();
    return std::min(extent, kMaxBands) - 1 > 0 && across > 0;
}

void TChartGradient::Draw(QPainter& painter, const ChartRect& rect, const QPalette& palette) const
{
    const bool vertical = IsVertical(direction_);
    const bool swapped = direction_ == gdBottomTop || direction_ == gdRightLeft;
    const TColor first = ColorToRGB(swapped ? endColor_ : startColor_, palette);
    const TColor second = ColorToRGB(swapped ? startColor_ : endColor_, palette);
    const int extent = vertical ? rect.Height() : rect.Width();
    const int bands = std::min(extent, kMaxBands);
    if (bands - 1 <= 0)
        return;
    const int r0 = RedOf(first);
    const int g0 = GreenOf(first);
    const int b0 = BlueOf(first);
    const int dr = RedOf(second) - r0;
    const int dg = GreenOf(second) - g0;
    const int db = BlueOf(second) - b0;
    for (int c = 0; c < bands; ++c) {
        const int from = extent * c / bands;
        const int to = extent * (c + 1) / bands;
        const QColor color(r0 + c * dr / (bands - 1), g0 + c * dg / (bands - 1),
                           b0 + c * db / (bands - 1));
        // Counted from the bottom edge upwards, or from the right edge leftwards.
        if (vertical)
            painter.fillRect(rect.left, rect.bottom - to, rect.Width(), to - from, color);
        else
            painter.fillRect(rect.right - to, rect.top, to - from, rect.Height(), color);
    }
}
