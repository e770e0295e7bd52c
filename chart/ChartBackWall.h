#pragma once
// The frame of the plotting area: an outline pen and, when not transparent, a fill.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPart.h"
#include "chart/ChartPen.h"

class TChartBackWall : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TChartPen* Pen READ Pen)
    Q_PROPERTY(ChartEnums::TBrushStyle BrushStyle READ BrushStyle WRITE SetBrushStyle)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TChartBackWall(QObject* parent = nullptr)
        : TChartPart(parent), pen_(new TChartPen(this))
    {
        connect(pen_, &TChartPen::Changed, this, &TChartBackWall::Changed);
    }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { Store(transparent_, value); }
    TChartPen* Pen() const { return pen_; }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle value) { Store(brushStyle_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Store(color_, value); }

private:
    bool transparent_ = true;
    TChartPen* pen_;
    TBrushStyle brushStyle_ = bsSolid;
    TColor color_ = clWhite;
};
