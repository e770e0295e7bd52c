// Drawing dense data and dotted grids the fast way gives the pictures of the plain way: every
// point of a series stroked (only repeats of the pixel before skipped), and grid dots painted one
// pixel at a time. The plain ways are rebuilt here as references.

#include "ChartFixtures.h"

#include "chart/ChartCanvas.h"

#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {
// The chart painted with every point of the series stroked, as the line was drawn before: one
// polyline from gap to gap (a point without a finite value breaks it).
QImage PlainPicture(TChart& chart, TFastLineSeries& series)
{
    series.LinePen()->SetVisible(false);
    QImage image = chart.RenderImage();
    series.LinePen()->SetVisible(true);
    std::vector<QPolygon> lines(1);
    const TChartAxis* h = series.GetHorizAxis();
    const TChartAxis* v = series.GetVertAxis();
    const int first = series.FirstVisibleIndex();
    for (int i = first > 0 ? first - 1 : first; i <= series.LastVisibleIndex(); ++i) {
        const double x = series.XValues().Value(i);
        const double y = series.YValues().Value(i);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            lines.emplace_back();
            continue;
        }
        const QPoint q(h->ValueToPixel(x), v->ValueToPixel(y));
        if (lines.back().isEmpty() || q != lines.back().last())
            lines.back().append(q);
    }
    const ChartRect plot = chart.PlotRect();
    QPainter painter(&image);
    painter.setClipRect(QRect(plot.left, plot.top - 1, plot.Width(), plot.Height() + 2));
    painter.setPen(series.LinePen()->ToQPen(chart.palette()));
    for (const QPolygon& line : lines) {
        if (line.size() > 1)
            painter.drawPolyline(line);
    }
    return image;
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

// sin x plus +-0.02 of noise over 0 .. 2 pi, one sample at 3 in the middle.
void FillNoisy(TFastLineSeries& series, int count)
{
    std::uint32_t seed = 7;
    for (int k = 0; k < count; ++k) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 0.04;
        const double x = k * (2 * M_PI / count);
        series.AddPoint(x, k == count / 2 ? 3.0 : std::sin(x) + noise);
    }
}
}  // namespace

TEST(DenseLines, TheProgramsChartsAreDrawnAsBefore)
{
    for (int width : {1, 2, 3}) {
        // The angle diagrams (180 positions) and a study over 591 .. 900, at the diagram's size.
        auto angle = MakeProgramChart(352, 225);
        TFastLineSeries* curve = AddLineSeries(*angle, clRed, width);
        FillAngleCurve(*curve);
        const QImage drawn = angle->RenderImage();
        EXPECT_EQ(DifferingPixels(drawn, PlainPicture(*angle, *curve)), 0) << "width " << width;

        auto study = MakeProgramChart(352, 225);
        TFastLineSeries* lengths = AddLineSeries(*study, clBlue, width);
        for (int k = 0; k <= 180; ++k)
            lengths->AddPoint(591 + k * (309.0 / 180), std::cos(k * 0.05) * 0.3);
        const QImage studied = study->RenderImage();
        EXPECT_EQ(DifferingPixels(studied, PlainPicture(*study, *lengths)), 0) << "width " << width;
    }
}

TEST(DenseLines, DenseNoisyDataDrawsTheSamePixelsAndKeepsTheSpike)
{
    struct Cell {
        int width;
        int height;
        int count;
    };
    // The diagram's size, and a large window with few points and with a few per column.
    for (const Cell& cell : {Cell{352, 225, 1471}, Cell{352, 225, 100000}, Cell{1200, 800, 180},
                             Cell{1200, 800, 1471}}) {
        const int count = cell.count;
        for (int width : {1, 2, 3}) {
            auto chart = MakeProgramChart(cell.width, cell.height);
            TFastLineSeries* series = AddLineSeries(*chart, clRed, width);
            FillNoisy(*series, count);
            const QImage drawn = chart->RenderImage();
            const int differing = DifferingPixels(drawn, PlainPicture(*chart, *series));
            // One-pixel lines may differ in a few end pixels of the column runs; wider ones not.
            if (width == 1) {
                EXPECT_LE(differing, 8) << count << " points";
            } else {
                EXPECT_EQ(differing, 0) << count << " points, width " << width;
            }
            // Four points a column at most, however many there are; a span counts for two.
            int drawnPoints = 2 * static_cast<int>(series->LastDrawnSpans().size());
            for (const QPolygon& run : series->LastDrawnRuns())
                drawnPoints += run.size();
            EXPECT_LE(drawnPoints, 4 * chart->width()) << count;
            // The one-sample spike still reaches its height.
            const int spikeX = chart->BottomAxis()->ValueToPixel(series->XValues().Value(count / 2));
            const int spikeY = chart->LeftAxis()->ValueToPixel(3.0);
            EXPECT_EQ(drawn.pixel(spikeX, spikeY) & 0xFFFFFF, 0xFF0000u) << count;
        }
    }
}

