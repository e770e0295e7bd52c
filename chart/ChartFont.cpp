#include "chart/ChartFont.h"

#include <cstdlib>

namespace {
// Points to pixels as the classic screen did: rounded, half away from zero.
int PointsToPixels(int points)
{
    return (points * TChartFont::kScreenDpi + TChartFont::kPointsPerInch / 2) /
           TChartFont::kPointsPerInch;
}
}  // namespace

TChartFont::TChartFont(QObject* parent, TColor color)
    : TChartPart(parent), pixelSize_(PointsToPixels(kDefaultSize)), color_(color)
{
}

int TChartFont::Size() const
{
    return (pixelSize_ * kPointsPerInch + kScreenDpi / 2) / kScreenDpi;
}

void TChartFont::SetSize(int points)
{
    SetHeight(-PointsToPixels(std::abs(points)));
}

void TChartFont::SetHeight(int value)
{
    Store(pixelSize_, std::abs(value) < 1 ? 1 : std::abs(value));
}

QFont TChartFont::ToQFont() const
{
    QFont font(name_);
    font.setPixelSize(pixelSize_);
    font.setBold(bold_);
    font.setItalic(italic_);
    return font;
}
