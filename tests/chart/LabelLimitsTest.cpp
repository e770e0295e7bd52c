// Label texts under the users' own locales; label arithmetic that must end for every range; the
// decimals and exponent form labels need; points without a finite value; zoom at the limits of
// the doubles.

#include "ChartFixtures.h"
#include "ChartLocales.h"

#include "chart/AxisLabels.h"
#include "chart/AxisValueText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <set>
#include <unistd.h>
#include <vector>

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const QString kNbsp(QChar(0x00A0));

std::vector<QString> LabelTexts(TChartAxis& axis)
{
    std::vector<QString> texts;
    for (double v : axis.LabelValues())
        texts.push_back(axis.LabelText(v));
    return texts;
}

// A hang ends the test program (SIGALRM) instead of the run waiting for ever.
struct HangGuard {
    explicit HangGuard(unsigned seconds) { alarm(seconds); }
    ~HangGuard() { alarm(0); }
};

std::unique_ptr<TChart> ChartOfY(const std::vector<double>& ys)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    for (std::size_t i = 0; i < ys.size(); ++i)
        series->AddPoint(static_cast<double>(i), ys[i]);
    return chart;
}
}  // namespace

TEST(ChartLocales, LabelTextsAreTheSameWhateverTheLocale)
{
    chart_test::LocaleRestorer restore;
    for (const char* name : {"C", "ru_RU.UTF-8", "uk_UA.UTF-8", "de_DE.UTF-8"}) {
        for (int category : {LC_ALL, LC_NUMERIC}) {
            const std::string problem = chart_test::UseLocale(category, name);
            if (problem == "skip")
                GTEST_SKIP() << "localedef is not installed";
            ASSERT_EQ(problem, "") << name;
            const QString format = QStringLiteral("#,##0.###");
            EXPECT_EQ(FormatAxisValue(0.34, format), QStringLiteral("0,34")) << name;
            EXPECT_EQ(FormatAxisValue(0, format), QStringLiteral("0")) << name;
            EXPECT_EQ(FormatAxisValue(-0.18, format), QStringLiteral("-0,18")) << name;
            EXPECT_EQ(FormatAxisValue(600, format), QStringLiteral("600")) << name;
            EXPECT_EQ(FormatAxisValue(1234.5, format), QStringLiteral("1") + kNbsp + "234,5")
                << name;
            EXPECT_EQ(FormatAxisValue(-2.5e300, format), QStringLiteral("-2,5E300")) << name;
            EXPECT_EQ(GeneralValueText(0.34), QStringLiteral("0.34")) << name;
            EXPECT_EQ(GeneralValueText(1e20), QStringLiteral("1e+20")) << name;

            // A study chart's X axis and a velocity chart's Y axis, as drawn.
            auto chart = MakeProgramChart();
            TFastLineSeries* series = AddLineSeries(*chart, clRed);
            for (int x = 591; x <= 900; x += 3)
                series->AddPoint(x, -0.18 + (x - 591) * (0.52 / 309));
            chart->RenderImage();
            const std::vector<QString> bottom = LabelTexts(*chart->BottomAxis());
            EXPECT_EQ(bottom.front(), QStringLiteral("900")) << name;
            EXPECT_EQ(bottom.back(), QStringLiteral("600")) << name;
            for (const QString& text : LabelTexts(*chart->LeftAxis()))
                EXPECT_LE(text.count(QLatin1Char(',')), 1) << name << " " << text.toStdString();
        }
    }
}

