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
    : QObject(parent), pixelSize_(PointsToPixels(kDefaultSize)), color_(color)
{
}

void TChartFont::SetName(const QString& value)
{
    if (name_ == value)
        return;
    name_ = value;
    emit Changed();
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
    const int pixels = std::abs(value) < 1 ? 1 : std::abs(value);
    if (pixels == pixelSize_)
        return;
    pixelSize_ = pixels;
    emit Changed();
}

void TChartFont::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    emit Changed();
}

void TChartFont::SetBold(bool value)
{
    if (bold_ == value)
        return;
    bold_ = value;
    emit Changed();
}

void TChartFont::SetItalic(bool value)
{
    if (italic_ == value)
        return;
    italic_ = value;
    emit Changed();
}

QFont TChartFont::ToQFont() const
{
    QFont font(name_);
    font.setPixelSize(pixelSize_);
    font.setBold(bold_);
    font.setItalic(italic_);
    return font;
}
