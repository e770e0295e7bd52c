#pragma once
// The 3-D frames along the edges of a panel: outer bevel, border and inner bevel.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartGeometry.h"

#include <QColor>

class QPainter;
class QPalette;

// `width` rings of colour a (left and top) and b (right and bottom) from `rect` inwards; `rect`
// shrinks by `width` on every side.
void DrawFrame3D(QPainter& painter, ChartRect& rect, const QColor& a, const QColor& b, int width);

// One raised or lowered bevel `width` pixels wide (none for bvNone); `rect` shrinks by it.
void DrawBevel(QPainter& painter, ChartRect& rect, TBevelCut cut, int width, const QPalette& palette);

// Outer bevel, border in `color`, inner bevel; `rect` shrinks past all of them.
void DrawPanelEdges(QPainter& painter, ChartRect& rect, TBevelCut outer, TBevelCut inner,
                    int bevelWidth, int borderWidth, TColor color, const QPalette& palette);

// Pixels the edges take from every side.
int PanelEdgeWidth(TBevelCut outer, TBevelCut inner, int bevelWidth, int borderWidth);
