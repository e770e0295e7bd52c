#include "chart/ChartCanvas.h"

#include <QFontMetrics>

#include <cstdlib>

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
    // One dashed line from the first pixel to the last, square caps: the pattern then starts
    // at `from` and paints exactly the pixels the pattern turns on, without a call per pixel.
    QPen dashes(color, 1);
    dashes.setCapStyle(Qt::SquareCap);
    dashes.setDashPattern(pen.dashPattern());
    const QPoint lastPixel = horizontal ? QPoint(from.x() + step * (length - 1), from.y())
                                        : QPoint(from.x(), from.y() + step * (length - 1));
    painter.save();
    painter.setPen(dashes);
    painter.drawLine(from, lastPixel);
    painter.restore();
}

void DrawTextAt(QPainter& painter, int x, int top, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, top + metrics.ascent(), text);
}
