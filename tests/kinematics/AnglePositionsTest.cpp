// Positions at chosen crank angles: the solver's bits at (2π/N)·k, the slider at rest at the
// extreme angles the characteristics find, and the sheets' scheme solved in a count of its own.

#include "KinematicsTestSupport.h"

#include "kinematics/AnglePositions.h"
#include "kinematics/Calculation.h"
#include "kinematics/PositionKinematics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEST(AnglePositions, GiveTheSolversBitsAtItsAnglesAndStopWhereTheLinkageOpens)
{
    Mechanism m = DefaultMechanism(7);
    m.Lbc = 0.9;
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    std::vector<double> angles;
    for (int k = 0; k < 7; ++k)
        angles.push_back(NormalCrankAngle(7, k));
    const AnglePositions at = SolveAtAngles(m, angles);
    ASSERT_EQ(at.rows, 7);
    for (int f = 0; f < kPositionFieldCount; ++f) {
        const auto array = ArrayOf(static_cast<PositionField>(f));
        EXPECT_EQ(at.positions.*array, s.arrays.*array) << "field " << f;
    }
    // A coupler longer than the rocker by more than AC at φ = π (0,9 m): φ = 0 closes, π does not.
    Mechanism open = m;
    open.Lab = 1.55;
    open.Lbc = 0.6;
    const AnglePositions stopped = SolveAtAngles(open, {0, M_PI, 0});
    EXPECT_EQ(stopped.rows, 1);
    EXPECT_EQ(stopped.positions.Size(), 3u);
}

TEST(AnglePositions, TheResultsExtremePositionsHaveTheSliderAtRest)
{
    CalculationInput input;
    input.typed = DefaultMechanism(8);
    const CalculationResult r = Calculate(input);
    const KinematicsResult& k = r.Kinematics();
    const MechanismCharacteristics* c = k.TurningCharacteristics();
    ASSERT_TRUE(c);
    ASSERT_EQ(k.extremeRows, 2);
    EXPECT_TRUE(k.extremesError.empty());
    const PositionArrays& e = k.extremes;
    EXPECT_NEAR(e.Ve[0], 0, 1e-9);
    EXPECT_NEAR(e.Ve[1], 0, 1e-9);
    EXPECT_NEAR(e.Ye[0], c->YeExtreme1, 1e-12);
    EXPECT_NEAR(e.Ye[1], c->YeExtreme2, 1e-12);
    EXPECT_DOUBLE_EQ(e.Xa[0], k.solved.Loa * std::cos(c->Extreme1));
    // The nearest 2° row of the diagrams is not the extreme: its slider still moves.
    const int row = static_cast<int>(std::lround(c->Extreme1 / (2 * M_PI / kDiagramPositionCount))) % kDiagramPositionCount;
    EXPECT_GT(std::fabs(e.Ye[0] - k.diagrams.positions.Ye[static_cast<std::size_t>(row)]), 0);
}

TEST(AnglePositions, TheSchemeHasItsOwnSolveOnlyWhereItsCountDoesNotDivideTheDiagrams)
{
    CalculationInput input;
    input.typed = DefaultMechanism(8);
    const CalculationResult r = Calculate(input);
    EXPECT_EQ(r.scheme.count, kDefaultSchemePositions);
    EXPECT_EQ(r.scheme.own.Rows(), 0) << "12 positions are rows of the diagrams";
    for (const int count : {1, 5, 20}) {
        const SchemePart part = AnalyseScheme(r.Kinematics(), r.input.loads, count);
        EXPECT_TRUE(part.UsesDiagramRows()) << count;
        EXPECT_EQ(part.own.Rows(), 0) << count;
    }
    const SchemePart seven = AnalyseScheme(r.Kinematics(), r.input.loads, 7);
    ASSERT_EQ(seven.own.Rows(), 7);
    ASSERT_EQ(seven.forceDetail.size(), 7u);
    ASSERT_EQ(seven.own.accelerations.Size(), 7u);
    // Its forces are the force analysis of those positions: position 0 is row 0 of the diagrams.
    EXPECT_NEAR(seven.forces.MbGroups[0], r.forces.diagrams.MbGroups[0], 1e-9);
    EXPECT_NEAR(seven.forces.MbGroups[0], seven.forces.MbLever[0], 1e-6);
    // Other loads give other forces of the same positions, solving nothing again.
    const CalculationResult own = WithSchemePositions(r, 7);
    ForceParameters heavier = r.input.loads;
    heavier.Resistance = 2 * heavier.Resistance;
    const long solves = SolveCallCount();
    const CalculationResult loaded = WithLoads(own, heavier);
    EXPECT_EQ(SolveCallCount(), solves);
    ASSERT_EQ(loaded.scheme.forceDetail.size(), 7u);
    EXPECT_EQ(loaded.scheme.own.positions.Xb, own.scheme.own.positions.Xb);
    double changed = 0;
    for (std::size_t i = 0; i < 7; ++i)
        changed = std::max(changed, std::fabs(loaded.scheme.forces.MbGroups[i] - own.scheme.forces.MbGroups[i]));
    EXPECT_GT(changed, 1) << "the resistance doubled on the working stroke";
    EXPECT_EQ(AnalyseScheme(r.Kinematics(), r.input.loads, 0).count, 1);
    EXPECT_EQ(AnalyseScheme(r.Kinematics(), r.input.loads, 25).count, kMostSchemePositions);
}

}  // namespace