TEST(AxisLabelArithmetic, EndsAndStaysBoundedForEveryRange)
{
    HangGuard guard(60);
    std::vector<std::pair<double, double>> ranges = {
        {0, 0}, {0, DBL_MIN}, {0, DBL_TRUE_MIN}, {-DBL_MAX, DBL_MAX}, {DBL_MAX, DBL_MAX},
        {1e300, 1.0000001e300}, {kNaN, 1}, {1, kNaN}, {-HUGE_VAL, HUGE_VAL}, {0, HUGE_VAL},
        {-1e-320, 1e-320}, {1e15, 1e15 + 0.25}, {-5e-324, 0}};
    // Subnormal lengths as small as a typed 1e-322.
    for (double v = 3e-323; v <= 1e-321; v *= 1.35)
        ranges.emplace_back(0, v);
    for (const auto& [lo, hi] : ranges) {
        AxisLabelInput input;
        input.scaleMinimum = lo;
        input.scaleMaximum = hi;
        input.axisLength = 280;
        const LabelSizeFunction size = [](double v) { return 20 + (std::isfinite(v) ? 0 : 5); };
        const double step = ComputeLabelStep(input, size);
        const std::vector<double> values = ComputeLabelValues(lo, hi, step, true);
        EXPECT_LE(values.size(), 10000u) << lo << " " << hi;
        if (std::fabs(hi - lo) < 1e-10) {
            EXPECT_LE(values.size(), 1u) << lo << " " << hi;
        }
        WidestLabelWidth(lo, hi, step, true, size);
        EXPECT_GT(NextStep(step), 0) << lo << " " << hi;
    }
}

TEST(AxisLabelArithmetic, SubnormalValuesPaintWithOneLabel)
{
    HangGuard guard(60);
    for (double v : {1e-322, 3e-323, 1e-315, 4.9e-324}) {
        auto chart = ChartOfY({0, v, v / 2});
        chart->RenderImage();
        EXPECT_EQ(chart->LeftAxis()->LabelValues().size(), 1u) << v;
    }
}

TEST(AxisLabelTexts, NeighbouringLabelsNeverReadTheSame)
{
    // The fifth diagram with Loa = 0,01: values of a few thousandths apart by less than 0,001.
    auto small = ChartOfY({0.00702, 0.00718, 0.00733, 0.00748});
    small->RenderImage();
    const std::vector<QString> texts = LabelTexts(*small->LeftAxis());
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(std::set<QString>(texts.begin(), texts.end()).size(), texts.size());
    EXPECT_TRUE(texts.front().startsWith(QStringLiteral("0,007"))) << texts.front().toStdString();
    // Spans from 1e-9 to 1e9 around several centres.
    for (double span = 1e-9; span < 1e9; span *= 7.3) {
        for (double centre : {0.0, 0.007, -3.5, 1234.5678, 1e6}) {
            auto chart = ChartOfY({centre - span / 2, centre + span / 2, centre});
            chart->RenderImage();
            const std::vector<QString> labels = LabelTexts(*chart->LeftAxis());
            EXPECT_EQ(std::set<QString>(labels.begin(), labels.end()).size(), labels.size())
                << centre << " +- " << span << ": " << labels.front().toStdString() << " ... "
                << labels.back().toStdString();
        }
    }
    // A label step of 0,0005 shows four decimals, still with the decimal comma.
    EXPECT_EQ(FormatAxisValue(0.0075, QStringLiteral("#,##0.###"), LabelFormFor(0.0005, 0, 1)),
              QStringLiteral("0,0075"));
    EXPECT_EQ(DecimalsOfStep(0.2), 1);
    EXPECT_EQ(DecimalsOfStep(50), 0);
    EXPECT_EQ(DecimalsOfStep(2.5e-7), 8);
}

