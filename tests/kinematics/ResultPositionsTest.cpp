// The positions of a finished calculation as the worked solution and the answer check read them:
// the table's forces kept in full agree with a fresh ForcesAt, the drawings' solve is reachable,
// and a position or a result that holds nothing says so.

#include "kinematics/Calculation.h"
#include "kinematics/Errors.h"
#include "kinematics/ResultPositions.h"

#include <gtest/gtest.h>

namespace {

CalculationResult Defaults(int n)
{
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.typed.PositionCount = n;
    input.loads.Omega1 = 2;
    return Calculate(input);
}

TEST(ResultPositions, TheTablesForcesInFullAreThoseOfEachPosition)
{
    const CalculationResult r = Defaults(8);
    ASSERT_TRUE(r.forces.computed);
    const SolvedPositions& table = r.Kinematics().table;
    ASSERT_EQ(r.forces.tableDetail.size(), static_cast<std::size_t>(table.Rows()));
    const MechanismCharacteristics* c = r.Kinematics().TurningCharacteristics();
    ASSERT_NE(c, nullptr);
    for (int k = 0; k < table.Rows(); ++k) {
        const PositionForces fresh = ForcesAt(table.record, table.positions, table.accelerations, k, *c, r.forces.loads);
        const PositionForces& kept = r.forces.tableDetail[static_cast<std::size_t>(k)];
        EXPECT_EQ(kept.MbGroups, fresh.MbGroups) << k;
        EXPECT_EQ(kept.R12.x, fresh.R12.x) << k;
        EXPECT_EQ(kept.N05, fresh.N05) << k;
        EXPECT_EQ(kept.MbGroups, r.forces.table.MbGroups[static_cast<std::size_t>(k)]) << k;
    }
    const PositionForces fresh = ForcesAt(table.record, table.positions, table.accelerations, 3, *c, r.forces.loads);
    const WorkedSolution direct =
        WorkPosition(table.record, table.positions, table.accelerations, 3, r.forces.loads, &fresh);
    EXPECT_EQ(WorkedSolutionText(WorkResultPosition(r, ResultSolve::Table, 3)), WorkedSolutionText(direct));
}

TEST(ResultPositions, TheDrawingsSolveAndWhatCannotBeWorked)
{
    const CalculationResult r = Defaults(8);
    const WorkedSolution drawn = WorkResultPosition(r, ResultSolve::Diagrams, 179);
    EXPECT_EQ(drawn.positionCount, kDiagramPositionCount);
    EXPECT_EQ(drawn.position, 179);
    bool forces = false;
    for (const SolutionLine& line : drawn.lines)
        forces = forces || line.section == SolutionSection::Forces;
    EXPECT_TRUE(forces);

    try {
        WorkResultPosition(r, ResultSolve::Table, 8);
        ADD_FAILURE() << "position 8 of 8 was worked";
    } catch (const OrvekError& e) {
        EXPECT_STREQ(e.what(), "положение 8 вне таблицы: в ней положения от 0 до 7");
    }

    // The table's values for checks: the result's crank speed, its forces.
    const SolvedTable solved = SolvedTableOf(r);
    EXPECT_EQ(solved.Rows(), 8);
    EXPECT_EQ(solved.omega1, 2);
    ASSERT_NE(solved.forces, nullptr);
    EXPECT_DOUBLE_EQ(*ExactValue(solved, PositionQuantity::VA, 0), 0.2);

    CalculationResult failed;
    failed.failure = CalculationFailure{"Floating point division by zero", {}};
    EXPECT_EQ(SolvedTableOf(failed).Rows(), 0);
    EXPECT_THROW(WorkResultPosition(failed, ResultSolve::Table, 0), OrvekError);
}

}  // namespace
