// The tab "Ускорения" driven like a user: the characteristics of the default mechanism, the speed
// field scaling what the tab shows, refused speeds, the plan following the selected position,
// and faults that must reach the error box instead of the screen.

#include "TabTestSupport.h"
#include "tests/support/LocaleRestorer.h"

#include "chart/FastLineSeries.h"
#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Errors.h"
#include "support/RecordingMessages.h"
#include "views/TImage.h"

#include <QApplication>

#include <clocale>
#include <cmath>
#include <string>

namespace {

const QString kConversion = QStringLiteral("Ошибка ввода данных!");
const QString kNegative = QStringLiteral("Параметр не может быть отрицательным!");
const QString kZero = QStringLiteral("Ноль недопустим!");

constexpr double kDegreesPerRadian = 180 / 3.14159265358979323846;

enum Column { kAngle, kOmega2, kOmega3, kOmega4, kEps2, kEps3, kEps4, kAa, kAb, kAd, kAeAbs, kAe, kColumns };

const char* const kValueLabels[] = {"LabelStroke", "LabelTimeRatio", "LabelExtreme1", "LabelExtreme2",
                                    "LabelGammaMin", "LabelGammaMax", "LabelMaxSpeed", "LabelMaxAccel"};

QString General(double v)
{
    return QString::fromStdString(FormatGeneral(v));
}

class AccelerationsTabTest : public ::testing::Test {
protected:
    TabTableModel* Grid() { return tabs.Find<TabTable>("AccelGrid")->Model(); }
    TImage* Plan() { return tabs.Find<TImage>("AccelPlanImage"); }

    // Nothing the tab shows reads like a number that is not one.
    void ExpectNoBrokenNumbers()
    {
        for (const QLabel* label : tabs.accelerations->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->text().contains(QStringLiteral("NAN"))) << label->objectName().toStdString();
            EXPECT_FALSE(label->text().contains(QStringLiteral("INF"))) << label->objectName().toStdString();
        }
        for (int r = 0; r < Grid()->rowCount(); ++r)
            for (int c = 0; c < Grid()->columnCount(); ++c)
                EXPECT_TRUE(std::isfinite(Grid()->Value(r, c)));
    }

    RecordingMessages messages;
    TabsWindow tabs;
};

TEST_F(AccelerationsTabTest, EmptyUntilTheFirstCalculation)
{
    EXPECT_EQ(tabs.accelerations->objectName(), QStringLiteral("TabAccelerations"));
    EXPECT_EQ(tabs.Find<QLineEdit>("EditOmega1")->text(), QStringLiteral("1"));
    EXPECT_EQ(Grid()->rowCount(), 0);
    for (const char* name : kValueLabels)
        EXPECT_TRUE(tabs.Text(name).isEmpty()) << name;
    EXPECT_EQ(NonWhitePixels(Plan()->Picture()), 0);
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesSE")->Count(), 0);
}

TEST_F(AccelerationsTabTest, DefaultsShowTheCharacteristicsOfTheirLengths)
{
    const Mechanism m = AdoptedDefaults();
    tabs.Calculate(m, 8, 0);
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();

    Mechanism solved = m;
    solved.Lad = m.Lab / 2;
    solved.GuideOffset = m.Loc / 2;
    const MechanismCharacteristics c = ComputeCharacteristics(solved);
    ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);
    EXPECT_EQ(tabs.Text("LabelStroke"), General(c.Stroke) + QStringLiteral(" м"));
    EXPECT_EQ(tabs.Text("LabelTimeRatio"), General(c.TimeRatio));
    EXPECT_EQ(tabs.Text("LabelMaxSpeed"), General(c.MaxSpeed) + QStringLiteral(" м/с"));
    EXPECT_EQ(tabs.Text("LabelMaxAccel"), General(c.MaxAccel) + QStringLiteral(" м/с²"));

    // The extreme positions of the defaults, ascending, in degrees.
    const auto first = LabelNumber(tabs.Text("LabelExtreme1"), QStringLiteral("°"));
    const auto second = LabelNumber(tabs.Text("LabelExtreme2"), QStringLiteral("°"));
    ASSERT_TRUE(first && second);
    EXPECT_NEAR(*first, 36.9, 0.05);
    EXPECT_NEAR(*second, 235.9, 0.05);
    const auto gammaMin = LabelNumber(tabs.Text("LabelGammaMin"), QStringLiteral("°"));
    const auto gammaMax = LabelNumber(tabs.Text("LabelGammaMax"), QStringLiteral("°"));
    ASSERT_TRUE(gammaMin && gammaMax);
    EXPECT_LT(*gammaMin, *gammaMax);
    EXPECT_NEAR(*gammaMin, c.GammaMin * kDegreesPerRadian, 1e-9);
    const auto k = LabelNumber(tabs.Text("LabelTimeRatio"), QString());
    ASSERT_TRUE(k);
    EXPECT_NEAR(*k, 199.0 / 161.0, 0.01);

    // One row per position, the angles of the positions and the accelerations of the solve.
    ASSERT_EQ(Grid()->rowCount(), 8);
    const Solved s = Solve(m, 8);
    AccelerationArrays a;
    ComputeAccelerations(s.m, s.s.arrays, s.count, a);
    for (int r = 0; r < 8; ++r) {
        const auto k = static_cast<std::size_t>(r);
        EXPECT_NEAR(Grid()->Value(r, kAngle), 45.0 * r, 1e-9);
        EXPECT_EQ(Grid()->Value(r, kEps3), a.Eps3[k]);
        EXPECT_EQ(Grid()->Value(r, kAe), a.Ae[k]);
        EXPECT_EQ(Grid()->CellText(r, kAb), General(a.Ab[k]));
    }
    ExpectNoBrokenNumbers();
}

