// The dynamics as a part of the one result: computed by Calculate and by WithLoads with the
// input's δ, independent of the table's N, sampled at the table's positions, and absent with the
// reason where the crank does not turn fully.

#include "KinematicsTestSupport.h"

#include "kinematics/Calculation.h"
#include "kinematics/Characteristics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CalculationInput Input(const Mechanism& typed, double delta, const ForceParameters& loads = {})
{
    CalculationInput input;
    input.typed = typed;
    input.loads = loads;
    input.delta = delta;
    return input;
}

ForceParameters CourseLoads()
{
    ForceParameters loads;
    loads.Omega1 = 2 * M_PI;
    return loads;
}

TEST(CalculateDynamics, TheResultsDynamicsAreTheComputationsOwnForTheAdoptedLengths)
{
    const CalculationResult r = Calculate(Input(DefaultMechanism(8), 0.04, CourseLoads()));
    ASSERT_TRUE(r.dynamics.Computed()) << r.dynamics.Reason();
    EXPECT_EQ(r.dynamics.Reason(), "");
    const KinematicsResult& k = r.Kinematics();
    const DynamicsResult alone = ComputeDynamics(k.solved, k.characteristics, CourseLoads(), 0.04);
    EXPECT_EQ(r.dynamics.curves.Exact.Jm, alone.Exact.Jm);
    EXPECT_EQ(r.dynamics.curves.DrivingTorque, alone.DrivingTorque);
    EXPECT_EQ(r.dynamics.curves.DeltaT, alone.DeltaT);
    EXPECT_EQ(r.dynamics.curves.Delta, 0.04);

    // One row per table position; the angle of row k is (2*pi/N)*k.
    ASSERT_EQ(r.dynamics.table.Size(), 8u);
    for (std::size_t row = 0; row < 8; ++row) {
        SCOPED_TRACE(row);
        const DynamicsRow at = DynamicsAt(r.dynamics.curves, (2 * M_PI / 8) * static_cast<double>(row));
        EXPECT_NEAR(r.dynamics.table.Jpr[row], at.Jpr, 1e-9 * at.Jpr);
        EXPECT_NEAR(r.dynamics.table.Omega[row], at.Omega, 1e-9 * at.Omega);
        EXPECT_NEAR(r.dynamics.table.DeltaT[row], at.DeltaT, 1e-9 * alone.DeltaTRange);
    }
}

TEST(CalculateDynamics, TheFlywheelDoesNotDependOnTheTablesPositionCount)
{
    const CalculationResult coarse = Calculate(Input(DefaultMechanism(8), 0.04, CourseLoads()));
    const CalculationResult fine = Calculate(Input(DefaultMechanism(3600), 0.04, CourseLoads()));
    ASSERT_TRUE(coarse.dynamics.Computed());
    ASSERT_TRUE(fine.dynamics.Computed());
    const double jm = coarse.dynamics.curves.Exact.Jm;
    EXPECT_LE(std::fabs(fine.dynamics.curves.Exact.Jm - jm), 1e-6 * jm);
    EXPECT_EQ(fine.dynamics.table.Size(), 3600u);
}

TEST(CalculateDynamics, OtherLoadsOrAnotherDeltaGiveTheDynamicsOfAFreshCalculate)
{
    const CalculationResult first = Calculate(Input(DefaultMechanism(8), 0.04, CourseLoads()));
    ForceParameters loads = CourseLoads();
    loads.Resistance = 200;

    const CalculationResult loaded = WithLoads(first, loads);
    EXPECT_EQ(loaded.input.delta, 0.04) << "the result's own δ stays";
    const CalculationResult freshLoaded = Calculate(Input(DefaultMechanism(8), 0.04, loads));
    EXPECT_EQ(loaded.dynamics.curves.Exact.Jm, freshLoaded.dynamics.curves.Exact.Jm);
    EXPECT_NE(loaded.dynamics.curves.Exact.Jm, first.dynamics.curves.Exact.Jm);

    const CalculationResult looser = WithLoads(first, CourseLoads(), 0.1);
    EXPECT_EQ(looser.input.delta, 0.1);
    EXPECT_EQ(looser.kinematics, first.kinematics);
    const CalculationResult freshLooser = Calculate(Input(DefaultMechanism(8), 0.1, CourseLoads()));
    EXPECT_EQ(looser.dynamics.curves.Exact.Jm, freshLooser.dynamics.curves.Exact.Jm);
    EXPECT_LT(looser.dynamics.curves.Exact.Jm, first.dynamics.curves.Exact.Jm);
    EXPECT_EQ(looser.dynamics.table.Omega, freshLooser.dynamics.table.Omega);
}

TEST(CalculateDynamics, NoDynamicsWhenTheCrankDoesNotTurnFully)
{
    const CalculationResult r = Calculate(Input(MakeMechanism(0.25, 0.3, 0.6, 0.5, 1.0, 8), 0.04, CourseLoads()));
    ASSERT_FALSE(r.Failed());
    ASSERT_EQ(r.Kinematics().TurningCharacteristics(), nullptr);
    EXPECT_FALSE(r.dynamics.Computed());
    EXPECT_EQ(r.dynamics.curves.Status, DynamicsStatus::NotFullTurn);
    EXPECT_EQ(r.dynamics.Reason().rfind("Кривошип не проворачивается на полный оборот: при φ = ", 0), 0u)
        << r.dynamics.Reason();
    EXPECT_EQ(r.dynamics.table.Size(), 0u);
    EXPECT_EQ(r.LoadsPartError(), "") << "not a fault: there is nothing to compute";

    // A δ out of range reaches the result as a reason, never as a fault.
    const CalculationResult bad = WithLoads(Calculate(Input(DefaultMechanism(8), 0.04)), {}, 1.5);
    EXPECT_EQ(bad.dynamics.curves.Status, DynamicsStatus::BadParameter);
    EXPECT_NE(bad.dynamics.Reason(), "");
}

}  // namespace
