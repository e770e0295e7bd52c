// The background layer: gradient bands, back image, bevels and border.

#include "ChartFixtures.h"

#include "chart/ChartBevel.h"
#include "chart/ChartGradient.h"

#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <map>

namespace {
constexpr QRgb kUnpainted = 0xFF123456;

QImage PaintGradient(int width, int height, TGradientDirection direction = gdTopBottom)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kUnpainted);
    TChartGradient gradient;
    gradient.SetDirection(direction);
    QPainter painter(&image);
    gradient.Draw(painter, ChartRect{0, 0, width, height}, QPalette());
    return image;
}

// Heights of the runs of equal colour down the first column, from the bottom up.
std::vector<int> BandHeights(const QImage& image)
{
    std::vector<int> heights;
    QRgb last = 0;
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb c = image.pixel(0, y);
        if (heights.empty() || c != last)
            heights.push_back(0);
        ++heights.back();
        last = c;
    }
    return heights;
}
}  // namespace

TEST(ChartGradient, HundredPixelsGiveHundredBandsFromWhiteAtTheBottomToYellow)
{
    const QImage image = PaintGradient(10, 100);
    EXPECT_EQ(BandHeights(image), std::vector<int>(100, 1));
    EXPECT_EQ(image.pixel(0, 99), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 0));
    // Band c: 255 + c * (0 - 255) div 99 in blue, truncated toward zero.
    EXPECT_EQ(qBlue(image.pixel(0, 99 - 50)), 255 + 50 * -255 / 99);
}

TEST(ChartGradient, SixHundredPixelsGive256BandsOfTwoOrThree)
{
    const std::vector<int> heights = BandHeights(PaintGradient(4, 600));
    ASSERT_EQ(heights.size(), 256u);
    for (int h : heights)
        EXPECT_TRUE(h == 2 || h == 3) << h;
}

TEST(ChartGradient, OnePixelHighDrawsNothingAndDirectionsSwapEnds)
{
    const QImage one = PaintGradient(20, 1);
    EXPECT_EQ(CountPixels(one, one.rect(), kUnpainted), 20);
    const QImage bottomTop = PaintGradient(10, 50, gdBottomTop);
    EXPECT_EQ(bottomTop.pixel(0, 49), qRgb(255, 255, 0));
    const QImage leftRight = PaintGradient(50, 10, gdLeftRight);
    EXPECT_EQ(leftRight.pixel(49, 0), qRgb(255, 255, 255));
    EXPECT_EQ(leftRight.pixel(0, 0), qRgb(255, 255, 0));
}

TEST(ChartEdges, ProgramEdgesAreRaisedBorderOfPanelColourAndLowered)
{
    auto chart = MakeProgramChart(200, 120);
    const QImage image = chart->RenderImage();
    const QPalette palette = chart->palette();
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb dark = palette.color(QPalette::Dark).rgb();
    const QRgb panel = qRgb(0, 128, 192);
    const int y = 60;
    EXPECT_EQ(image.pixel(0, y), light);
    EXPECT_EQ(image.pixel(1, y), panel);
    EXPECT_EQ(image.pixel(2, y), panel);
    EXPECT_EQ(image.pixel(3, y), dark);      // inner lowered: shadow on the left
    EXPECT_EQ(image.pixel(199, y), dark);    // outer raised: shadow on the right
    EXPECT_EQ(image.pixel(196, y), light);
    EXPECT_EQ(image.pixel(100, 0), light);
    EXPECT_EQ(image.pixel(100, 119), dark);
    EXPECT_EQ(image.pixel(0, 119), dark);     // the bottom line runs to the left corner
    EXPECT_EQ(image.pixel(199, 0), dark);
}

TEST(ChartEdges, WithoutBevelsOnlyTheBorderIsDrawnAndTaken)
{
    TChart chart;
    chart.resize(120, 80);
    chart.SetBevelOuter(bvNone);
    chart.SetBevelInner(bvNone);
    chart.SetBorderWidth(2);
    chart.SetColor(clRed);
    chart.Gradient()->SetVisible(true);
    chart.SetMarginUnits(muPixels);
    chart.SetMarginLeft(0);
    chart.SetMarginTop(0);
    const QImage image = chart.RenderImage();
    EXPECT_EQ(image.pixel(0, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 40), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(2, 40), qRgb(255, 0, 0));  // the gradient shows inside
    EXPECT_EQ(image.pixel(60, 1), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(60, 2), qRgb(255, 0, 0));
    // No series: every axis takes only its 7 pixels of line and ticks inside the border.
    EXPECT_EQ(chart.PlotRect().left, 2 + 7);
    EXPECT_EQ(chart.PlotRect().top, 2 + 7);
}

TEST(ChartBackImage, StretchedOverTheWholeControl)
{
    auto chart = MakeProgramChart(200, 120);
    chart->Title()->SetVisible(false);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(10, 20, 30));
    picture.setPixel(1, 0, qRgb(40, 50, 60));
    picture.setPixel(0, 1, qRgb(70, 80, 90));
    picture.setPixel(1, 1, qRgb(100, 110, 120));
    chart->SetBackImage(picture);
    const QImage image = chart->RenderImage();
    EXPECT_EQ(image.pixel(8, 8), qRgb(10, 20, 30));        // inside the edges, top left
    EXPECT_EQ(image.pixel(190, 110), qRgb(100, 110, 120)); // bottom right quarter
}

TEST(ChartBackImage, TheFillShowsOnlyThroughAPictureThatLetsItThrough)
{
    const auto chartWith = [](const QImage& picture, bool gradient) {
        auto chart = MakeProgramChart(200, 120);
        chart->Gradient()->SetVisible(gradient);
        if (!picture.isNull())
            chart->SetBackImage(picture);
        return chart->RenderImage();
    };
    QImage opaque(4, 3, QImage::Format_RGB32);
    opaque.fill(qRgb(90, 120, 150));
    // An opaque picture hides the gradient and the colour alike.
    EXPECT_EQ(chartWith(opaque, true), chartWith(opaque, false));
    // A clear one shows what lies under it, as no picture does.
    QImage clear(4, 3, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    EXPECT_EQ(chartWith(clear, true), chartWith(QImage(), true));
    EXPECT_NE(chartWith(clear, true), chartWith(clear, false));
}
