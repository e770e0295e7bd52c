#pragma once
// The chart title: lines of text at the top of the plotting area, with an optional shape behind
// them (fill, frame, bevel). Its layout reserves the frame width even when only text is painted.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartFont.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"
#include "chart/ChartPen.h"

#include <QStringList>

class QPainter;
class QPalette;

class TChartTitle : public TChartPart {
    Q_OBJECT
public:
    explicit TChartTitle(QObject* parent = nullptr);

    CHART_PROPERTY(QStringList, Text, text_)
    CHART_SUBPART(TChartFont, Font, font_)
    CHART_PROPERTY(ChartEnums::TAlignment, Alignment, alignment_)
    CHART_PROPERTY(bool, AdjustFrame, adjustFrame_)
    CHART_PROPERTY(int, VertMargin, vertMargin_)
    CHART_PROPERTY(bool, Transparent, transparent_)
    CHART_SUBPART(TChartPen, Frame, frame_)
    CHART_PROPERTY(TColor, Color, color_)
    CHART_PROPERTY(ChartEnums::TBevelCut, Bevel, bevel_)
    CHART_PROPERTY(int, BevelWidth, bevelWidth_)
    CHART_PROPERTY(bool, Visible, visible_)
    CHART_PROPERTY(ChartEnums::TChartFrameShape, ShapeStyle, shapeStyle_)
    CHART_PROPERTY(int, RoundSize, roundSize_)

    // Lays the title out at the top of `plot`, paints it, and moves plot's top below it.
    void Draw(QPainter& painter, ChartRect& plot, const QPalette& palette);
    // The title's rectangle at the last paint (empty when nothing was drawn).
    ChartRect LastRect() const { return lastRect_; }

private:
    int FrameWidth() const;
    void DrawShape(QPainter& painter, const ChartRect& r, const QPalette& palette) const;

    QStringList text_;
    TChartFont* font_;
    TAlignment alignment_ = taCenter;
    bool adjustFrame_ = true;
    int vertMargin_ = 5;
    bool transparent_ = true;
    TChartPen* frame_;
    TColor color_ = clWhite;
    TBevelCut bevel_ = bvNone;
    int bevelWidth_ = 2;
    bool visible_ = true;
    TChartFrameShape shapeStyle_ = fosRectangle;
    int roundSize_ = 16;
    ChartRect lastRect_;
};
