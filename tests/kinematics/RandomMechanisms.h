#pragma once
// Seeded random mechanisms for sweeps that compare the study with plain repetition. Most are
// drawn where the study is delicate: the assembly limit Loa + Loc - Lab inside the study's range
// (the rocker stretches out, gamma near 180 degrees), a coupler folding onto the rocker (gamma
// near 0), a slider link that barely reaches its guide; the rest are typed millimetres and a few
// odd reals (negative, zero, tiny).

#include "KinematicsTestSupport.h"

#include "kinematics/Errors.h"
#include "kinematics/Solver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

class RandomMechanisms {
public:
    explicit RandomMechanisms(std::uint64_t seed) : engine_(seed) {}

    // A uniform real in [0, 1) from the engine's bits alone (the same on every library).
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1p-53; }
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    int Whole(int low, int high)  // low .. high
    {
        return low + static_cast<int>(engine_() % static_cast<std::uint64_t>(high - low + 1));
    }
    double Millimetres(int low, int high) { return Whole(low, high) / 1000.0; }

    // A position count: mostly small, sometimes odd and large enough for the study's two threads.
    int PositionCount(int largest)
    {
        const int pick = Whole(0, 9);
        const int small = std::min(24, largest);
        if (pick < 6 || largest <= small)
            return Whole(1, small);
        const int middle = std::max(small + 1, largest / 2);
        if (pick < 9)
            return Whole(small + 1, middle);
        return Whole(middle, largest);
    }

    Mechanism Next(int positions)
    {
        Mechanism m = DefaultMechanism(positions);
        m.Loa = Millimetres(10, 400);
        m.Lab = Millimetres(100, 1500);
        m.Lbc = Millimetres(510, 900);
        m.Lde = Millimetres(50, 1200);
        m.Loc = Millimetres(200, 1600);
        switch (Whole(0, 5)) {
        case 0:  // typed millimetres as drawn
            break;
        case 1:  // assembly limit inside the study: the rocker stretches out at phi = 0
            m.Loc = m.Lab + Between(0.59, 0.901) - m.Loa;
            break;
        case 2:  // coupler folds onto the rocker at phi = pi: |Loc - Loa| = Lbc - Lab
            m.Lab = Millimetres(20, 300);
            m.Loc = m.Loa + Between(0.59, 0.901) - m.Lab;
            break;
        case 3:  // the limit at a whole millimetre, give or take an ulp
            m.Loc = m.Lab + Millimetres(591, 900) - m.Loa;
            m.Loc = std::nextafter(m.Loc, Whole(0, 1) ? 10.0 : -10.0);
            break;
        case 4:  // a slider link that barely reaches the guide for some rocker length
            m.Lde = ReachOfTheGuide(m, Millimetres(591, 900)) * (1 + Between(-1e-6, 1e-6));
            break;
        default:  // odd reals
            m.Loa = Between(-0.05, 0.45);
            m.Lab = Between(0.0, 1.6);
            m.Lde = Whole(0, 9) == 0 ? 0.0 : Between(0.0, 1.3);
            m.Loc = Between(-0.2, 1.8);
            break;
        }
        return m;
    }

private:
    // The largest |Xd + GuideOffset| over the positions with the given rocker (0 when the
    // linkage does not run through): the shortest slider link that reaches the guide everywhere.
    static double ReachOfTheGuide(const Mechanism& m, double lbc)
    {
        Mechanism probe = m;
        probe.Lbc = lbc;
        probe.Lde = 1e6;
        SolverState s;
        try {
            if (!SolveMechanism(probe, s).complete)
                return m.Lde;
        } catch (const FloatingPointError&) {
            return m.Lde;
        }
        double reach = 0;
        for (double xd : s.arrays.Xd)
            reach = std::fmax(reach, std::fabs(xd + probe.GuideOffset));
        return reach;
    }

    std::mt19937_64 engine_;
};
