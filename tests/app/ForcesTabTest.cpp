// The tab "Силы" driven like a user: the two balancing torques side by side, its parameter fields
// with their messages, the crank speed taken from the accelerations tab, and the force plan of
// the selected position.

#include "TabTestSupport.h"

#include "chart/FastLineSeries.h"
#include "support/RecordingMessages.h"
#include "views/TImage.h"

#include <QApplication>
#include <QCheckBox>

#include <cmath>

namespace {

const QString kConversion = QStringLiteral("Ошибка ввода данных!");
const QString kNegative = QStringLiteral("Параметр не может быть отрицательным!");
const QString kZero = QStringLiteral("Ноль недопустим!");

enum Column { kAngle, kMbGroups, kMbLever, kRO, kRA, kRB, kRC, kRD, kRE, kNguide, kColumns };

class ForcesTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.Calculate(AdoptedDefaults(), 12, 0);
        ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    }

    TabTableModel* Grid() { return tabs.Find<TabTable>("ForceGrid")->Model(); }
    std::vector<double> Column(int c)
    {
        std::vector<double> values;
        for (int r = 0; r < Grid()->rowCount(); ++r)
            values.push_back(Grid()->Value(r, c));
        return values;
    }

    RecordingMessages messages;
    TabsWindow tabs;
};

TEST_F(ForcesTabTest, BothTorquesForEveryPositionAndTheirLargestDifference)
{
    EXPECT_EQ(tabs.forces->objectName(), QStringLiteral("TabForces"));
    const char* defaults[][2] = {{"EditLinearMass", "20"}, {"EditSliderMass", "10"}, {"EditResistance", "500"}};
    for (const auto& d : defaults)
        EXPECT_EQ(tabs.Find<QLineEdit>(d[0])->text(), QString::fromLatin1(d[1])) << d[0];
    EXPECT_TRUE(tabs.Find<QCheckBox>("CheckGravity")->isChecked());

    ASSERT_EQ(Grid()->rowCount(), 12);
    const auto* groups = tabs.Find<TFastLineSeries>("SeriesMbGroups");
    const auto* lever = tabs.Find<TFastLineSeries>("SeriesMbLever");
    EXPECT_EQ(groups->Count(), kDiagramPositions);
    EXPECT_EQ(lever->Count(), groups->Count());
    double largest = 0;
    for (int k = 0; k < groups->Count(); ++k) {
        EXPECT_EQ(groups->XValues().Value(k), lever->XValues().Value(k));
        largest = std::max(largest, std::fabs(groups->YValues().Value(k) - lever->YValues().Value(k)));
    }
    for (int r = 0; r < 12; ++r) {
        EXPECT_NEAR(Grid()->Value(r, kAngle), 30.0 * r, 1e-9);
        largest = std::max(largest, std::fabs(Grid()->Value(r, kMbGroups) - Grid()->Value(r, kMbLever)));
        for (int c = kRO; c < kColumns; ++c)
            EXPECT_GE(Grid()->Value(r, c), 0) << r << ' ' << c;
    }
    EXPECT_EQ(tabs.forces->LargestDifference(), largest);
    EXPECT_LT(largest, 1e-6);
    EXPECT_EQ(tabs.Text("LabelMbDifference"), QStringLiteral("Наибольшая разность Mб двух методов: ")
                                                  + QString::fromStdString(FormatGeneral(largest))
                                                  + QStringLiteral(" Н·м"));
    // The torque is not trivially zero with the default loads.
    EXPECT_GT(groups->MaxY() - groups->MinY(), 1);
}

