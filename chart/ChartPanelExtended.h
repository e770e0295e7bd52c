#pragma once
// Adds to the panel what lies under every chart picture and how the mouse may move it: the
// gradient, the back image, and the zoom and panning settings.

#include "chart/ChartGradient.h"
#include "chart/ChartPanel.h"
#include "chart/ChartProperty.h"
#include "chart/ChartZoom.h"

#include <QImage>

class TCustomChartPanelExtended : public TCustomChartPanel {
    Q_OBJECT
public:
    explicit TCustomChartPanelExtended(QWidget* parent = nullptr);

    CHART_SUBPART(TChartGradient, Gradient, gradient_)
    Q_PROPERTY(QImage BackImage READ BackImage WRITE SetBackImage)
    QImage BackImage() const { return backImage_; }
    void SetBackImage(const QImage& value);
    CHART_PROPERTY(bool, BackImageTransp, backImageTransp_)
    CHART_PROPERTY(ChartEnums::TChartBackImageMode, BackImageMode, backImageMode_)
    CHART_PROPERTY(bool, BackImageInside, backImageInside_)
    CHART_SUBPART(TChartZoom, Zoom, zoom_)
    CHART_SETTING(ChartEnums::TPanningMode, AllowPanning, allowPanning_)
    CHART_SETTING(ChartEnums::TMouseButton, ScrollMouseButton, scrollMouseButton_)

protected:
    // Fill (gradient or colour), back image, then the bevels and border along the edges.
    void DrawBackground(QPainter& painter, const ChartRect& bounds);
    void DrawBackImage(QPainter& painter, const ChartRect& rect) const;
    bool PaintsEveryPixel(const QSize& size) const override;

private:
    // Whether the back image alone covers every pixel of `bounds`, leaving nothing of the fill.
    bool BackImageCovers(const ChartRect& bounds) const;

    TChartGradient* gradient_;
    QImage backImage_;
    mutable QImage stretchedImage_;
    bool backImageTransp_ = false;
    TChartBackImageMode backImageMode_ = pbmStretch;
    bool backImageInside_ = false;
    TChartZoom* zoom_;
    TPanningMode allowPanning_ = pmBoth;
    TMouseButton scrollMouseButton_ = mbRight;
};
