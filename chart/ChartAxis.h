#pragma once
// One axis of a chart panel: its range (automatic from the series or fixed), the value <-> pixel
// mapping, the space it claims at the edge of the plotting rectangle, and its drawing (title,
// labels, line, ticks, grid, minor ticks). The label arithmetic lives in AxisLabels.h.

#include "chart/AxisLabels.h"
#include "chart/AxisValueText.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartEnums.h"
#include "chart/ChartFont.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"
#include "chart/ChartPen.h"

#include <QObject>
#include <QString>

#include <vector>

class QPainter;
class TCustomAxisPanel;

class TChartAxis : public TChartPart {
    Q_OBJECT
public:
    enum class Side { Bottom, Top, Left, Right, Depth };

    TChartAxis(TCustomAxisPanel* chart, Side side);

    // ---- Properties ----
    CHART_PROPERTY_SET(bool, Automatic, automatic_)
    CHART_PROPERTY(bool, AutomaticMinimum, automaticMinimum_)
    CHART_PROPERTY(bool, AutomaticMaximum, automaticMaximum_)
    CHART_PROPERTY_SET(double, Minimum, minimum_)
    CHART_PROPERTY_SET(double, Maximum, maximum_)
    CHART_PROPERTY_SET(double, Increment, increment_)
    CHART_PROPERTY_SET(int, LabelsSeparation, labelsSeparation_)
    CHART_PROPERTY(QString, AxisValuesFormat, axisValuesFormat_)
    CHART_PROPERTY(bool, Labels, labels_)
    CHART_PROPERTY(ChartEnums::TAxisLabelStyle, LabelStyle, labelStyle_)
    CHART_PROPERTY(int, LabelsAngle, labelsAngle_)
    CHART_PROPERTY(int, LabelsSize, labelsSize_)
    CHART_PROPERTY(bool, LabelsOnAxis, labelsOnAxis_)
    CHART_PROPERTY(bool, LabelsAlternate, labelsAlternate_)
    CHART_PROPERTY(bool, LabelsMultiLine, labelsMultiLine_)
    CHART_PROPERTY(bool, LabelsExponent, labelsExponent_)
    CHART_SUBPART(TChartFont, LabelsFont, labelsFont_)
    CHART_PROPERTY(bool, RoundFirstLabel, roundFirstLabel_)
    CHART_PROPERTY(int, TickLength, tickLength_)
    CHART_PROPERTY(int, TickInnerLength, tickInnerLength_)
    CHART_PROPERTY(bool, TickOnLabelsOnly, tickOnLabelsOnly_)
    CHART_PROPERTY(int, MinorTickCount, minorTickCount_)
    CHART_PROPERTY(int, MinorTickLength, minorTickLength_)
    CHART_SUBPART(TChartAxisPen, Axis, axisPen_)
    CHART_SUBPART(TDarkGrayPen, Ticks, ticks_)
    CHART_SUBPART(TDarkGrayPen, MinorTicks, minorTicks_)
    CHART_SUBPART(TDarkGrayPen, TicksInner, ticksInner_)
    CHART_SUBPART(TAxisGridPen, Grid, grid_)
    CHART_SUBPART(TChartHiddenPen, MinorGrid, minorGrid_)
    CHART_SUBPART(TChartAxisTitle, Title, title_)
    CHART_PROPERTY(int, TitleSize, titleSize_)
    CHART_PROPERTY(int, MinimumOffset, minimumOffset_)
    CHART_PROPERTY(int, MaximumOffset, maximumOffset_)
    CHART_PROPERTY(bool, MinimumRound, minimumRound_)
    CHART_PROPERTY(bool, MaximumRound, maximumRound_)
    CHART_PROPERTY(double, StartPosition, startPosition_)
    CHART_PROPERTY(double, EndPosition, endPosition_)
    CHART_PROPERTY(double, PositionPercent, positionPercent_)
    CHART_PROPERTY(bool, Inverted, inverted_)
    CHART_PROPERTY(bool, Logarithmic, logarithmic_)
    CHART_PROPERTY(bool, Visible, visible_)

    // While the form data is read, Minimum and Maximum are not checked against each other.
    void SetLoading(bool value) { loading_ = value; }
    // A fixed range from a and b, at least 1e-10 wide (mouse zoom and scroll).
    void SetMinMax(double a, double b);

