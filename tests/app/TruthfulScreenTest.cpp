// What the window shows after Calculate must never mislead: no drawing of an earlier mechanism
// under the new one, the path of D as two clean branches, a read-only angle field, charts that
// show the new curves, and a status bar that says what the study chose and which rocker length
// the dead positions belong to.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/TImage.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <set>

namespace {

class TruthfulScreenTest : public MainWindowFixture<> {
protected:
    void Calculate(TForm4& f) { QTest::mouseClick(FindComponent<QPushButton>(f, "Button4"), Qt::LeftButton); }
    void Enter(TForm4& f, const char* field, const QString& text) { EnterField(f, field, text); }
    QString Status(TForm4& f) { return FindComponent<QLabel>(f, "StatusLabel")->text(); }
};

// The picture without the outer `border` pixels, where the frame of the last pen may differ.
QImage Inner(const QImage& picture, int border)
{
    return picture.copy(border, border, picture.width() - 2 * border, picture.height() - 2 * border);
}

TEST_F(TruthfulScreenTest, ASecondCalculateLeavesNoTraceOfTheFirstMechanism)
{
    Calculate(form);
    Enter(form, "Edit7", QStringLiteral("1,1"));
    Calculate(form);
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();

    TForm4 fresh;
    ShowActive(fresh);
    Enter(fresh, "Edit7", QStringLiteral("1,1"));
    Calculate(fresh);
    // Both studies start from Lbc 0,6 and 0,9 respectively, yet choose the same rocker.
    ASSERT_EQ(fresh.MechanismRecord().Lbc, form.MechanismRecord().Lbc);
    for (const char* name : {"Image1", "Image2"}) {
        const QImage after = FindComponent<TImage>(form, name)->Picture();
        const QImage direct = FindComponent<TImage>(fresh, name)->Picture();
        EXPECT_EQ(Inner(after, 4), Inner(direct, 4)) << name;
    }
}

TEST_F(TruthfulScreenTest, ThePathOfDIsTwoBranchesAscendingInXThatHoldEveryPosition)
{
    Calculate(form);
    auto* upper = FindComponent<TFastLineSeries>(form, "Series3");
    auto* lower = FindComponent<TFastLineSeries>(form, "Series4");
    const PositionArrays& a = form.Result()->Kinematics().diagrams.positions;
    std::set<std::pair<double, double>> seen;
    for (TFastLineSeries* series : {upper, lower}) {
        ASSERT_GE(series->Count(), 2);
        for (int i = 0; i < series->Count(); ++i) {
            if (i > 0) {
                EXPECT_LE(series->XValues()[i - 1], series->XValues()[i]) << series->objectName().toStdString() << " at " << i;
            }
            seen.insert({series->XValues()[i], series->YValues()[i]});
        }
    }
    for (int k = 0; k < 180; ++k)
        EXPECT_TRUE(seen.count({a.Xd[static_cast<std::size_t>(k)], a.Yd[static_cast<std::size_t>(k)]})) << "position " << k;
    // The branches meet at the two extremes: 180 positions, two of them in both.
    EXPECT_EQ(upper->Count() + lower->Count(), 182);
    EXPECT_EQ(upper->XValues()[0], lower->XValues()[0]);
    EXPECT_EQ(upper->XValues().Last(), lower->XValues().Last());
}

TEST_F(TruthfulScreenTest, TheAngleFieldOnlyShowsTheAngle)
{
    Calculate(form);
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(3);
    auto* edit8 = FindComponent<QLineEdit>(form, "Edit8");
    const QString before = edit8->text();
    QTest::mouseClick(edit8, Qt::LeftButton);
    QTest::keyClicks(edit8, "77");
    EXPECT_EQ(edit8->text(), before);
    EXPECT_TRUE(edit8->isReadOnly());
}

TEST_F(TruthfulScreenTest, CalculateShowsTheNewCurvesOfAZoomedChart)
{
    Calculate(form);
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(1);
    auto* chart = FindComponent<TChart>(form, "Chart1");
    QTest::qWait(10);
    const ChartRect plot = chart->PlotRect();
    const QPoint from(plot.left + 10, plot.top + 10);
    const QPoint to(plot.left + 90, plot.top + 70);
    QTest::mousePress(chart, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(chart, (from + to) / 2);
    QTest::mouseMove(chart, to);
    QTest::mouseRelease(chart, Qt::LeftButton, Qt::NoModifier, to);
    QTest::qWait(300);  // the zoom is animated
    ASSERT_TRUE(chart->Zoomed());
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(0);
    Calculate(form);
    EXPECT_FALSE(chart->Zoomed());
}

TEST_F(TruthfulScreenTest, TheStatusBarStatesTheStudysChoiceAndWhoseDeadPositionsTheListHolds)
{
    Calculate(form);
    // The speed is the true largest of the adopted mechanism (the study's sample of N = 8
    // positions reads 0,0928 m/s), the extremes are its own; the tooltip adds the 1° scan at 0,6.
    EXPECT_EQ(Status(form).toStdString(),
              std::string("Lbc = 0,9 м выбрана по наибольшей скорости ползуна (было 0,6 м)\n"
                          "Наибольшая скорость ползуна 0,0931 м/с при ω1 = 1 рад/с; крайние положения ползуна: 36,87°, 235,91°"));
    EXPECT_TRUE(FindComponent<QLabel>(form, "StatusLabel")
                    ->toolTip()
                    .endsWith(QStringLiteral("\nМёртвые положения по перебору через 1° при Lbc = 0,6 м: 85°, 86°, 265°, 266°")));
    auto* list = FindComponent<QListWidget>(form, "ListBox1");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("1,48352986419518"));
    EXPECT_TRUE(list->item(0)->toolTip().startsWith(QStringLiteral("φ = 85°"))) << list->item(0)->toolTip().toStdString();

    // The second Calculate scans the rocker the first one adopted.
    Calculate(form);
    EXPECT_TRUE(Status(form).contains(QStringLiteral("(было 0,9 м)")));
    EXPECT_TRUE(FindComponent<QLabel>(form, "StatusLabel")->toolTip().contains(QStringLiteral("при Lbc = 0,9 м")));
}

TEST_F(TruthfulScreenTest, AFailedCalculateNamesTheConditionBesideTheErrorBox)
{
    // A slider link too short to reach its guide: the error box as before, and the reason.
    Enter(form, "Edit4", QStringLiteral("0,05"));
    ASSERT_TRUE(messages.all.isEmpty());
    Calculate(form);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(Status(form).startsWith(QStringLiteral("Расчёт не выполнен: звено DE не достаёт до направляющей ползуна при φ = ")))
        << Status(form).toStdString();
}

// A crank that cannot turn fully has no dynamics, and the status bar says so after its account.
TEST_F(TruthfulScreenTest, TheStatusBarSaysWhenTheMachineHasNoDynamics)
{
    Enter(form, "Edit1", QStringLiteral("0,25"));
    Enter(form, "Edit2", QStringLiteral("0,3"));
    Calculate(form);
    const QString status = Status(form);
    EXPECT_TRUE(status.contains(QStringLiteral("Кривошип не проворачивается на полный оборот: при φ = ")))
        << status.toStdString();
    EXPECT_TRUE(status.endsWith(QStringLiteral("Динамика машины не рассчитывается."))) << status.toStdString();
    // The tab of the window says the same when it is opened.
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentWidget(FindComponent<QWidget>(form, "TabDynamics"));
    const QString note = FindComponent<QLabel>(form, "LabelDynamicsNote")->text();
    EXPECT_TRUE(status.endsWith(note)) << note.toStdString();
    EXPECT_TRUE(FindComponent<QLabel>(form, "LabelJmExact")->text().isEmpty());

    // Back to a turning crank: the note goes.
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(0);
    messages.Clear();
    Enter(form, "Edit1", QStringLiteral("0,1"));
    Enter(form, "Edit2", QStringLiteral("0,6"));
    Calculate(form);
    EXPECT_FALSE(Status(form).contains(QStringLiteral("Динамика"))) << Status(form).toStdString();
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentWidget(FindComponent<QWidget>(form, "TabDynamics"));
    EXPECT_FALSE(FindComponent<QLabel>(form, "LabelJmExact")->text().isEmpty());
}

}  // namespace