TEST_F(AccelerationsTabTest, TextsAreTheSameUnderEveryLocale)
{
    const LocaleRestorer restore;
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    tabs.Calculate(AdoptedDefaults(), 8, 3);
    QStringList reference;
    for (const char* name : kValueLabels)
        reference << tabs.Text(name);
    reference << Grid()->CellText(3, kAb) << tabs.Text("LabelAccelPosition");
    for (const char* locale : {"ru_RU.UTF-8", "uk_UA.UTF-8", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale << " is missing; scripts/setup.sh generates it";
        tabs.Calculate(AdoptedDefaults(), 8, 3);
        QStringList texts;
        for (const char* name : kValueLabels)
            texts << tabs.Text(name);
        texts << Grid()->CellText(3, kAb) << tabs.Text("LabelAccelPosition");
        EXPECT_EQ(texts, reference) << locale;
    }
    EXPECT_TRUE(reference.front().contains(u',')) << reference.front().toStdString();
}

TEST_F(AccelerationsTabTest, TheDiagramsCoverTheTurnAndMarkTheExtremes)
{
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    for (const char* name : {"SeriesSE", "SeriesVE", "SeriesAE"})
        EXPECT_EQ(tabs.Find<TFastLineSeries>(name)->Count(), kDiagramPositions) << name;
    const auto* displacement = tabs.Find<TFastLineSeries>("SeriesSE");
    EXPECT_EQ(displacement->MinX(), 0);
    EXPECT_NEAR(displacement->MaxX(), 358, 1e-9);
    // Counted from the lowest position: never below it (to the solver's rounding), up to H.
    const auto stroke = LabelNumber(tabs.Text("LabelStroke"), QStringLiteral(" м"));
    ASSERT_TRUE(stroke);
    EXPECT_GT(displacement->MinY(), -1e-6);
    EXPECT_LE(displacement->MaxY(), *stroke + 1e-6);
    EXPECT_GT(displacement->MaxY(), *stroke - 1e-3);

    const auto first = LabelNumber(tabs.Text("LabelExtreme1"), QStringLiteral("°"));
    for (const char* name : {"MarkSE1", "MarkVE1", "MarkAE1"}) {
        const auto* mark = tabs.Find<TFastLineSeries>(name);
        ASSERT_EQ(mark->Count(), 2) << name;
        EXPECT_NEAR(mark->XValues().Value(0), *first, 1e-9);
        EXPECT_EQ(mark->XValues().Value(0), mark->XValues().Value(1));
    }
}

TEST_F(AccelerationsTabTest, TheDiagramsTakeTheirAnglesFromTheirOwnSolve)
{
    // The table has the user's 8 positions; the diagrams and the plan the 180 of their own solve.
    tabs.Calculate(AdoptedDefaults(), 8, 45);
    const auto* acceleration = tabs.Find<TFastLineSeries>("SeriesAE");
    ASSERT_EQ(acceleration->Count(), kDiagramPositions);
    EXPECT_NEAR(acceleration->XValues().Value(45), 90, 1e-9);
    EXPECT_NEAR(acceleration->MaxX(), 358, 1e-9);
    EXPECT_EQ(tabs.Text("LabelAccelPosition"), QStringLiteral("Положение 45, φ = 90°"));
    EXPECT_EQ(Grid()->rowCount(), 8);
}

TEST_F(AccelerationsTabTest, EveryResultsDiagramsMarkTheirOwnExtremes)
{
    // Results of other lengths one after the other: the marks and the panel follow each.
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    const QString stroke = tabs.Text("LabelStroke");
    Mechanism changed = AdoptedDefaults();
    changed.Lbc = 0.6;
    tabs.Calculate(changed, 8, 0);
    Mechanism solved = changed;
    SetDerivedLengths(solved);
    const MechanismCharacteristics c = ComputeCharacteristics(solved);
    ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);
    EXPECT_NEAR(tabs.Find<TFastLineSeries>("MarkVE2")->XValues().Value(0), c.Extreme2 * kDegreesPerRadian, 1e-9);
    EXPECT_EQ(tabs.Text("LabelStroke"), General(c.Stroke) + QStringLiteral(" м"));
    EXPECT_NE(tabs.Text("LabelStroke"), stroke);

    // Back to the adopted lengths, the marks follow again.
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    const auto second = LabelNumber(tabs.Text("LabelExtreme2"), QStringLiteral("°"));
    EXPECT_NEAR(tabs.Find<TFastLineSeries>("MarkVE2")->XValues().Value(0), *second, 1e-9);
    EXPECT_EQ(tabs.Text("LabelStroke"), stroke);
}

