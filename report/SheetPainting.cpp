#include "report/SheetPainting.h"

#include "report/AtomicWrite.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QSvgGenerator>

#include <cmath>

namespace {

// Letters are laid out at this pixel size and scaled to their height in mm, so that their size
// does not depend on the device's resolution.
constexpr int kLayoutFontPixels = 100;
constexpr int kPdfDpi = 1200;
constexpr int kSvgPixelsPerMm = 10;

class SheetPainter {
public:
    SheetPainter(QPainter& painter, const SheetDrawing& sheet) : painter_(painter), height_(sheet.Height()) {}

    QPointF At(SheetPoint p) const { return QPointF(p.x, height_ - p.y); }

    void Pen(SheetLayer layer)
    {
        QPen pen(Qt::black, LayerLineWidth(layer), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (layer == SheetLayer::Axis) {
            // A long dash, a gap, a dot, a gap: in units of the pen's width.
            const double w = LayerLineWidth(layer);
            pen.setDashPattern({12 / w, 2 / w, 0.5 / w, 2 / w});
            pen.setCapStyle(Qt::FlatCap);
        }
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    }

    void operator()(const SheetLine& l)
    {
        Pen(l.layer);
        painter_.drawLine(At(l.from), At(l.to));
    }
    void operator()(const SheetCircle& c)
    {
        Pen(c.layer);
        if (c.filled)
            painter_.setBrush(Qt::black);
        painter_.drawEllipse(At(c.centre), c.radius, c.radius);
    }
    void operator()(const SheetArc& a)
    {
        Pen(a.layer);
        const QRectF box(At(a.centre) - QPointF(a.radius, a.radius), QSizeF(2 * a.radius, 2 * a.radius));
        double span = a.endDegrees - a.startDegrees;
        while (span < 0)
            span += 360;
        QPainterPath path;
        path.arcMoveTo(box, a.startDegrees);
        path.arcTo(box, a.startDegrees, span);
        painter_.drawPath(path);
    }
    void operator()(const SheetText& t)
    {
        const QFont font = SheetFont();
        const QFontMetricsF metrics(font);
        const double scale = t.height / metrics.capHeight();
        const double width = metrics.horizontalAdvance(t.text);
        const double x = t.align == TextAlign::Left ? 0 : t.align == TextAlign::Centre ? -width / 2 : -width;
        painter_.save();
        painter_.translate(At(t.at));
        painter_.rotate(-t.angleDegrees);
        painter_.scale(scale, scale);
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(QPointF(x, 0), t.text);
        painter_.restore();
    }
    void operator()(const SheetPolyline& p)
    {
        Pen(p.layer);
        QPolygonF polygon;
        for (const SheetPoint& point : p.points)
            polygon << At(point);
        if (p.filled) {
            painter_.setBrush(Qt::black);
            painter_.drawPolygon(polygon);
        } else if (p.closed) {
            painter_.drawPolygon(polygon);
        } else {
            painter_.drawPolyline(polygon);
        }
    }

private:
    QPainter& painter_;
    double height_;
};

}  // namespace

QFont SheetFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kLayoutFontPixels);
    font.setItalic(true);
    return font;
}

void PaintSheet(QPainter& painter, const SheetDrawing& sheet)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(0, 0, sheet.Width(), sheet.Height()), Qt::white);
    SheetPainter paint(painter, sheet);
    for (const SheetItem& item : sheet.Items())
        std::visit(paint, item);
    painter.restore();
}

bool WriteSheetPdf(const SheetDrawing& sheet, const QString& title, const QString& path, QString& error)
{
    return WriteFileAtomically(path, [&](QIODevice& device, QString& reason) {
        QPdfWriter writer(&device);
        writer.setResolution(kPdfDpi);
        const QPageSize page(QSizeF(sheet.Width(), sheet.Height()), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Orvek"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            reason = QCoreApplication::translate("Report", "не удалось начать документ PDF.");
            return false;
        }
        painter.scale(kPdfDpi / 25.4, kPdfDpi / 25.4);
        PaintSheet(painter, sheet);
        if (!painter.end()) {
            reason = QCoreApplication::translate("Report", "не удалось завершить документ PDF.");
            return false;
        }
        return true;
    }, error);
}

bool WriteSheetSvg(const SheetDrawing& sheet, const QString& title, const QString& path, QString& error)
{
    return WriteFileAtomically(path, [&](QIODevice& device, QString& reason) {
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        // The generator gives the size in mm from pixels and resolution: 10 pixels a millimetre.
        const QSize pixels(static_cast<int>(std::lround(sheet.Width() * kSvgPixelsPerMm)),
                           static_cast<int>(std::lround(sheet.Height() * kSvgPixelsPerMm)));
        generator.setSize(pixels);
        generator.setResolution(static_cast<int>(std::lround(25.4 * kSvgPixelsPerMm)));
        generator.setViewBox(QRect(QPoint(0, 0), pixels));
        generator.setTitle(title);
        QPainter painter;
        if (!painter.begin(&generator)) {
            reason = QCoreApplication::translate("Report", "не удалось построить рисунок SVG.");
            return false;
        }
        painter.scale(kSvgPixelsPerMm, kSvgPixelsPerMm);
        PaintSheet(painter, sheet);
        painter.end();
        return true;
    }, error);
}
