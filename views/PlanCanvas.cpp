#include "views/PlanCanvas.h"

#include "views/FormFont.h"

#include "kinematics/NumberText.h"
#include "kinematics/ScaleFactors.h"
#include "views/MechanismDrawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kLabelPixelSize = 14;
constexpr double kArrowLength = 9;        // pixels along the line
constexpr double kArrowHalfWidth = 3.5;   // pixels across it
constexpr int kLabelGaps[] = {2, 8, 16, 26, 40};
constexpr int kScaleBarMargin = 8;
constexpr int kScaleBarTick = 4;

const QColor kLabelColour = Qt::red;

// The pixel of a plan point before the shift: the velocity plan's rounding.
std::optional<QPoint> Unshifted(PlanVector p, double scale)
{
    return PlanMapping(p.x, p.y, scale);
}

}  // namespace

PlanFrame::PlanFrame(const std::vector<PlanVector>& points, double scale, QSize size) : scale_(scale)
{
    int minX = 0, maxX = 0, minY = 0, maxY = 0;  // the pole is always part of the plan
    for (const PlanVector& p : points) {
        if (const auto q = Unshifted(p, scale)) {
            minX = std::min(minX, q->x());
            maxX = std::max(maxX, q->x());
            minY = std::min(minY, q->y());
            maxY = std::max(maxY, q->y());
        }
    }
    // Pixels are held within +-kPixelLimit, so these sums stay well inside int.
    shift_ = QPoint(size.width() / 2 - (minX + maxX) / 2, size.height() / 2 - (minY + maxY) / 2);
}

std::optional<QPoint> PlanFrame::Pixel(PlanVector p) const
{
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        return std::nullopt;
    const auto q = Unshifted(p, scale_);
    if (!q)
        return std::nullopt;
    return *q + shift_;
}

std::vector<QRect> PlaceLabels(const std::vector<PlanLabel>& labels, const QFont& font, QPoint away,
                               const QRect& bounds)
{
    const QFontMetrics metrics(font);
    std::vector<QRect> placed;
    placed.reserve(labels.size());
    for (const PlanLabel& label : labels) {
        const QSize box(metrics.horizontalAdvance(label.text) + 2, metrics.height());
        // The eight directions, the one pointing away from the pole first.
        std::array<QPoint, 8> directions{QPoint(1, 0), QPoint(1, -1), QPoint(0, -1), QPoint(-1, -1),
                                         QPoint(-1, 0), QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)};
        const double ax = label.anchor.x() - away.x();
        const double ay = label.anchor.y() - away.y();
        std::stable_sort(directions.begin(), directions.end(), [ax, ay](QPoint a, QPoint b) {
            const double da = (a.x() * ax + a.y() * ay) / std::hypot(a.x(), a.y());
            const double db = (b.x() * ax + b.y() * ay) / std::hypot(b.x(), b.y());
            return da > db;
        });

        std::optional<QRect> first;
        std::optional<QRect> chosen;
        for (const int gap : kLabelGaps) {
            for (const QPoint d : directions) {
                // The box's near edge `gap` pixels from the point in direction d.
                const int cx = label.anchor.x() + d.x() * (box.width() / 2 + gap);
                const int cy = label.anchor.y() + d.y() * (box.height() / 2 + gap);
                const QRect candidate(cx - box.width() / 2, cy - box.height() / 2, box.width(), box.height());
                if (!bounds.contains(candidate))
                    continue;
                if (!first)
                    first = candidate;
                // Neither over another letter nor over any lettered point (a box is opaque).
                const QRect margin = candidate.adjusted(-1, -1, 1, 1);
                const bool free =
                    std::none_of(placed.begin(), placed.end(), [&candidate](const QRect& r) { return r.intersects(candidate); })
                    && std::none_of(labels.begin(), labels.end(),
                                    [&margin](const PlanLabel& other) { return margin.contains(other.anchor); });
                if (free) {
                    chosen = candidate;
                    break;
                }
            }
            if (chosen)
                break;
        }
        if (!chosen) {
            // No free place inside: beside the point all the same, below every box placed so far.
            QRect fallback = first.value_or(QRect(label.anchor + QPoint(kLabelGaps[0], kLabelGaps[0]), box));
            int bottom = fallback.top();
            for (const QRect& r : placed)
                if (r.intersects(fallback))
                    bottom = std::max(bottom, r.bottom() + 1);
            fallback.moveTop(bottom);
            chosen = fallback;
        }
        placed.push_back(*chosen);
    }
    return placed;
}

