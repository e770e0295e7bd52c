#include "DynamicsTestSupport.h"

#include "kinematics/ReducedQuantities.h"

#include <string>
#include <vector>

namespace {

// The equation of motion of the crank with the flywheel, integrated in time by the classical
// Runge-Kutta method: (Jм + Jпр)*phi'' + dJпр/dphi*phi'^2/2 = Mд + Mпр(phi), dJпр/dphi by a
// central difference of Jпр. Returns the largest and the smallest crank speed over the third
// turn, each refined by the parabola through its sample and the neighbours.
struct TimeDomainExtremes {
    double max = 0, min = 0;
};

constexpr int kStepsPerTurn = 2000;
constexpr double kInertiaStep = 1e-5;  // rad, for dJпр/dphi

TimeDomainExtremes IntegrateThreeTurns(const ReducedModel& model, double jm, double md,
                                       double omega0, double omegaMean)
{
    auto J = [&](double phi) { return ReducedAt(model, phi)->J; };
    auto acceleration = [&](double phi, double omega) {
        const ReducedPoint p = *ReducedAt(model, phi);
        const double dJ = (J(phi + kInertiaStep) - J(phi - kInertiaStep)) / (2 * kInertiaStep);
        return (md + p.M - 0.5 * dJ * omega * omega) / (jm + p.J);
    };
    const double dt = 2 * M_PI / omegaMean / kStepsPerTurn;
    double phi = 0, omega = omega0;
    std::vector<double> lastTurn;
    while (phi < 6 * M_PI) {
        const double k1p = omega, k1w = acceleration(phi, omega);
        const double k2p = omega + dt / 2 * k1w, k2w = acceleration(phi + dt / 2 * k1p, k2p);
        const double k3p = omega + dt / 2 * k2w, k3w = acceleration(phi + dt / 2 * k2p, k3p);
        const double k4p = omega + dt * k3w, k4w = acceleration(phi + dt * k3p, k4p);
        phi += dt / 6 * (k1p + 2 * k2p + 2 * k3p + k4p);
        omega += dt / 6 * (k1w + 2 * k2w + 2 * k3w + k4w);
        if (phi >= 4 * M_PI)
            lastTurn.push_back(omega);
    }
    auto refined = [&](std::size_t i) {
        const double before = lastTurn[i - 1], at = lastTurn[i], after = lastTurn[i + 1];
        const double curvature = after - 2 * at + before;
        return curvature == 0 ? at : at - (after - before) * (after - before) / (8 * curvature);
    };
    std::size_t iMax = 1, iMin = 1;
    for (std::size_t i = 1; i + 1 < lastTurn.size(); ++i) {
        if (lastTurn[i] > lastTurn[iMax])
            iMax = i;
        if (lastTurn[i] < lastTurn[iMin])
            iMin = i;
    }
    return {refined(iMax), refined(iMin)};
}

void ExpectTimeDomainAgreement(const Mechanism& mech, const ForceParameters& loads, double delta)
{
    SCOPED_TRACE(mech.Loa + mech.Lbc);
    SCOPED_TRACE(loads.Omega1);
    SCOPED_TRACE(delta);
    const DynamicsResult r = DynamicsOf(mech, loads, delta);
    ASSERT_EQ(r.Status, DynamicsStatus::Computed);
    const ReducedModel model = MakeReducedModel(mech, ComputeCharacteristics(mech), loads);
    const TimeDomainExtremes t =
        IntegrateThreeTurns(model, r.Exact.Jm, r.DrivingTorque, r.Omega.front(), loads.Omega1);
    EXPECT_LT(RelativeError(t.max, r.OmegaMax.Value), 1e-6);
    EXPECT_LT(RelativeError(t.min, r.OmegaMin.Value), 1e-6);
    const double achieved = (t.max - t.min) / ((t.max + t.min) / 2);
    EXPECT_NEAR(achieved, r.DeltaAchieved, 1e-6);
    if (!r.Exact.LinksSuffice) {
        EXPECT_NEAR(achieved, delta, 1e-6);
    }
}

TEST(Dynamics, TimeDomainIntegrationGivesTheSameSpeedExtremes)
{
    for (const Mechanism& mech : TestMechanisms(8)) {
        for (double omega : {2 * M_PI, 20.0}) {
            for (double delta : {0.04, 0.01})
                ExpectTimeDomainAgreement(mech, Loads(20, 10, 500, true, omega), delta);
        }
    }
    // Without a flywheel: the links alone keep the speed within a loose δ.
    const Mechanism mech = TestMechanisms(8).front();
    const ForceParameters inertiaOnly = Loads(20, 10, 0, false, 10);
    ASSERT_TRUE(DynamicsOf(mech, inertiaOnly, 0.9).Exact.LinksSuffice);
    ExpectTimeDomainAgreement(mech, inertiaOnly, 0.9);
}

TEST(Dynamics, WorksBalanceOverTheCycle)
{
    for (const Mechanism& mech : TestMechanisms(8)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const MechanismCharacteristics c = ComputeCharacteristics(mech);

        const DynamicsResult full = DynamicsOf(mech, Loads(20, 10, 500, true, 2 * M_PI), 0.04);
        ASSERT_EQ(full.Status, DynamicsStatus::Computed);
        EXPECT_NEAR(full.Ad.back() + full.Ac.back(), 0, 1e-9 * full.Ad.back());
        EXPECT_EQ(full.DeltaT.front(), 0);

        // The resistance alone: the driver supplies Fc*H a turn.
        const DynamicsResult resistance = DynamicsOf(mech, Loads(0, 0, 500, false, 1), 0.04);
        EXPECT_LT(RelativeError(resistance.DrivingTorque * 2 * M_PI, 500 * c.Stroke), 1e-9);

        // Gravity alone: its work is the fall of the potential energy from the positions, and
        // nothing is left over a cycle.
        const ForceParameters weight = Loads(20, 10, 0, true, 1);
        const DynamicsResult gravity = DynamicsOf(mech, weight, 0.04);
        auto potential = [&](double phi) {
            const PositionArrays p = PositionsAt(mech, phi);
            const double q = weight.LinearMass;
            return kGravity * (q * mech.Loa * p.Ya[0] / 2 + q * mech.Lab * p.Yd[0]
                               + q * mech.Lbc * p.Yb[0] / 2
                               + q * mech.Lde * (p.Yd[0] + p.Ye[0]) / 2
                               + weight.SliderMass * p.Ye[0]);
        };
        const double p0 = potential(0);
        double range = 0, worst = 0;
        for (std::size_t i = 0; i < gravity.Phi.size(); i += 37) {
            const double fall = p0 - potential(gravity.Phi[i]);
            range = std::max(range, std::fabs(fall));
            worst = std::max(worst, std::fabs(gravity.Ac[i] - fall));
        }
        EXPECT_LT(worst, 1e-9 * range);
        EXPECT_NEAR(gravity.DrivingTorque, 0, 1e-9 * range);
    }
}

// Jпр = 2*(kinetic energy for omega1 = 1) with every velocity from the differences of the
// positions at neighbouring crank angles, never from the velocity routines.
TEST(Dynamics, ReducedInertiaIsTwiceTheKineticEnergyFromThePositions)
{
    constexpr double h = 1e-3;
    const ForceParameters loads = Loads(20, 10, 500, true, 1);
    for (const Mechanism& mech : TestMechanisms(8)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const ReducedModel model = MakeReducedModel(mech, ComputeCharacteristics(mech), loads);
        for (double phi = 0.05; phi < 2 * M_PI; phi += 0.29) {
            std::vector<PositionArrays> around;
            for (int j = -2; j <= 2; ++j)
                around.push_back(PositionsAt(mech, phi + j * h));
            // Five-point derivative of a coordinate, or of an angle from its direction.
            auto d = [&](auto value) {
                return (value(around[0]) - value(around[4])
                        + 8 * (value(around[3]) - value(around[1])))
                       / (12 * h);
            };
            auto angle = [&](auto dy, auto dx) {
                const double mid = std::atan2(dy(around[2]), dx(around[2]));
                return d([&](const PositionArrays& p) {
                    return std::remainder(std::atan2(dy(p), dx(p)) - mid, 2 * M_PI);
                });
            };
            const double vxa = d([](const PositionArrays& p) { return p.Xa[0]; });
            const double vya = d([](const PositionArrays& p) { return p.Ya[0]; });
            const double vxb = d([](const PositionArrays& p) { return p.Xb[0]; });
            const double vyb = d([](const PositionArrays& p) { return p.Yb[0]; });
            const double vxd = d([](const PositionArrays& p) { return p.Xd[0]; });
            const double vyd = d([](const PositionArrays& p) { return p.Yd[0]; });
            const double ve = d([](const PositionArrays& p) { return p.Ye[0]; });
            const double w2 = angle([](const PositionArrays& p) { return p.Yb[0] - p.Ya[0]; },
                                    [](const PositionArrays& p) { return p.Xb[0] - p.Xa[0]; });
            const double w3 = angle([](const PositionArrays& p) { return p.Yb[0]; },
                                    [&](const PositionArrays& p) { return p.Xb[0] + mech.Loc; });
            const double w4 =
                angle([](const PositionArrays& p) { return p.Yd[0] - p.Ye[0]; },
                      [&](const PositionArrays& p) { return p.Xd[0] + mech.Loc / 2; });
            const double q = loads.LinearMass, m5 = loads.SliderMass;
            auto bar = [q](double length, double vx, double vy, double w) {
                const double m = q * length;
                return m * (vx * vx + vy * vy) + m * length * length / 12 * w * w;
            };
            const double twiceEnergy = bar(mech.Loa, vxa / 2, vya / 2, 1)
                                       + bar(mech.Lab, vxd, vyd, w2)
                                       + bar(mech.Lbc, vxb / 2, vyb / 2, w3)
                                       + bar(mech.Lde, vxd / 2, (vyd + ve) / 2, w4)
                                       + m5 * ve * ve;
            EXPECT_LT(RelativeError(ReducedAt(model, phi)->J, twiceEnergy), 1e-9) << phi;
        }
    }
}

// The force analysis's balancing torque in uniform rotation is the power balance of the same
// loads: Mб = -Mпр + dJпр/dphi*omega1^2/2. Both are checked position by position, and the
// table's columns are the cycle's values at the table's angles.
TEST(Dynamics, ReducedLoadsAreTheForceAnalysis)
{
    const ForceParameters loads = Loads(20, 10, 500, true, 7.5);
    for (const Mechanism& mech : TestMechanisms(360)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const SolvedRun run = Solve(mech);
        const MechanismCharacteristics c = ComputeCharacteristics(run.m);
        ForceArrays forces;
        ComputeForces(run.m, run.s.arrays, run.a, c, loads, forces);
        const DynamicsResult r = ComputeDynamics(run.m, c, loads, 0.04);
        const DynamicsColumns columns = SampleDynamics(r, run.m, run.s.arrays, run.a);
        ASSERT_EQ(columns.Size(), 360u);
        const ReducedModel model = MakeReducedModel(run.m, c, loads);
        const double scale = LargestMagnitude(forces.MbLever);
        for (std::size_t k = 0; k < 360; ++k) {
            const double phi = 2 * M_PI / 360 * static_cast<double>(k);
            const ReducedPoint p = *ReducedAt(model, phi);
            const double w = loads.Omega1;
            EXPECT_NEAR(forces.MbLever[k], -p.M + p.dJ * w * w / 2, 1e-9 * scale) << k;
            EXPECT_NEAR(columns.Mpr[k], p.M, 1e-12 * scale) << k;
            EXPECT_NEAR(columns.Jpr[k], p.J, 1e-12 * p.J) << k;
            const DynamicsRow row = DynamicsAt(r, phi);
            EXPECT_NEAR(columns.DeltaT[k], row.DeltaT, 1e-9 * r.DeltaTRange) << k;
            EXPECT_NEAR(columns.Omega[k], row.Omega, 1e-12 * row.Omega) << k;
        }
        EXPECT_EQ(columns.DeltaT[0], 0);
    }
}

// The crank's acceleration is omega*d(omega)/dphi, its extremes bound the curve, and nothing in
// the result depends on the table's position count.
TEST(Dynamics, CrankAccelerationIsTheSlopeOfItsSpeed)
{
    for (const Mechanism& mech : TestMechanisms(8)) {
        SCOPED_TRACE(mech.Loa + mech.Lbc);
        const DynamicsResult r = DynamicsOf(mech, Loads(20, 10, 500, true, 2 * M_PI), 0.04);
        const double h = 1e-4;
        const double scale = std::max(r.EpsilonMax.Value, -r.EpsilonMin.Value);
        for (double phi = 0.1; phi < 2 * M_PI; phi += 0.23) {
            const double slope =
                (DynamicsAt(r, phi + h).Omega - DynamicsAt(r, phi - h).Omega) / (2 * h);
            const DynamicsRow row = DynamicsAt(r, phi);
            EXPECT_NEAR(row.Epsilon, row.Omega * slope, 1e-6 * scale);
        }
        for (std::size_t i = 0; i < r.Phi.size(); ++i) {
            EXPECT_LE(r.Epsilon[i], r.EpsilonMax.Value);
            EXPECT_GE(r.Epsilon[i], r.EpsilonMin.Value);
            EXPECT_LE(r.Omega[i], r.OmegaMax.Value);
            EXPECT_GE(r.Omega[i], r.OmegaMin.Value);
        }
        Mechanism fine = mech;
        fine.PositionCount = 100000;
        const DynamicsResult other = DynamicsOf(fine, Loads(20, 10, 500, true, 2 * M_PI), 0.04);
        EXPECT_EQ(other.Exact.Jm, r.Exact.Jm);
        EXPECT_EQ(other.DrivingTorque, r.DrivingTorque);
    }
}

}  // namespace
