// Mouse zoom and scroll driven by real mouse events on a shown (offscreen) chart.

#include "ChartFixtures.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ShownChart {
    RenderCountingChart chart;
    TFastLineSeries* series = new TFastLineSeries(&chart);

    ShownChart()
    {
        chart.resize(352, 225);
        chart.SetView3D(false);
        series->LinePen()->SetWidth(2);
        chart.AddSeries(series);
        for (int i = 0; i <= 100; ++i)
            series->AddPoint(i, (i % 20) * 0.5);
        chart.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart));
        Settle();
    }
    void Settle() { QTest::qWait(10); }
    QPoint Inside(int dx, int dy) const
    {
        const ChartRect plot = chart.PlotRect();
        return QPoint(plot.left + dx, plot.top + dy);
    }
    void LeftDrag(const QPoint& from, const QPoint& to)
    {
        QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&chart, (from + to) / 2);
        QTest::mouseMove(&chart, to);
        QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, to);
        Settle();
    }
    QImage Picture() { return chart.grab().toImage(); }
};
}  // namespace

TEST(ChartZoom, DragOfSixteenPixelsOrLessChangesNothing)
{
    ShownChart f;
    const QPoint from = f.Inside(40, 30);
    f.LeftDrag(from, from + QPoint(16, 60));
    f.LeftDrag(from, from + QPoint(60, 16));
    EXPECT_TRUE(f.chart.BottomAxis()->Automatic());
    EXPECT_TRUE(f.chart.LeftAxis()->Automatic());
    EXPECT_FALSE(f.chart.Zoomed());
}

TEST(ChartZoom, SeventeenPixelsZoomToThePixelValuesOfTheRectangle)
{
    ShownChart f;
    const QPoint from = f.Inside(40, 30);
    const QPoint to = from + QPoint(17, 17);
    TChartAxis* bottom = f.chart.BottomAxis();
    TChartAxis* left = f.chart.LeftAxis();
    const double x0 = bottom->PixelToValue(from.x());
    const double x1 = bottom->PixelToValue(to.x());
    const double yTop = left->PixelToValue(from.y());
    const double yBottom = left->PixelToValue(to.y());
    int zooms = 0;
    f.chart.OnZoom = [&](TCustomChart*) { ++zooms; };
    f.LeftDrag(from, to);
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(f.chart.Zoomed());
    EXPECT_FALSE(bottom->Automatic());
    EXPECT_DOUBLE_EQ(bottom->Minimum(), x0);
    EXPECT_DOUBLE_EQ(bottom->Maximum(), x1);
    EXPECT_DOUBLE_EQ(left->Minimum(), yBottom);
    EXPECT_DOUBLE_EQ(left->Maximum(), yTop);
    // Once painted, the zoomed range fills the axis.
    EXPECT_DOUBLE_EQ(bottom->ScaleMinimum(), x0);
    // Points added now leave the zoom in place.
    f.series->AddPoint(500, 100);
    f.Settle();
    EXPECT_DOUBLE_EQ(bottom->Maximum(), x1);
}

TEST(ChartZoom, UpLeftDragOnANeverZoomedChartRepaintsItUnchanged)
{
    ShownChart f;
    const QImage before = f.Picture();
    const int renders = f.chart.renders;
    int undos = 0;
    f.chart.OnUndoZoom = [&](TCustomChart*) { ++undos; };
    f.LeftDrag(f.Inside(200, 120), f.Inside(50, 20));
    EXPECT_EQ(undos, 1);
    EXPECT_GT(f.chart.renders, renders);
    EXPECT_EQ(f.Picture(), before);
    EXPECT_TRUE(f.chart.BottomAxis()->Automatic());
}

TEST(ChartZoom, TwoZoomsAndOneUndoReturnToTheAutomaticViewWithNewPoints)
{
    ShownChart f;
    f.LeftDrag(f.Inside(20, 10), f.Inside(200, 120));
    f.series->AddPoint(150, 12);
    f.LeftDrag(f.Inside(30, 20), f.Inside(150, 100));
    EXPECT_LT(f.chart.BottomAxis()->Maximum(), 100);
    f.LeftDrag(f.Inside(200, 120), f.Inside(20, 10));
    EXPECT_FALSE(f.chart.Zoomed());
    EXPECT_TRUE(f.chart.BottomAxis()->Automatic());
    EXPECT_TRUE(f.chart.LeftAxis()->AutomaticMaximum());
    EXPECT_EQ(f.chart.BottomAxis()->Maximum(), 150);
    EXPECT_EQ(f.chart.LeftAxis()->Maximum(), 12);
}

