// Drawing of fast line series: pixel margins, the pen path through the points, the skipping of
// points on the same pixel, stairs and null points.

#include "ChartFixtures.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {
// A chart whose axes map X 0..100 and Y 0..100 straight onto the plot, with no series margins.
struct FixedChart {
    std::unique_ptr<TChart> chart = MakeProgramChart(352, 225);
    TFastLineSeries* series = AddLineSeries(*chart, clRed, 2);

    FixedChart()
    {
        chart->BottomAxis()->SetMinMax(0, 100);
        chart->LeftAxis()->SetMinMax(0, 100);
    }
    const std::vector<QPolygon>& Draw()
    {
        chart->RenderImage();
        return series->LastDrawnRuns();
    }
    int X(double v) const { return chart->BottomAxis()->ValueToPixel(v); }
    int Y(double v) const { return chart->LeftAxis()->ValueToPixel(v); }
};
}  // namespace

TEST(FastLineSeries, MarginsFollowThePenWidth)
{
    struct Row {
        int width;
        int margin;
    };
    for (const Row& row : {Row{1, 1}, Row{2, 2}, Row{3, 3}, Row{4, 3}, Row{6, 4}}) {
        TFastLineSeries series;
        series.LinePen()->SetWidth(row.width);
        int a = -1;
        int b = -1;
        series.CalcHorizMargins(a, b);
        EXPECT_EQ(a, row.margin) << row.width;
        EXPECT_EQ(b, row.margin);
        series.CalcVerticalMargins(a, b);
        EXPECT_EQ(a, row.margin);
        EXPECT_EQ(b, row.margin);
    }
}

TEST(FastLineSeries, SinglePointDrawsNothing)
{
    FixedChart f;
    const QImage empty = f.chart->RenderImage();
    f.series->AddPoint(50, 50);
    EXPECT_TRUE(f.Draw().empty());
    EXPECT_EQ(f.chart->RenderImage(), empty);
}

TEST(FastLineSeries, PointsOnOnePixelDrawOneSegmentLess)
{
    FixedChart f;
    for (double x : {0.0, 10.0, 20.0, 30.0})
        f.series->AddPoint(x, x);
    ASSERT_EQ(f.Draw().size(), 1u);
    EXPECT_EQ(f.Draw()[0].size(), 4);
    // A fifth point on the very pixel of the second.
    f.series->AddPoint(10.000001, 10.000001);
    const std::vector<QPolygon>& runs = f.Draw();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], QPolygon({QPoint(f.X(0), f.Y(0)), QPoint(f.X(10), f.Y(10)),
                                 QPoint(f.X(20), f.Y(20)), QPoint(f.X(30), f.Y(30))}));
}

TEST(FastLineSeries, SameColumnDifferentRowIsDrawnUnlessDrawAllPointsIsOff)
{
    FixedChart f;
    f.series->AddPoint(0, 0);
    f.series->AddPoint(50, 10);
    f.series->AddPoint(50.000001, 60);
    f.series->AddPoint(50.000002, 30);
    f.series->AddPoint(100, 100);
    // Steep parts keep their vertical extent: with the two-pixel pen on a picture the column
    // x = 50 is passed through its first and last point, its rows 60 .. 10 filled beside.
    const QPolygon steep = f.Draw()[0];
    EXPECT_EQ(steep, QPolygon({QPoint(f.X(0), f.Y(0)), QPoint(f.X(50), f.Y(10)),
                               QPoint(f.X(50), f.Y(30)), QPoint(f.X(100), f.Y(100))}));
    ASSERT_EQ(f.series->LastDrawnSpans().size(), 1u);
    EXPECT_EQ(f.series->LastDrawnSpans()[0],
              QRect(QPoint(f.X(50) - 1, f.Y(60) - 1), QPoint(f.X(50), f.Y(10))));
    // Any other pen draws the column's lowest and highest point in the line itself.
    f.series->LinePen()->SetWidth(3);
    EXPECT_EQ(f.Draw()[0].size(), 5);
    EXPECT_TRUE(f.series->LastDrawnSpans().empty());
    f.series->LinePen()->SetWidth(2);
    f.series->SetDrawAllPoints(false);
    const QPolygon run = f.Draw()[0];
    EXPECT_EQ(run, QPolygon({QPoint(f.X(0), f.Y(0)), QPoint(f.X(50), f.Y(10)),
                             QPoint(f.X(100), f.Y(100))}));
}

