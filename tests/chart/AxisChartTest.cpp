// Axes inside a painted chart: automatic ranges, series margins, labels and tick positions, the
// drawn line and ticks, and the property errors.

#include "ChartFixtures.h"

#include "chart/ChartAxisError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
std::vector<QString> LabelTexts(TChartAxis& axis)
{
    std::vector<QString> texts;
    for (double v : axis.LabelValues())
        texts.push_back(axis.LabelText(v));
    return texts;
}
}  // namespace

TEST(ChartAxes, EmptySeriesGiveOneZeroLabelAtTheCentreOfEachAxis)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    chart->RenderImage();
    for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
        EXPECT_TRUE(axis->RangeIsZero());
        EXPECT_EQ(LabelTexts(*axis), (std::vector<QString>{QStringLiteral("0")}));
        EXPECT_EQ(axis->TickPositions(), (std::vector<int>{axis->CenterPixel()}));
    }
    EXPECT_TRUE(series->LastDrawnRuns().empty());
    // Only the bottom and left axes are drawn: they alone have the active series.
    EXPECT_FALSE(chart->IsAxisVisible(chart->TopAxis()));
    EXPECT_FALSE(chart->IsAxisVisible(chart->RightAxis()));
}

TEST(ChartAxes, AllEqualYGivesAZeroRangeDrawnAtTheCentre)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    for (int i = 0; i < 10; ++i)
        series->AddPoint(i, 0.25);
    chart->RenderImage();
    TChartAxis* left = chart->LeftAxis();
    EXPECT_TRUE(left->RangeIsZero());
    EXPECT_EQ(LabelTexts(*left), (std::vector<QString>{QStringLiteral("0,25")}));
    ASSERT_EQ(series->LastDrawnRuns().size(), 1u);
    for (const QPoint& p : series->LastDrawnRuns()[0])
        EXPECT_EQ(p.y(), left->CenterPixel());
}

TEST(ChartAxes, SeriesMarginsPutTheExtremePointsTwoPixelsInside)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    chart->RenderImage();
    const TChartAxis* bottom = chart->BottomAxis();
    const TChartAxis* left = chart->LeftAxis();
    EXPECT_EQ(bottom->ValueToPixel(series->MinX()), bottom->StartPixel() + 2);
    EXPECT_EQ(bottom->ValueToPixel(series->MaxX()), bottom->EndPixel() - 2);
    EXPECT_EQ(left->ValueToPixel(series->MaxY()), left->StartPixel() + 2);
    EXPECT_EQ(left->ValueToPixel(series->MinY()), left->EndPixel() - 2);
    // The automatic range itself is the data's.
    EXPECT_EQ(bottom->Minimum(), 0);
    EXPECT_EQ(bottom->Maximum(), series->MaxX());
    // A one-pixel pen asks for one pixel.
    series->LinePen()->SetWidth(1);
    chart->RenderImage();
    EXPECT_EQ(bottom->ValueToPixel(series->MinX()), bottom->StartPixel() + 1);
}

TEST(ChartAxes, AngleAxisWithEightPointLabelsShowsWholeNumbers)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    chart->RenderImage();
    TChartAxis* bottom = chart->BottomAxis();
    EXPECT_NEAR(bottom->AxisLength(), 280, 25);
    EXPECT_EQ(LabelTexts(*bottom),
              (std::vector<QString>{QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("4"),
                                    QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1"),
                                    QStringLiteral("0")}));
    // Ticks sit on the label values, from the right end down.
    ASSERT_EQ(bottom->TickPositions().size(), 7u);
    EXPECT_EQ(bottom->TickPositions()[0], bottom->ValueToPixel(6));
    EXPECT_EQ(bottom->TickPositions()[6], bottom->ValueToPixel(0));
}

TEST(ChartAxes, RockerLengthAxisLabelsEveryFifty)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clYellow);
    for (int l = 591; l <= 900; ++l)
        series->AddPoint(l, 0.5 + (l - 591) * 0.001);
    chart->RenderImage();
    EXPECT_EQ(chart->BottomAxis()->LabelStep(), 50);
    EXPECT_EQ(LabelTexts(*chart->BottomAxis()).front(), QStringLiteral("900"));
    EXPECT_EQ(LabelTexts(*chart->BottomAxis()).back(), QStringLiteral("600"));
}

TEST(ChartAxes, LabelOnAnAxisEndIsDrawn)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    series->AddPoint(0, 0);
    series->AddPoint(10, 10);
    chart->BottomAxis()->SetMinMax(0, 10);
    chart->BottomAxis()->SetIncrement(5);
    chart->RenderImage();
    const TChartAxis* bottom = chart->BottomAxis();
    EXPECT_EQ(bottom->TickPositions(),
              (std::vector<int>{bottom->EndPixel(), bottom->CenterPixel(), bottom->StartPixel()}));
    chart->BottomAxis()->SetLabelsOnAxis(false);
    chart->RenderImage();
    EXPECT_EQ(bottom->TickPositions(), (std::vector<int>{bottom->CenterPixel()}));
}

