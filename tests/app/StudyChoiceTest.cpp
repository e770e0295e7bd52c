// The study's choice as the window shows it: a jammed rocker length is passed over but stays on
// the study charts, marked; the status bar counts what was passed over, says when the typed Lbc
// was kept and why, gives the solved mechanism's exact extreme positions and its true largest
// slider speed at the tab's ω1; the check box keeps the typed Lbc everywhere but in the study.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "app/ResultPublisher.h"
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "kinematics/Angles.h"
#include "kinematics/NumberText.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>

namespace {

class StudyChoiceTest : public MainWindowFixture<> {
protected:
    // The variant: Loa + Loc − Lab falls on a whole millimetre of the study.
    void EnterVariant(const QString& loc)
    {
        Enter("Edit1", QStringLiteral("0,08"));
        Enter("Edit2", QStringLiteral("0,62"));
        Enter("Edit4", QStringLiteral("0,55"));
        Enter("Edit7", loc);
        Enter("Edit10", QStringLiteral("12"));
    }
    QString Status() { return FindComponent<QLabel>(form, "StatusLabel")->text(); }
    QString FirstLine() { return Status().section(u'\n', 0, 0); }
    const KinematicsResult& K() { return form.Result()->Kinematics(); }

    // The marked lengths of a study chart: the x of every drawn point of its jammed series.
    std::vector<double> Marked(const char* chart, const char* series)
    {
        auto* s = FindComponent<TFastLineSeries>(*FindComponent<TChart>(form, chart), series);
        std::vector<double> xs;
        for (int i = 0; i < s->Count(); ++i) {
            if (!s->IsNull(i))
                xs.push_back(s->XValues()[i]);
        }
        return xs;
    }

};

TEST_F(StudyChoiceTest, AJammedLengthIsPassedOverButStaysMarkedOnTheStudyCharts)
{
    EnterVariant(QStringLiteral("1,2"));
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    // 0,66 m is where AB and BC fall into one line at φ = 0: the study takes another length.
    EXPECT_EQ(K().study.StatusByLbc[660], StudyLengthStatus::Jammed);
    EXPECT_NE(form.MechanismRecord().Lbc, 0.66);
    const int chosen = static_cast<int>(std::lround(form.MechanismRecord().Lbc * 1000));
    EXPECT_EQ(K().study.StatusByLbc[chosen], StudyLengthStatus::Candidate);
    EXPECT_LT(Degrees(K().characteristics.GammaMax), 179.0);
    EXPECT_TRUE(FirstLine().endsWith(QStringLiteral("; пропущено длин: 1 (заклинивание)"))) << FirstLine().toStdString();
    EXPECT_TRUE(FindComponent<QLabel>(form, "StatusLabel")->toolTip().contains(QStringLiteral("Заклинивание: ")));

    // The curves keep the jammed point, and each study chart marks it (and nothing else).
    const auto* speed = FindComponent<TFastLineSeries>(*FindComponent<TChart>(form, "Chart5"), "Series5");
    bool onCurve = false;
    for (int i = 0; i < speed->Count(); ++i)
        onCurve = onCurve || speed->XValues()[i] == 660;
    EXPECT_TRUE(onCurve);
    for (const auto& [chart, series] : {std::pair{"Chart4", "SeriesJammed4"}, std::pair{"Chart5", "SeriesJammed5"},
                                        std::pair{"Chart6", "SeriesJammed6"}}) {
        const std::vector<double> xs = Marked(chart, series);
        ASSERT_FALSE(xs.empty()) << chart;
        for (const double x : xs)
            EXPECT_NEAR(x, 660, 2.0) << chart;
    }
}

TEST_F(StudyChoiceTest, WhenEveryCompletedLengthJamsTheTypedLbcStaysAndTheStatusSaysWhy)
{
    // The other end of the range: only 0,9 m closes the four-bar, and there it locks.
    EnterVariant(QStringLiteral("1,44"));
    Enter("Edit3", QStringLiteral("0,8"));
    Calculate();
    EXPECT_EQ(K().studyOutcome.choice, StudyChoice::AllJammed);
    EXPECT_EQ(form.MechanismRecord().Lbc, 0.8);
    EXPECT_EQ(FindComponent<QLineEdit>(form, "Edit3")->text(), QStringLiteral("0,8"));
    EXPECT_EQ(FirstLine(), QStringLiteral("Lbc = 0,8 м оставлена, как введена: все длины исследования (1) заклинивают механизм"));
    const std::vector<double> xs = Marked("Chart5", "SeriesJammed5");
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(xs.back(), 900);
}

TEST_F(StudyChoiceTest, TheStatusBarGivesTheSolvedMechanismsExtremesAndLabelsTheScan)
{
    Calculate();
    const MechanismCharacteristics& c = K().characteristics;
    const QString second = Status().section(u'\n', 1, 1);
    // Two decimals of the exact extremes, whatever the 1° scan of the typed rocker listed.
    EXPECT_TRUE(second.endsWith(QStringLiteral("; крайние положения ползуна: 36,87°, 235,91°"))) << second.toStdString();
    EXPECT_NEAR(Degrees(c.Extreme1), 36.87, 0.005);
    EXPECT_NEAR(Degrees(c.Extreme2), 235.91, 0.005);
    EXPECT_TRUE(FindComponent<QLabel>(form, "StatusLabel")
                    ->toolTip()
                    .contains(QStringLiteral("по перебору через 1° при Lbc = 0,6 м: 85°, 86°, 265°, 266°")));
    // The list keeps its content; the note beside it says whose angles they are.
    EXPECT_EQ(FindComponent<QListWidget>(form, "ListBox1")->count(), 4);
    EXPECT_EQ(FindComponent<QLabel>(form, "ScanNote")->text(),
              QStringLiteral("Список — перебор через 1° при Lbc = 0,6 м.\nКрайние положения ползуна при Lbc = 0,9 м: 36,87°, 235,91°"));
}

TEST_F(StudyChoiceTest, TheLargestSpeedIsTheTrueMaximumAtTheTabsOmega1)
{
    // N = 12 samples 3,5 % below the true maximum; the status bar gives the maximum.
    EnterVariant(QStringLiteral("1,2"));
    Calculate();
    const double trueMax = K().characteristics.MaxSpeed;
    const int chosen = static_cast<int>(std::lround(form.MechanismRecord().Lbc * 1000));
    ASSERT_LT(K().study.MaxVeByLbc[chosen], trueMax * 0.99);
    const auto speedLine = [&] { return Status().section(u'\n', 1, 1); };
    EXPECT_TRUE(speedLine().startsWith(QStringLiteral("Наибольшая скорость ползуна 0,1076 м/с при ω1 = 1 рад/с;")))
        << speedLine().toStdString();
    EXPECT_NEAR(trueMax, 0.10759, 5e-6);

    // Another ω1 on the accelerations tab scales it.
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(4);
    Enter("EditOmega1", QStringLiteral("10"));
    EXPECT_TRUE(speedLine().startsWith(QStringLiteral("Наибольшая скорость ползуна 1,0759 м/с при ω1 = 10 рад/с;")))
        << speedLine().toStdString();
}

TEST_F(StudyChoiceTest, UncheckedTheTypedLbcIsKeptEverywhereButTheStudy)
{
    auto* adopt = FindComponent<QCheckBox>(form, "CheckAdoptLbc");
    ASSERT_TRUE(adopt->isChecked()) << "checked at start: the study's choice is adopted";
    QTest::mouseClick(adopt, Qt::LeftButton);
    ASSERT_FALSE(adopt->isChecked());
    Calculate();
    EXPECT_EQ(form.MechanismRecord().Lbc, 0.6);
    EXPECT_EQ(FindComponent<QLineEdit>(form, "Edit3")->text(), QStringLiteral("0,6"));
    EXPECT_EQ(K().solved.Lbc, 0.6);
    EXPECT_FALSE(K().lbcChosen);
    EXPECT_EQ(FirstLine(), QStringLiteral("Подбор выключен: Lbc = 0,6 м, как введена; исследование выбрало бы 0,9 м"));
    // The table is the typed mechanism's; the study's curves are shown all the same.
    const PositionArrays& a = K().table.positions;
    EXPECT_EQ(FindComponent<StringGrid>(form, "StringGrid1")->Model()->CopiedText(1, 5),
              QString::fromStdString(FormatGeneral(a.Yb[1])));
    Mechanism typed;
    SetDefaultParameters(typed);
    SetDerivedLengths(typed);
    EXPECT_EQ(K().characteristics.Stroke, ComputeCharacteristics(typed).Stroke);
    EXPECT_EQ(FindComponent<TFastLineSeries>(*FindComponent<TChart>(form, "Chart5"), "Series5")->Count(), 310);

    // Checked again, the next Calculate adopts.
    QTest::mouseClick(adopt, Qt::LeftButton);
    Calculate();
    EXPECT_EQ(form.MechanismRecord().Lbc, 0.9);
}

}  // namespace
