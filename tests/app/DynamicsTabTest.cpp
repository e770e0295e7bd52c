// The tab "Динамика" driven like a user: the figures, charts and table of the published result,
// the field δ with its fractions and messages, the loads shared with "Силы", and a mechanism
// whose crank does not turn fully.

#include "TabTestSupport.h"

#include "app/DynamicsTab.h"
#include "app/FieldExitRule.h"
#include "app/ForcesTab.h"
#include "app/ResultPublisher.h"
#include "app/TabTable.h"
#include "chart/ChartSeries.h"
#include "kinematics/Calculation.h"
#include "kinematics/NumberText.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kRange = QStringLiteral("Вибране значення поза діапазоном");

CalculationResult CalculateDefaults(int n, const ForceParameters& loads, double delta,
                                    double loa = 0.1, double lab = 0.6)
{
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.typed.Loa = loa;
    input.typed.Lab = lab;
    input.typed.PositionCount = n;
    input.loads = loads;
    input.delta = delta;
    return Calculate(input);
}

QString Number(double value, const char* unit)
{
    return QString::fromStdString(FormatGeneral(value)) + QString::fromUtf8(unit);
}

// What the tabs tell the user, recorded from before their window is made until it is gone.
struct RecordedMessages {
    RecordingMessages messages;
};

class DynamicsTabTest : public ::testing::Test, protected RecordedMessages, protected TabWindowParts {
protected:
    void SetUp() override
    {
        ShowTabs(window, other, {forces, dynamics}, QSize(1000, 900));
        ForceParameters loads;
        loads.Omega1 = 2 * M_PI;
        results->Publish(CalculateDefaults(12, loads, 0.04));
        ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    }

    int Points(const char* series) { return Find<TChartSeries>(series)->Count(); }
    const DynamicsPart& Shown() { return results->Result()->dynamics; }

    ForcesTab* forces = new ForcesTab(results, fields, &window);
    DynamicsTab* dynamics = new DynamicsTab(results, fields, &window);
};

TEST_F(DynamicsTabTest, FiguresChartsAndTableAreThoseOfThePublishedResult)
{
    EXPECT_EQ(dynamics->objectName(), QStringLiteral("TabDynamics"));
    EXPECT_EQ(Find<QLineEdit>("EditDelta")->text(), QStringLiteral("0,04"));
    ASSERT_TRUE(Shown().Computed());
    const DynamicsResult& d = Shown().curves;
    EXPECT_EQ(Text("LabelDrivingTorque"), Number(d.DrivingTorque, " Н·м"));
    EXPECT_EQ(Text("LabelJmExact"), Number(d.Exact.Jm, " кг·м²"));
    EXPECT_EQ(Text("LabelJmWittenbauer"), Number(d.Wittenbauer.Jm, " кг·м²"));
    EXPECT_EQ(Text("LabelJmSimple"), Number(d.JmSimple, " кг·м²"));
    EXPECT_EQ(Text("LabelDeltaTRange"), Number(d.DeltaTRange, " Дж"));
    EXPECT_TRUE(Text("LabelDeltaAchieved").startsWith(QString::fromStdString(FormatGeneral(d.DeltaAchieved))));
    EXPECT_TRUE(Text("LabelDisc").contains(Number(d.Disc.Mass, " кг")));
    EXPECT_TRUE(Text("LabelOmegaMax").startsWith(Number(d.OmegaMax.Value, " рад/с")));
    EXPECT_GT(d.Exact.Jm, 0);

    const auto curve = static_cast<int>(d.Phi.size());
    EXPECT_GE(curve, 3600);
    for (const char* series : {"SeriesMpr", "SeriesAd", "SeriesAc", "SeriesDeltaT", "SeriesJpr", "SeriesEnergyMass",
                               "SeriesOmega"})
        EXPECT_EQ(Points(series), curve) << series;
    for (const char* series : {"SeriesMd", "SeriesTangentMax", "SeriesTangentMin", "SeriesOmegaMax", "SeriesOmegaMin",
                               "SeriesOmegaMean"})
        EXPECT_EQ(Points(series), 2) << series;
    // The tangents touch the energy-mass diagram: none of its points lies above the upper one.
    const auto* energy = Find<TChartSeries>("SeriesEnergyMass");
    const EnergyTangent& upper = d.Wittenbauer.Upper;
    for (int i = 0; i < energy->Count(); i += 50)
        EXPECT_LE(energy->YValues().Value(i), upper.Slope * energy->XValues().Value(i) + upper.Intercept + 1e-9);
    EXPECT_EQ(Find<TChartSeries>("SeriesOmegaMax")->YValues().Value(0), d.OmegaMax.Value);

    TabTableModel* grid = Find<TabTable>("DynamicsGrid")->Model();
    ASSERT_EQ(grid->rowCount(), 12);
    ASSERT_EQ(grid->columnCount(), 6);
    for (int r = 0; r < 12; ++r) {
        const auto k = static_cast<std::size_t>(r);
        EXPECT_EQ(grid->Value(r, 0), 30.0 * r);
        EXPECT_EQ(grid->Value(r, 1), Shown().table.Jpr[k]);
        EXPECT_EQ(grid->Value(r, 4), Shown().table.Omega[k]);
    }
}

