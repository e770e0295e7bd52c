// The label arithmetic of axes, measured with fixed text sizes; and the label number texts.

#include "chart/AxisLabels.h"
#include "chart/AxisValueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
LabelSizeFunction FixedSize(int pixels)
{
    return [pixels](double) { return pixels; };
}

AxisLabelInput Axis(double minimum, double maximum, int length)
{
    AxisLabelInput input;
    input.scaleMinimum = minimum;
    input.scaleMaximum = maximum;
    input.axisLength = length;
    return input;
}
}  // namespace

TEST(AxisLabels, NextStepRunsThroughOneTwoFive)
{
    struct Row {
        double x;
        double next;
    };
    const Row rows[] = {{1, 2},      {2, 5},     {5, 10},   {10, 20},   {20, 50},
                        {0.568, 1},  {22.07, 50}, {0.1, 0.2}, {0.2, 0.5}, {1.5, 2},
                        {3, 5},      {7, 10},    {HUGE_VAL, 1}};
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(NextStep(row.x), row.next) << row.x;
    // The sequence from 1, as the repeated label-step computation walks it.
    std::vector<double> walk{1};
    while (walk.back() < 50)
        walk.push_back(NextStep(walk.back()));
    EXPECT_EQ(walk, (std::vector<double>{1, 2, 5, 10, 20, 50}));
}

TEST(AxisLabels, StepForLabelCountEdges)
{
    EXPECT_EQ(StepForLabelCount(0, Axis(0, 10, 100)), 1e-12);
    EXPECT_EQ(StepForLabelCount(5, Axis(3, 3, 100)), 1);  // zero range
    AxisLabelInput fixed = Axis(0, 100, 300);
    fixed.increment = 7;
    EXPECT_EQ(StepForLabelCount(20, fixed), 7);  // the wanted step fits
    EXPECT_EQ(StepForLabelCount(10, fixed), 10);  // 100 / 7 = 14 labels do not: 7 -> 10
    AxisLabelInput noSeparation = Axis(0, 6.25, 280);
    noSeparation.labelsSeparation = 0;
    EXPECT_DOUBLE_EQ(StepForLabelCount(10, noSeparation), 6.25 / 11);
    // A series with few points keeps the step at whole numbers.
    AxisLabelInput few = Axis(0, 6.25, 280);
    few.labelsSeparation = 0;
    few.smallestSeriesCount = 3;
    EXPECT_EQ(StepForLabelCount(10, few), 1);
}

TEST(AxisLabels, TheDiagramsAxesGetTheirStepAndLabelsFromTheMaximumDown)
{
    struct Example {
        const char* what;
        double minimum, maximum;
        int length, labelPixels;
        double step;
        std::vector<double> labels;
    };
    const Example examples[] = {
        {"angle axis", 0, 6.25, 280, 25, 1, {6, 5, 4, 3, 2, 1, 0}},
        {"rocker length axis", 591, 900, 280, 20, 50, {900, 850, 800, 750, 700, 650, 600}},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.what);
        const double step = ComputeLabelStep(Axis(e.minimum, e.maximum, e.length), FixedSize(e.labelPixels));
        EXPECT_EQ(step, e.step);
        EXPECT_EQ(ComputeLabelValues(e.minimum, e.maximum, step, true), e.labels);
    }
    // Narrow labels on a long axis: more fit, the step stays in the 1-2-5 sequence.
    EXPECT_EQ(ComputeLabelStep(Axis(591, 900, 1000), FixedSize(20)), 10);  // 45 fit, 31 drawn
}

TEST(AxisLabels, DecimalStepsBelowOne)
{
    // -0.7 ... 0.9 on a vertical axis 150 px high with 13-px labels: steps of 0.1 or 0.2.
    const double step = ComputeLabelStep(Axis(-0.7, 0.9, 150), FixedSize(13));
    EXPECT_DOUBLE_EQ(step, 0.2);
    const std::vector<double> values = ComputeLabelValues(-0.7, 0.9, step, true);
    ASSERT_EQ(values.size(), 8u);
    EXPECT_DOUBLE_EQ(values.front(), 0.8);
    EXPECT_NEAR(values.back(), -0.6, 1e-12);
}

