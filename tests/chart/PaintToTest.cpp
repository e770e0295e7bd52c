// Painting a whole chart onto any painter at any size: the same picture as the window shows at
// that size, the painter's state kept, and shapes and text handed over as they are (no picture
// in between), which is what vector devices need.

#include "ChartFixtures.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace {
// A paint engine that only counts what it is given.
class CountingEngine : public QPaintEngine {
public:
    CountingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++images; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        ++images;
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    void drawRects(const QRect*, int n) override { shapes += n; }
    void drawRects(const QRectF*, int n) override { shapes += n; }
    void drawLines(const QLine*, int n) override { shapes += n; }
    void drawLines(const QLineF*, int n) override { shapes += n; }
    void drawPath(const QPainterPath&) override { ++shapes; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode mode) override { Polygon(mode); }
    void drawPolygon(const QPoint*, int, PolygonDrawMode mode) override { Polygon(mode); }

    int images = 0;
    int shapes = 0;
    int polylines = 0;
    QStringList texts;

private:
    void Polygon(PolygonDrawMode mode)
    {
        ++shapes;
        polylines += mode == PolylineMode ? 1 : 0;
    }
};

class CountingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 352;
        case PdmHeight: return 225;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 1;
        }
    }
    mutable CountingEngine engine;
};
}  // namespace

TEST(ChartPaintTo, AnyPainterAtAnySizeGetsTheWindowsPicture)
{
    auto chart = MakeProgramChart(352, 225);
    FillAngleCurve(*AddLineSeries(*chart, clRed));
    auto large = MakeProgramChart(700, 450);
    FillAngleCurve(*AddLineSeries(*large, clRed));

    QImage image(700, 450, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QPen pen(Qt::green, 5);
    painter.setPen(pen);
    painter.setBrush(Qt::yellow);
    chart->PaintTo(painter, QSize(700, 450));
    EXPECT_EQ(painter.pen(), pen);  // the painter's state is kept
    EXPECT_EQ(painter.brush().color(), QColor(Qt::yellow));
    painter.end();
    EXPECT_EQ(image, large->RenderImage());
    // The window's own picture is still painted at the window's size.
    EXPECT_EQ(chart->RenderImage().size(), QSize(352, 225));
}

TEST(ChartPaintTo, ShapesAndTextReachTheDeviceAsThemselves)
{
    auto chart = MakeProgramChart(352, 225);
    FillAngleCurve(*AddLineSeries(*chart, clRed));
    CountingDevice device;
    QPainter painter(&device);
    chart->PaintTo(painter, QSize(352, 225));
    painter.end();
    const CountingEngine& engine = device.engine;
    EXPECT_EQ(engine.images, 0);
    EXPECT_GE(engine.polylines, 1);  // the curve is one polyline, not pixels
    EXPECT_GT(engine.shapes, 10);
    EXPECT_TRUE(engine.texts.contains(QStringLiteral("Угол")));
    EXPECT_TRUE(engine.texts.contains(QStringLiteral("Диагрнамма скоростей т. Е")));
    EXPECT_TRUE(engine.texts.contains(QStringLiteral("6")));

    // A PDF page, scaled so that one unit is one screen pixel.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        QPainter page(&writer);
        page.scale(writer.resolution() / 96.0, writer.resolution() / 96.0);
        chart->PaintTo(page, QSize(352, 225));
    }
    EXPECT_TRUE(pdf.data().startsWith("%PDF"));
    EXPECT_GT(pdf.data().size(), 1000);
}
