#pragma once
// Pictures of the charts and of the two drawings: PNG at twice the screen resolution and SVG.
// The charts are painted as vector graphics; the drawings are the bitmaps the drawing routines
// paint, carried over pixel for pixel.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

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
bool SaveDrawingSvg(const QImage& drawing, const QString& path, const QString& title, QString& error);

// Writes Chart1 .. Chart6 (.png and .svg) and Image1 (velocity plan) / Image2 (mechanism) into
// `dir`. A missing chart or picture is skipped. Stops at the first failure with its message.
bool SavePictureSet(const QString& dir, const std::array<TChart*, 6>& charts, const QImage& velocityPlan,
                    const QImage& mechanismDrawing, QString& error, QStringList* written = nullptr);
