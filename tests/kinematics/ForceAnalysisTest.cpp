#include "PhysicsTestSupport.h"

#include "kinematics/Errors.h"
#include "kinematics/ForceAnalysis.h"

#include <string>

namespace {

struct Forced {
    SolvedRun run;
    MechanismCharacteristics c;
    ForceArrays arrays;
};

Forced Analyse(const Mechanism& m, const ForceParameters& f)
{
    Forced r{Solve(m), ComputeCharacteristics(m), {}};
    ComputeForces(r.run.m, r.run.s.arrays, r.run.a, r.c, f, r.arrays);
    return r;
}

double Cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
Vec2 Sum(std::initializer_list<Vec2> v)
{
    Vec2 s;
    for (Vec2 x : v) {
        s.x += x.x;
        s.y += x.y;
    }
    return s;
}
Vec2 Neg(Vec2 a) { return {-a.x, -a.y}; }
double Largest(std::initializer_list<Vec2> v)
{
    double r = 0;
    for (Vec2 x : v)
        r = std::max({r, std::fabs(x.x), std::fabs(x.y)});
    return r;
}

TEST(ForceAnalysis, GroupsAndLeverGiveTheSameBalancingTorque)
{
    ForceParameters f;  // q 20, m5 10, Fc 500, gravity
    const double speeds[] = {1.0, 7.5, 30.0};
    int i = 0;
    for (const Mechanism& mech : TestMechanisms(3600)) {
        f.Omega1 = speeds[i++];
        const Forced r = Analyse(mech, f);
        ASSERT_EQ(r.arrays.Size(), 3600u);
        int working = 0;
        for (std::size_t k = 0; k < r.arrays.Size(); ++k) {
            const double lever = r.arrays.MbLever[k];
            EXPECT_NEAR(r.arrays.MbGroups[k], lever, 1e-9 * std::fabs(lever) + 1e-9) << k;
            working += r.arrays.Working[k];
        }
        // The resistance acts over the working stroke's share of the turn.
        EXPECT_NEAR(working / 3600.0, r.c.WorkAngle / (2 * M_PI), 1.0 / 3600);
    }
}

TEST(ForceAnalysis, EveryLinkIsInEquilibriumWithItsInertiaLoads)
{
    ForceParameters f;
    f.Omega1 = 12;
    for (const Mechanism& mech : TestMechanisms(720)) {
        const Forced r = Analyse(mech, f);
        const PositionArrays& p = r.run.s.arrays;
        for (int k = 0; k < 720; k += 7) {
            const PositionForces x = ForcesAt(r.run.m, p, r.run.a, k, r.c, f);
            const auto i = static_cast<std::size_t>(k);
            const Vec2 O{0, 0}, A{p.Xa[i], p.Ya[i]}, B{p.Xb[i], p.Yb[i]}, D{p.Xd[i], p.Yd[i]};
            const Vec2 C{-mech.Loc, 0}, E{-mech.Loc / 2, p.Ye[i]};
            const Vec2 R21 = Neg(x.R12), R23 = Neg(x.R32), R42 = Neg(x.R24), R54 = Neg(x.R45);
            const Vec2 N{x.N05, 0}, Fr{0, x.Resistance};
            const double tol = 1e-9 * Largest({x.R01, x.R12, x.R32, x.R03, x.R24, x.R45, N, Fr,
                                               x.G2, x.F2, x.F3, x.F4, x.F5});
            // Forces on each link, and moments about the origin (not a point the groups used).
            const Vec2 s1 = Sum({x.R01, R21, x.G1, x.F1});
            const Vec2 s2 = Sum({x.R12, x.R32, R42, x.G2, x.F2});
            const Vec2 s3 = Sum({R23, x.R03, x.G3, x.F3});
            const Vec2 s4 = Sum({x.R24, R54, x.G4, x.F4});
            const Vec2 s5 = Sum({x.R45, N, x.G5, x.F5, Fr});
            for (Vec2 s : {s1, s2, s3, s4, s5}) {
                EXPECT_NEAR(s.x, 0, tol);
                EXPECT_NEAR(s.y, 0, tol);
            }
            const double lengthScale = 2;  // every point lies within 2 m of the origin
            EXPECT_NEAR(Cross(O, x.R01) + Cross(A, R21) + Cross(x.S1, Sum({x.G1, x.F1}))
                            + x.MbGroups, 0, tol * lengthScale);
            EXPECT_NEAR(Cross(A, x.R12) + Cross(B, x.R32) + Cross(D, Sum({R42, x.G2, x.F2}))
                            + x.M2, 0, tol * lengthScale);
            EXPECT_NEAR(Cross(B, R23) + Cross(C, x.R03) + Cross(x.S3, Sum({x.G3, x.F3})) + x.M3,
                        0, tol * lengthScale);
            EXPECT_NEAR(Cross(D, x.R24) + Cross(E, R54) + Cross(x.S4, Sum({x.G4, x.F4})) + x.M4,
                        0, tol * lengthScale);
            // The reactions split into their parts along and across their links.
            const double t4 = r.run.a.Theta4[i], t2 = r.run.a.Theta2[i];
            EXPECT_NEAR(x.R24.x, x.R24n * std::cos(t4) - x.R24t * std::sin(t4), tol);
            EXPECT_NEAR(x.R12.y, x.R12n * std::sin(t2) + x.R12t * std::cos(t2), tol);
            // The arrays hold the same values with their magnitudes.
            EXPECT_EQ(r.arrays.RxB[i], R23.x);
            EXPECT_NEAR(r.arrays.RC[i], std::hypot(x.R03.x, x.R03.y), 1e-12 * r.arrays.RC[i]);
        }
    }
}

TEST(ForceAnalysis, ResistanceAloneNeedsTheTorqueOfItsPower)
{
    ForceParameters f;
    f.LinearMass = 0;
    f.SliderMass = 0;
    f.Gravity = false;
    f.Resistance = 500;
    f.Omega1 = 3;
    for (const Mechanism& mech : TestMechanisms(720)) {
        const Forced r = Analyse(mech, f);
        for (std::size_t k = 0; k < r.arrays.Size(); ++k) {
            // Mb * omega1 = Fc * |v_E| with v_E = omega1 * Ve.
            const double vE = f.Omega1 * r.run.s.arrays.Ve[k];
            const double expected =
                r.arrays.Working[k] ? f.Resistance * std::fabs(vE) / f.Omega1 : 0;
            EXPECT_NEAR(r.arrays.MbGroups[k], expected, 1e-9 * f.Resistance) << k;
            const double phi = 2 * M_PI * static_cast<double>(k) / 720;
            EXPECT_EQ(r.arrays.Working[k] != 0, OnWorkingStroke(r.c, phi));
        }
    }
}

TEST(ForceAnalysis, SlowCrankNeedsTheDerivativeOfThePotentialEnergy)
{
    ForceParameters f;
    f.Resistance = 0;
    f.Omega1 = 1e-6;
    const double g = kGravity;
    for (const Mechanism& mech : TestMechanisms(3600)) {
        const Forced r = Analyse(mech, f);
        const PositionArrays& p = r.run.s.arrays;
        std::vector<double> potential(3600);
        for (std::size_t k = 0; k < 3600; ++k) {
            const double q = f.LinearMass;
            const double yS1 = p.Ya[k] / 2, yS2 = p.Yd[k], yS3 = p.Yb[k] / 2;
            const double yS4 = (p.Yd[k] + p.Ye[k]) / 2;
            potential[k] = g * (q * mech.Loa * yS1 + q * mech.Lab * yS2 + q * mech.Lbc * yS3
                                + q * mech.Lde * yS4 + f.SliderMass * p.Ye[k]);
        }
        const double scale = LargestMagnitude(r.arrays.MbGroups);
        for (std::size_t k = 0; k < 3600; ++k) {
            const double d = CentralDifference(potential, k, 2 * M_PI / 3600);
            EXPECT_NEAR(r.arrays.MbGroups[k], d, 1e-6 * scale) << k;
        }
    }
}

TEST(ForceAnalysis, SliderLinkAlongTheGuidesNormalIsTheSolversDivisionByZero)
{
    // DE lying horizontal cannot carry the slider's vertical load: a fault, not a NaN; the
    // positions before it keep their values.
    SolvedRun r = Solve(DefaultMechanism(8));
    r.a.Theta4[3] = 0;
    const MechanismCharacteristics c = ComputeCharacteristics(r.m);
    ForceArrays out;
    try {
        ComputeForces(r.m, r.s.arrays, r.a, c, ForceParameters{}, out);
        ADD_FAILURE() << "no fault";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), kDivisionByZeroText);
    }
    ASSERT_EQ(out.Size(), 8u);
    EXPECT_NE(out.MbGroups[2], 0);
    EXPECT_EQ(out.MbGroups[3], 0);
    // A crank speed whose square overflows.
    ForceParameters fast;
    fast.Omega1 = 1e200;
    try {
        ForcesAt(r.m, r.s.arrays, r.a, 1, c, fast);
        ADD_FAILURE() << "no fault";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), kOverflowText);
    }
}

}  // namespace