TEST_F(ForcesTabTest, RefusedParametersKeepTheirValuesAndZeroIsAllowed)
{
    const std::vector<double> mb = Column(kMbGroups);
    struct Case {
        const char* field;
        QString text;
        QStringList expected;
        const char* restore;
    };
    const Case refused[] = {
        {"EditLinearMass", QStringLiteral("-1"), {kNegative}, "20"},
        {"EditSliderMass", QStringLiteral("x"), {kConversion}, "10"},
        {"EditResistance", QStringLiteral("-500"), {kNegative}, "500"},
        {"EditResistance", QString(), {kConversion}, "500"},
    };
    for (const Case& c : refused) {
        messages.Clear();
        tabs.Enter(c.field, c.text);
        EXPECT_EQ(messages.messages, c.expected) << c.field << ' ' << c.text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), tabs.Find<QLineEdit>(c.field)) << c.field;
        EXPECT_EQ(Column(kMbGroups), mb) << c.field << ' ' << c.text.toStdString();
        // Put the value in use back, so the next field can be reached.
        messages.Clear();
        tabs.Enter(c.field, QString::fromLatin1(c.restore));
        EXPECT_TRUE(messages.all.isEmpty());
    }
    const ForceParameters p = tabs.forces->Parameters();
    EXPECT_EQ(p.LinearMass, 20);
    EXPECT_EQ(p.SliderMass, 10);
    EXPECT_EQ(p.Resistance, 500);
    EXPECT_EQ(Column(kMbGroups), mb);

    // Zero is a mass or a resistance one may leave out; with no loads at all nothing is needed.
    messages.Clear();
    tabs.Enter("EditLinearMass", QStringLiteral("0"));
    tabs.Enter("EditSliderMass", QStringLiteral("0,0"));
    tabs.Enter("EditResistance", QStringLiteral("0"));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    for (const double v : Column(kMbGroups))
        EXPECT_EQ(v, 0);
    for (const double v : Column(kRA))
        EXPECT_EQ(v, 0);

    // The resistance alone: only the working stroke needs a torque.
    tabs.Enter("EditResistance", QStringLiteral("100"));
    int working = 0;
    for (const double v : Column(kMbGroups))
        working += v != 0;
    EXPECT_GT(working, 0);
    EXPECT_LT(working, 12);
}

TEST_F(ForcesTabTest, GravityAndCrankSpeedChangeTheTorque)
{
    const std::vector<double> withGravity = Column(kMbGroups);
    QTest::mouseClick(tabs.Find<QCheckBox>("CheckGravity"), Qt::LeftButton);
    EXPECT_FALSE(tabs.forces->Parameters().Gravity);
    const std::vector<double> without = Column(kMbGroups);
    EXPECT_NE(without, withGravity);

    // Inertia grows with ω1²; the speed is the one of the accelerations tab.
    tabs.Enter("EditOmega1", QStringLiteral("5"));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(tabs.forces->Parameters().Omega1, 5);
    EXPECT_NE(Column(kMbGroups), without);
    EXPECT_LT(tabs.forces->LargestDifference(), 1e-6);
}

