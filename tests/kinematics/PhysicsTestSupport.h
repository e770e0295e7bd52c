#pragma once
// Helpers shared by the acceleration, characteristics and force tests.

#include "KinematicsTestSupport.h"
#include "kinematics/Accelerations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

// A finished solve of N positions with its accelerations.
struct SolvedRun {
    Mechanism m;
    SolverState s;
    AccelerationArrays a;
    int n = 0;
};

inline SolvedRun Solve(Mechanism m)
{
    SolvedRun r;
    r.m = m;
    r.n = m.PositionCount;
    const SolveOutcome outcome = SolveMechanism(r.m, r.s);
    EXPECT_TRUE(outcome.complete);
    ComputeAccelerations(r.m, r.s.arrays, outcome.positionsDone, r.a);
    return r;
}

// The linkages the physics tests run on: the defaults with the study's rocker (0.9), the
// built-in defaults, and a long crank with a short guide link, far from the defaults.
inline std::vector<Mechanism> TestMechanisms(int n)
{
    return {MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, n), MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.0, n),
            MakeMechanism(0.25, 0.7, 0.8, 0.6, 1.0, n)};
}

// d/dphi of a periodic sampled function by the five-point central difference (positions k-2 ..
// k+2). Its error, h^4/30 of the fifth derivative, stays far below the tests' 1e-6 at N = 3600,
// where the three-point one (h^2/6 of the third, about 5e-7 of f') can reach it.
inline double CentralDifference(const std::vector<double>& f, std::size_t k, double h)
{
    const std::size_t n = f.size();
    auto at = [&](std::size_t offset) { return f[(k + n + offset - 2) % n]; };
    return (at(0) - at(4) + 8 * (at(3) - at(1))) / (12 * h);
}

// The same for an angle: every difference is taken modulo a turn, relative to position k.
inline double AngleDifference(const std::vector<double>& f, std::size_t k, double h)
{
    const std::size_t n = f.size();
    auto at = [&](std::size_t offset) {
        return std::remainder(f[(k + n + offset - 2) % n] - f[k], 2 * M_PI);
    };
    return (at(0) - at(4) + 8 * (at(3) - at(1))) / (12 * h);
}

inline double LargestMagnitude(const std::vector<double>& f)
{
    double r = 0;
    for (double x : f)
        r = std::max(r, std::fabs(x));
    return r;
}