TEST(FastLineSeries, StairsGoAcrossFirstOrUpFirst)
{
    FixedChart f;
    f.series->AddPoint(0, 0);
    f.series->AddPoint(50, 50);
    f.series->SetStairs(true);
    f.Draw();
    EXPECT_EQ(f.Draw()[0], QPolygon({QPoint(f.X(0), f.Y(0)), QPoint(f.X(50), f.Y(0)),
                                     QPoint(f.X(50), f.Y(50))}));
    f.series->SetInvertedStairs(true);
    EXPECT_EQ(f.Draw()[0], QPolygon({QPoint(f.X(0), f.Y(0)), QPoint(f.X(0), f.Y(50)),
                                     QPoint(f.X(50), f.Y(50))}));
}

TEST(FastLineSeries, NullPointsBreakTheLineOnlyWhenNotIgnored)
{
    FixedChart f;
    f.series->AddPoint(0, 0);
    f.series->AddPoint(25, 25);
    f.series->AddPoint(50, 50, QString(), clNone);
    f.series->AddPoint(75, 25);
    f.series->AddPoint(100, 0);
    EXPECT_EQ(f.Draw().size(), 1u);  // IgnoreNulls: drawn through
    f.series->SetIgnoreNulls(false);
    f.series->SetTreatNulls(tnDontPaint);
    // Moves to the null point, and the segment after it is not drawn either.
    const std::vector<QPolygon> dontPaint = f.Draw();
    ASSERT_EQ(dontPaint.size(), 2u);
    EXPECT_EQ(dontPaint[0].size(), 2);
    EXPECT_EQ(dontPaint[1], QPolygon({QPoint(f.X(75), f.Y(25)), QPoint(f.X(100), f.Y(0))}));
    f.series->SetTreatNulls(tnSkip);
    const std::vector<QPolygon> skip = f.Draw();
    ASSERT_EQ(skip.size(), 1u);
    EXPECT_EQ(skip[0].size(), 4);
    EXPECT_FALSE(skip[0].contains(QPoint(f.X(50), f.Y(50))));
}

TEST(FastLineSeries, LineEntersFromThePointBeforeTheFirstVisible)
{
    FixedChart f;
    for (double x : {-50.0, -10.0, 40.0, 90.0, 150.0, 200.0})
        f.series->AddPoint(x, 50);
    f.Draw();
    EXPECT_EQ(f.series->FirstVisibleIndex(), 2);
    EXPECT_EQ(f.series->LastVisibleIndex(), 4);  // the first point beyond the right edge stays
    const QPolygon run = f.Draw()[0];
    EXPECT_EQ(run.first(), QPoint(f.X(-10), f.Y(50)));
    EXPECT_EQ(run.last(), QPoint(f.X(150), f.Y(50)));
}

TEST(FastLineSeries, LineIsPaintedInThePenColourInsideThePlotOnly)
{
    FixedChart f;
    f.chart->SetBackImage(QImage());
    f.series->AddPoint(0, 50);
    f.series->AddPoint(100, 50);
    const QImage image = f.Draw().empty() ? QImage() : f.chart->RenderImage();
    const ChartRect plot = f.chart->PlotRect();
    const int row = f.Y(50);
    EXPECT_EQ(image.pixel(f.X(50), row) & 0xFFFFFF, 0xFF0000u);
    // Round ends are cut at the plotting rectangle's left edge.
    EXPECT_NE(image.pixel(plot.left - 2, row) & 0xFFFFFF, 0xFF0000u);
}

TEST(FastLineSeries, APressOnAColumnsStretchHitsTheLine)
{
    // Column x = 50 rises to 90 between its first point (10) and its last (20): that stretch is
    // drawn as a span, not as part of the run.
    FixedChart f;
    f.series->AddPoint(0, 0);
    f.series->AddPoint(50, 10);
    f.series->AddPoint(50.000001, 90);
    f.series->AddPoint(50.000002, 20);
    f.series->AddPoint(100, 100);
    f.Draw();
    ASSERT_EQ(f.series->LastDrawnSpans().size(), 1u);
    EXPECT_TRUE(f.series->Clicked(f.X(50), f.Y(80)));
    EXPECT_TRUE(f.series->Clicked(f.X(50) + 2, f.Y(90) - 2));  // within the pen and 3 pixels
    EXPECT_FALSE(f.series->Clicked(f.X(50) + 10, f.Y(80)));
    EXPECT_FALSE(f.series->Clicked(f.X(50), f.Y(90) - 10));
}
