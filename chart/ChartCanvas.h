#pragma once
// Drawing helpers that keep the pixel rules of the component's canvas: a line from a to b does not
// paint b itself; dotted one-pixel lines repeat their pattern from a; wide horizontal and vertical
// lines lie on the pixels before and after their centre line.

#include <QPainter>
#include <QPen>
#include <QPoint>

// Whether the painter puts its shapes on the pixels of a raster picture one to one, moved by whole
// pixels at most: there a shape may be swapped for another that covers the same pixels.
bool PaintsWholePixels(const QPainter& painter);

// Draws from `from` to `to` (excluded) with `pen`.
void DrawChartLine(QPainter& painter, const QPoint& from, const QPoint& to, const QPen& pen);

