// The refresh of the six diagrams after Calculate: 180 positions whatever N the user typed, the
// path of D cut at its leftmost point, the study curves, and the user's N kept for the table.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "chart/FastLineSeries.h"
#include "storage/ParameterFile.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "chart/PathSplit.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"

#include <QFile>
#include <QPushButton>

#include <cmath>

namespace {

class DiagramsTest : public MainWindowFixture<> {
protected:
    TFastLineSeries* Series(int n)
    {
        return FindComponent<TFastLineSeries>(form, QStringLiteral("Series%1").arg(n).toLatin1().constData());
    }
    std::vector<int> Counts()
    {
        std::vector<int> counts;
        for (int n = 1; n <= 7; ++n)
            counts.push_back(Series(n)->Count());
        return counts;
    }
};

TEST_F(DiagramsTest, ChartsShow180PositionsWhileTheTableShowsTheUsersN)
{
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(FindComponent<StringGrid>(form, "StringGrid1")->Model()->rowCount(), 8);
    // The path of D: two branches between its extremes, which both hold.
    EXPECT_EQ(Counts(), (std::vector<int>{180, 180, Series(3)->Count(), 182 - Series(3)->Count(), 310, 310, 310}));

    const TChartValueList& angles = Series(1)->XValues();
    EXPECT_EQ(angles.Value(0), 0.0);
    EXPECT_NEAR(angles.Last(), 2 * M_PI * 179 / 180, 1e-12);
    EXPECT_EQ(Series(5)->MinX(), 591.0);
    EXPECT_EQ(Series(5)->MaxX(), 900.0);
    // The angle is accumulated by addition, as the diagrams always did.
    double accumulated = 0;
    for (int k = 0; k < 180; ++k) {
        EXPECT_EQ(angles.Value(k), accumulated) << k;
        accumulated = accumulated + 2 * M_PI / 180;
    }
}

TEST_F(DiagramsTest, RefreshingAgainReplacesThePointsInsteadOfDoublingThem)
{
    Calculate();
    const std::vector<int> first = Counts();
    Calculate();
    EXPECT_EQ(Counts(), first);
    EXPECT_EQ(form.MechanismRecord().PositionCount, 8);
}

TEST_F(DiagramsTest, ASaveAfterCalculateWritesTheUsersCountAndTheChosenRocker)
{
    Calculate();
    QTest::mouseClick(FindComponent<QPushButton>(form, "Button6"), Qt::LeftButton);
    Mechanism saved{};
    ASSERT_TRUE(LoadParameterFile(saved));
    EXPECT_EQ(saved.PositionCount, 8);
    EXPECT_EQ(saved.Lbc, 0.9);
    EXPECT_EQ(saved.Lad, 0.3);
    EXPECT_EQ(saved.GuideOffset, 0.5);
}

TEST_F(DiagramsTest, StudyLengthsWithoutAValueGetNoPoint)
{
    // The pivots 1.3 m apart: rockers up to 0.8 m cannot close the linkage (at 0.8 m the sums
    // 0.1 + 1.3 and 0.6 + 0.8 differ in the last bit).
    form.MechanismRecord().Loc = 1.3;
    form.ShowParameters();
    Calculate();
    EXPECT_EQ(Series(5)->Count(), 100);
    EXPECT_EQ(Series(5)->MinX(), 801.0);
    EXPECT_EQ(Series(1)->Count(), 180);
}

TEST_F(DiagramsTest, ABadScaleTextStopsTheRefreshBeforeAnythingIsAppended)
{
    Calculate();
    const std::vector<int> before = Counts();
    messages.Clear();
    FindComponent<QLineEdit>(form, "Edit9")->setText(QStringLiteral("abc"));
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("'abc' is not a valid integer value.")});
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(form.MechanismRecord().PositionCount, 8);
}

TEST(PathSplit, CutsAtTheFirstLeftmostPoint)
{
    struct Case {
        std::vector<double> xd;
        int expected;
    };
    const Case cases[] = {
        {{-1.0, 0.5, 0.2, -0.5}, 0},  // position 0 leftmost: the first arc holds one point
        {{0.3, -0.2, 0.1, -0.2}, 1},  // equal minima: the first wins
        {{0.3, 0.2, 0.1, -0.4}, 3},   // the last is leftmost: the second arc holds one point
        {{}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LeftmostIndex(c.xd, static_cast<int>(c.xd.size())), c.expected);
    EXPECT_EQ(LeftmostIndex({0.3, 0.2, -5.0}, 2), 1) << "only computed positions count";
}

TEST(PathSplit, ClosedPathSplitsIntoTwoAscendingBranchesBetweenItsExtremes)
{
    // An oval traced from a point that is neither extreme: leftmost at 3, rightmost at 7.
    const std::vector<double> xd = {0.5, 0.0, -0.5, -1.0, -0.6, 0.1, 0.7, 1.0, 0.9};
    const PathBranches b = SplitClosedPath(xd, static_cast<int>(xd.size()));
    EXPECT_EQ(b.forward, (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(b.backward, (std::vector<int>{3, 2, 1, 0, 8, 7}));
    EXPECT_EQ(RightmostIndex(xd, static_cast<int>(xd.size())), 7);
    EXPECT_TRUE(SplitClosedPath({}, 0).forward.empty());
    const PathBranches single = SplitClosedPath({0.4}, 1);
    EXPECT_EQ(single.forward, std::vector<int>{0});
    EXPECT_EQ(single.backward, std::vector<int>{0});
}

}  // namespace
