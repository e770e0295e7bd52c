// The one Calculate: its result against the reference table and against the parts computed on
// their own, the loads changed without a second solve, and what a fault leaves in the result.

#include "KinematicsTestSupport.h"

#include "kinematics/Angles.h"
#include "kinematics/Calculation.h"
#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CalculationInput Input(const Mechanism& typed, const ForceParameters& loads = {})
{
    CalculationInput input;
    input.typed = typed;
    input.loads = loads;
    return input;
}

// The adopted defaults solved alone at `n` positions, with their accelerations.
struct Alone {
    Mechanism m;
    SolverState s;
    AccelerationArrays a;
};

Alone SolveAlone(int n)
{
    Alone alone{DefaultMechanism(n), {}, {}};
    alone.m.Lbc = 0.9;
    EXPECT_TRUE(SolveMechanism(alone.m, alone.s).complete);
    ComputeAccelerations(alone.m, alone.s.arrays, n, alone.a);
    return alone;
}

TEST(Calculate, DefaultsGiveTheReferenceTableAndTheStudysChoice)
{
    const CalculationResult r = Calculate(Input(DefaultMechanism(8)));
    ASSERT_FALSE(r.Failed());
    const KinematicsResult& k = r.Kinematics();
    EXPECT_TRUE(k.lbcChosen);
    EXPECT_EQ(k.scanLbc, 0.6);
    EXPECT_EQ(double{k.solved.Lbc}, 0.9);
    EXPECT_EQ(double{k.solved.Lad}, 0.3);
    EXPECT_EQ(double{k.solved.GuideOffset}, 0.5);
    EXPECT_EQ(k.solved.PositionCount, 8) << "the user's N stays";
    EXPECT_EQ(double{r.input.typed.Lbc}, 0.6) << "the input as typed";

    std::vector<double> degrees;
    for (double angle : k.DeadAngles())
        degrees.push_back(std::round(Degrees(angle)));
    EXPECT_EQ(degrees, (std::vector<double>{85, 86, 265, 266}));

    // The reference was computed independently from the formulas, cell by cell as shown.
    const auto reference = ReadReferenceRows("defaults-n8-table.tsv", true);
    ASSERT_EQ(reference.size(), 8u);
    ASSERT_EQ(k.table.Rows(), 8);
    const std::vector<double>* columns[] = {&k.table.positions.Xa,  &k.table.positions.Ya,  &k.table.positions.Vxa,
                                            &k.table.positions.Vya, &k.table.positions.Xb,  &k.table.positions.Yb,
                                            &k.table.positions.Vxb, &k.table.positions.Vyb, &k.table.positions.Xd,
                                            &k.table.positions.Yd,  &k.table.positions.Vxd, &k.table.positions.Vyd,
                                            &k.table.positions.Ye,  &k.table.positions.Ve};
    for (std::size_t row = 0; row < 8; ++row)
        for (std::size_t c = 0; c < 14; ++c)
            EXPECT_EQ(FormatGeneral(RoundDecimals(3, (*columns[c])[row])), reference[row][c]) << row << ' ' << c;
}

TEST(Calculate, EveryPartIsWhatItsOwnComputationGives)
{
    ForceParameters loads;
    loads.Omega1 = 3;
    loads.Gravity = false;
    const CalculationResult r = Calculate(Input(DefaultMechanism(12), loads));
    ASSERT_FALSE(r.Failed());
    EXPECT_EQ(r.FirstPartError(), "");
    const KinematicsResult& k = r.Kinematics();

    const Alone table = SolveAlone(12);
    EXPECT_TRUE(SameBits(k.table.positions.Ve, table.s.arrays.Ve));
    EXPECT_TRUE(SameBits(k.table.accelerations.Ae, table.a.Ae));
    EXPECT_TRUE(SameBits(k.table.accelerations.Eps3, table.a.Eps3));

    const Alone diagrams = SolveAlone(kDiagramPositionCount);
    EXPECT_EQ(k.diagrams.Rows(), kDiagramPositionCount);
    EXPECT_EQ(k.diagrams.record.PositionCount, kDiagramPositionCount);
    EXPECT_TRUE(SameBits(k.diagrams.positions.Xd, diagrams.s.arrays.Xd));
    EXPECT_TRUE(SameBits(k.diagrams.accelerations.Ae, diagrams.a.Ae));

    const MechanismCharacteristics c = ComputeCharacteristics(table.m);
    ASSERT_NE(k.TurningCharacteristics(), nullptr);
    EXPECT_EQ(k.characteristics.Stroke, c.Stroke);
    EXPECT_EQ(k.characteristics.Extreme2, c.Extreme2);

    ForceArrays forces;
    std::vector<PositionForces> detail;
    ComputeForces(diagrams.m, diagrams.s.arrays, diagrams.a, c, loads, forces, &detail);
    ASSERT_TRUE(r.forces.computed) << r.forces.error;
    EXPECT_EQ(r.forces.diagrams.MbLever, forces.MbLever);
    ASSERT_EQ(r.forces.diagramDetail.size(), 180u);
    EXPECT_EQ(r.forces.diagramDetail[40].R12t, detail[40].R12t);
    EXPECT_EQ(r.forces.table.Size(), 12u);
    // The two methods agree, so their largest difference is the solver's rounding only.
    EXPECT_LT(r.forces.largestDifference, 1e-6);
    EXPECT_GT(r.forces.largestDifference, 0.0);
}

