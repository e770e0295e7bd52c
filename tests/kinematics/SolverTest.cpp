#include "KinematicsTestSupport.h"

#include "kinematics/Angles.h"
#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kSixDecimals = 5e-7;

TEST(SolveMechanism, DefaultsAtEightPositions)
{
    Mechanism m = DefaultMechanism(8);
    SolverState s;
    const SolveOutcome outcome = SolveMechanism(m, s);
    ASSERT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.positionsDone, 8);
    const PositionArrays& a = s.arrays;
    ASSERT_EQ(a.Size(), 8u);

    const struct {
        const char* name;
        double actual, expected;
    } figures[] = {
        {"Xa[0]", a.Xa[0], 0.1}, {"Ya[0]", a.Ya[0], 0}, {"Xb[0]", a.Xb[0], -0.45},
        {"Yb[0]", a.Yb[0], 0.239792}, {"Xd[0]", a.Xd[0], -0.175}, {"Yd[0]", a.Yd[0], 0.119896},
        {"Ye[0]", a.Ye[0], -0.260071}, {"Vxb[0]", a.Vxb[0], -0.021799},
        {"Vyb[0]", a.Vyb[0], 0.05}, {"Ve[0]", a.Ve[0], 0.065677},
        {"Gamma[0]", a.Gamma[0], 2.319317}, {"Ye[2]", a.Ye[2], -0.203907},
        {"Ve[2]", a.Ve[2], -0.004736}, {"Gamma[4]", a.Gamma[4], 1.696124},
        {"Ve[4]", a.Ve[4], -0.066762},
        {"PlanXa[0]", a.PlanXa[0], 0}, {"PlanYa[0]", a.PlanYa[0], 0.1},
        {"PlanXb[0]", a.PlanXb[0], -0.021799}, {"PlanYb[0]", a.PlanYb[0], 0.05},
        {"PlanXa[2]", a.PlanXa[2], -0.1}, {"PlanYa[2]", a.PlanYa[2], 0},
        {"PlanXb[2]", a.PlanXb[2], -0.060817}, {"PlanYb[2]", a.PlanYb[2], 0.075548},
        {"MaxVe", s.MaxVe, 0.065677}, {"MaxGamma", s.MaxGamma, 2.319317},
        {"MinGamma", s.MinGamma, 1.696124},
    };
    for (const auto& f : figures)
        EXPECT_NEAR(f.actual, f.expected, kSixDecimals) << f.name;

    EXPECT_EQ(m.Lad, 0.3);
    EXPECT_EQ(m.GuideOffset, 0.5);
    EXPECT_EQ(s.CrankAngle, (2 * kPi / 8) * 7);
}

TEST(SolveMechanism, VelocityPlanReproducesTheVelocities)
{
    Mechanism m = DefaultMechanism(36);
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    const PositionArrays& a = s.arrays;
    for (std::size_t k = 0; k < a.Size(); ++k) {
        EXPECT_NEAR(a.PlanXb[k], a.Vxb[k], 1e-12) << k;
        EXPECT_NEAR(a.PlanYb[k], a.Vyb[k], 1e-12) << k;
        EXPECT_NEAR(a.PlanXd[k], a.Vxd[k], 1e-12) << k;
        EXPECT_NEAR(a.PlanYd[k], a.Vyd[k], 1e-12) << k;
        EXPECT_EQ(a.PlanXe[k], 0.0);
        EXPECT_EQ(a.PlanYe[k], a.Ve[k]);
        EXPECT_NEAR(a.Va[k], 0.1, 1e-15);
        // Gamma is the angle ABC and B is at distance Lbc from C.
        const double bx = a.Xb[k] + m.Loc, by = a.Yb[k];
        EXPECT_NEAR(std::sqrt(bx * bx + by * by), m.Lbc, 1e-12);
        EXPECT_GE(a.Gamma[k], 0.0);
        EXPECT_LE(a.Gamma[k], kPi);
    }
}