TEST(ChartZoom, RectangleIsDrawnOverThePictureWithoutRepaintingTheChart)
{
    ShownChart f;
    const int renders = f.chart.renders;
    const QPoint from = f.Inside(20, 20);
    QTest::mousePress(&f.chart, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 5; ++i) {
        QTest::mouseMove(&f.chart, from + QPoint(20 * i, 10 * i));
        f.Settle();
    }
    EXPECT_TRUE(f.chart.IsZooming());
    EXPECT_EQ(f.chart.renders, renders);
    // The window shows the rectangle: white (pen) where it crosses the panel colour.
    const QImage shown = f.Picture();
    const QImage clean = f.chart.RenderImage();
    EXPECT_NE(shown, clean);
    QTest::mouseRelease(&f.chart, Qt::LeftButton, Qt::NoModifier, from + QPoint(100, 50));
    f.Settle();
    EXPECT_FALSE(f.chart.IsZooming());
}

TEST(ChartZoom, RectangleDrawnTwiceLeavesThePictureAsItWas)
{
    ShownChart f;
    const QImage before = f.chart.RenderImage();
    QImage frame = before;
    const QRect rect(QPoint(60, 40), QPoint(200, 150));
    f.chart.DrawZoomRectangle(frame, rect);
    EXPECT_NE(frame, before);
    f.chart.DrawZoomRectangle(frame, rect);
    EXPECT_EQ(frame, before);
    // On a pixel of the panel colour, the rectangle shows in the zoom pen's colour.
    QImage plain(50, 50, QImage::Format_RGB32);
    plain.fill(ColorToQColor(f.chart.Color(), f.chart.palette()));
    f.chart.DrawZoomRectangle(plain, QRect(QPoint(5, 5), QPoint(40, 40)));
    EXPECT_EQ(plain.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(plain.pixel(20, 20), ColorToQColor(f.chart.Color(), f.chart.palette()).rgb());
}

TEST(ChartScroll, RightDragMovesTheRangesByTheValueDistanceOfThePointer)
{
    ShownChart f;
    TChartAxis* bottom = f.chart.BottomAxis();
    TChartAxis* left = f.chart.LeftAxis();
    const QPoint p = f.Inside(150, 80);
    const QPoint q = p + QPoint(-30, 20);
    const double dx = bottom->PixelToValue(p.x()) - bottom->PixelToValue(q.x());
    const double dy = left->PixelToValue(p.y()) - left->PixelToValue(q.y());
    const double minX = bottom->Minimum();
    const double maxY = left->Maximum();
    int scrolls = 0;
    f.chart.OnScroll = [&](TCustomChart*) { ++scrolls; };
    QTest::mousePress(&f.chart, Qt::RightButton, Qt::NoModifier, p);
    QTest::mouseMove(&f.chart, q);
    EXPECT_EQ(scrolls, 1);
    EXPECT_DOUBLE_EQ(bottom->Minimum(), minX + dx);
    EXPECT_DOUBLE_EQ(left->Maximum(), maxY + dy);
    EXPECT_GT(dx, 0);  // dragged left: the view moves right
    f.Settle();

    // Leaving the plotting rectangle ends the scroll there.
    const double afterMin = bottom->Minimum();
    QTest::mouseMove(&f.chart, QPoint(2, 2));
    EXPECT_FALSE(f.chart.IsScrolling());
    QTest::mouseMove(&f.chart, f.Inside(10, 10));
    EXPECT_EQ(bottom->Minimum(), afterMin);
    QTest::mouseRelease(&f.chart, Qt::RightButton, Qt::NoModifier, f.Inside(10, 10));
    // One undo drag brings back the automatic view.
    f.LeftDrag(f.Inside(200, 120), f.Inside(20, 10));
    EXPECT_TRUE(bottom->Automatic());
    EXPECT_EQ(bottom->Minimum(), 0);
}

TEST(ChartZoom, PressOutsideEverythingStartsNoDrag)
{
    ShownChart f;
    EXPECT_TRUE(f.chart.CanStartDrag(f.Inside(5, 5).x(), f.Inside(5, 5).y()));
    EXPECT_FALSE(f.chart.CanStartDrag(1, 1));
    QTest::mousePress(&f.chart, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_FALSE(f.chart.IsZooming());
    QTest::mouseRelease(&f.chart, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
}
