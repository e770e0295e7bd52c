// Value lists and the point bookkeeping of series: order, pairing, storage steps, statistics,
// colour and label lists, events.

#include "chart/FastLineSeries.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
std::vector<double> Values(const TChartValueList& list)
{
    std::vector<double> v;
    for (int i = 0; i < list.Count(); ++i)
        v.push_back(list.Value(i));
    return v;
}
}  // namespace

TEST(ChartValueList, AscendingXSortsPointsAndKeepsYPaired)
{
    TFastLineSeries series;
    EXPECT_EQ(series.AddPoint(3, 30), 0);
    EXPECT_EQ(series.AddPoint(1, 10), 0);
    EXPECT_EQ(series.AddPoint(2, 20), 1);
    EXPECT_EQ(Values(series.XValues()), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Values(series.YValues()), (std::vector<double>{10, 20, 30}));
}

TEST(ChartValueList, EqualXGoesAfterItsEqualsAndEqualToLastAppends)
{
    TFastLineSeries series;
    series.AddPoint(1, 1);
    series.AddPoint(2, 2);
    series.AddPoint(3, 3);
    EXPECT_EQ(series.AddPoint(2, 22), 2);  // after the existing 2, before 3
    EXPECT_EQ(series.AddPoint(2, 222), 3);
    EXPECT_EQ(series.AddPoint(3, 33), 5);  // equal to the last: appended
    EXPECT_EQ(Values(series.YValues()), (std::vector<double>{1, 2, 22, 222, 3, 33}));
}

TEST(ChartValueList, DescendingAndUnorderedLists)
{
    TFastLineSeries series;
    series.XValues().Order = loDescending;
    for (double x : {1.0, 5.0, 3.0, 5.0})
        series.AddPoint(x, x * 10);
    EXPECT_EQ(Values(series.XValues()), (std::vector<double>{5, 5, 3, 1}));
    EXPECT_EQ(Values(series.YValues()), (std::vector<double>{50, 50, 30, 10}));

    TFastLineSeries unordered;
    unordered.XValues().Order = loNone;
    for (double x : {3.0, 1.0, 2.0})
        unordered.AddPoint(x, 0);
    EXPECT_EQ(Values(unordered.XValues()), (std::vector<double>{3, 1, 2}));
}

TEST(ChartValueList, StorageGrowsInStepsOfOneThousand)
{
    TFastLineSeries series;
    EXPECT_EQ(series.XValues().Capacity(), 0);
    for (int i = 0; i < 1000; ++i)
        series.AddPoint(i, i);
    EXPECT_EQ(series.XValues().Capacity(), 1000);
    series.AddPoint(1000, 0);
    EXPECT_EQ(series.XValues().Capacity(), 2000);
    EXPECT_EQ(series.YValues().Capacity(), 2000);
    // An out-of-order insertion into a full list grows it the same way.
    TFastLineSeries reversed;
    for (int i = 1001; i > 0; --i)
        reversed.AddPoint(i, 0);
    EXPECT_EQ(reversed.XValues().Capacity(), 2000);
    EXPECT_EQ(reversed.XValues().First(), 1);
    EXPECT_EQ(reversed.XValues().Last(), 1001);

    series.ClearPoints();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_EQ(series.XValues().Capacity(), 0);
}

TEST(ChartValueList, StatisticsAreLazyAndZeroWhenEmpty)
{
    TFastLineSeries series;
    EXPECT_EQ(series.MinX(), 0);
    EXPECT_EQ(series.MaxX(), 0);
    EXPECT_EQ(series.MinY(), 0);
    EXPECT_EQ(series.MaxY(), 0);
    EXPECT_EQ(series.YValues().Sum(), 0);
    EXPECT_EQ(series.YValues().SumAbs(), 0);
    EXPECT_FALSE(series.YValues().Modified());

    series.AddPoint(1, 2);
    series.AddPoint(2, -3);
    series.AddPoint(3, 5);
    EXPECT_TRUE(series.YValues().Modified());
    EXPECT_EQ(series.MinY(), -3);
    EXPECT_FALSE(series.YValues().Modified());
    EXPECT_EQ(series.MaxY(), 5);
    EXPECT_EQ(series.YValues().Sum(), 4);
    EXPECT_EQ(series.YValues().SumAbs(), 10);
    EXPECT_EQ(series.YValues().Range(), 8);
    // A single negative value is both extremes.
    TFastLineSeries one;
    one.AddPoint(-7, -7);
    EXPECT_EQ(one.MinX(), -7);
    EXPECT_EQ(one.MaxX(), -7);
}

