#include "chart/ChartCanvas.h"

#include <QFontMetrics>
#include <QVector>

#include <cstdlib>

namespace {
// Whether the n-th pixel of a dashed one-pixel line is painted.
bool PixelOn(const QVector<qreal>& pattern, int n)
{
    if (pattern.isEmpty())
        return true;
    int period = 0;
    for (qreal length : pattern)
        period += static_cast<int>(length);
    if (period <= 0)
        return true;
    int offset = n % period;
    for (int i = 0; i < pattern.size(); ++i) {
        const int length = static_cast<int>(pattern[i]);
        if (offset < length)
            return i % 2 == 0;
        offset -= length;
    }
    return true;
}
}  // namespace

void DrawChartLine(QPainter& painter, const QPoint& from, const QPoint& to, const QPen& pen)
{
    if (pen.style() == Qt::NoPen || from == to)
        return;
    const bool horizontal = from.y() == to.y();
    const bool vertical = from.x() == to.x();
    if (!horizontal && !vertical) {
        painter.save();
        painter.setPen(pen);
        painter.drawLine(from, to);
        painter.restore();
        return;
    }
    const QColor color = pen.color();
    const int width = pen.width() < 1 ? 1 : pen.width();
    const int across = -(width / 2);  // first row (column) of a wide line, relative to its centre
    const int length = horizontal ? std::abs(to.x() - from.x()) : std::abs(to.y() - from.y());
    const int step = horizontal ? (to.x() > from.x() ? 1 : -1) : (to.y() > from.y() ? 1 : -1);
    const bool dashed = pen.style() == Qt::CustomDashLine && width == 1;
    if (!dashed) {
        const int a = horizontal ? from.x() : from.y();
        const int b = a + step * (length - 1);
        const int lo = a < b ? a : b;
        if (horizontal)
            painter.fillRect(lo, from.y() + across, length, width, color);
        else
            painter.fillRect(from.x() + across, lo, width, length, color);
        return;
    }
    const QVector<qreal> pattern = pen.dashPattern();
    for (int n = 0; n < length; ++n) {
        if (!PixelOn(pattern, n))
            continue;
        if (horizontal)
            painter.fillRect(from.x() + step * n, from.y(), 1, 1, color);
        else
            painter.fillRect(from.x(), from.y() + step * n, 1, 1, color);
    }
}

void DrawTextAt(QPainter& painter, int x, int top, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, top + metrics.ascent(), text);
}
