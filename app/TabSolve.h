#pragma once
// A finished solve as the analysis tabs keep it: the solved record, a copy of the positions and
// velocities the later computations read (the main window's arrays are overwritten by the next
// solve; the velocity-plan arrays, Va and Gamma are not copied), the accelerations for ω1 = 1
// and the characteristics of its lengths.

#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

struct TabSolve {
    bool valid = false;
    Mechanism mechanism{};
    PositionArrays positions;
    int count = 0;  // positions 0 .. count-1 were solved
    AccelerationArrays accelerations;
    MechanismCharacteristics characteristics;
};

// The five lengths that decide the characteristics are the same in both records.
bool SameLengths(const Mechanism& a, const Mechanism& b);

// Fills `solve` with a finished solve, its accelerations and characteristics, in place: the arrays
// keep their storage from one Calculate to the next. Characteristics already found for the same
// lengths (in `solve` or in `other`) are taken over. Throws FloatingPointError where the
// arithmetic faults; `solve` is then not valid.
void AnalyseSolve(TabSolve& solve, const Mechanism& m, const PositionArrays& positions, int count,
                  const TabSolve* other = nullptr);

// Degrees of an angle in radians.
double Degrees(double radians);
