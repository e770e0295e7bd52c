#pragma once
// Pictures of the charts and of the drawings: PNG at twice the screen resolution and SVG. The
// charts and, in the SVG, the drawings are painted as vector graphics; a drawing's PNG is the
// bitmap the drawing routines paint, carried over pixel for pixel.

#include "report/DrawingPictures.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPainter;
class TChart;

// Twice the screen resolution: every logical pixel becomes 2 x 2 pixels of the PNG.
constexpr int kPictureScale = 2;

// Paints `chart` laid out at `size` logical pixels onto `painter` (any device, any transform).
void PaintChart(TChart& chart, QPainter& painter, QSize size);

// The chart as a PNG image twice its widget size.
QImage ChartImage(TChart& chart);

bool SaveChartPng(TChart& chart, const QString& path, QString& error);
bool SaveChartSvg(TChart& chart, const QString& path, const QString& title, QString& error);
bool SaveDrawingPng(const QImage& drawing, const QString& path, QString& error);
// The drawing painted at its bitmap's size, its name the SVG's title.
bool SaveDrawingSvg(const DrawingPicture& drawing, const QString& path, QString& error);

// Writes Chart1 .. Chart6 (.png and .svg) and each drawing (Image1 the velocity plan, Image2 the
// mechanism, AccelPlanImage, ForcePlanImage) as <name>.png and <name>.svg into `dir`. A missing
// chart or a drawing without a bitmap is skipped. Stops at the first failure with its message.
bool SavePictureSet(const QString& dir, const std::array<TChart*, 6>& charts, const std::vector<DrawingPicture>& drawings,
                    QString& error, QStringList* written = nullptr);
