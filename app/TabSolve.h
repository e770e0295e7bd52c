#pragma once
// A finished solve as the analysis tabs keep it: the solved record, a copy of its positions (the
// main window's arrays are overwritten by the next solve), the accelerations for ω1 = 1 and the
// characteristics of its lengths.

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

// Accelerations and characteristics of a finished solve; `known` (when it holds characteristics
// of the same lengths) spares their search. Throws FloatingPointError where the arithmetic faults.
TabSolve AnalyseSolve(const Mechanism& m, const PositionArrays& positions, int count, const TabSolve* known = nullptr);

// Degrees of an angle in radians.
double Degrees(double radians);