    // ---- Working state, recomputed at every paint ----
    Side GetSide() const { return side_; }
    bool Horizontal() const { return side_ == Side::Bottom || side_ == Side::Top; }
    bool IsDepthAxis() const { return side_ == Side::Depth; }
    double ScaleMinimum() const { return scaleMinimum_; }
    double ScaleMaximum() const { return scaleMaximum_; }
    double ScaleRange() const { return scaleRange_; }
    bool RangeIsZero() const { return rangeIsZero_; }
    int StartPixel() const { return startPixel_; }
    int EndPixel() const { return endPixel_; }
    int AxisLength() const { return endPixel_ - startPixel_; }
    int CenterPixel() const { return centerPixel_; }
    double PixelsPerUnit() const { return halved_ ? pixelsPerUnit_ * 0.5 : pixelsPerUnit_; }
    int AxisPosition() const { return axisPosition_; }
    int LabelsPosition() const { return labelsPosition_; }
    int TitlePosition() const { return titlePosition_; }
    const std::vector<int>& TickPositions() const { return tickPositions_; }
    // Where a press counts as a hit on the axis (labels and ticks) and on its title.
    ChartRect HitRect() const { return hitRect_; }
    ChartRect TitleRect() const { return titleRect_; }

    // ---- Operations of the painting sequence ----
    void CalcAutomaticRange();
    void CalcExtents(const ChartRect& plot);
    void CalcSpace(ChartRect& plot);
    void ApplySeriesMargins();
    void Draw(QPainter& painter);
    TAxisLabelStyle CalcLabelStyle() const;

    inline int ValueToPixel(double value) const;
    double PixelToValue(int pixel) const;
    double LabelStep();
    // The label values the axis draws now, from the highest down.
    std::vector<double> LabelValues();
    // The text of a label, in the form of the step last computed (LabelStep, LabelValues).
    QString LabelText(double value) const;

private:
    void RecalcDerived();
    AxisLabelInput LabelInput() const;
    int LabelSizeAlong(double value) const;
    int TextWidth(const QString& text) const;
    int TextHeight() const;
    int WidestLabel();
    void DrawTitle(QPainter& painter);
    void DrawLabel(QPainter& painter, double value);
    void DrawTick(QPainter& painter, const QPen& pen, int position, int length, bool inner);
    void DrawGridLine(QPainter& painter, const QPen& pen, int position);
    void DrawMinorTicks(QPainter& painter);

    TCustomAxisPanel* chart_;
    Side side_;

    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    int labelsSeparation_ = 10;
    QString axisValuesFormat_ = QStringLiteral("#,##0.###");
    bool labels_ = true;
    TAxisLabelStyle labelStyle_ = talAuto;
    int labelsAngle_ = 0;
    int labelsSize_ = 0;
    bool labelsOnAxis_ = true;
    bool labelsAlternate_ = false;
    bool labelsMultiLine_ = false;
    bool labelsExponent_ = false;
    TChartFont* labelsFont_;
    bool roundFirstLabel_ = true;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    bool tickOnLabelsOnly_ = true;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    TChartAxisPen* axisPen_;
    TDarkGrayPen* ticks_;
    TDarkGrayPen* minorTicks_;
    TDarkGrayPen* ticksInner_;
    TAxisGridPen* grid_;
    TChartHiddenPen* minorGrid_;
    TChartAxisTitle* title_;
    int titleSize_ = 0;
    int minimumOffset_ = 0;
    int maximumOffset_ = 0;
    bool minimumRound_ = false;
    bool maximumRound_ = false;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    bool inverted_ = false;
    bool logarithmic_ = false;
    bool visible_ = true;
    bool loading_ = false;

    double scaleMinimum_ = 0;
    double scaleMaximum_ = 0;
    double scaleRange_ = 0;
    bool rangeIsZero_ = true;
    int startPixel_ = 0;
    int endPixel_ = 0;
    int centerPixel_ = 0;
    double pixelsPerUnit_ = 0;  // per half unit when halved_
    bool halved_ = false;
    int axisPosition_ = 0;
    int labelsPosition_ = 0;
    int titlePosition_ = 0;
    std::vector<int> tickPositions_;
    ChartRect hitRect_;
    ChartRect titleRect_;
    // The form of the labels for the step last computed.
    AxisLabelForm labelForm_;
};

inline int TChartAxis::ValueToPixel(double value) const
{
    if (rangeIsZero_)
        return centerPixel_;
    const double d = halved_ ? (value * 0.5 - scaleMinimum_ * 0.5) * pixelsPerUnit_
                             : (value - scaleMinimum_) * pixelsPerUnit_;
    const bool vertical = !Horizontal();
    double pixel;
    if (vertical != inverted_)
        pixel = endPixel_ - d;
    else
        pixel = startPixel_ + d;
    return RoundClamped(pixel);
}
