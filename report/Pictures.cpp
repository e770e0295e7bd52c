#include "report/Pictures.h"

#include "chart/Chart.h"
#include "report/AtomicWrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIODevice>
#include <QPainter>
#include <QScreen>
#include <QSvgGenerator>

#include <utility>

namespace {

int ScreenDpi()
{
    constexpr int kDefaultDpi = 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double dpi = screen->logicalDotsPerInch();
        if (dpi >= 24 && dpi <= 1200)
            return static_cast<int>(dpi);
    }
    return kDefaultDpi;
}

bool WritePng(const QImage& image, const QString& path, QString& error)
{
    return WriteFileAtomically(path, [&image](QIODevice& device, QString& reason) {
        // Encoded in memory first: the PNG coder never meets a failing disk, whose error path
        // inside it loses memory; the file gets the finished bytes through the checked writer.
        QByteArray png;
        QBuffer buffer(&png);
        if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
            reason = QCoreApplication::translate("Report", "не удалось построить изображение PNG.");
            return false;
        }
        return device.write(png) == png.size();
    }, error);
}

template <typename Paint>
bool WriteSvg(QSize size, const QString& title, const QString& path, QString& error, Paint paint)
{
    return WriteFileAtomically(path, [&](QIODevice& device, QString& reason) {
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(ScreenDpi());
        generator.setTitle(title);
        QPainter painter;
        if (!painter.begin(&generator)) {
            reason = QCoreApplication::translate("Report", "не удалось построить рисунок SVG.");
            return false;
        }
        paint(painter);
        painter.end();
        return true;
    }, error);
}

}  // namespace

void PaintChart(TChart& chart, QPainter& painter, QSize size)
{
    chart.PaintTo(painter, size);
}

QImage ChartImage(TChart& chart)
{
    const QSize size = chart.size();
    QImage image(size * kPictureScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kPictureScale, kPictureScale);
    PaintChart(chart, painter, size);
    return image;
}

bool SaveChartPng(TChart& chart, const QString& path, QString& error)
{
    return WritePng(ChartImage(chart), path, error);
}

bool SaveChartSvg(TChart& chart, const QString& path, const QString& title, QString& error)
{
    const QSize size = chart.size();
    return WriteSvg(size, title, path, error, [&](QPainter& painter) { PaintChart(chart, painter, size); });
}

bool SaveDrawingPng(const QImage& drawing, const QString& path, QString& error)
{
    // Pixel for pixel: the drawing's thin lines stay sharp instead of being blurred.
    const QImage scaled = drawing.scaled(drawing.size() * kPictureScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return WritePng(scaled, path, error);
}

bool SaveDrawingSvg(const DrawingPicture& drawing, const QString& path, QString& error)
{
    return WriteSvg(drawing.bitmap.size(), drawing.name, path, error, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawing.paint(painter);
    });
}

bool SavePictureSet(const QString& dir, const std::array<TChart*, 6>& charts, const std::vector<DrawingPicture>& drawings,
                    QString& error, QStringList* written)
{
    error = CheckWritableFolder(dir);
    if (!error.isEmpty())
        return false;
    const QDir folder(dir);
    auto note = [written](const QString& path) {
        if (written)
            *written << path;
    };
    for (std::size_t i = 0; i < charts.size(); ++i) {
        TChart* chart = charts[i];
        if (!chart)
            continue;
        const QString name = QStringLiteral("Chart%1").arg(i + 1);
        const QString png = folder.filePath(name + QStringLiteral(".png"));
        const QString svg = folder.filePath(name + QStringLiteral(".svg"));
        if (!SaveChartPng(*chart, png, error))
            return false;
        note(png);
        if (!SaveChartSvg(*chart, svg, name, error))
            return false;
        note(svg);
    }
    for (const DrawingPicture& drawing : drawings) {
        if (drawing.bitmap.isNull())
            continue;
        const QString png = folder.filePath(drawing.name + QStringLiteral(".png"));
        const QString svg = folder.filePath(drawing.name + QStringLiteral(".svg"));
        if (!SaveDrawingPng(drawing.bitmap, png, error))
            return false;
        note(png);
        if (!SaveDrawingSvg(drawing, svg, error))
            return false;
        note(svg);
    }
    return true;
}
