#include "PhysicsTestSupport.h"

#include "kinematics/Errors.h"

#include <functional>
#include <string>

namespace {

constexpr int kFineN = 3600;
const double kFineStep = 2 * M_PI / kFineN;

// Every element of `derivative` equals the central difference of `f` (as an angle when asked)
// to `tolerance` relative to the derivative's largest magnitude over the turn.
void ExpectDerivative(const std::vector<double>& f, const std::vector<double>& derivative,
                      bool angle, double step, double tolerance, const char* what)
{
    const double scale = LargestMagnitude(derivative);
    ASSERT_GT(scale, 0) << what;
    double worst = 0;
    for (std::size_t k = 0; k < f.size(); ++k) {
        const double d = angle ? AngleDifference(f, k, step) : CentralDifference(f, k, step);
        worst = std::max(worst, std::fabs(d - derivative[k]) / scale);
    }
    EXPECT_LT(worst, tolerance) << what;
}

TEST(Accelerations, EveryDerivativeMatchesTheCentralDifferenceOfItsIntegral)
{
    for (const Mechanism& mech : TestMechanisms(kFineN)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const SolvedRun r = Solve(mech);
        const PositionArrays& p = r.s.arrays;
        const AccelerationArrays& a = r.a;
        struct Pair {
            const std::vector<double>& f;
            const std::vector<double>& derivative;
            bool angle;
            const char* what;
        };
        const Pair pairs[] = {
            {a.Theta2, a.Omega2, true, "omega2"}, {a.Theta3, a.Omega3, true, "omega3"},
            {a.Theta4, a.Omega4, true, "omega4"}, {a.Omega2, a.Eps2, false, "eps2"},
            {a.Omega3, a.Eps3, false, "eps3"},    {a.Omega4, a.Eps4, false, "eps4"},
            {p.Vxa, a.Axa, false, "axa"},         {p.Vya, a.Aya, false, "aya"},
            {p.Vxb, a.Axb, false, "axb"},         {p.Vyb, a.Ayb, false, "ayb"},
            {p.Vxd, a.Axd, false, "axd"},         {p.Vyd, a.Ayd, false, "ayd"},
            {p.Ve, a.Ae, false, "ae"},
        };
        for (const Pair& pair : pairs)
            ExpectDerivative(pair.f, pair.derivative, pair.angle, kFineStep, 1e-6, pair.what);
        // The angles are the solver's: the velocity of B is w3 x CB and of D relative to A w2 x AD.
        for (int k = 0; k < kFineN; k += 97) {
            const auto i = static_cast<std::size_t>(k);
            EXPECT_NEAR(p.Vxb[i], -a.Omega3[i] * p.Yb[i], 1e-12);
            EXPECT_NEAR(p.Vyb[i], a.Omega3[i] * (p.Xb[i] + mech.Loc), 1e-12);
            EXPECT_NEAR(p.Vxd[i] - p.Vxa[i], -a.Omega2[i] * (p.Yd[i] - p.Ya[i]), 1e-12);
        }
    }
}

TEST(Accelerations, PlanClosesAndItsPartsLieAlongAndAcrossTheLinks)
{
    for (const Mechanism& mech : TestMechanisms(360)) {
        const SolvedRun r = Solve(mech);
        const PositionArrays& p = r.s.arrays;
        const AccelerationArrays& a = r.a;
        for (std::size_t k = 0; k < a.Size(); ++k) {
            // a_B reached from A and from C.
            EXPECT_NEAR(a.Axa[k] + a.AnBAx[k] + a.AtBAx[k], a.AnBCx[k] + a.AtBCx[k], 1e-12);
            EXPECT_NEAR(a.Aya[k] + a.AnBAy[k] + a.AtBAy[k], a.AnBCy[k] + a.AtBCy[k], 1e-12);
            // E from D lands on the guide's direction: no horizontal part.
            EXPECT_NEAR(a.Axd[k] + a.AnEDx[k] + a.AtEDx[k], 0, 1e-12);
            EXPECT_NEAR(a.Ayd[k] + a.AnEDy[k] + a.AtEDy[k], a.Ae[k], 1e-12);
            // Normal parts are w^2 times the vector to the centre; tangential ones are across it.
            const double abx = p.Xb[k] - p.Xa[k], aby = p.Yb[k] - p.Ya[k];
            const double w2 = a.Omega2[k] * a.Omega2[k], w3 = a.Omega3[k] * a.Omega3[k];
            EXPECT_NEAR(a.AnBAx[k], -w2 * abx, 1e-12);
            EXPECT_NEAR(a.AnBAy[k], -w2 * aby, 1e-12);
            EXPECT_NEAR(a.AtBAx[k] * abx + a.AtBAy[k] * aby, 0, 1e-12);
            EXPECT_NEAR(a.AnBCx[k], -w3 * (p.Xb[k] + mech.Loc), 1e-12);
            EXPECT_NEAR(a.AnBCy[k], -w3 * p.Yb[k], 1e-12);
            const double dex = p.Xd[k] + mech.Loc / 2, dey = p.Yd[k] - p.Ye[k];
            EXPECT_NEAR(a.AtEDx[k] * dex + a.AtEDy[k] * dey, 0, 1e-12);
            EXPECT_NEAR(a.Ab[k], std::hypot(a.Axb[k], a.Ayb[k]), 1e-15);
            EXPECT_EQ(a.AeAbs[k], std::fabs(a.Ae[k]));
            EXPECT_NEAR(a.Aa[k], mech.Loa, 1e-15);  // uniform rotation: only the normal part
        }
    }
}

TEST(Accelerations, ScaledArraysAreTheTimeDerivativesAtThatCrankSpeed)
{
    // phi = omega1 * t: the same solve read against time with dt = h / omega1.
    for (double omega1 : {0.25, 3.7, 40.0}) {
        const SolvedRun r = Solve(TestMechanisms(kFineN)[0]);
        const AccelerationArrays a = ScaledAccelerations(r.a, omega1);
        const double dt = kFineStep / omega1;
        std::vector<double> vyb(r.s.arrays.Vyb), ve(r.s.arrays.Ve);
        for (double& v : vyb)
            v *= omega1;
        for (double& v : ve)
            v *= omega1;
        ExpectDerivative(a.Theta2, a.Omega2, true, dt, 1e-6, "omega2");
        ExpectDerivative(a.Omega3, a.Eps3, false, dt, 1e-6, "eps3");
        ExpectDerivative(a.Omega4, a.Eps4, false, dt, 1e-6, "eps4");
        ExpectDerivative(vyb, a.Ayb, false, dt, 1e-6, "ayb");
        ExpectDerivative(ve, a.Ae, false, dt, 1e-6, "ae");
        EXPECT_EQ(a.Theta3, r.a.Theta3);
        EXPECT_DOUBLE_EQ(a.Eps2[5], r.a.Eps2[5] * omega1 * omega1);
        EXPECT_DOUBLE_EQ(a.AeAbs[7], r.a.AeAbs[7] * omega1 * omega1);
    }
}

TEST(Accelerations, OnlyTheSolvedPositionsAreComputed)
{
    SolvedRun r = Solve(DefaultMechanism(8));
    AccelerationArrays partial;
    ComputeAccelerations(r.m, r.s.arrays, 5, partial);
    ASSERT_EQ(partial.Size(), 5u);
    EXPECT_TRUE(SameBits(partial.Eps4[4], r.a.Eps4[4]));
    EXPECT_DOUBLE_EQ(partial.Phi[4], M_PI);
    ComputeAccelerations(r.m, r.s.arrays, 0, partial);
    EXPECT_EQ(partial.Size(), 0u);
}

void ExpectFault(const std::function<void()>& f, const char* text)
{
    try {
        f();
        ADD_FAILURE() << "no fault, expected " << text;
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), text);
    }
}