TEST(Calculate, OtherLoadsKeepTheKinematicsAndGiveTheForcesOfAFreshCalculate)
{
    const CalculationResult first = Calculate(Input(DefaultMechanism(8)));
    ForceParameters loads;
    loads.LinearMass = 0;
    loads.Resistance = 120;
    loads.Omega1 = 2;
    const long calls = CalculateCallCount();
    const CalculationResult changed = WithLoads(first, loads);
    EXPECT_EQ(CalculateCallCount(), calls) << "no second Calculate";
    EXPECT_EQ(changed.kinematics, first.kinematics) << "shared, not copied";
    EXPECT_EQ(changed.input.loads.Resistance, 120);
    EXPECT_EQ(double{changed.input.typed.Lbc}, 0.6);

    const CalculationResult fresh = Calculate(Input(DefaultMechanism(8), loads));
    EXPECT_EQ(CalculateCallCount(), calls + 1);
    ASSERT_TRUE(changed.forces.computed);
    EXPECT_EQ(changed.forces.table.MbGroups, fresh.forces.table.MbGroups);
    EXPECT_EQ(changed.forces.diagrams.RA, fresh.forces.diagrams.RA);
    EXPECT_NE(changed.forces.table.MbGroups, first.forces.table.MbGroups);

    double torque = 0, degrees = 0;
    ASSERT_TRUE(LargestBalancingTorque(changed, torque, degrees));
    double largest = 0;
    for (double mb : changed.forces.table.MbGroups)
        largest = std::max(largest, std::fabs(mb));
    EXPECT_EQ(torque, largest);
    EXPECT_EQ(std::fmod(degrees, 45.0), 0.0) << "one of the table's angles";
}

TEST(Calculate, AFaultOfTheStudyIsAFailureThatKeepsTheRecordAsItWasLeft)
{
    Mechanism m = DefaultMechanism(8);
    m.Lde = 0;
    m.Lad = 7;
    const CalculationResult r = Calculate(Input(m));
    ASSERT_TRUE(r.Failed());
    EXPECT_EQ(r.failure->text, "Floating point division by zero");
    EXPECT_EQ(r.kinematics, nullptr);
    EXPECT_EQ(r.FirstPartError(), r.failure->text);
    EXPECT_EQ(double{r.failure->record.Lad}, 0.3) << "the solve set the derived lengths before it faulted";
    EXPECT_FALSE(r.forces.computed);
}

TEST(Calculate, TooManyPositionsAreRefusedBeforeAnythingIsSolved)
{
    const CalculationResult r = Calculate(Input(DefaultMechanism(kMaxPositionCount + 1)));
    ASSERT_TRUE(r.Failed());
    EXPECT_EQ(r.failure->text, "Слишком большое количество положений механизма (не более 100000)");
    EXPECT_EQ(double{r.failure->record.Lbc}, 0.6);
}

TEST(Calculate, ALoadThatOverflowsFaultsOnlyTheForces)
{
    ForceParameters loads;
    loads.Omega1 = 1e200;
    const CalculationResult r = Calculate(Input(DefaultMechanism(8), loads));
    ASSERT_FALSE(r.Failed());
    EXPECT_EQ(r.Kinematics().table.Rows(), 8);
    EXPECT_FALSE(r.forces.computed);
    EXPECT_EQ(r.forces.error, "Floating point overflow");
    EXPECT_EQ(r.FirstPartError(), "Floating point overflow");
    EXPECT_TRUE(r.forces.table.MbGroups.empty()) << "nothing of a faulted analysis is kept";
}

TEST(Calculate, MechanismsWithoutPositionsStillHaveTheirDiagramsOrNothing)
{
    // No table rows: the study has nothing to run, the diagrams still solve their 180 positions.
    const CalculationResult none = Calculate(Input(DefaultMechanism(0)));
    ASSERT_FALSE(none.Failed());
    EXPECT_EQ(none.Kinematics().table.Rows(), 0);
    EXPECT_EQ(none.Kinematics().diagrams.Rows(), kDiagramPositionCount);
    EXPECT_FALSE(none.forces.computed);
    EXPECT_TRUE(none.forces.error.empty());

    // Pivots 5 m apart: nothing assembles, nothing faults.
    Mechanism apart = DefaultMechanism(8);
    apart.Loc = 5;
    const CalculationResult r = Calculate(Input(apart));
    ASSERT_FALSE(r.Failed());
    EXPECT_FALSE(r.Kinematics().lbcChosen);
    EXPECT_EQ(r.Kinematics().table.Rows(), 0);
    EXPECT_EQ(r.Kinematics().table.positions.Size(), 8u);
    EXPECT_EQ(r.Kinematics().diagrams.Rows(), 0);
    EXPECT_EQ(r.Kinematics().TurningCharacteristics(), nullptr);
    EXPECT_EQ(r.FirstPartError(), "");
}

TEST(Calculate, ACancelRequestEndsItWithoutAResult)
{
    ComputationProgress progress;
    progress.RequestCancel();
    EXPECT_THROW(Calculate(Input(DefaultMechanism(50)), &progress), ComputationCancelled);

    ComputationProgress counted;
    const CalculationResult r = Calculate(Input(DefaultMechanism(50)), &counted);
    EXPECT_FALSE(r.Failed());
    EXPECT_EQ(counted.Fraction(), 1.0);
}

}  // namespace
