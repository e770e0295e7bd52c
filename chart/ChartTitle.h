#pragma once
// The chart title: lines of text at the top of the plotting area, with an optional shape behind
// them (fill, frame, bevel). Its layout reserves the frame width even when only text is painted.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartFont.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPart.h"
#include "chart/ChartPen.h"

#include <QStringList>

class QPainter;
class QPalette;

class TChartTitle : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    Q_PROPERTY(TChartFont* Font READ Font)
    Q_PROPERTY(ChartEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AdjustFrame READ AdjustFrame WRITE SetAdjustFrame)
    Q_PROPERTY(int VertMargin READ VertMargin WRITE SetVertMargin)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TChartPen* Frame READ Frame)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(ChartEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(ChartEnums::TChartFrameShape ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(int RoundSize READ RoundSize WRITE SetRoundSize)

public:
    explicit TChartTitle(QObject* parent = nullptr);

    QStringList Text() const { return text_; }
    void SetText(const QStringList& value) { Store(text_, value); }
    TChartFont* Font() const { return font_; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Store(alignment_, value); }
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value) { Store(adjustFrame_, value); }
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value) { Store(vertMargin_, value); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { Store(transparent_, value); }
    TChartPen* Frame() const { return frame_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Store(color_, value); }
    TBevelCut Bevel() const { return bevel_; }
    void SetBevel(TBevelCut value) { Store(bevel_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { Store(bevelWidth_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }
    TChartFrameShape ShapeStyle() const { return shapeStyle_; }
    void SetShapeStyle(TChartFrameShape value) { Store(shapeStyle_, value); }
    int RoundSize() const { return roundSize_; }
    void SetRoundSize(int value) { Store(roundSize_, value); }

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
