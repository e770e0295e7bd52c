#include "report/SheetDrawing.h"

#include <cmath>

namespace {

// Widths of the lines: a solid main line of 0,7 mm and thin lines of a third of it.
constexpr double kContourWidth = 0.7;
constexpr double kThinWidth = 0.25;

}  // namespace

const char* LayerName(SheetLayer layer)
{
    switch (layer) {
    case SheetLayer::Contour: return "contour";
    case SheetLayer::Thin: return "thin";
    case SheetLayer::Axis: return "axis";
    case SheetLayer::Text: return "text";
    case SheetLayer::Dimension: return "dimension";
    }
    return "thin";
}

double LayerLineWidth(SheetLayer layer)
{
    return layer == SheetLayer::Contour ? kContourWidth : kThinWidth;
}

void SheetDrawing::Arrow(SheetLayer layer, SheetPoint from, SheetPoint to, double headMm)
{
    const SheetPoint d = to - from;
    const double length = std::hypot(d.x, d.y);
    if (!std::isfinite(length))
        return;
    if (length <= headMm) {
        Line(layer, from, to);
        return;
    }
    const SheetPoint u = d * (1 / length);
    const SheetPoint base = to - u * headMm;
    const SheetPoint across{-u.y * headMm / 3.5, u.x * headMm / 3.5};
    // The whole shaft, so that the segment measures its value / μ; the head over its end.
    Line(layer, from, to);
    Polyline(layer, {to, base + across, base - across}, true, true);
}
