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
#include "chart/ChartPen.h"

#include <QObject>
#include <QString>

#include <vector>

class QPainter;
class TCustomAxisPanel;

class TChartAxis : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(bool Automatic READ Automatic WRITE SetAutomatic)
    Q_PROPERTY(bool AutomaticMinimum READ AutomaticMinimum WRITE SetAutomaticMinimum)
    Q_PROPERTY(bool AutomaticMaximum READ AutomaticMaximum WRITE SetAutomaticMaximum)
    Q_PROPERTY(double Minimum READ Minimum WRITE SetMinimum)
    Q_PROPERTY(double Maximum READ Maximum WRITE SetMaximum)
    Q_PROPERTY(double Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(int LabelsSeparation READ LabelsSeparation WRITE SetLabelsSeparation)
    Q_PROPERTY(QString AxisValuesFormat READ AxisValuesFormat WRITE SetAxisValuesFormat)
    Q_PROPERTY(bool Labels READ Labels WRITE SetLabels)
    Q_PROPERTY(ChartEnums::TAxisLabelStyle LabelStyle READ LabelStyle WRITE SetLabelStyle)
    Q_PROPERTY(int LabelsAngle READ LabelsAngle WRITE SetLabelsAngle)
    Q_PROPERTY(int LabelsSize READ LabelsSize WRITE SetLabelsSize)
    Q_PROPERTY(bool LabelsOnAxis READ LabelsOnAxis WRITE SetLabelsOnAxis)
    Q_PROPERTY(bool LabelsAlternate READ LabelsAlternate WRITE SetLabelsAlternate)
    Q_PROPERTY(bool LabelsMultiLine READ LabelsMultiLine WRITE SetLabelsMultiLine)
    Q_PROPERTY(bool LabelsExponent READ LabelsExponent WRITE SetLabelsExponent)
    Q_PROPERTY(TChartFont* LabelsFont READ LabelsFont)
    Q_PROPERTY(bool RoundFirstLabel READ RoundFirstLabel WRITE SetRoundFirstLabel)
    Q_PROPERTY(int TickLength READ TickLength WRITE SetTickLength)
    Q_PROPERTY(int TickInnerLength READ TickInnerLength WRITE SetTickInnerLength)
    Q_PROPERTY(bool TickOnLabelsOnly READ TickOnLabelsOnly WRITE SetTickOnLabelsOnly)
    Q_PROPERTY(int MinorTickCount READ MinorTickCount WRITE SetMinorTickCount)
    Q_PROPERTY(int MinorTickLength READ MinorTickLength WRITE SetMinorTickLength)
    Q_PROPERTY(TChartAxisPen* Axis READ Axis)
    Q_PROPERTY(TDarkGrayPen* Ticks READ Ticks)
    Q_PROPERTY(TDarkGrayPen* MinorTicks READ MinorTicks)
    Q_PROPERTY(TDarkGrayPen* TicksInner READ TicksInner)
    Q_PROPERTY(TAxisGridPen* Grid READ Grid)
    Q_PROPERTY(TChartHiddenPen* MinorGrid READ MinorGrid)
    Q_PROPERTY(TChartAxisTitle* Title READ Title)
    Q_PROPERTY(int TitleSize READ TitleSize WRITE SetTitleSize)
    Q_PROPERTY(int MinimumOffset READ MinimumOffset WRITE SetMinimumOffset)
    Q_PROPERTY(int MaximumOffset READ MaximumOffset WRITE SetMaximumOffset)
    Q_PROPERTY(bool MinimumRound READ MinimumRound WRITE SetMinimumRound)
    Q_PROPERTY(bool MaximumRound READ MaximumRound WRITE SetMaximumRound)
    Q_PROPERTY(double StartPosition READ StartPosition WRITE SetStartPosition)
    Q_PROPERTY(double EndPosition READ EndPosition WRITE SetEndPosition)
    Q_PROPERTY(double PositionPercent READ PositionPercent WRITE SetPositionPercent)
    Q_PROPERTY(bool Inverted READ Inverted WRITE SetInverted)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    enum class Side { Bottom, Top, Left, Right, Depth };

    TChartAxis(TCustomAxisPanel* chart, Side side);

    // ---- Properties ----
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value) { Store(automaticMinimum_, value); }
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value) { Store(automaticMaximum_, value); }
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);
    QString AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const QString& value) { Store(axisValuesFormat_, value); }
    bool Labels() const { return labels_; }
    void SetLabels(bool value) { Store(labels_, value); }
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value) { Store(labelStyle_, value); }
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value) { Store(labelsAngle_, value); }
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value) { Store(labelsSize_, value); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value) { Store(labelsOnAxis_, value); }
    bool LabelsAlternate() const { return labelsAlternate_; }
    void SetLabelsAlternate(bool value) { Store(labelsAlternate_, value); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value) { Store(labelsMultiLine_, value); }
    bool LabelsExponent() const { return labelsExponent_; }
    void SetLabelsExponent(bool value) { Store(labelsExponent_, value); }
    TChartFont* LabelsFont() const { return labelsFont_; }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value) { Store(roundFirstLabel_, value); }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value) { Store(tickLength_, value); }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value) { Store(tickInnerLength_, value); }
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value) { Store(tickOnLabelsOnly_, value); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value) { Store(minorTickCount_, value); }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value) { Store(minorTickLength_, value); }
    TChartAxisPen* Axis() const { return axisPen_; }
    TDarkGrayPen* Ticks() const { return ticks_; }
    TDarkGrayPen* MinorTicks() const { return minorTicks_; }
    TDarkGrayPen* TicksInner() const { return ticksInner_; }
    TAxisGridPen* Grid() const { return grid_; }
    TChartHiddenPen* MinorGrid() const { return minorGrid_; }
    TChartAxisTitle* Title() const { return title_; }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value) { Store(titleSize_, value); }
    int MinimumOffset() const { return minimumOffset_; }
    void SetMinimumOffset(int value) { Store(minimumOffset_, value); }
    int MaximumOffset() const { return maximumOffset_; }
    void SetMaximumOffset(int value) { Store(maximumOffset_, value); }
    bool MinimumRound() const { return minimumRound_; }
    void SetMinimumRound(bool value) { Store(minimumRound_, value); }
    bool MaximumRound() const { return maximumRound_; }
    void SetMaximumRound(bool value) { Store(maximumRound_, value); }
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value) { Store(startPosition_, value); }
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value) { Store(endPosition_, value); }
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value) { Store(positionPercent_, value); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value) { Store(inverted_, value); }
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool value) { Store(logarithmic_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }

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