TEST(Accelerations, ZeroDenominatorsRaiseTheSolversFaultsNotNaN)
{
    const SolvedRun r = Solve(DefaultMechanism(8));
    const PositionArrays& p = r.s.arrays;
    LinkageLengths l = LengthsOf(r.m);
    // DE lying along the horizontal: the slider cannot be driven (w4 = v_D,x / 0).
    ExpectFault([&] { AccelerationAt(l, 0.5, p.Xa[1], p.Ya[1], p.Xb[1], p.Yb[1],
                                     -l.GuideOffset + l.Lde, p.Yd[1], p.Yd[1]); },
                kDivisionByZeroText);
    // A zero slider link: any sideways motion of D needs an infinite w4.
    l.Lde = 0;
    ExpectFault([&] { AccelerationAt(l, 1.0, p.Xa[1], p.Ya[1], p.Xb[1], p.Yb[1], p.Xd[1],
                                     p.Yd[1], p.Ye[1]); },
                kDivisionByZeroText);
    // A, B and C on one line with the crank along it: w2 = 0 / 0 (the fold of the linkage).
    l = LengthsOf(r.m);
    ExpectFault([&] { AccelerationAt(l, 0.0, 0.1, 0.0, 0.1 + 0.6, 0.0, 0.4, 0.0, -0.3); },
                kInvalidOperationText);
    // The same line with the crank across it: w2 = v_A / 0.
    ExpectFault([&] { AccelerationAt(l, M_PI / 2, 0.1, 0.0, 0.1 + 0.6, 0.0, 0.4, 0.0, -0.3); },
                kDivisionByZeroText);
    ExpectFault([&] { ScaledAccelerations(r.a, 1e200); }, kOverflowText);
    // A solve that faults on a zero slider link leaves no acceleration to compute: the solver's
    // own text reaches the user first.
    Mechanism zeroSlider = DefaultMechanism(8);
    zeroSlider.Lde = 0;
    SolverState s;
    ExpectFault([&] { SolveMechanism(zeroSlider, s); }, kDivisionByZeroText);
}

}  // namespace
