#pragma once
// The chart: the panel with axes plus its title, back wall and legend, and the mouse: a left drag
// zooms into a rectangle (towards the upper left it undoes the zoom), a right drag scrolls.

#include "chart/AxisPanel.h"
#include "chart/ChartBackWall.h"
#include "chart/ChartLegend.h"
#include "chart/ChartProperty.h"
#include "chart/ChartTitle.h"

#include <QPoint>

#include <functional>
#include <vector>

class TCustomChart : public TCustomAxisPanel {
    Q_OBJECT
public:
    using ChartEvent = std::function<void(TCustomChart*)>;

    explicit TCustomChart(QWidget* parent = nullptr);

    CHART_SUBPART(TChartTitle, Title, title_)
    CHART_SUBPART(TChartBackWall, BackWall, backWall_)
    CHART_SUBPART(TChartLegend, Legend, legend_)

    ChartEvent OnZoom;
    ChartEvent OnUndoZoom;
    ChartEvent OnScroll;

    // ---- Zoom and scroll ----
    bool Zoomed() const { return zoomed_; }
    bool IsZooming() const { return zooming_; }
    bool IsScrolling() const { return scrolling_; }
    // Gives the axes the fixed ranges of the pixel rectangle (corners in any order).
    void ZoomRect(int x0, int y0, int x1, int y1);
    // Brings back the axis settings saved before the first zoom or scroll.
    void UndoZoom();
    // The zoom rectangle as drawn over the picture: inverting, so drawing it twice erases it.
    void DrawZoomRectangle(QImage& frame, const QRect& rect) const;
    // Whether a press at (x, y) may start a drag.
    bool CanStartDrag(int x, int y) const;

protected:
    void DrawTitle(QPainter& painter, ChartRect& plot) override;
    void DrawBackWall(QPainter& painter, const ChartRect& plot) override;
    void DrawOverlay(QImage& frame) override;
    bool HasOverlay() const override { return zooming_; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct SavedAxis {
        bool automatic;
        bool automaticMinimum;
        bool automaticMaximum;
        double minimum;
        double maximum;
    };
    void SaveAxesIfNeeded();
    void ScrollTo(const QPoint& pos);
    QRect ZoomRectangle() const;
    void MoveZoomCorner(const QPoint& pos);

    TChartTitle* title_;
    TChartBackWall* backWall_;
    TChartLegend* legend_;

    bool zooming_ = false;
    int x0_ = 0;
    int y0_ = 0;
    int x1_ = 0;
    int y1_ = 0;
    bool scrolling_ = false;
    QPoint lastScroll_;
    std::vector<SavedAxis> savedAxes_;
    bool restored_ = true;
    bool zoomed_ = false;
};