TEST_F(ForcesTabTest, ThePlanOfTheGroupFollowsThePosition)
{
    TImage* plan = tabs.Find<TImage>("ForcePlanImage");
    const QImage first = plan->Picture().copy();
    EXPECT_GT(NonWhitePixels(first), 500);
    EXPECT_TRUE(tabs.Text("LabelForcePosition").startsWith(QStringLiteral("Положение 0, φ = 0°")));

    tabs.Select(60);
    EXPECT_NE(plan->Picture(), first);
    EXPECT_TRUE(tabs.Text("LabelForcePosition").startsWith(QStringLiteral("Положение 60, φ = 120°")));

    const QImage beforeScale = plan->Picture().copy();
    tabs.Enter("EditForceScale", QStringLiteral("0,4"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_NE(plan->Picture(), beforeScale);
    tabs.Enter("EditForceScale", QStringLiteral("0"));
    EXPECT_EQ(messages.messages, QStringList{kZero});
    EXPECT_EQ(tabs.forces->ForceScale(), 0.4);
}

TEST_F(ForcesTabTest, ASpeedThatOverflowsGivesOneErrorAndNoTorques)
{
    tabs.Enter("EditOmega1", QStringLiteral("1E200"));
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Floating point overflow.")});
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesMbGroups")->Count(), 0);
    EXPECT_TRUE(tabs.Text("LabelMbDifference").isEmpty());
    EXPECT_EQ(NonWhitePixels(tabs.Find<TImage>("ForcePlanImage")->Picture()), 0);
}

TEST_F(ForcesTabTest, AnOverflowingMassGivesOneErrorAndLeavesNothingOfTheOldLoads)
{
    // The coupler of 0,6 m weighs more than the largest double at 1E308 kg/m.
    tabs.Enter("EditLinearMass", QStringLiteral("1E308"));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Floating point overflow.")});
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesMbLever")->Count(), 0);
    EXPECT_TRUE(tabs.Text("LabelMbDifference").isEmpty());
    EXPECT_EQ(NonWhitePixels(tabs.Find<TImage>("ForcePlanImage")->Picture()), 0);

    messages.Clear();
    tabs.Enter("EditLinearMass", QStringLiteral("20"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(Grid()->rowCount(), 12);
    EXPECT_EQ(tabs.Find<TFastLineSeries>("SeriesMbLever")->Count(), kDiagramPositions);
}

TEST_F(ForcesTabTest, AClickThatBroughtAFieldsMessageDoesNotToggleGravity)
{
    const std::vector<double> mb = Column(kMbGroups);
    auto* gravity = tabs.Find<QCheckBox>("CheckGravity");
    TypeInto(tabs.Find<QLineEdit>("EditLinearMass"), QStringLiteral("-1"));
    QTest::mouseClick(gravity, Qt::LeftButton, {}, QPoint(4, gravity->height() / 2));
    EXPECT_EQ(messages.messages, QStringList{kNegative});
    EXPECT_TRUE(gravity->isChecked()) << "the click that left the field did not run";
    EXPECT_TRUE(tabs.forces->Parameters().Gravity);
    EXPECT_EQ(Column(kMbGroups), mb);
    EXPECT_EQ(QApplication::focusWidget(), tabs.Find<QLineEdit>("EditLinearMass"));

    // The next click, with the field put right, toggles it.
    messages.Clear();
    TypeInto(tabs.Find<QLineEdit>("EditLinearMass"), QStringLiteral("20"));
    QTest::mouseClick(gravity, Qt::LeftButton, {}, QPoint(4, gravity->height() / 2));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_FALSE(gravity->isChecked());
    EXPECT_FALSE(tabs.forces->Parameters().Gravity);
    EXPECT_NE(Column(kMbGroups), mb);
}

}  // namespace

namespace {

TEST_F(ForcesTabTest, TheCrankSpeedInRevolutionsPerMinuteIsTheOneSpeed)
{
    const QString shown = QString::fromStdString(FormatGeneral(1 * (30 / M_PI)));
    EXPECT_EQ(tabs.Find<QLineEdit>("EditN1")->text(), shown) << "ω1 = 1 рад/с";
    const std::vector<double> before = Column(kMbGroups);
    tabs.Enter("EditN1", QStringLiteral("60"));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(tabs.results->Loads().Omega1, 60 * (M_PI / 30));
    EXPECT_EQ(tabs.Find<QLineEdit>("EditOmega1")->text(), QString::fromStdString(FormatGeneral(60 * (M_PI / 30))));
    EXPECT_NE(Column(kMbGroups), before) << "the inertia forces follow the speed";
    // The other way round: ω1 typed on the accelerations tab shows here in об/мин.
    tabs.Enter("EditOmega1", QStringLiteral("2"));
    EXPECT_EQ(tabs.Find<QLineEdit>("EditN1")->text(), QString::fromStdString(FormatGeneral(2 * (30 / M_PI))));
    // A refused speed changes nothing.
    tabs.Enter("EditN1", QStringLiteral("0"));
    EXPECT_EQ(messages.messages, QStringList{kZero});
    EXPECT_EQ(tabs.results->Loads().Omega1, 2);
}

}  // namespace
