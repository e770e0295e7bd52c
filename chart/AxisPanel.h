#pragma once
// The panel with axes and series: owns the four axes (and two depth axes the 2-D view never
// shows), the list of series in the order they were added, and the painting sequence.

#include "chart/ChartAxis.h"
#include "chart/ChartPanelExtended.h"
#include "chart/ChartProperty.h"

#include <vector>

class TChartSeries;

class TCustomAxisPanel : public TCustomChartPanelExtended {
    Q_OBJECT
    Q_PROPERTY(TChartAxis* LeftAxis READ LeftAxis)
    Q_PROPERTY(TChartAxis* BottomAxis READ BottomAxis)
    Q_PROPERTY(TChartAxis* TopAxis READ TopAxis)
    Q_PROPERTY(TChartAxis* RightAxis READ RightAxis)

public:
    explicit TCustomAxisPanel(QWidget* parent = nullptr);
    ~TCustomAxisPanel() override;

    // ---- Properties ----
    CHART_PROPERTY(bool, AxisVisible, axisVisible_)
    CHART_PROPERTY(bool, AxisBehind, axisBehind_)
    CHART_PROPERTY(bool, ClipPoints, clipPoints_)
    CHART_PROPERTY(bool, View3D, view3D_)
    CHART_PROPERTY(int, Chart3DPercent, chart3DPercent_)

    TChartAxis* LeftAxis() const { return axes_[2]; }
    TChartAxis* BottomAxis() const { return axes_[0]; }
    TChartAxis* TopAxis() const { return axes_[1]; }
    TChartAxis* RightAxis() const { return axes_[3]; }
    // Bottom, top, left, right, then the two depth axes.
    const std::vector<TChartAxis*>& Axes() const { return axes_; }

    // ---- Series ----
    // Appends the series (drawn in this order) and makes this chart its owner.
    void AddSeries(TChartSeries* series);
    void RemoveSeries(TChartSeries* series);
    const std::vector<TChartSeries*>& SeriesList() const { return series_; }
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TChartSeries* Series(int index) const { return series_[static_cast<std::size_t>(index)]; }
    bool HasActiveSeries() const;

    // An axis is drawn when axes are shown, it is visible, and an active series uses it (or no
    // series is active at all).
    bool IsAxisVisible(const TChartAxis* axis) const;

protected:
    void DrawChart(QPainter& painter, const ChartRect& bounds) override;
    // Steps of the painting sequence that the chart adds (title, back wall).
    virtual void DrawTitle(QPainter& painter, ChartRect& plot);
    virtual void DrawBackWall(QPainter& painter, const ChartRect& plot);

private:
    void CalcAxesLayout(ChartRect& plot, const ChartRect& bounds);
    void DrawAxes(QPainter& painter);
    void DrawAllSeries(QPainter& painter);

    bool axisVisible_ = true;
    bool axisBehind_ = true;
    bool clipPoints_ = true;
    bool view3D_ = true;
    int chart3DPercent_ = 15;
    std::vector<TChartAxis*> axes_;
    std::vector<TChartSeries*> series_;
};
