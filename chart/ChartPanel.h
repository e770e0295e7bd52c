#pragma once
// The window panel under every chart: margins, bevels and border, the off-screen picture the
// chart is painted into, and the repaint logic (any number of requests before the next paint
// lead to one paint; none are made while painting).

#include "chart/ChartProperty.h"
#include "chart/StoreProperty.h"
#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartGeometry.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;
class QSize;

class TCustomChartPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 400;
    static constexpr int kDefaultHeight = 250;

    explicit TCustomChartPanel(QWidget* parent = nullptr);

    // ---- Properties ----
    CHART_PROPERTY(int, MarginLeft, marginLeft_)
    CHART_PROPERTY(int, MarginRight, marginRight_)
    CHART_PROPERTY(int, MarginTop, marginTop_)
    CHART_PROPERTY(int, MarginBottom, marginBottom_)
    CHART_PROPERTY(ChartEnums::TChartUnits, MarginUnits, marginUnits_)
    CHART_PROPERTY(ChartEnums::TBevelCut, BevelOuter, bevelOuter_)
    CHART_PROPERTY(ChartEnums::TBevelCut, BevelInner, bevelInner_)
    CHART_PROPERTY(int, BevelWidth, bevelWidth_)
    CHART_PROPERTY(int, BorderWidth, borderWidth_)
    CHART_PROPERTY(TColor, Color, color_)
    // Cleared while painting, so what the painting changes asks for no further paint.
    CHART_SETTING(bool, AutoRepaint, autoRepaint_)

    // The plotting rectangle of the last paint.
    ChartRect PlotRect() const { return plotRect_; }

    // ---- Operations ----
    // Marks the picture stale and asks for one repaint (unless painting is in progress).
    void Invalidate();
    // Paints the whole chart into `image` (its size is the panel's client size).
    void PaintTo(QImage& image);
    // Paints the whole chart onto `painter` as it looks at `size`, its top-left corner at the
    // painter's origin, one unit a screen pixel (scale the painter for other resolutions). Lines,
    // fills and text go to the painter as they are, so an SVG or PDF device gets vector shapes
    // and real text; only a background picture, if set, is an image. The painter's state is
    // kept.
    void PaintTo(QPainter& painter, const QSize& size);
    QImage RenderImage();
    // Draws straight onto the current picture, clipped to the plotting rectangle, and shows it.
    void DrawOnCanvas(const std::function<void(QPainter&)>& draw);

protected:
    template <typename T> void Store(T& field, const T& value)
    {
        if (StoreProperty(field, value))
            Invalidate();
    }
    // The painting sequence into the off-screen picture; `bounds` is the client rectangle.
    virtual void DrawChart(QPainter& painter, const ChartRect& bounds) = 0;
    // Drawn over the finished picture on the window only (the zoom rectangle).
    virtual void DrawOverlay(QImage& frame);
    virtual bool HasOverlay() const { return false; }
    // Whether the background of a picture of `size` covers every pixel with an opaque colour,
    // so that the picture needs no clearing first.
    virtual bool PaintsEveryPixel(const QSize& size) const;

    // Bounds shrunk by the edges and the margins: the first plotting rectangle of a paint.
    ChartRect InitialPlotRect(const ChartRect& bounds) const;
    void SetPlotRect(const ChartRect& rect) { plotRect_ = rect; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int marginLeft_ = 3;
    int marginRight_ = 3;
    int marginTop_ = 4;
    int marginBottom_ = 4;
    TChartUnits marginUnits_ = muPercent;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TColor color_ = clBtnFace;
    bool autoRepaint_ = true;

    ChartRect plotRect_;
    QImage buffer_;
    bool stale_ = true;
    bool updatePending_ = false;
};