TEST(ChartValueList, OrderAndFinitenessAreKeptWithTheStatistics)
{
    TFastLineSeries series;
    EXPECT_TRUE(series.XValues().NonDecreasing());  // empty
    EXPECT_TRUE(series.XValues().AllFinite());
    for (double x : {1.0, 3.0, 3.0, 2.0})  // 2 goes between 1 and the threes
        series.AddPoint(x, -x);
    EXPECT_TRUE(series.XValues().NonDecreasing());
    EXPECT_FALSE(series.YValues().NonDecreasing());  // Y follows X: -1, -2, -3, -3
    for (int i = 0; i < 4; ++i)
        series.YValues().SetValue(i, series.XValues().Value(i));
    EXPECT_TRUE(series.YValues().NonDecreasing());  // 1, 2, 3, 3: equal neighbours allowed
    // A value set out of its place, and values that are no numbers.
    series.XValues().SetValue(3, 0);
    EXPECT_FALSE(series.XValues().NonDecreasing());
    series.XValues().SetValue(3, 4);
    EXPECT_TRUE(series.XValues().NonDecreasing());
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        series.YValues().SetValue(2, bad);
        EXPECT_FALSE(series.YValues().AllFinite()) << bad;
        EXPECT_EQ(series.MaxY(), 3) << bad;  // a gap stretches no range
        EXPECT_FALSE(series.YValues().NonDecreasing()) << bad;
    }
    series.YValues().SetValue(2, 3);
    EXPECT_TRUE(series.YValues().AllFinite());
    series.XValues().SetValue(0, std::nan(""));
    EXPECT_FALSE(series.XValues().NonDecreasing());
}

TEST(ChartSeries, ColourListAppearsWithTheFirstNonDefaultColour)
{
    TFastLineSeries series;
    series.SetSeriesColor(clRed);
    series.AddPoint(1, 1);
    series.AddPoint(3, 3, QString(), clDefault);
    EXPECT_FALSE(series.HasColorList());
    EXPECT_FALSE(series.HasLabels());

    series.AddPoint(2, 2, QString(), clBlue);
    ASSERT_TRUE(series.HasColorList());
    EXPECT_EQ(*series.ColorList(), (std::vector<TColor>{clDefault, clBlue, clDefault}));
    EXPECT_EQ(series.PointColor(0), clRed);
    EXPECT_EQ(series.PointColor(1), clBlue);
    series.AddPoint(0, 0);
    EXPECT_EQ(series.ColorList()->size(), 4u);

    series.ClearPoints();
    EXPECT_FALSE(series.HasColorList());
}

TEST(ChartSeries, LabelsAreKeptOnlyOnceOneIsGiven)
{
    TFastLineSeries series;
    series.AddPoint(1, 1);
    EXPECT_TRUE(series.Labels().isEmpty());
    series.AddPoint(0, 0, QStringLiteral("a"));
    series.AddPoint(2, 2);
    EXPECT_EQ(series.Labels(), (QStringList{QStringLiteral("a"), QString(), QString()}));
}

TEST(ChartSeries, BeforeAddVetoesAndAfterAddSeesTheIndex)
{
    TFastLineSeries series;
    std::vector<int> added;
    series.OnBeforeAdd = [](TChartSeries* s) { return s->XValues().PendingValue >= 0; };
    series.OnAfterAdd = [&](TChartSeries*, int index) { added.push_back(index); };
    EXPECT_EQ(series.AddPoint(5, 1), 0);
    EXPECT_EQ(series.AddPoint(-1, 1), -1);
    EXPECT_EQ(series.AddPoint(2, 1), 0);
    EXPECT_EQ(series.Count(), 2);
    EXPECT_EQ(added, (std::vector<int>{0, 0}));
}

TEST(ChartSeries, PublishedStatisticsAreReadOnlyProperties)
{
    TFastLineSeries series;
    series.setObjectName(QStringLiteral("Series1"));
    series.AddPoint(591, 0.5);
    series.AddPoint(900, 1.5);
    EXPECT_EQ(series.property("Count").toInt(), 2);
    EXPECT_EQ(series.property("MinX").toDouble(), 591);
    EXPECT_EQ(series.property("MaxY").toDouble(), 1.5);
    EXPECT_FALSE(series.setProperty("Count", 5));
}
