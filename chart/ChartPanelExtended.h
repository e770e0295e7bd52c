#pragma once
// Adds to the panel what lies under every chart picture and how the mouse may move it: the
// gradient, the back image, and the zoom and panning settings.

#include "chart/ChartGradient.h"
#include "chart/ChartPanel.h"
#include "chart/ChartZoom.h"

#include <QImage>

class TCustomChartPanelExtended : public TCustomChartPanel {
    Q_OBJECT
    Q_PROPERTY(TChartGradient* Gradient READ Gradient)
    Q_PROPERTY(QImage BackImage READ BackImage WRITE SetBackImage)
    Q_PROPERTY(bool BackImageTransp READ BackImageTransp WRITE SetBackImageTransp)
    Q_PROPERTY(ChartEnums::TChartBackImageMode BackImageMode READ BackImageMode WRITE SetBackImageMode)
    Q_PROPERTY(bool BackImageInside READ BackImageInside WRITE SetBackImageInside)
    Q_PROPERTY(TChartZoom* Zoom READ Zoom)
    Q_PROPERTY(ChartEnums::TPanningMode AllowPanning READ AllowPanning WRITE SetAllowPanning)
    Q_PROPERTY(ChartEnums::TMouseButton ScrollMouseButton READ ScrollMouseButton WRITE SetScrollMouseButton)

public:
    explicit TCustomChartPanelExtended(QWidget* parent = nullptr);

    TChartGradient* Gradient() const { return gradient_; }
    QImage BackImage() const { return backImage_; }
    void SetBackImage(const QImage& value);
    bool BackImageTransp() const { return backImageTransp_; }
    void SetBackImageTransp(bool value) { Store(backImageTransp_, value); }
    TChartBackImageMode BackImageMode() const { return backImageMode_; }
    void SetBackImageMode(TChartBackImageMode value) { Store(backImageMode_, value); }
    bool BackImageInside() const { return backImageInside_; }
    void SetBackImageInside(bool value) { Store(backImageInside_, value); }
    TChartZoom* Zoom() const { return zoom_; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
    TMouseButton ScrollMouseButton() const { return scrollMouseButton_; }
    void SetScrollMouseButton(TMouseButton value) { scrollMouseButton_ = value; }

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
