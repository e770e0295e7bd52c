#include "DynamicsTestSupport.h"

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"

#include <string>

namespace {

const ForceParameters kCourseLoads = Loads(20, 10, 500, true, 2 * M_PI);

// With no link or slider mass Jпр is 0 everywhere: the tangents of the energy-mass diagram are
// the levels of ΔT's extremes, and the three methods give the same flywheel.
TEST(Flywheel, ThreeMethodsAgreeWhenTheReducedInertiaIsConstant)
{
    for (const Mechanism& mech : TestMechanisms(8)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const DynamicsResult r = DynamicsOf(mech, Loads(0, 0, 500, false, 3), 0.05);
        ASSERT_EQ(r.Status, DynamicsStatus::Computed);
        const double expected = r.DeltaTRange / (0.05 * 9);
        EXPECT_LT(RelativeError(r.Exact.Jm, expected), 1e-12);
        EXPECT_LT(RelativeError(r.Wittenbauer.Jm, expected), 1e-12);
        EXPECT_LT(RelativeError(r.JmSimple, expected), 1e-12);
        EXPECT_NEAR(r.DeltaAchieved, 0.05, 1e-12);
        EXPECT_NEAR(r.OmegaAchievedMean, 3, 1e-12);
        EXPECT_NEAR(r.Exact.Upper.Intercept, r.DeltaTMax.Value, 1e-12 * r.DeltaTRange);
        EXPECT_NEAR(r.Exact.Lower.Intercept, r.DeltaTMin.Value, 1e-12 * r.DeltaTRange);
    }
}

// Every node of the energy-mass diagram lies between the two tangents, which touch it; the
// achieved fluctuation is the asked one.
TEST(Flywheel, TangentsTouchTheEnergyMassDiagramFromBothSides)
{
    for (const Mechanism& mech : TestMechanisms(8)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const DynamicsResult r = DynamicsOf(mech, kCourseLoads, 0.04);
        for (const FlywheelSolution* s : {&r.Exact, &r.Wittenbauer}) {
            const EnergyTangent& up = s->Upper;
            const EnergyTangent& low = s->Lower;
            const double tolerance = 1e-12 * r.DeltaTRange;
            for (std::size_t i = 0; i < r.Phi.size(); ++i) {
                EXPECT_LE(r.DeltaT[i], up.Slope * r.Jpr[i] + up.Intercept + tolerance) << i;
                EXPECT_GE(r.DeltaT[i], low.Slope * r.Jpr[i] + low.Intercept - tolerance) << i;
            }
            const DynamicsRow atUp = DynamicsAt(r, up.TouchPhi);
            const DynamicsRow atLow = DynamicsAt(r, low.TouchPhi);
            EXPECT_NEAR(atUp.DeltaT, up.Slope * atUp.Jpr + up.Intercept, tolerance);
            EXPECT_NEAR(atLow.DeltaT, low.Slope * atLow.Jpr + low.Intercept, tolerance);
            // The tangents meet at (-Jм, -T0) for the exact method.
            if (s == &r.Exact) {
                EXPECT_NEAR(-up.Slope * s->Jm + up.Intercept, -s->T0, 1e-12 * s->T0);
                EXPECT_NEAR(-low.Slope * s->Jm + low.Intercept, -s->T0, 1e-12 * s->T0);
            }
        }
        EXPECT_NEAR(r.Exact.Upper.Slope, std::pow(2 * M_PI * 1.02, 2) / 2, 1e-12);
        EXPECT_NEAR(r.Wittenbauer.Lower.Slope, std::pow(2 * M_PI, 2) * 0.96 / 2, 1e-12);
        EXPECT_NEAR(r.DeltaAchieved, 0.04, 1e-12);
        EXPECT_NEAR(r.OmegaAchievedMean, 2 * M_PI, 1e-12);
        EXPECT_NEAR(r.OmegaMax.Value, 2 * M_PI * 1.02, 1e-12);
    }
}

// δ -> 0: δ*Jм tends to the range of ΔT - omega^2/2*Jпр over omega^2 (the constant-inertia part
// of the energy); Jм never grows with δ and never is negative.
TEST(Flywheel, MomentOfInertiaFallsWithTheFluctuation)
{
    const double omega = 2 * M_PI;
    for (const Mechanism& mech : TestMechanisms(8)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const DynamicsResult tiny = DynamicsOf(mech, kCourseLoads, 1e-6);
        double high = -1e300, low = 1e300;
        for (std::size_t i = 0; i < tiny.Phi.size(); ++i) {
            const double energy = tiny.DeltaT[i] - omega * omega / 2 * tiny.Jpr[i];
            high = std::max(high, energy);
            low = std::min(low, energy);
        }
        EXPECT_LT(RelativeError(1e-6 * tiny.Exact.Jm, (high - low) / (omega * omega)), 1e-5);

        double previous = tiny.Exact.Jm, previousWittenbauer = tiny.Wittenbauer.Jm;
        for (double delta : {1e-4, 0.01, 0.02, 0.04, 0.1, 0.2, 0.5, 0.9, 0.999}) {
            SCOPED_TRACE(delta);
            const DynamicsResult r = DynamicsOf(mech, kCourseLoads, delta);
            EXPECT_LE(r.Exact.Jm, previous);
            EXPECT_LE(r.Wittenbauer.Jm, previousWittenbauer);
            EXPECT_GE(r.Exact.Jm, 0);
            EXPECT_GE(r.Wittenbauer.Jm, 0);
            EXPECT_LE(r.DeltaAchieved, delta + 1e-12);
            previous = r.Exact.Jm;
            previousWittenbauer = r.Wittenbauer.Jm;
        }
    }
}

// Only the links' inertia and their weight: a loose δ needs no flywheel, the speed stays within
// it and turns at the asked mean; a tight one does.
TEST(Flywheel, NoFlywheelWhenTheLinksAloneKeepTheSpeedWithinDelta)
{
    const Mechanism mech = TestMechanisms(8).front();
    const ForceParameters loads = Loads(20, 10, 0, true, 40);
    const DynamicsResult loose = DynamicsOf(mech, loads, 0.9);
    EXPECT_TRUE(loose.Exact.LinksSuffice);
    EXPECT_EQ(loose.Exact.Jm, 0);
    EXPECT_LT(loose.DeltaAchieved, 0.9);
    EXPECT_GT(loose.DeltaAchieved, 0.1);
    EXPECT_NEAR(loose.OmegaAchievedMean, 40, 1e-12);
    EXPECT_EQ(loose.Disc.Mass, 0);
    const DynamicsResult tight = DynamicsOf(mech, loads, loose.DeltaAchieved * 0.999);
    EXPECT_FALSE(tight.Exact.LinksSuffice);
    EXPECT_GT(tight.Exact.Jm, 0);
    EXPECT_LT(tight.Exact.Jm, 1e-3 * LargestMagnitude(tight.Jpr));

    // No mass and no load at all: nothing changes the speed.
    const DynamicsResult idle = DynamicsOf(mech, Loads(0, 0, 0, true, 4), 0.04);
    ASSERT_EQ(idle.Status, DynamicsStatus::Computed);
    EXPECT_EQ(idle.Exact.Jm, 0);
    EXPECT_EQ(idle.OmegaMax.Value, 4);
    EXPECT_EQ(idle.DeltaAchieved, 0);
}

TEST(Flywheel, SteelDiscAndRimHaveTheMomentOfInertia)
{
    const DynamicsResult r = DynamicsOf(TestMechanisms(8).front(), kCourseLoads, 0.04);
    const double jm = r.Exact.Jm;
    const FlywheelSize& disc = r.Disc;
    EXPECT_NEAR(disc.Width, 0.2 * disc.Diameter, 1e-15);
    EXPECT_NEAR(disc.Mass, 7800 * M_PI * disc.Diameter * disc.Diameter / 4 * disc.Width, 1e-9);
    EXPECT_LT(RelativeError(disc.Mass * disc.Diameter * disc.Diameter / 8, jm), 1e-12);
    const FlywheelSize& rim = r.Rim;
    const double outer = rim.Diameter + rim.Thickness, inner = rim.Diameter - rim.Thickness;
    EXPECT_NEAR(rim.Mass, 7800 * rim.Width * M_PI * (outer * outer - inner * inner) / 4, 1e-9);
    EXPECT_LT(RelativeError(rim.Mass * (outer * outer + inner * inner) / 8, jm), 1e-12);
    EXPECT_LT(rim.Mass, disc.Mass);
    EXPECT_EQ(SteelRim(0).Diameter, 0);
}

TEST(Dynamics, NoDynamicsWithoutAFullTurnOrWithAParameterOutOfRange)
{
    const Mechanism locked = MakeMechanism(0.45, 0.6, 0.6, 0.5, 1.0, 8);
    const MechanismCharacteristics c = ComputeCharacteristics(locked);
    ASSERT_EQ(c.Status, CharacteristicsStatus::NotFullTurn);
    const DynamicsResult r = ComputeDynamics(locked, c, kCourseLoads, 0.04);
    EXPECT_EQ(r.Status, DynamicsStatus::NotFullTurn);
    EXPECT_EQ(r.Reason, "Кривошип не проворачивается на полный оборот: при φ = "
                            + FormatGeneral(c.FailAngle * 180 / M_PI)
                            + "° звенья механизма не собираются. "
                              "Динамика машины не рассчитывается.");
    EXPECT_TRUE(r.Phi.empty());
    EXPECT_EQ(SampleDynamics(r, locked, {}, {}).Size(), 0u);

    const Mechanism mech = TestMechanisms(8).front();
    const std::string badDelta = "Коэффициент неравномерности δ должен быть больше 0 и меньше 1. "
                                 "Динамика машины не рассчитывается.";
    for (double delta : {0.0, -0.04, 1.0, std::nan("")}) {
        const DynamicsResult bad = DynamicsOf(mech, kCourseLoads, delta);
        EXPECT_EQ(bad.Status, DynamicsStatus::BadParameter);
        EXPECT_EQ(bad.Reason, badDelta);
    }
    const DynamicsResult still = DynamicsOf(mech, Loads(20, 10, 500, true, 0), 0.04);
    EXPECT_EQ(still.Status, DynamicsStatus::BadParameter);
    EXPECT_EQ(still.Reason, "Средняя угловая скорость кривошипа ω1 должна быть больше 0. "
                            "Динамика машины не рассчитывается.");
}

TEST(Dynamics, ArithmeticFaultsRaiseTheSolversErrors)
{
    const Mechanism mech = TestMechanisms(8).front();
    try {
        DynamicsOf(mech, Loads(1e300, 10, 500, true, 2 * M_PI), 0.04);
        ADD_FAILURE() << "no fault";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), kOverflowText);
    }
}

}  // namespace
