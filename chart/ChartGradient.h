#pragma once
// A colour gradient: a linear ramp between two colours in at most 256 solid bands.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPart.h"


class QPainter;
class QPalette;

class TChartGradient : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(ChartEnums::TGradientDirection Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(TColor StartColor READ StartColor WRITE SetStartColor)
    Q_PROPERTY(TColor EndColor READ EndColor WRITE SetEndColor)
    Q_PROPERTY(TColor MidColor READ MidColor WRITE SetMidColor)
    Q_PROPERTY(int Balance READ Balance WRITE SetBalance)
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(int RadialX READ RadialX WRITE SetRadialX)
    Q_PROPERTY(int RadialY READ RadialY WRITE SetRadialY)

public:
    static constexpr int kMaxBands = 256;

    explicit TChartGradient(QObject* parent = nullptr);

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }
    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection value) { Store(direction_, value); }
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor value) { Store(startColor_, value); }
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor value) { Store(endColor_, value); }
    TColor MidColor() const { return midColor_; }
    void SetMidColor(TColor value) { Store(midColor_, value); }
    int Balance() const { return balance_; }
    void SetBalance(int value) { Store(balance_, value); }
    int Angle() const { return angle_; }
    void SetAngle(int value) { Store(angle_, value); }
    int RadialX() const { return radialX_; }
    void SetRadialX(int value) { Store(radialX_, value); }
    int RadialY() const { return radialY_; }
    void SetRadialY(int value) { Store(radialY_, value); }

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