TEST(ChartAxes, ValueToPixelRoundsHalvesToEvenAndClamps)
{
    auto chart = MakeProgramChart();
    AddLineSeries(*chart, clRed)->AddPoint(0, 0);
    chart->BottomAxis()->SetMinMax(0, 1);
    chart->LeftAxis()->SetMinMax(0, 1);
    chart->RenderImage();
    const TChartAxis* bottom = chart->BottomAxis();
    // Halves go to the even neighbour.
    for (const auto& [value, pixel] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0},
                                       {-1.5, -2}, {2.4999, 2}, {2.5001, 3}})
        EXPECT_EQ(RoundClamped(value), pixel) << value;
    EXPECT_EQ(RoundClamped(std::nan("")), 0);
    EXPECT_EQ(bottom->ValueToPixel(1e300), 0x3FFFFFF);
    EXPECT_EQ(bottom->ValueToPixel(-1e300), -0x3FFFFFF);
    EXPECT_DOUBLE_EQ(bottom->PixelToValue(bottom->EndPixel()), 1);
    const TChartAxis* left = chart->LeftAxis();
    EXPECT_EQ(left->ValueToPixel(left->PixelToValue(left->StartPixel() + 7)), left->StartPixel() + 7);
}

TEST(ChartAxes, AxisLineTicksAndGridArePaintedWherePlaced)
{
    auto chart = MakeProgramChart();
    chart->SetBackImage(QImage());
    chart->SetColor(clWhite);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    const QImage image = chart->RenderImage();
    const TChartAxis* bottom = chart->BottomAxis();
    const int axisRow = bottom->AxisPosition();
    const int tick = bottom->TickPositions()[3];
    // A two-pixel black line over the rows at and above the axis position.
    EXPECT_EQ(image.pixel(tick + 5, axisRow) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(tick + 5, axisRow - 1) & 0xFFFFFF, 0u);
    // Four gray pixels of tick below the axis line, the fifth one not painted.
    for (int y = axisRow + 1; y <= axisRow + 4; ++y)
        EXPECT_EQ(image.pixel(tick, y) & 0xFFFFFF, 0x808080u) << y;
    EXPECT_EQ(image.pixel(tick, axisRow + 5) & 0xFFFFFF, 0xFFFFFFu);
    // Dotted grid: three on, three off, from the top of the plot down.
    const int top = chart->PlotRect().top;
    EXPECT_EQ(image.pixel(tick, top + 1) & 0xFFFFFF, 0x808080u);
    EXPECT_EQ(image.pixel(tick, top + 3) & 0xFFFFFF, 0x808080u);
    EXPECT_EQ(image.pixel(tick, top + 4) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(tick, top + 7) & 0xFFFFFF, 0x808080u);
}

TEST(ChartAxes, InvalidPropertyValuesRaiseAndChangeNothing)
{
    TChart chart;
    TChartAxis* axis = chart.LeftAxis();
    axis->SetMaximum(10);
    axis->SetMinimum(2);
    axis->SetIncrement(0.5);
    struct Row {
        std::function<void()> set;
        const char* message;
    };
    const Row rows[] = {
        {[&] { axis->SetIncrement(-1); }, "Axis increment must be >= 0"},
        {[&] { axis->SetMinimum(11); }, "Axis Minimum Value must be <= Maximum"},
        {[&] { axis->SetMaximum(1); }, "Axis Maximum Value must be >= Minimum"},
        {[&] { axis->SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0"},
    };
    for (const Row& row : rows) {
        try {
            row.set();
            ADD_FAILURE() << "no error for " << row.message;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), row.message);
            EXPECT_NE(dynamic_cast<const TChartAxisError*>(&error), nullptr);
        }
    }
    EXPECT_EQ(axis->Increment(), 0.5);
    EXPECT_EQ(axis->Minimum(), 2);
    EXPECT_EQ(axis->Maximum(), 10);
    EXPECT_EQ(axis->LabelsSeparation(), 10);
    axis->SetLabelsSeparation(0);  // accepted: switches the enlargement off
    EXPECT_EQ(axis->LabelsSeparation(), 0);
}

TEST(ChartAxes, ZeroLengthAxisDrawsNoLabels)
{
    auto chart = MakeProgramChart(352, 40);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    chart->RenderImage();  // must not crash or loop
    EXPECT_LE(chart->LeftAxis()->TickPositions().size(), 1u);
    EXPECT_GE(chart->PlotRect().Height(), 1);
}