TEST(SolveMechanism, SliderVelocityIsTheDerivativeOfItsHeight)
{
    constexpr int kFine = 3600;
    Mechanism m = DefaultMechanism(kFine);
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    const double step = 2 * kPi / kFine;
    const PositionArrays& a = s.arrays;
    for (int k = 0; k < kFine; ++k) {
        const auto next = static_cast<std::size_t>((k + 1) % kFine);
        const auto previous = static_cast<std::size_t>((k + kFine - 1) % kFine);
        const double difference = (a.Ye[next] - a.Ye[previous]) / (2 * step);
        EXPECT_NEAR(a.Ve[static_cast<std::size_t>(k)], difference, 1e-6) << k;
        const double xd = (a.Xd[next] - a.Xd[previous]) / (2 * step);
        EXPECT_NEAR(a.Vxd[static_cast<std::size_t>(k)], xd, 1e-6) << k;
    }
}

TEST(SolveMechanism, ReferenceTableWithTheChosenRocker)
{
    Mechanism m = DefaultMechanism(8);
    m.Lbc = 0.9;
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    const PositionArrays& a = s.arrays;
    const std::vector<double>* columns[] = {&a.Xa, &a.Ya, &a.Vxa, &a.Vya, &a.Xb, &a.Yb, &a.Vxb,
                                            &a.Vyb, &a.Xd, &a.Yd, &a.Vxd, &a.Vyd, &a.Ye, &a.Ve};
    const auto rows = ReadReferenceRows("defaults-n8-table.tsv", true);
    ASSERT_EQ(rows.size(), 8u);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), 14u);
        for (std::size_t c = 0; c < 14; ++c)
            EXPECT_EQ(FormatGeneral(RoundDecimals(3, (*columns[c])[r])), rows[r][c])
                << "row " << r << " column " << c;
    }
}

TEST(SolveMechanism, StudyModeEvaluatesTheOneAngleEverywhere)
{
    Mechanism m = DefaultMechanism(5);
    SolverState s;
    s.StudyMode = true;
    s.CrankAngle = 1.0;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    const PositionArrays& a = s.arrays;
    for (const auto* array : {&a.Xa, &a.Ye, &a.Ve, &a.Gamma, &a.PlanXb, &a.Va}) {
        ASSERT_EQ(array->size(), 5u);
        for (double value : *array)
            EXPECT_TRUE(SameBits(value, (*array)[0]));
    }
    EXPECT_EQ(a.Xa[0], 0.1 * std::cos(1.0));
    EXPECT_TRUE(SameBits(s.ScanVe, a.Ve[4]));
    EXPECT_EQ(s.CrankAngle, 1.0);
    EXPECT_EQ(s.MaxVe, a.Ve[0]);
    EXPECT_EQ(s.MaxGamma, a.Gamma[0]);
    EXPECT_EQ(s.MinGamma, a.Gamma[0]);
}

TEST(SolveMechanism, NormalModeLeavesScanVeAlone)
{
    Mechanism m = DefaultMechanism(8);
    SolverState s;
    s.ScanVe = 0.5;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    EXPECT_EQ(s.ScanVe, 0.5);
}

TEST(SolveMechanism, OnePositionSetsTheExtremesFromIt)
{
    Mechanism m = DefaultMechanism(1);
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    ASSERT_EQ(s.arrays.Size(), 1u);
    EXPECT_EQ(s.arrays.Xa[0], 0.1);
    EXPECT_EQ(s.MaxVe, s.arrays.Ve[0]);
    EXPECT_EQ(s.MaxGamma, s.arrays.Gamma[0]);
    EXPECT_EQ(s.MinGamma, s.arrays.Gamma[0]);
    EXPECT_NEAR(s.MaxVe, 0.065677, kSixDecimals);
}

