#pragma once
// The mechanism the physics benchmarks measure: the defaults with the rocker the study adopts,
// and the same solved with its accelerations and characteristics, as a Calculate leaves them.

#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "tests/kinematics/KinematicsTestSupport.h"

#include <cstdint>

inline Mechanism StudiedMechanism(std::int64_t n)
{
    Mechanism m = DefaultMechanism(static_cast<int>(n));
    m.Lbc = 0.9;
    return m;
}

struct SolvedMechanism {
    explicit SolvedMechanism(std::int64_t n) : m(StudiedMechanism(n))
    {
        const SolveOutcome outcome = SolveMechanism(m, s);
        ComputeAccelerations(m, s.arrays, outcome.positionsDone, a);
        c = ComputeCharacteristics(m);
    }
    Mechanism m;
    SolverState s;
    AccelerationArrays a;
    MechanismCharacteristics c;
};