TEST(DenseLines, GapsZoomsInvertedAxesAndDisorderedXDrawTheSamePixels)
{
    const auto check = [](TChart& chart, TFastLineSeries& series, const char* what) {
        EXPECT_EQ(DifferingPixels(chart.RenderImage(), PlainPicture(chart, series)), 0) << what;
    };
    {
        auto chart = MakeProgramChart(600, 300);
        TFastLineSeries* series = AddLineSeries(*chart, clRed);
        FillNoisy(*series, 50000);
        for (int k = 777; k < 50000; k += 4999)
            series->YValues().SetValue(k, std::nan(""));
        series->XValues().SetValue(31000, std::numeric_limits<double>::infinity());
        check(*chart, *series, "gaps");
    }
    {
        // Points on both sides of the view: the line enters and leaves through the edges.
        auto chart = MakeProgramChart(600, 300);
        TFastLineSeries* series = AddLineSeries(*chart, clRed);
        FillNoisy(*series, 50000);
        chart->BottomAxis()->SetMinMax(1.0, 2.5);
        chart->LeftAxis()->SetMinMax(0.5, 1.01);
        chart->RenderImage();
        ASSERT_GT(series->FirstVisibleIndex(), 0);
        ASSERT_LT(series->LastVisibleIndex(), series->Count() - 1);
        check(*chart, *series, "zoomed");
    }
    {
        auto chart = MakeProgramChart(600, 300);
        TFastLineSeries* series = AddLineSeries(*chart, clRed);
        FillNoisy(*series, 30000);
        chart->BottomAxis()->SetInverted(true);
        chart->LeftAxis()->SetInverted(true);
        check(*chart, *series, "inverted");
    }
    {
        // X no longer ascending: the columns are found by looking at every point.
        auto chart = MakeProgramChart(600, 300);
        TFastLineSeries* series = AddLineSeries(*chart, clRed);
        FillNoisy(*series, 30000);
        series->XValues().SetValue(20000, series->XValues().Value(100));
        ASSERT_FALSE(series->XValues().NonDecreasing());
        check(*chart, *series, "disordered");
    }
}

TEST(DenseLines, VectorPaintersGetTheLineItselfWithTheSamePixels)
{
    auto chart = MakeProgramChart(352, 225);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillNoisy(*series, 20000);
    // With the line shown and hidden: a hidden line leaves no trace of its columns either.
    for (bool visible : {true, false}) {
        series->LinePen()->SetVisible(visible);
        const QImage raster = chart->RenderImage();
        EXPECT_EQ(series->LastDrawnSpans().empty(), !visible);
        // A recorded picture keeps shapes: the spans give way to the column's points in the line.
        QPicture recorded;
        {
            QPainter painter(&recorded);
            chart->PaintTo(painter, chart->size());
        }
        EXPECT_TRUE(series->LastDrawnSpans().empty());
        QImage replayed(chart->size(), QImage::Format_RGB32);
        replayed.fill(Qt::black);
        {
            QPainter painter(&replayed);
            painter.drawPicture(0, 0, recorded);
        }
        // The plot and the rows the line may reach above and below it (a replayed picture puts
        // the turned text of the left axis title a little apart from the window's).
        const ChartRect plot = chart->PlotRect();
        const QRect area(plot.left, plot.top - 1, plot.Width(), plot.Height() + 2);
        EXPECT_EQ(DifferingPixels(replayed.copy(area), raster.copy(area)), 0) << visible;
    }
    // Where the line is blended with what lies below, a span over the stroke would show twice.
    series->LinePen()->SetVisible(true);
    QImage blended(chart->size(), QImage::Format_RGB32);
    blended.fill(Qt::white);
    QPainter painter(&blended);
    painter.setOpacity(0.5);
    chart->PaintTo(painter, chart->size());
    EXPECT_TRUE(series->LastDrawnSpans().empty());
}