double FittingPlanScale(const std::vector<std::vector<PlanVector>>& plans, QSize area, int margin)
{
    const double roomX = area.width() - 2.0 * margin;
    const double roomY = area.height() - 2.0 * margin;
    if (!(roomX > 0) || !(roomY > 0))
        return 0;
    double units = 0;  // the largest factor any plan needs, units per pixel
    for (const std::vector<PlanVector>& points : plans) {
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
        for (const PlanVector& p : points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y))
                continue;
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        for (const auto& [extent, room] : {std::pair{maxX - minX, roomX}, std::pair{maxY - minY, roomY}}) {
            if (const auto mu = ChooseRoundFactor(extent, room))
                units = std::max(units, *mu);
        }
    }
    return units > 0 ? 1 / units : 0;
}

double FittingPlanScale(const std::vector<PlanVector>& points, QSize area, int margin)
{
    return FittingPlanScale(std::vector<std::vector<PlanVector>>{points}, area, margin);
}

QRect PlanArea(QSize size)
{
    const int band = QFontMetrics(PlanFont()).height() + 2 * kScaleBarTick + kScaleBarMargin;
    return QRect(0, 0, size.width(), std::max(0, size.height() - band));
}

QFont PlanFont()
{
    return FormFont(kLabelPixelSize, true);
}

DrawnPlan PaintOnBlank(QImage& picture, const std::function<DrawnPlan(QPainter&, QSize)>& paint)
{
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    return paint(painter, picture.size());
}

void DrawArrow(QPainter& painter, QPoint from, QPoint to, const QColor& colour, int width, Qt::PenStyle style)
{
    painter.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (!(length > kArrowLength))
        return;
    const double ux = dx / length;
    const double uy = dy / length;
    const double baseX = to.x() - ux * kArrowLength;
    const double baseY = to.y() - uy * kArrowLength;
    // Both corners lie within a few pixels of `to`, itself a pixel within +-kPixelLimit.
    const QPoint left(static_cast<int>(std::lround(baseX - uy * kArrowHalfWidth)),
                      static_cast<int>(std::lround(baseY + ux * kArrowHalfWidth)));
    const QPoint right(static_cast<int>(std::lround(baseX + uy * kArrowHalfWidth)),
                       static_cast<int>(std::lround(baseY - ux * kArrowHalfWidth)));
    painter.setBrush(colour);
    painter.setPen(QPen(colour, 1));
    painter.drawPolygon(QPolygon({to, left, right}));
    painter.setBrush(Qt::NoBrush);
}

void DrawLabels(QPainter& painter, const std::vector<PlanLabel>& labels, const std::vector<QRect>& boxes)
{
    painter.setFont(PlanFont());
    const std::size_t n = std::min(labels.size(), boxes.size());
    for (std::size_t i = 0; i < n; ++i) {
        painter.fillRect(boxes[i], Qt::white);
        painter.setPen(kLabelColour);
        painter.drawText(boxes[i], Qt::AlignCenter, labels[i].text);
    }
}

QString ScaleBarText(const QString& symbol, double pixelsPerUnit, const QString& unit)
{
    // The fields refuse a scale that is not positive; such a scale has no caption.
    if (!(pixelsPerUnit > 0) || !std::isfinite(pixelsPerUnit))
        return QString();
    const double perPixel = 1 / pixelsPerUnit;
    return QStringLiteral("μ") + symbol + QStringLiteral(" = ") + QString::fromStdString(FormatGeneral(perPixel))
           + u' ' + QCoreApplication::translate("Kinematics", unit.toUtf8().constData())
           + QCoreApplication::translate("Drawings", "/пикс");
}

void DrawScaleBar(QPainter& painter, QSize size, const QString& symbol, double pixelsPerUnit, const QString& unit)
{
    const QFont font = PlanFont();
    const QFontMetrics metrics(font);
    const int y = size.height() - kScaleBarMargin - metrics.height() - kScaleBarTick;
    const int x0 = kScaleBarMargin;
    const int x1 = x0 + kScaleBarPixels;
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(x0, y, x1, y);
    painter.drawLine(x0, y - kScaleBarTick, x0, y + kScaleBarTick);
    painter.drawLine(x1, y - kScaleBarTick, x1, y + kScaleBarTick);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x0, y + kScaleBarTick + metrics.ascent()), ScaleBarText(symbol, pixelsPerUnit, unit));
}