TEST(AxisLabelTexts, HugeValuesGiveExponentLabelsAndTheCurveKeepsItsRoom)
{
    auto chart = ChartOfY({-1e300, 0.5e300, 1e300, -0.25e300});
    const QImage image = chart->RenderImage();
    for (const QString& text : LabelTexts(*chart->LeftAxis())) {
        EXPECT_LE(text.size(), 8) << text.toStdString();
        EXPECT_TRUE(text == QStringLiteral("0") || text.contains(QLatin1Char('E')))
            << text.toStdString();
    }
    EXPECT_EQ(FormatAxisValue(1e300, QStringLiteral("#,##0.###")), QStringLiteral("1E300"));
    EXPECT_EQ(FormatAxisValue(-1.5e-30, QStringLiteral("#,##0.###"), LabelFormFor(1e-31, 0, 0)),
              QStringLiteral("-1,5E-30"));
    // Up to 1E21 whole numbers keep their digits.
    EXPECT_EQ(FormatAxisValue(9e20, QStringLiteral("0")),
              QStringLiteral("900000000000000000000"));
    const ChartRect plot = chart->PlotRect();
    EXPECT_GE(plot.Width(), chart->width() / 2);
    EXPECT_GE(plot.Height(), chart->height() / 3);
    // Even labels of a hundred digits leave the plot half of the chart.
    auto wide = ChartOfY({0, 1});
    wide->LeftAxis()->SetAxisValuesFormat(QStringLiteral("0.") + QString(100, QLatin1Char('0')));
    wide->RenderImage();
    EXPECT_GE(wide->PlotRect().Width(), wide->width() / 3);
}

TEST(ChartNullPoints, NonFiniteValuesAreGapsNotSpikes)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    const double ys[] = {0.1, 0.5, kNaN, 0.4, HUGE_VAL, 0.2, 0.3, -HUGE_VAL, 0.6};
    for (int i = 0; i < 9; ++i)
        series->AddPoint(i, ys[i]);
    series->AddPoint(kNaN, 0.3);
    chart->RenderImage();
    EXPECT_DOUBLE_EQ(series->MinY(), 0.1);
    EXPECT_DOUBLE_EQ(series->MaxY(), 0.6);
    EXPECT_DOUBLE_EQ(series->MaxX(), 8);
    const ChartRect plot = chart->PlotRect();
    // 0.1-0.5 | 0.4 | 0.2-0.3 | 0.6: the lone points draw nothing, the rest stay inside.
    ASSERT_EQ(series->LastDrawnRuns().size(), 2u);
    for (const QPolygon& run : series->LastDrawnRuns()) {
        EXPECT_EQ(run.size(), 2);
        for (const QPoint& p : run) {
            EXPECT_GE(p.y(), plot.top);
            EXPECT_LE(p.y(), plot.bottom);
        }
    }
}

TEST(ChartZoomLimits, ZoomAtTheEndsOfTheDoublesKeepsARange)
{
    auto chart = ChartOfY({1e300, 1e300, 1e300});
    chart->RenderImage();
    TChartAxis* left = chart->LeftAxis();
    left->SetMinMax(1e300, 1e300);
    EXPECT_GT(left->Maximum(), left->Minimum());
    left->SetMinMax(DBL_MAX, DBL_MAX);
    EXPECT_GT(left->Maximum(), left->Minimum());
    EXPECT_TRUE(std::isfinite(left->Maximum()));
    const double before = left->Maximum();
    left->SetMinMax(kNaN, 1);
    EXPECT_EQ(left->Maximum(), before);
    HangGuard guard(60);
    chart->RenderImage();
    EXPECT_EQ(LabelTexts(*left).size(), 1u);
}

TEST(ChartZoomLimits, ValuesAtTheLargestDoublesStayInsideThePlot)
{
    auto chart = ChartOfY({1e308, 1.79e308, 1.5e308, -1.79e308 / 2});
    chart->RenderImage();
    const ChartRect plot = chart->PlotRect();
    TFastLineSeries* series = static_cast<TFastLineSeries*>(chart->Series(0));
    ASSERT_EQ(series->LastDrawnRuns().size(), 1u);
    for (const QPoint& p : series->LastDrawnRuns()[0]) {
        EXPECT_GE(p.y(), plot.top - 2);
        EXPECT_LE(p.y(), plot.bottom + 2);
    }
    for (const QString& text : LabelTexts(*chart->LeftAxis()))
        EXPECT_LE(text.size(), 8) << text.toStdString();
}
