#include "chart/ChartCanvas.h"

#include <QImage>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// A dash pattern longer than this many pixels is stroked as it is.
constexpr int kMostPatternPixels = 256;
constexpr QRgb kOpaque = 0xFF000000u;

// The image a painter draws into when an opaque dot it paints is nothing but one stored pixel:
// the raster engine on a 32-bit image, no clipping, plain source-over at full opacity, moved by
// whole pixels at most (`offset`). Null where the painter would do more than that.
QImage* PlainPixelTarget(QPainter& painter, QPoint& offset)
{
    QPaintDevice* device = painter.device();
    if (!PaintsWholePixels(painter) || device == nullptr || device->devType() != QInternal::Image ||
        painter.hasClipping() || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.opacity() != 1.0)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
         format != QImage::Format_ARGB32_Premultiplied) ||
        image->devicePixelRatio() != 1.0)
        return nullptr;
    const QTransform& t = painter.worldTransform();
    if (std::fabs(t.dx()) > image->width() || std::fabs(t.dy()) > image->height())
        return nullptr;
    offset = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    return image;
}

// The dots of a dotted one-pixel line from `from` over `length` pixels in direction `step`
// (+-1), stored straight into the picture. A stroke, or a fill per dash, blends them one call at
// a time, and every call there switches the vector unit between its wide and its narrow state,
// which costs more than the dot. Only where the pattern is in whole pixels, the colour opaque
// and the painter a plain pixel target; returns false where it does not apply.
bool StoreDottedLine(QPainter& painter, const QPoint& from, int length, int step, bool horizontal,
                     const QPen& pen)
{
    if (pen.color().alpha() != 255)
        return false;
    QPoint offset;
    QImage* image = PlainPixelTarget(painter, offset);
    if (image == nullptr)
        return false;
    const QVector<qreal> pattern = pen.dashPattern();
    qreal period = 0;
    for (const qreal part : pattern) {
        if (!(part >= 1) || part != std::floor(part))
            return false;
        period += part;
    }
    if (pattern.isEmpty() || pattern.size() % 2 != 0 || period > kMostPatternPixels)
        return false;
    // Only the steps that land inside the picture: n from `first` up to `last`.
    const QPoint start = from + offset;
    const int along = horizontal ? start.x() : start.y();
    const int size = horizontal ? image->width() : image->height();
    const int across = horizontal ? start.y() : start.x();
    if (across < 0 || across >= (horizontal ? image->height() : image->width()))
        return true;
    const int first = std::max(0, step > 0 ? -along : along - (size - 1));
    const int last = std::min(length - 1, step > 0 ? size - 1 - along : along);
    // The painter writes where the image's data lay when it began: no detaching copy here.
    QRgb* pixels = reinterpret_cast<QRgb*>(const_cast<uchar*>(image->constBits()));
    const qsizetype stride = image->bytesPerLine() / qsizetype(sizeof(QRgb));
    const qsizetype origin = start.y() * stride + start.x();
    const qsizetype advance = horizontal ? step : step * stride;
    const QRgb dot = kOpaque | (pen.color().rgba() & 0xFFFFFFu);
    int n = 0;
    for (int i = 0; n <= last; i = (i + 1) % static_cast<int>(pattern.size())) {
        const int part = static_cast<int>(pattern[i]);
        if (i % 2 == 0) {
            for (int k = std::max(n, first); k < n + part && k <= last; ++k)
                pixels[origin + advance * k] = dot;
        }
        n += part;
    }
    return true;
}
}  // namespace

bool PaintsWholePixels(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster)
        return false;
    const QTransform& t = painter.worldTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

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
    if (StoreDottedLine(painter, from, length, step, horizontal, pen))
        return;
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