TEST_F(AccelerationsTabTest, DoublingTheCrankSpeedDoublesVelocitiesAndQuadruplesAccelerations)
{
    tabs.Calculate(AdoptedDefaults(), 36, 10);
    TabTableModel* grid = Grid();
    std::vector<std::vector<double>> before(kColumns);
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < grid->rowCount(); ++r)
            before[static_cast<std::size_t>(c)].push_back(grid->Value(r, c));
    const auto speed = LabelNumber(tabs.Text("LabelMaxSpeed"), QStringLiteral(" м/с"));
    const auto accel = LabelNumber(tabs.Text("LabelMaxAccel"), QStringLiteral(" м/с²"));
    const auto stroke = tabs.Text("LabelStroke");
    const double ve = tabs.Find<TFastLineSeries>("SeriesVE")->YValues().Value(10);
    const double ae = tabs.Find<TFastLineSeries>("SeriesAE")->YValues().Value(10);
    const QImage plan = Plan()->Picture().copy();

    tabs.Enter("EditOmega1", QStringLiteral("2"));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(tabs.accelerations->Omega1(), 2);

    ASSERT_EQ(grid->rowCount(), 36);
    for (int r = 0; r < 36; ++r) {
        const auto k = static_cast<std::size_t>(r);
        EXPECT_EQ(grid->Value(r, kAngle), before[kAngle][k]);
        for (int c : {kOmega2, kOmega3, kOmega4})
            EXPECT_EQ(grid->Value(r, c), 2 * before[static_cast<std::size_t>(c)][k]) << r << ' ' << c;
        for (int c : {kEps2, kEps3, kEps4, kAa, kAb, kAd, kAeAbs, kAe})
            EXPECT_EQ(grid->Value(r, c), 4 * before[static_cast<std::size_t>(c)][k]) << r << ' ' << c;
    }
    // The labels hold 15 digits: the scaled values agree to their last one.
    const auto speed2 = LabelNumber(tabs.Text("LabelMaxSpeed"), QStringLiteral(" м/с"));
    const auto accel2 = LabelNumber(tabs.Text("LabelMaxAccel"), QStringLiteral(" м/с²"));
    ASSERT_TRUE(speed && accel && speed2 && accel2);
    EXPECT_NEAR(*speed2, 2 * *speed, 1e-14 * *speed2);
    EXPECT_NEAR(*accel2, 4 * *accel, 1e-14 * *accel2);
    EXPECT_EQ(tabs.Text("LabelStroke"), stroke);
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesVE")->YValues().Value(10), 2 * ve);
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesAE")->YValues().Value(10), 4 * ae);
    // The plan of the same position is drawn four times as large.
    EXPECT_NE(Plan()->Picture(), plan);

    // A decimal point reads as the comma.
    tabs.Enter("EditOmega1", QStringLiteral("0.5"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(grid->Value(3, kOmega2), 0.5 * before[kOmega2][3]);
}

TEST_F(AccelerationsTabTest, ARefusedSpeedKeepsTheFocusAndChangesNothing)
{
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    const double eps2 = Grid()->Value(1, kEps2);
    const QString accel = tabs.Text("LabelMaxAccel");
    struct Case {
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {QStringLiteral("abc"), {kConversion}},
        {QString(), {kConversion}},
        {QStringLiteral("-2"), {kNegative}},
        {QStringLiteral("0"), {kZero}},
        {QStringLiteral("-0"), {kZero}},
        {QStringLiteral("1,5.2"), {kConversion}},
    };
    QLineEdit* edit = tabs.Find<QLineEdit>("EditOmega1");
    for (const Case& c : cases) {
        messages.Clear();
        tabs.Enter("EditOmega1", c.text);
        EXPECT_EQ(messages.messages, c.expected) << c.text.toStdString();
        EXPECT_EQ(messages.beeps, c.expected.size()) << c.text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), edit) << c.text.toStdString();
        EXPECT_EQ(tabs.accelerations->Omega1(), 1) << c.text.toStdString();
        EXPECT_EQ(Grid()->Value(1, kEps2), eps2) << c.text.toStdString();
        EXPECT_EQ(tabs.Text("LabelMaxAccel"), accel) << c.text.toStdString();
    }
    // Put right, the field lets the user go on.
    messages.Clear();
    tabs.Enter("EditOmega1", QStringLiteral("3"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), tabs.Find<QLineEdit>("EditAccelScale"));
    EXPECT_EQ(Grid()->Value(1, kEps2), 9 * eps2);
}

