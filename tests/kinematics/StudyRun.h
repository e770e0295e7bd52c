#pragma once
// One run of the dead-position scan and the study, with everything it leaves behind.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

struct StudyRun {
    Mechanism m;
    SolverState s;
    StudyResults r;
    StudyOutcome outcome;
};

inline StudyRun RunStudyOn(const Mechanism& m)
{
    StudyRun run;
    run.m = m;
    run.outcome = FindDeadPositionsAndStudy(run.m, run.s, run.r);
    return run;
}
