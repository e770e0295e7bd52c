// Saves pictures of a program-like chart next to the test binary, for a look by eye.

#include "ChartFixtures.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(ChartScreenshot, ProgramChartWithCurveAndEmpty)
{
    auto chart = MakeProgramChart();
    chart->Gradient()->SetVisible(true);
    chart->SetBackImage(QImage(QStringLiteral(ORVEK_SOURCE_DIR "/resources/chart_back.png")));
    ASSERT_FALSE(chart->BackImage().isNull());
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    const QImage filled = chart->grab().toImage();
    // The curve is drawn in red inside the plot, and the back picture covers the gradient.
    const ChartRect plot = chart->PlotRect();
    EXPECT_GT(CountPixels(filled, plot.ToQRect(), qRgb(255, 0, 0)), 300);
    EXPECT_EQ(CountPixels(filled, plot.ToQRect(), qRgb(255, 255, 0)), 0);
    EXPECT_TRUE(filled.save(QCoreApplication::applicationDirPath() + QStringLiteral("/chart_filled.png")));

    auto empty = MakeProgramChart();
    AddLineSeries(*empty, clGreen);
    const QImage emptyPicture = empty->grab().toImage();
    EXPECT_EQ(CountPixels(emptyPicture, emptyPicture.rect(), qRgb(0, 128, 0)), 0);
    EXPECT_TRUE(emptyPicture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/chart_empty.png")));
}
