#pragma once
// The dead-position scan and the rocker study as the plain sequence of solver runs, one
// SolveMechanism call per angle and per rocker length. The fast FindDeadPositionsAndStudy must
// leave everything exactly as this does.
//
// The jammed-mechanism rule is judged here on its own terms: the solver's gamma with the crank at
// 0 and at pi (the ends of the diagonal's range), in StudyMode on a copy, in degrees; an end at
// which the triangle does not close counts as jammed.

#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/Errors.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <cmath>
#include <limits>

inline bool PlainJammed(const Mechanism& typed)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double phi : {0.0, kPi}) {
        Mechanism m = typed;
        m.PositionCount = 1;
        SolverState s;
        s.StudyMode = true;
        s.CrankAngle = phi;
        s.arrays.Resize(1);
        s.arrays.Gamma[0] = nan;
        try {
            SolveMechanism(m, s);
        } catch (const FloatingPointError&) {
            // gamma comes before anything that can fault here
        }
        const double degrees = s.arrays.Gamma[0] * (180 / kPi);
        if (std::isnan(degrees) || degrees <= 1 || degrees >= 179)
            return true;
    }
    return false;
}

inline StudyOutcome PlainDeadPositionsAndStudy(Mechanism& m, SolverState& s, StudyResults& r,
                                               const StudyOptions& options = {})
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

    StudyOutcome outcome;
    bool haveBest = false;
    double best = 0, bestLbc = 0;
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
        m.Lbc = static_cast<double>(mm) / 1000.0;
        if (!SolveMechanism(m, s).complete) {
            r.MaxVeByLbc[mm] = r.MinGammaByLbc[mm] = r.MaxGammaByLbc[mm] = nan;
            r.StatusByLbc[mm] = StudyLengthStatus::NotCompleted;
            continue;
        }
        r.MaxVeByLbc[mm] = s.MaxVe;
        r.MinGammaByLbc[mm] = s.MinGamma;
        r.MaxGammaByLbc[mm] = s.MaxGamma;
        ++outcome.completedLengths;
        if (PlainJammed(m)) {
            r.StatusByLbc[mm] = StudyLengthStatus::Jammed;
            ++outcome.jammedLengths;
            continue;
        }
        r.StatusByLbc[mm] = StudyLengthStatus::Candidate;
        if (!haveBest || CheckedReal(s.MaxVe) > best) {
            haveBest = true;
            best = s.MaxVe;
            bestLbc = m.Lbc;
        }
    }
    if (haveBest)
        outcome.choice = StudyChoice::Found;
    else if (outcome.completedLengths > 0)
        outcome.choice = StudyChoice::AllJammed;
    outcome.choiceLbc = haveBest ? bestLbc : 0;
    outcome.lbcChosen = haveBest && options.adoptLbc;
    m.Lbc = outcome.lbcChosen ? bestLbc : userLbc;
    outcome.finalSolve = SolveMechanism(m, s);
    return outcome;
}
