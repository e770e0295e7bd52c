#include "chart/ChartBevel.h"

#include <QPainter>
#include <QPalette>

void DrawFrame3D(QPainter& painter, ChartRect& rect, const QColor& a, const QColor& b, int width)
{
    for (int i = 0; i < width; ++i) {
        // Right and bottom are the last pixels inside the ring.
        const int l = rect.left;
        const int t = rect.top;
        const int r = rect.right - 1;
        const int btm = rect.bottom - 1;
        if (r < l || btm < t)
            return;
        painter.fillRect(l, t, 1, btm - t + 1, a);
        painter.fillRect(l, t, r - l, 1, a);
        painter.fillRect(r, t, 1, btm - t, b);
        painter.fillRect(l, btm, r - l + 1, 1, b);
        rect.left += 1;
        rect.top += 1;
        rect.right -= 1;
        rect.bottom -= 1;
    }
}

void DrawBevel(QPainter& painter, ChartRect& rect, TBevelCut cut, int width, const QPalette& palette)
{
    if (cut == bvNone)
        return;
    const QColor highlight = ColorToQColor(clBtnHighlight, palette);
    const QColor shadow = ColorToQColor(clBtnShadow, palette);
    if (cut == bvLowered)
        DrawFrame3D(painter, rect, shadow, highlight, width);
    else
        DrawFrame3D(painter, rect, highlight, shadow, width);
}

void DrawPanelEdges(QPainter& painter, ChartRect& rect, TBevelCut outer, TBevelCut inner,
                    int bevelWidth, int borderWidth, TColor color, const QPalette& palette)
{
    DrawBevel(painter, rect, outer, bevelWidth, palette);
    const QColor border = ColorToQColor(color, palette);
    DrawFrame3D(painter, rect, border, border, borderWidth);
    DrawBevel(painter, rect, inner, bevelWidth, palette);
}

int PanelEdgeWidth(TBevelCut outer, TBevelCut inner, int bevelWidth, int borderWidth)
{
    return borderWidth + (inner != bvNone ? bevelWidth : 0) + (outer != bvNone ? bevelWidth : 0);
}
