#pragma once
// A colour gradient: a linear ramp between two colours in at most 256 solid bands.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"


class QPainter;
class QPalette;

class TChartGradient : public TChartPart {
    Q_OBJECT
public:
    static constexpr int kMaxBands = 256;

    explicit TChartGradient(QObject* parent = nullptr);

    CHART_PROPERTY(bool, Visible, visible_)
    CHART_PROPERTY(ChartEnums::TGradientDirection, Direction, direction_)
    CHART_PROPERTY(TColor, StartColor, startColor_)
    CHART_PROPERTY(TColor, EndColor, endColor_)
    CHART_PROPERTY(TColor, MidColor, midColor_)
    CHART_PROPERTY(int, Balance, balance_)
    CHART_PROPERTY(int, Angle, angle_)
    CHART_PROPERTY(int, RadialX, radialX_)
    CHART_PROPERTY(int, RadialY, radialY_)

    // Fills `rect` with the linear ramp: band 0 at the bottom (right) edge in the first colour.
    void Draw(QPainter& painter, const ChartRect& rect, const QPalette& palette) const;
    // Whether Draw fills every pixel of `rect` (a rectangle one pixel across gets no bands).
    bool PaintsEveryPixel(const ChartRect& rect) const;

private:
    bool visible_ = false;
    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    TColor midColor_ = clNone;
    int balance_ = 50;
    int angle_ = 0;
    int radialX_ = 0;
    int radialY_ = 0;
};
