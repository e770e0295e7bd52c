// The words beside the numbers: the acute transmission angle the course reads, a slider that
// turns back more than twice named with how its stroke is then read, and a force analysis
// without a full turn that says why no resistance acts.

#include "kinematics/Angles.h"
#include "support/RecordingMessages.h"
#include "tests/support/DefaultMechanisms.h"
#include "TabTestSupport.h"

#include <QLabel>

#include <algorithm>

namespace {

class CharacteristicsWordsTest : public ::testing::Test {
protected:
    RecordingMessages messages;
    TabsWindow tabs;
};

TEST_F(CharacteristicsWordsTest, TheWorstTransmissionIsTheAcuteAngleNearAStraightLine)
{
    // γ reaches 175,47° at φ = 0: the worst transmission is 4,53° there, not γmin.
    tabs.Calculate(MakeMechanism(0.08, 0.62, 0.661, 0.55, 1.2, 12), 12, 0);
    const MechanismCharacteristics& c = tabs.results->Result()->Kinematics().characteristics;
    ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);
    EXPECT_NEAR(Degrees(c.MuMin), 180 - Degrees(c.GammaMax), 1e-9);
    EXPECT_LT(c.MuMin, c.GammaMin);
    EXPECT_EQ(c.MuMinAngle, c.GammaMaxAngle);
    const auto shown = LabelNumber(tabs.Text("LabelMuMin"), QStringLiteral("°"));
    ASSERT_TRUE(shown.has_value()) << tabs.Text("LabelMuMin").toStdString();
    EXPECT_NEAR(*shown, 4.53, 0.01);

    // The defaults at 0,9 m: γ stays near 90°, and μmin is γmin.
    tabs.Calculate(AdoptedDefaults(), 8, 0);
    const MechanismCharacteristics& d = tabs.results->Result()->Kinematics().characteristics;
    EXPECT_EQ(d.MuMin, d.GammaMin);
    EXPECT_TRUE(tabs.Text("LabelReversals").isEmpty()) << "two reversals are the extremes";
    EXPECT_EQ(d.Reversals.size(), 2u);
}

TEST_F(CharacteristicsWordsTest, ExtraReversalsAreNamedWithHowTheStrokeIsRead)
{
    tabs.Calculate(MakeMechanism(0.235, 1.331, 0.9, 0.324, 1.121, 12), 12, 0);
    const MechanismCharacteristics& c = tabs.results->Result()->Kinematics().characteristics;
    ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);
    ASSERT_GT(c.Reversals.size(), 2u);
    // The extremes are two of the reversals, and every reversal is one of the slider's stops.
    EXPECT_NE(std::find(c.Reversals.begin(), c.Reversals.end(), c.LowestAngle), c.Reversals.end());
    EXPECT_NE(std::find(c.Reversals.begin(), c.Reversals.end(), c.HighestAngle), c.Reversals.end());
    EXPECT_TRUE(std::is_sorted(c.Reversals.begin(), c.Reversals.end()));
    const QString text = tabs.Text("LabelReversals");
    EXPECT_TRUE(text.startsWith(QStringLiteral("Ползун меняет направление %1 раз").arg(c.Reversals.size())))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ход H — между самым низким")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fс действует на всём рабочем ходе")));
}

TEST_F(CharacteristicsWordsTest, WithoutAFullTurnTheForcesSayWhyNoResistanceActs)
{
    // A rocker of 0,25 m cannot follow the crank past 180°: the positions before are analysed,
    // with Fс = 0.
    tabs.Calculate(MakeMechanism(0.1, 1.2, 0.25, 0.5, 1.0, 8), 8, 1);
    ASSERT_TRUE(tabs.results->Result()->forces.computed) << tabs.results->Result()->forces.error;
    EXPECT_TRUE(tabs.Text("LabelResistanceNote").startsWith(QStringLiteral("Fс не приложена: кривошип не проворачивается")));

    tabs.Calculate(AdoptedDefaults(), 8, 1);
    EXPECT_TRUE(tabs.Text("LabelResistanceNote").isEmpty());
}

}  // namespace
