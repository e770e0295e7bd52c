#include "PhysicsTestSupport.h"

#include "kinematics/Characteristics.h"
#include "kinematics/Errors.h"

#include <algorithm>
#include <string>

namespace {

constexpr double kDeg = M_PI / 180;

// The solver's slider velocity at one crank angle (a one-position run at that angle).
double SolverVe(Mechanism m, double phi)
{
    m.PositionCount = 1;
    SolverState s;
    s.StudyMode = true;
    s.CrankAngle = phi;
    EXPECT_TRUE(SolveMechanism(m, s).complete);
    return s.arrays.Ve[0];
}

TEST(Characteristics, DefaultsWithTheStudysRockerHaveTheKnownExtremes)
{
    const MechanismCharacteristics c =
        ComputeCharacteristics(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 8));
    ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);
    EXPECT_NEAR(c.Extreme1 / kDeg, 36.9, 0.05);
    EXPECT_NEAR(c.Extreme2 / kDeg, 235.9, 0.05);
    EXPECT_NEAR(c.WorkAngle / kDeg, 199, 0.5);
    EXPECT_NEAR(c.IdleAngle / kDeg, 161, 0.5);
    // The longer stroke here is the slider's way down from its highest position.
    EXPECT_EQ(c.WorkStart, c.HighestAngle);
    EXPECT_EQ(c.WorkStart, c.Extreme1);
    EXPECT_TRUE(OnWorkingStroke(c, 100 * kDeg));
    EXPECT_LT(SolverVe(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 1), 100 * kDeg), 0);
    EXPECT_FALSE(OnWorkingStroke(c, 300 * kDeg));
    EXPECT_TRUE(OnWorkingStroke(c, 100 * kDeg - 2 * M_PI));
}

TEST(Characteristics, AgreeWithAFineSolveOfEveryTestLinkage)
{
    for (const Mechanism& mech : TestMechanisms(100000)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const MechanismCharacteristics c = ComputeCharacteristics(mech);
        ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);

        // The slider stands still at both extremes, and they are its highest and lowest places.
        EXPECT_LT(std::fabs(SolverVe(mech, c.Extreme1)), 1e-12);
        EXPECT_LT(std::fabs(SolverVe(mech, c.Extreme2)), 1e-12);
        EXPECT_LT(c.Extreme1, c.Extreme2);

        const SolvedRun r = Solve(mech);
        const std::vector<double>& ye = r.s.arrays.Ye;
        const double yMax = *std::max_element(ye.begin(), ye.end());
        const double yMin = *std::min_element(ye.begin(), ye.end());
        EXPECT_NEAR(c.Stroke, yMax - yMin, 1e-9);
        EXPECT_GE(c.YeMax, yMax);
        EXPECT_LE(c.YeMin, yMin);

        EXPECT_GE(c.TimeRatio, 1.0);
        EXPECT_NEAR((c.WorkAngle + c.IdleAngle) / kDeg, 360, 1e-9);
        EXPECT_NEAR(std::remainder(c.WorkStart + c.WorkAngle - c.Extreme1, 2 * M_PI)
                        * std::remainder(c.WorkStart + c.WorkAngle - c.Extreme2, 2 * M_PI),
                    0, 1e-20);  // the working stroke ends at the other extreme

        // Sampled extremes can only fall short of the continuous ones, and barely at this N.
        const double speed = LargestMagnitude(r.s.arrays.Ve);
        EXPECT_GE(c.MaxSpeed, speed);
        EXPECT_NEAR(c.MaxSpeed, speed, 1e-9);
        const double accel = LargestMagnitude(r.a.Ae);
        EXPECT_GE(c.MaxAccel, accel);
        EXPECT_NEAR(c.MaxAccel, accel, 1e-8);
        const auto at = [&](double phi) {
            return static_cast<std::size_t>(std::lround(phi / (2 * M_PI) * 100000)) % 100000;
        };
        EXPECT_NEAR(std::fabs(r.s.arrays.Ve[at(c.MaxSpeedAngle)]), c.MaxSpeed, 1e-8);
        EXPECT_NEAR(r.a.AeAbs[at(c.MaxAccelAngle)], c.MaxAccel, 1e-7);

        // The transmission angle: the solver's extremes over positions that include 0 and 180.
        EXPECT_NEAR(c.GammaMin, r.s.MinGamma, 1e-12);
        EXPECT_NEAR(c.GammaMax, r.s.MaxGamma, 1e-12);
        EXPECT_NEAR(r.s.arrays.Gamma[at(c.GammaMinAngle)], c.GammaMin, 1e-12);

        // The acute transmission angle at its worst: the smallest min(γ, π − γ) of the fine solve.
        double mu = M_PI;
        for (const double g : r.s.arrays.Gamma)
            mu = std::min(mu, std::min(g, M_PI - g));
        EXPECT_NEAR(c.MuMin, mu, 1e-12);
        EXPECT_NEAR(std::min(r.s.arrays.Gamma[at(c.MuMinAngle)], M_PI - r.s.arrays.Gamma[at(c.MuMinAngle)]), c.MuMin, 1e-12);

        // Every sign change of the fine solve's Ve is one reversal, the extremes among them.
        int changes = 0;
        for (std::size_t k = 0; k < ye.size(); ++k)
            changes += (r.s.arrays.Ve[k] > 0) != (r.s.arrays.Ve[(k + 1) % ye.size()] > 0) ? 1 : 0;
        EXPECT_EQ(static_cast<int>(c.Reversals.size()), changes);
        EXPECT_NE(std::find(c.Reversals.begin(), c.Reversals.end(), c.Extreme1), c.Reversals.end());
        EXPECT_NE(std::find(c.Reversals.begin(), c.Reversals.end(), c.Extreme2), c.Reversals.end());
        for (const double phi : c.Reversals)
            EXPECT_LT(std::fabs(SolverVe(mech, phi)), 1e-12);
    }
}