TEST(DenseLines, PixelRoundingIsHalfEvenAsTheLibraryRoundsIt)
{
    std::uint32_t seed = 99;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double wide = (static_cast<double>(seed) - 2147483648.0) * 0.03;
        const double half = std::floor(wide) + 0.5;
        for (double v : {wide, half, -half, wide * 1e-6, std::nextafter(half, 0.0)})
            ASSERT_EQ(RoundClamped(v), static_cast<int>(std::nearbyint(v))) << v;
    }
    EXPECT_EQ(RoundClamped(67108862.5), 67108862);
    EXPECT_EQ(RoundClamped(1e300), 67108863);
    EXPECT_EQ(RoundClamped(-1e300), -67108863);
    EXPECT_EQ(RoundClamped(std::nan("")), 0);
}

TEST(DottedLines, DashedLinesPaintTheDotsOfThePattern)
{
    const QVector<QVector<qreal>> patterns = {{3, 3}, {18, 6}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
    // The dots are stored straight into a plain picture; a moved or clipped painter, or another
    // format, takes other routes to the same dots.
    enum class State { Plain, Moved, Clipped, Premultiplied };
    for (State state : {State::Plain, State::Moved, State::Clipped, State::Premultiplied}) {
        const QImage::Format format = state == State::Premultiplied
                                          ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32;
        const auto prepare = [state](QPainter& painter) {
            if (state == State::Moved)
                painter.translate(7, -5);
            if (state == State::Clipped)
                painter.setClipRect(QRect(0, 0, 110, 120));
        };
        for (const QVector<qreal>& pattern : patterns) {
            int period = 0;
            for (qreal part : pattern)
                period += static_cast<int>(part);
            for (int length = 1; length < 50; length += 3) {
                for (const QPoint& direction :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint from(60, 60);
                    const QPoint to = from + direction * length;
                    QImage fast(120, 120, format);
                    fast.fill(Qt::white);
                    QImage dots = fast;
                    QPen pen(Qt::gray, 1);
                    pen.setDashPattern(pattern);
                    {
                        QPainter painter(&fast);
                        prepare(painter);
                        DrawChartLine(painter, from, to, pen);
                    }
                    QPainter painter(&dots);
                    prepare(painter);
                    for (int n = 0; n < length; ++n) {
                        int offset = n % period;
                        bool on = true;
                        for (int i = 0; i < pattern.size(); ++i) {
                            if (offset < static_cast<int>(pattern[i])) {
                                on = i % 2 == 0;
                                break;
                            }
                            offset -= static_cast<int>(pattern[i]);
                        }
                        if (on)
                            painter.fillRect(QRect(from + direction * n, QSize(1, 1)), Qt::gray);
                    }
                    painter.end();
                    EXPECT_EQ(fast, dots) << "length " << length << " pattern " << pattern.size()
                                          << " state " << static_cast<int>(state);
                }
            }
        }
    }
    // The program's grid at a large size draws the same dots.
    auto chart = MakeProgramChart(1200, 800);
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    FillAngleCurve(*series);
    const QImage image = chart->RenderImage();
    const ChartRect plot = chart->PlotRect();
    const int row = chart->LeftAxis()->TickPositions().at(1);
    for (int x = plot.left + 1; x < plot.left + 40; ++x) {
        const bool on = (x - (plot.left + 1)) % 6 < 3;
        if ((image.pixel(x, row) & 0xFFFFFF) == 0xFF0000u)
            continue;  // the curve crosses here
        EXPECT_EQ((image.pixel(x, row) & 0xFFFFFF) == 0x808080u, on) << x;
    }
}
