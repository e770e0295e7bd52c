#pragma once
// The fast line series: X kept ascending, the points drawn as one polyline with a single pen,
// skipping points that fall on the pixel of the point drawn before. Of the points that share a
// pixel column only those that decide its pixels are drawn.

#include "chart/ChartGeometry.h"
#include "chart/ChartPen.h"
#include "chart/ChartProperty.h"
#include "chart/CustomLineSeries.h"

#include <QPoint>
#include <QPolygon>
#include <QRect>

#include <vector>

class TFastLineSeries : public TCustomLineSeries {
    Q_OBJECT
public:
    explicit TFastLineSeries(QObject* owner = nullptr);

    // ---- Properties ----
    CHART_SUBPART(TChartPen, LinePen, linePen_)
    // Copies the pen and takes its colour as the series colour.
    void SetLinePen(const TChartPen& pen);
    void SetSeriesColor(TColor value) override;
    CHART_SETTING(bool, AutoRepaint, autoRepaint_)
    CHART_PROPERTY(bool, DrawAllPoints, drawAllPoints_)
    CHART_PROPERTY(bool, IgnoreNulls, ignoreNulls_)
    CHART_PROPERTY(bool, Stairs, stairs_)
    CHART_PROPERTY(bool, InvertedStairs, invertedStairs_)
    QPoint PreviousPixel() const { return previousPixel_; }

    // ---- Drawing ----
    void CalcHorizMargins(int& left, int& right) const override;
    void CalcVerticalMargins(int& top, int& bottom) const override;
    void DrawAllValues(QPainter& painter) override;
    bool Clicked(int x, int y) const override;

    // The pen strokes of the last drawing: each run is one connected polyline.
    const std::vector<QPolygon>& LastDrawnRuns() const { return runs_; }
    // The rectangles filled in the line's colour beside the runs: where a pen two pixels wide with
    // round ends meets a raster picture, the stretch of a pixel column from its lowest to its
    // highest point is exactly this rectangle, and the run passes the column through its first
    // and last point only.
    const std::vector<QRect>& LastDrawnSpans() const { return spans_; }

protected:
    void NotifyPointAdded(int index) override;

private:
    QPoint PixelOf(int index) const;
    bool IsFinitePoint(int index) const;
    int LineMargin() const;
    void BuildRuns(bool spansAllowed);
    void BuildColumnRuns(int start, int last, bool spansAllowed);
    bool CanSearchColumns() const;
    void BuildSearchedColumns(int start, int last, bool spans);
    void BuildScannedColumns(int start, int last);
    void AddPixel(int index, const QPoint& q);
    void LineToPixel(const QPoint& q);
    void MoveToPixel(const QPoint& q);

    TChartPen* linePen_;
    bool autoRepaint_ = true;
    bool drawAllPoints_ = true;
    bool ignoreNulls_ = true;
    bool stairs_ = false;
    bool invertedStairs_ = false;
    QPoint previousPixel_;
    bool gap_ = false;  // the point before was not finite: the next one starts a new run
    std::vector<QPolygon> runs_;
    std::vector<QRect> spans_;
    const TChartAxis* horizAxis_ = nullptr;
    const TChartAxis* vertAxis_ = nullptr;
};
