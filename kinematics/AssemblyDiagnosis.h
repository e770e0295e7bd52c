#pragma once
// Why a mechanism cannot be computed, in words a student can act on. The solver only stops (or
// raises a floating-point fault); this names the condition that failed and where.

#include "kinematics/Mechanism.h"

#include <string>

// The first condition the lengths of `m` break, checked in this order: a length the solver
// divides by that is zero or not a number, the four-bar that cannot be assembled at all, then for every whole degree
// of the crank turn the triangle ABC that does not close, the coupler and rocker folding into
// one line, and the link DE that does not reach the slider guide. Russian text with the decimal
// comma; empty when none is broken.
std::string DescribeAssemblyFailure(const Mechanism& m);
