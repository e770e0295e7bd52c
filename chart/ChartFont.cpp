#include "chart/ChartFont.h"

#include <cstdlib>

namespace {
// Texts whose widths a font keeps; a zoom or a scroll through many ranges starts afresh.
constexpr qsizetype kMostKeptWidths = 1024;

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
    connect(this, &TChartPart::Changed, this, [this] { ForgetMeasures(); });
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

const QFontMetrics& TChartFont::Metrics() const
{
    if (!metrics_)
        metrics_ = std::make_unique<QFontMetrics>(ToQFont());
    return *metrics_;
}

int TChartFont::TextWidth(const QString& text) const
{
    const auto kept = widths_.constFind(text);
    if (kept != widths_.constEnd())
        return *kept;
    if (widths_.size() >= kMostKeptWidths)
        widths_.clear();
    const int width = Metrics().horizontalAdvance(text);
    widths_.insert(text, width);
    return width;
}

void TChartFont::ForgetMeasures()
{
    metrics_.reset();
    widths_.clear();
}
