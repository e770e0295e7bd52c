#include "chart/ChartTitle.h"

#include "chart/ChartBevel.h"
#include "chart/ChartCanvas.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

TChartTitle::TChartTitle(QObject* parent)
    : TChartPart(parent), font_(new TChartFont(this, clBlue)), frame_(new TChartPen(this))
{
    connect(font_, &TChartFont::Changed, this, &TChartTitle::Changed);
    connect(frame_, &TChartPen::Changed, this, &TChartTitle::Changed);
}

int TChartTitle::FrameWidth() const
{
    if (bevel_ != bvNone)
        return bevelWidth_;
    if (frame_->Visible() && frame_->Color() != clDefault)
        return frame_->Width();
    return 0;
}

void TChartTitle::DrawShape(QPainter& painter, const ChartRect& r, const QPalette& palette) const
{
    const QRect area = r.ToQRect();
    const QColor fill = ColorToQColor(color_, palette);
    painter.save();
    if (shapeStyle_ == fosRectangle) {
        painter.fillRect(area, fill);
        // A wide pen draws solid whatever its style; the frame lies inside the title's rectangle.
        if (frame_->Draws()) {
            const QColor frame = ColorToQColor(frame_->Color(), palette);
            const int w = std::min({frame_->Width(), area.width() / 2, area.height() / 2});
            if (frame_->Width() <= 1) {
                painter.setPen(frame_->ToQPen(palette));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(area.adjusted(0, 0, -1, -1));
            } else {
                painter.fillRect(area.left(), area.top(), area.width(), w, frame);
                painter.fillRect(area.left(), area.bottom() - w + 1, area.width(), w, frame);
                painter.fillRect(area.left(), area.top(), w, area.height(), frame);
                painter.fillRect(area.right() - w + 1, area.top(), w, area.height(), frame);
            }
        }
    } else {
        painter.setBrush(fill);
        painter.setPen(frame_->ToQPen(palette));
        const QRect outline = area.adjusted(0, 0, -1, -1);
        if (shapeStyle_ == fosRoundRectangle)
            painter.drawRoundedRect(outline, roundSize_ / 2.0, roundSize_ / 2.0);
        else
            painter.drawEllipse(outline);
    }
    painter.restore();
    ChartRect ring = r;
    DrawBevel(painter, ring, bevel_, bevelWidth_, palette);
}

void TChartTitle::Draw(QPainter& painter, ChartRect& plot, const QPalette& palette)
{
    lastRect_ = ChartRect{};
    if (!visible_ || text_.isEmpty())
        return;
    const QFontMetrics& metrics = font_->Metrics();
    const int f = FrameWidth();
    const int h = metrics.height();

    ChartRect r = plot;
    r.top += f;
    r.bottom = r.top + static_cast<int>(text_.size()) * h;
    r.left -= f;
    r.top -= f;
    r.right += f;
    r.bottom += f;
    if (adjustFrame_) {
        int widest = 0;
        for (const QString& line : text_)
            widest = std::max(widest, font_->TextWidth(line));
        const int width = font_->TextWidth(QStringLiteral("W")) + f + widest;
        switch (alignment_) {
        case taCenter: r.left = (plot.left + plot.right) / 2 - width / 2; break;
        case taLeftJustify: r.left = plot.left; break;
        case taRightJustify: r.left = plot.right - width; break;
        }
        r.right = r.left + width;
    }
    if (!transparent_)
        DrawShape(painter, r, palette);

    painter.save();
    painter.setFont(font_->ToQFont());
    painter.setPen(ColorToQColor(font_->Color(), palette));
    painter.setBackgroundMode(Qt::TransparentMode);
    for (int i = 0; i < text_.size(); ++i) {
        const int width = font_->TextWidth(text_[i]);
        int x = (r.left + r.right) / 2 - width / 2;
        if (alignment_ == taLeftJustify)
            x = r.left + f;
        else if (alignment_ == taRightJustify)
            x = r.right - f - width;
        font_->DrawText(painter, x, r.top + f + i * h, text_[i]);
    }
    painter.restore();
    lastRect_ = r;
    plot.top = r.bottom + vertMargin_ + f;
}