TEST_F(AccelerationsTabTest, ThePlanFollowsThePositionAndTheScale)
{
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    const QImage first = Plan()->Picture().copy();
    EXPECT_GT(NonWhitePixels(first), 500);
    EXPECT_EQ(tabs.Text("LabelAccelPosition"), QStringLiteral("Положение 0, φ = 0°"));

    tabs.accelerations->SelectPosition(45);
    const QImage second = Plan()->Picture().copy();
    EXPECT_GT(NonWhitePixels(second), 500);
    EXPECT_NE(first, second);
    EXPECT_EQ(tabs.Text("LabelAccelPosition"), QStringLiteral("Положение 45, φ = 90°"));

    messages.Clear();
    tabs.Enter("EditAccelScale", QStringLiteral("3000"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(tabs.accelerations->AccelScale(), 3000);
    EXPECT_NE(Plan()->Picture(), second);

    // A position the diagrams' solve does not hold draws nothing.
    tabs.accelerations->SelectPosition(kDiagramPositions);
    EXPECT_EQ(NonWhitePixels(Plan()->Picture()), 0);
    EXPECT_TRUE(tabs.Text("LabelAccelPosition").isEmpty());
}

TEST_F(AccelerationsTabTest, AMechanismThatCannotTurnSaysSoInsteadOfNumbers)
{
    // The crank of 0,3 m cannot pass φ = 0: there |AC| = 1,3 m > Lab + Lbc = 1,2 m.
    Mechanism m = AdoptedDefaults();
    m.Loa = 0.3;
    m.Lbc = 0.6;
    tabs.Calculate(m, 8, 0);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'|').toStdString();
    for (const char* name : kValueLabels)
        EXPECT_TRUE(tabs.Text(name).isEmpty()) << name;
    EXPECT_TRUE(tabs.Text("LabelCharacteristicsNote").contains(QStringLiteral("не проворачивается")));
    for (const char* name : {"MarkSE1", "MarkSE2", "MarkAE2"})
        EXPECT_EQ(tabs.Find<TFastLineSeries>(name)->Count(), 0) << name;
    ExpectNoBrokenNumbers();
}

TEST_F(AccelerationsTabTest, FaultsReachTheErrorBoxAndLeaveNoNumbers)
{
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    // ω1² beyond the largest double: the overflow of the scaling, not infinities on screen.
    tabs.Enter("EditOmega1", QStringLiteral("1E200"));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Floating point overflow.")});
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_TRUE(tabs.Text("LabelMaxAccel").isEmpty());
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesAE")->Count(), 0);
    ExpectNoBrokenNumbers();

    // A result whose table's accelerations faulted: said once, and the tab shows none of them.
    messages.Clear();
    tabs.Enter("EditOmega1", QStringLiteral("1"));
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    CalculationResult faulted = ResultOf(AdoptedDefaults(), 8);
    auto k = std::make_shared<KinematicsResult>(faulted.Kinematics());
    k->table.accelerations = AccelerationArrays{};
    k->table.accelerationsError = "Floating point division by zero";
    faulted.kinematics = k;
    faulted.forces = AnalyseForces(*k, faulted.input.loads);
    tabs.results->Publish(faulted);
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Floating point division by zero.")});
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_EQ(tabs.Find<TabTable>("ForceGrid")->Model()->rowCount(), 0) << "no forces without accelerations";
    EXPECT_FALSE(tabs.Text("LabelStroke").isEmpty()) << "the characteristics hold";
    ExpectNoBrokenNumbers();
}

}  // namespace
