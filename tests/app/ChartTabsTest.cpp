// The two chart tabs of the main window: the six charts with their titles and series, the pane
// layout, and what an empty chart shows before the first Calculate.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QGroupBox>
#include <QSplitter>
#include <QTabWidget>

namespace {

struct ChartRow {
    const char* chart;
    const char* title;
    const char* bottomTitle;
    const char* leftTitle;
    std::vector<const char*> series;
};

class ChartTabsTest : public MainWindowFixture<> {
protected:
    void ShowTab(const char* name)
    {
        auto* tabs = FindComponent<QTabWidget>(form, "PageControl1");
        tabs->setCurrentWidget(FindComponent<QWidget>(form, name));
        QTest::qWait(20);
    }
};

}  // namespace

TEST_F(ChartTabsTest, SixChartsWithTheirTitlesAndSeries)
{
    const ChartRow rows[] = {
        {"Chart1", "Диагрнамма скоростей т. Е", "Угол", "Скорости", {"Series1"}},
        {"Chart2", "Диагрнамма перемещений Xa", "Угол", "Перемещения", {"FastLineSeries1", "Series2"}},
        {"Chart3", "Траектория движения т. D", "Xd", "Yd", {"FastLineSeries2", "Series3", "Series4"}},
        {"Chart4", "График изменения max угла передачи", "Длина ВС", "Мax угол передачи ",
         {"FastLineSeries3", "FastLineSeries4", "Series6", "SeriesJammed4"}},
        {"Chart5", "График изменения max скорости Ve", "Длина ВС", "Max скорость  Ve",
         {"FastLineSeries5", "FastLineSeries6", "Series5", "SeriesJammed5"}},
        {"Chart6", "График изменения min  угла передачи", "Длина ВС", "Min  угол передачи",
         {"FastLineSeries7", "FastLineSeries8", "Series7", "SeriesJammed6"}},
    };
    for (const ChartRow& row : rows) {
        auto* chart = FindComponent<TChart>(form, row.chart);
        ASSERT_NE(chart, nullptr);
        EXPECT_EQ(chart->Title()->Text(), QStringList{QString::fromUtf8(row.title)});
        EXPECT_EQ(chart->BottomAxis()->Title()->Caption(), QString::fromUtf8(row.bottomTitle));
        EXPECT_EQ(chart->LeftAxis()->Title()->Caption(), QString::fromUtf8(row.leftTitle));
        EXPECT_EQ(chart->LeftAxis()->Title()->Font()->Color(), clMaroon);
        EXPECT_EQ(chart->BottomAxis()->TitleSize(), 5);
        EXPECT_EQ(chart->LeftAxis()->TitleSize(), 3);
        EXPECT_EQ(chart->Color(), 12615680u);
        EXPECT_TRUE(chart->Gradient()->Visible());
        EXPECT_FALSE(chart->BackImage().isNull());
        EXPECT_EQ(chart->BackImage().size(), QSize(317, 235));
        EXPECT_FALSE(chart->Legend()->Visible());
        EXPECT_FALSE(chart->View3D());
        EXPECT_EQ(chart->BevelInner(), bvLowered);
        ASSERT_EQ(chart->SeriesCount(), static_cast<int>(row.series.size()));
        for (std::size_t i = 0; i < row.series.size(); ++i) {
            TChartSeries* series = chart->Series(static_cast<int>(i));
            EXPECT_EQ(series->objectName(), QString::fromLatin1(row.series[i]));
            EXPECT_EQ(series->property("Count").toInt(), 0);
            // The study charts' last series marks the jammed lengths, wide and red over the curve.
            const bool marks = series->objectName().startsWith(QStringLiteral("SeriesJammed"));
            EXPECT_EQ(static_cast<TFastLineSeries*>(series)->LinePen()->Width(), marks ? 4 : 2);
            if (marks) {
                EXPECT_EQ(series->SeriesColor(), clRed);
            }
        }
    }
    const std::pair<const char*, TColor> colours[] = {
        {"Series1", clRed},    {"Series2", clGreen},  {"Series3", clGreen}, {"Series4", clGreen},
        {"Series5", clYellow}, {"Series6", clYellow}, {"Series7", clYellow}};
    for (const auto& [name, colour] : colours)
        EXPECT_EQ(FindComponent<TFastLineSeries>(form, name)->LinePen()->Color(), colour) << name;
}

TEST_F(ChartTabsTest, PanesAndSplittersOfTheChartsTab)
{
    ShowTab("TabSheet4");
    EXPECT_EQ(FindComponent<QWidget>(form, "Panel2")->height(), 225);
    EXPECT_EQ(FindComponent<QWidget>(form, "Chart2")->width(), 352);
    for (const char* name : {"Splitter1", "Splitter2", "Splitter3"}) {
        auto* splitter = FindComponent<QSplitter>(form, name);
        EXPECT_EQ(splitter->handleWidth(), 3);
        EXPECT_FALSE(splitter->opaqueResize());
    }
    ShowTab("TabSheet2");
    EXPECT_EQ(FindComponent<QWidget>(form, "Panel4")->height(), 209);
    EXPECT_EQ(FindComponent<QWidget>(form, "Chart6")->width(), 352);
    EXPECT_NE(FindComponent<QWidget>(form, "Panel5")->findChild<QGroupBox*>(QStringLiteral("GroupBox2")),
              nullptr);
}

TEST_F(ChartTabsTest, EmptyChartsShowOneZeroLabelOnEachAxis)
{
    ShowTab("TabSheet4");
    auto* chart = FindComponent<TChart>(form, "Chart1");
    chart->grab();
    for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
        EXPECT_EQ(axis->LabelValues(), std::vector<double>{0});
        EXPECT_EQ(axis->TickPositions(), std::vector<int>{axis->CenterPixel()});
    }
}