TEST_F(DynamicsTabTest, DeltaTakesFractionsAndRefusesWhatIsOutOfRange)
{
    const double jm = Shown().curves.Exact.Jm;
    const auto* published = results->Result().get();
    Enter("EditDelta", QStringLiteral("1/25"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(results->Result().get(), published) << "the same δ computes nothing again";

    Enter("EditDelta", QStringLiteral("1/10"));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(results->Delta(), 0.1);
    EXPECT_EQ(results->Result()->input.delta, 0.1);
    EXPECT_LT(Shown().curves.Exact.Jm, jm);
    EXPECT_EQ(Text("LabelJmExact"), Number(Shown().curves.Exact.Jm, " кг·м²"));

    struct Case {
        QString text;
        QStringList expected;
    };
    const Case refused[] = {
        {QStringLiteral("1"), {kRange}},
        {QStringLiteral("3/2"), {kRange}},
        {QStringLiteral("0"), {QStringLiteral("Ноль недопустим!")}},
        {QStringLiteral("-1/25"), {QStringLiteral("Параметр не может быть отрицательным!")}},
        {QStringLiteral("1/0"), {QStringLiteral("Ошибка ввода данных!")}},
    };
    for (const Case& c : refused) {
        messages.Clear();
        Enter("EditDelta", c.text);
        EXPECT_EQ(messages.messages, c.expected) << c.text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("EditDelta"));
        EXPECT_EQ(results->Delta(), 0.1) << c.text.toStdString();
    }
    messages.Clear();
    Enter("EditDelta", QStringLiteral("0,04"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(Shown().curves.Exact.Jm, jm);
}

TEST_F(DynamicsTabTest, TheLoadsAreOneSetOnBothTabs)
{
    Enter("EditDynamicsResistance", QStringLiteral("200"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(results->Loads().Resistance, 200);
    EXPECT_EQ(Find<QLineEdit>("EditResistance")->text(), QStringLiteral("200"));
    EXPECT_EQ(Shown().curves.DrivingTorque, CalculateDefaults(12, results->Loads(), 0.04).dynamics.curves.DrivingTorque);

    Enter("EditLinearMass", QStringLiteral("5"));
    EXPECT_EQ(Find<QLineEdit>("EditDynamicsLinearMass")->text(), QStringLiteral("5"));
    Enter("EditDynamicsOmega1", QStringLiteral("10"));
    EXPECT_EQ(results->Loads().Omega1, 10);
    EXPECT_EQ(Shown().curves.OmegaMean, 10);

    QCheckBox* gravity = Find<QCheckBox>("CheckDynamicsGravity");
    QTest::mouseClick(gravity, Qt::LeftButton);
    EXPECT_FALSE(results->Loads().Gravity);
    EXPECT_FALSE(Find<QCheckBox>("CheckGravity")->isChecked());
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();

    // A refused load changes nothing on either tab.
    Enter("EditDynamicsSliderMass", QStringLiteral("-3"));
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Параметр не может быть отрицательным!")});
    EXPECT_EQ(results->Loads().SliderMass, 10);
    EXPECT_EQ(Find<QLineEdit>("EditSliderMass")->text(), QStringLiteral("10"));
}

TEST_F(DynamicsTabTest, NoDynamicsWhenTheCrankDoesNotTurnFullyAndTheReasonIsShown)
{
    results->Publish(CalculateDefaults(12, results->Loads(), 0.04, 0.25, 0.3));
    ASSERT_FALSE(Shown().Computed());
    EXPECT_EQ(Text("LabelDynamicsNote"), QString::fromStdString(Shown().Reason()));
    EXPECT_TRUE(Text("LabelDynamicsNote").startsWith(QStringLiteral("Кривошип не проворачивается на полный оборот")));
    EXPECT_TRUE(Text("LabelJmExact").isEmpty());
    EXPECT_EQ(Find<TabTable>("DynamicsGrid")->Model()->rowCount(), 0);
    for (const char* series : {"SeriesOmega", "SeriesEnergyMass", "SeriesTangentMax", "SeriesMd"})
        EXPECT_EQ(Points(series), 0) << series;
}

}  // namespace