TEST(SolveMechanism, MaxVeIsTheLargestSignedValue)
{
    Mechanism m = DefaultMechanism(8);
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    // Ve runs from about -0.067 to +0.066: the maximum is the positive end.
    EXPECT_GT(s.MaxVe, 0.0);
    EXPECT_LT(s.MaxVe, std::fabs(s.arrays.Ve[4]));
}

TEST(SolveMechanism, UnassembledLinkageReturnsAtOnce)
{
    Mechanism m = DefaultMechanism(8);
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    const SolverState before = s;

    m.Loc = 1.3;
    m.PositionCount = 12;
    const SolveOutcome outcome = SolveMechanism(m, s);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.positionsDone, 0);
    ASSERT_EQ(s.arrays.Size(), 12u);
    for (std::size_t k = 0; k < 8; ++k)
        EXPECT_EQ(s.arrays.Ve[k], before.arrays.Ve[k]);
    for (std::size_t k = 8; k < 12; ++k)
        EXPECT_EQ(s.arrays.Xa[k], 0.0);
    EXPECT_EQ(m.GuideOffset, 0.65);
    EXPECT_EQ(s.MaxVe, before.MaxVe);
    EXPECT_EQ(s.MaxGamma, before.MaxGamma);
    EXPECT_EQ(s.MinGamma, before.MinGamma);
}

TEST(SolveMechanism, NoPositionsTouchesNothing)
{
    for (int n : {0, -3}) {
        Mechanism m = DefaultMechanism(n);
        m.Lab = 0.4;
        SolverState s;
        FillArrays(s.arrays, 4, 7.0);
        const SolveOutcome outcome = SolveMechanism(m, s);
        EXPECT_FALSE(outcome.complete);
        EXPECT_EQ(s.arrays.Size(), 4u);
        EXPECT_EQ(m.Lad, 0.3);  // not even the auxiliary lengths
    }
}

// Lab 1.5, Lbc 0.7: triangle ABC closes at phi = 0 but not near phi = pi, where AC < Lab - Lbc.
TEST(SolveMechanism, OpenTriangleKeepsTheRestOfThePosition)
{
    Mechanism m = MakeMechanism(0.23, 1.5, 0.7, 2.0, 1.0, 8);
    SolverState s;
    FillArrays(s.arrays, 8, 7.0);
    s.MaxVe = 3.0;
    const SolveOutcome outcome = SolveMechanism(m, s);
    ASSERT_FALSE(outcome.complete);
    const auto k = static_cast<std::size_t>(outcome.positionsDone);
    ASSERT_GT(k, 0u);
    ASSERT_LT(k, 8u);
    for (std::size_t i = 0; i < k; ++i)
        EXPECT_NE(s.arrays.Ve[i], 7.0) << i;
    EXPECT_NE(s.arrays.Xa[k], 7.0);
    EXPECT_NE(s.arrays.Ya[k], 7.0);
    EXPECT_EQ(s.arrays.Gamma[k], 7.0);
    EXPECT_EQ(s.arrays.Xb[k], 7.0);
    for (std::size_t i = k + 1; i < 8; ++i)
        EXPECT_EQ(s.arrays.Xa[i], 7.0) << i;
    EXPECT_EQ(s.MaxVe, 3.0);
}

TEST(SolveMechanism, FailedRunKeepsTheExtremesOfTheLastCompleteOne)
{
    Mechanism m = DefaultMechanism(8);
    SolverState s;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    const double maxVe = s.MaxVe, maxGamma = s.MaxGamma, minGamma = s.MinGamma;
    Mechanism open = MakeMechanism(0.23, 1.5, 0.7, 2.0, 1.0, 8);
    ASSERT_FALSE(SolveMechanism(open, s).complete);
    EXPECT_EQ(s.MaxVe, maxVe);
    EXPECT_EQ(s.MaxGamma, maxGamma);
    EXPECT_EQ(s.MinGamma, minGamma);
}

}  // namespace
