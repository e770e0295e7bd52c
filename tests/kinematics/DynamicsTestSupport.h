#pragma once
// Helpers shared by the dynamics and flywheel tests.

#include "PhysicsTestSupport.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Dynamics.h"

#include <cmath>

// The dynamics of a mechanism from its lengths alone (N plays no part).
inline DynamicsResult DynamicsOf(const Mechanism& m, const ForceParameters& loads, double delta)
{
    return ComputeDynamics(m, ComputeCharacteristics(m), loads, delta);
}

// The loads in the order ForceParameters holds them.
inline ForceParameters Loads(double q, double m5, double fc, bool gravity, double omega)
{
    return ForceParameters{q, m5, fc, gravity, omega};
}

// The positions the solver gives at one crank angle (a one-position run at that angle).
inline PositionArrays PositionsAt(Mechanism m, double phi)
{
    m.PositionCount = 1;
    SolverState s;
    s.StudyMode = true;
    s.CrankAngle = phi;
    EXPECT_TRUE(SolveMechanism(m, s).complete);
    return s.arrays;
}

inline double RelativeError(double value, double expected)
{
    return std::fabs(value - expected) / std::fabs(expected);
}
