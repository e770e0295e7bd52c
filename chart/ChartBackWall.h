#pragma once
// The frame of the plotting area: an outline pen and, when not transparent, a fill.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"
#include "chart/ChartPen.h"

class TChartBackWall : public TChartPart {
    Q_OBJECT
public:
    explicit TChartBackWall(QObject* parent = nullptr)
        : TChartPart(parent), pen_(new TChartPen(this))
    {
        connect(pen_, &TChartPen::Changed, this, &TChartBackWall::Changed);
    }

    CHART_PROPERTY(bool, Transparent, transparent_)
    CHART_SUBPART(TChartPen, Pen, pen_)
    CHART_PROPERTY(ChartEnums::TBrushStyle, BrushStyle, brushStyle_)
    CHART_PROPERTY(TColor, Color, color_)

private:
    bool transparent_ = true;
    TChartPen* pen_;
    TBrushStyle brushStyle_ = bsSolid;
    TColor color_ = clWhite;
};
