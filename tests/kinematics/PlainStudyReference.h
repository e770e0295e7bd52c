#pragma once
// The dead-position scan and the rocker study as the plain sequence of solver runs, one
// SolveMechanism call per angle and per rocker length. The fast FindDeadPositionsAndStudy must
// leave everything exactly as this does.

#include "kinematics/CheckedReal.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <cmath>
#include <limits>

inline StudyOutcome PlainDeadPositionsAndStudy(Mechanism& m, SolverState& s, StudyResults& r)
{
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double userLbc = m.Lbc;

    s.StudyMode = true;
    int count = 0;
    try {
        for (int i = 0; i <= 360; ++i) {
            s.CrankAngle = static_cast<double>(i - 1) * kRadiansPerDegree;
            const SolveOutcome o = SolveMechanism(m, s);
            if (o.complete && CheckedReal(std::fabs(s.ScanVe)) < kDeadVelocity
                && count < kDeadAnglesCapacity)
                r.DeadAngles[static_cast<std::size_t>(count++)] = s.CrankAngle;
        }
    } catch (...) {
        s.StudyMode = false;
        throw;
    }
    r.DeadCount = count;
    s.StudyMode = false;

    bool haveBest = false;
    double best = 0, bestLbc = 0;
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
        m.Lbc = static_cast<double>(mm) / 1000.0;
        if (!SolveMechanism(m, s).complete) {
            r.MaxVeByLbc[mm] = r.MinGammaByLbc[mm] = r.MaxGammaByLbc[mm] = nan;
            continue;
        }
        r.MaxVeByLbc[mm] = s.MaxVe;
        r.MinGammaByLbc[mm] = s.MinGamma;
        r.MaxGammaByLbc[mm] = s.MaxGamma;
        if (!haveBest || CheckedReal(s.MaxVe) > best) {
            haveBest = true;
            best = s.MaxVe;
            bestLbc = m.Lbc;
        }
    }
    StudyOutcome outcome;
    outcome.lbcChosen = haveBest;
    m.Lbc = haveBest ? bestLbc : userLbc;
    outcome.finalSolve = SolveMechanism(m, s);
    return outcome;
}