TEST(AxisLabels, DegenerateRangesGiveOneLabelOrNone)
{
    // Zero range: the one label of the maximum.
    EXPECT_EQ(ComputeLabelValues(0, 0, 1, true), (std::vector<double>{0}));
    EXPECT_EQ(ComputeLabelValues(2.5, 2.5, 1, true), (std::vector<double>{2.5}));
    // Below 1e-10 of range counts as none.
    EXPECT_EQ(ComputeLabelValues(1, 1 + 1e-11, 1e-12, true).size(), 1u);
    // 10000 labels or more: none at all; just under: all of them.
    EXPECT_TRUE(ComputeLabelValues(0, 10000, 1, true).empty());
    EXPECT_EQ(ComputeLabelValues(0, 9999, 1, true).size(), 10000u);
    // No step or an inverted range: none.
    EXPECT_TRUE(ComputeLabelValues(0, 10, 0, true).empty());
    EXPECT_TRUE(ComputeLabelValues(10, 0, 1, true).empty());
    // An axis of no length gets the smallest step, hence no labels.
    EXPECT_EQ(ComputeLabelStep(Axis(0, 10, 0), FixedSize(10)), 1e-12);
}

TEST(AxisLabels, WithoutRoundingTheFirstLabelIsTheMaximum)
{
    EXPECT_EQ(ComputeLabelValues(0, 2.5, 1, false), (std::vector<double>{2.5, 1.5, 0.5}));
    // Negative minimum: the limit is the minimum itself.
    EXPECT_EQ(ComputeLabelValues(-2, 2, 1, true), (std::vector<double>{2, 1, 0, -1, -2}));
}

TEST(AxisLabels, WidestLabelMeasuresEveryLabel)
{
    const auto width = [](double v) { return static_cast<int>(std::fabs(v) * 10); };
    EXPECT_EQ(WidestLabelWidth(-7.5, 3, 1, true, width), 70);
    EXPECT_EQ(WidestLabelWidth(0, 0, 1, true, width), 0);
}

TEST(AxisValueText, PictureFormatWithDecimalCommaAndNoBreakSpace)
{
    const QString nbsp(QChar(0x00A0));
    struct Row {
        double value;
        QString text;
    };
    const Row rows[] = {
        {0, QStringLiteral("0")},
        {6, QStringLiteral("6")},
        {-0.5, QStringLiteral("-0,5")},
        {0.8, QStringLiteral("0,8")},
        {0.1 + 0.2, QStringLiteral("0,3")},
        {1234.5, QStringLiteral("1") + nbsp + QStringLiteral("234,5")},
        {1234567.891, QStringLiteral("1") + nbsp + QStringLiteral("234") + nbsp + QStringLiteral("567,891")},
        {-900, QStringLiteral("-900")},
        {0.0005, QStringLiteral("0,001")},
        {2.0005, QStringLiteral("2,001")},  // rounded from 15 digits, half away from zero
        {0.12345, QStringLiteral("0,123")},
        {999.9996, QStringLiteral("1") + nbsp + QStringLiteral("000")},
        {-0.0001, QStringLiteral("0")},
        {1e20, QStringLiteral("100") + nbsp + QStringLiteral("000") + nbsp + QStringLiteral("000") +
                   nbsp + QStringLiteral("000") + nbsp + QStringLiteral("000") + nbsp +
                   QStringLiteral("000") + nbsp + QStringLiteral("000")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatAxisValue(row.value, QStringLiteral("#,##0.###")), row.text) << row.value;
    EXPECT_EQ(FormatAxisValue(3.5, QStringLiteral("0.00")), QStringLiteral("3,50"));
}
