#pragma once
// The mechanism at crank angles of the caller's choosing rather than the N of a solve: the extreme
// positions at the angles the characteristics found, for example. Every position goes through the
// solver's own loop-closure and velocity formulas, so a position at (2*pi/N)*k gives the bits of
// row k of a solve at N.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <vector>

struct AnglePositions {
    PositionArrays positions;  // element i belongs to angles[i]
    int rows = 0;              // positions 0 .. rows-1 hold values; the first that does not close ends it
};

// The record's five lengths (Lad and GuideOffset set as a solve sets them) at each angle (rad).
// Throws FloatingPointError with the solver's texts where the arithmetic faults.
AnglePositions SolveAtAngles(const Mechanism& m, const std::vector<double>& angles);
