// The chart panel: title layout, axes with no active series, and the coalescing of repaints.

#include "ChartFixtures.h"

#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Counts the paints that reach a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
}  // namespace

TEST(ChartPanel, TitleMovesThePlotTopByTextHeightAndFourteen)
{
    auto chart = MakeProgramChart();
    AddLineSeries(*chart, clRed);
    chart->Title()->SetVisible(false);
    chart->RenderImage();
    const int withoutTitle = chart->PlotRect().top;
    chart->Title()->SetVisible(true);
    chart->RenderImage();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    const int h = QFontMetrics(font).height();
    EXPECT_EQ(chart->PlotRect().top, withoutTitle + h + 14);
    // The title is centred over the plotting area as it was before the axes took their space.
    const ChartRect title = chart->Title()->LastRect();
    EXPECT_LE(std::abs((title.left + title.right) - chart->width()), 1);
}

TEST(ChartPanel, TransparentTitlePaintsNeitherColourNorFrameButKeepsItsPlace)
{
    auto chart = MakeProgramChart();
    chart->SetBackImage(QImage());
    AddLineSeries(*chart, clRed);
    chart->Title()->SetColor(clLime);
    chart->Title()->Frame()->SetColor(clFuchsia);
    chart->Title()->Frame()->SetStyle(psSolid);
    const QImage transparent = chart->RenderImage();
    const int top = chart->PlotRect().top;
    const QRect area = chart->Title()->LastRect().ToQRect();
    EXPECT_EQ(CountPixels(transparent, area, qRgb(0, 255, 0)), 0);
    EXPECT_EQ(CountPixels(transparent, area, qRgb(255, 0, 255)), 0);

    chart->Title()->SetTransparent(false);
    const QImage opaque = chart->RenderImage();
    EXPECT_EQ(chart->PlotRect().top, top);
    EXPECT_GT(CountPixels(opaque, area, qRgb(0, 255, 0)), 100);
    // A 3-pixel frame on all four sides.
    EXPECT_EQ(opaque.pixel(area.left() + 2, area.center().y()), qRgb(255, 0, 255));
    EXPECT_EQ(opaque.pixel(area.left() + 3, area.center().y()), qRgb(0, 255, 0));
    EXPECT_EQ(opaque.pixel(area.center().x(), area.top() + 2), qRgb(255, 0, 255));
    EXPECT_EQ(opaque.pixel(area.right() - 2, area.center().y()), qRgb(255, 0, 255));
}

TEST(ChartPanel, NoActiveSeriesShowsAllFourAxisLinesWithoutLabels)
{
    auto chart = MakeProgramChart();
    chart->SetBackImage(QImage());
    chart->SetColor(clWhite);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    series->AddPoint(1, 1);
    series->SetActive(false);
    const QImage image = chart->RenderImage();
    for (TChartAxis* axis : {chart->BottomAxis(), chart->TopAxis(), chart->LeftAxis(), chart->RightAxis()}) {
        EXPECT_TRUE(chart->IsAxisVisible(axis));
        EXPECT_TRUE(axis->TickPositions().empty());
        const int along = (axis->StartPixel() + axis->EndPixel()) / 2;
        const QPoint p = axis->Horizontal() ? QPoint(along, axis->AxisPosition())
                                            : QPoint(axis->AxisPosition(), along);
        EXPECT_EQ(image.pixel(p) & 0xFFFFFF, 0u) << axis->objectName().toStdString();
    }
}

TEST(ChartPanel, ThousandAdditionsInOneHandlerLeadToOnePaint)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    chart->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chart.get()));
    QCoreApplication::processEvents();
    PaintCounter counter;
    chart->installEventFilter(&counter);
    for (int i = 0; i < 1000; ++i)
        series->AddPoint(i, i % 7);
    EXPECT_EQ(counter.paints, 0);
    QTest::qWait(50);
    EXPECT_EQ(counter.paints, 1);
    // Nothing changed: no further paint.
    QTest::qWait(20);
    EXPECT_EQ(counter.paints, 1);
}

TEST(ChartPanel, PaintedWindowShowsTheOffScreenPicture)
{
    auto chart = MakeProgramChart();
    FillAngleCurve(*AddLineSeries(*chart, clRed));
    const QImage grabbed = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed, chart->RenderImage());
}

TEST(ChartPanel, WindowPictureIsDrawnAfreshAfterChangesAndResizes)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    const auto grabbed = [&] { return chart->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(grabbed(), chart->RenderImage());
    // The picture of the last paint is drawn over: nothing of it stays.
    series->AddPoint(7, 3);
    EXPECT_EQ(grabbed(), chart->RenderImage());
    chart->resize(300, 180);
    EXPECT_EQ(grabbed(), chart->RenderImage());
    // A chart too low for its gradient and without edges leaves pixels unpainted: black.
    chart->Gradient()->SetVisible(true);
    chart->SetBevelOuter(bvNone);
    chart->SetBevelInner(bvNone);
    chart->SetBorderWidth(0);
    chart->Title()->SetVisible(false);
    chart->resize(300, 1);
    const QImage low = grabbed();
    EXPECT_EQ(low, chart->RenderImage());
    EXPECT_GT(CountPixels(low, low.rect(), qRgb(0, 0, 0)), 0);
}


TEST(ChartPanel, SeriesWithoutAutoRepaintDrawsOnlyTheNewSegment)
{
    RenderCountingChart chart;
    chart.resize(352, 225);
    auto* series = new TFastLineSeries(&chart);
    series->SetSeriesColor(clRed);
    series->LinePen()->SetWidth(2);
    chart.AddSeries(series);
    series->AddPoint(0, 0);
    series->AddPoint(10, 10);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QTest::qWait(10);
    const int renders = chart.renders;
    const QImage before = chart.grab().toImage();
    series->SetAutoRepaint(false);
    series->AddPoint(5, 0);  // within the current axes: a segment from (0, 0) to (5, 0)
    QTest::qWait(10);
    EXPECT_EQ(chart.renders, renders);
    const QImage after = chart.grab().toImage();
    EXPECT_NE(after, before);
    const QPoint onSegment(chart.BottomAxis()->ValueToPixel(2.5), chart.LeftAxis()->ValueToPixel(0));
    EXPECT_EQ(after.pixel(onSegment) & 0xFFFFFF, 0xFF0000u);
}
