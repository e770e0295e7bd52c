#include "chart/ChartFont.h"

#include "chart/ChartCanvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cstdlib>

namespace {
// Texts whose widths a font keeps; a zoom or a scroll through many ranges starts afresh.
constexpr qsizetype kMostKeptWidths = 1024;
constexpr qsizetype kMostKeptTexts = 256;

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
    if (!metrics_) {
        const QFont font = ToQFont();
        metrics_ = std::make_unique<QFontMetrics>(font);
        exactAscent_ = QFontMetricsF(font).ascent();
    }
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

void TChartFont::DrawText(QPainter& painter, int x, int top, const QString& text) const
{
    const int ascent = Metrics().ascent();
    if (!PaintsWholePixels(painter)) {
        painter.drawText(x, top + ascent, text);
        return;
    }
    auto kept = laidOut_.find(text);
    if (kept == laidOut_.end()) {
        if (laidOut_.size() >= kMostKeptTexts)
            laidOut_.clear();
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        kept = laidOut_.insert(text, laid);
    }
    // A laid-out text is placed by its top, the painter's text by its baseline: the baseline
    // stays on the whole row the painter would put it on.
    painter.drawStaticText(QPointF(x, top + ascent - exactAscent_), *kept);
}

void TChartFont::ForgetMeasures()
{
    metrics_.reset();
    widths_.clear();
    laidOut_.clear();
}