TEST(Characteristics, LinkagesThatStopSomewhereInTheTurnSaySo)
{
    // Four-bar that cannot be assembled at all; rocker too short to follow the crank past
    // 180 deg; DE too short to reach the guide for part of the turn.
    const double cases[][5] = {
        {0.3, 0.6, 0.6, 0.5, 1.0}, {0.1, 1.2, 0.25, 0.5, 1.0}, {0.1, 0.6, 0.9, 0.21, 1.0}};
    for (const auto& l : cases) {
        const Mechanism m = MakeMechanism(l[0], l[1], l[2], l[3], l[4], 360);
        const MechanismCharacteristics c = ComputeCharacteristics(m);
        EXPECT_EQ(c.Status, CharacteristicsStatus::NotFullTurn) << l[1] << " " << l[3];
        EXPECT_FALSE(OnWorkingStroke(c, 1.0));
        // ... and the solver cannot run through that turn either.
        Mechanism solved = m;
        SolverState s;
        bool complete = true;
        try {
            complete = SolveMechanism(solved, s).complete;
        } catch (const FloatingPointError&) {
            complete = false;
        }
        EXPECT_FALSE(complete);
    }
}

TEST(Characteristics, ZeroLengthsBehaveAsInTheSolver)
{
    // A zero slider link: the solver's division by zero, not a NaN.
    Mechanism m = MakeMechanism(0.1, 0.6, 0.9, 0, 1.0, 8);
    try {
        ComputeCharacteristics(m);
        ADD_FAILURE() << "no fault";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), kDivisionByZeroText);
    }
    // A zero coupler: the four-bar cannot be assembled, which the solver reports without a fault.
    m = MakeMechanism(0.1, 0, 0.9, 0.5, 1.0, 8);
    EXPECT_EQ(ComputeCharacteristics(m).Status, CharacteristicsStatus::NotFullTurn);
    SolverState s;
    EXPECT_FALSE(SolveMechanism(m, s).complete);
}

}  // namespace
