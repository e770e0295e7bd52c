#pragma once
// The worked solution of one table position ("Ход решения"): how every angle, velocity,
// acceleration and force of that position is obtained, as a student writes it by hand, with
// the numbers substituted and the plan segments in millimetres.
//
// The values come from the calculation (the solver's arrays, ComputeAccelerations' arrays,
// ForcesAt's position); where a line shows a formula evaluated, the evaluation is the
// kinematics' own formula and agrees with the value to its printed digits. Every number is
// written by the program's number text (decimal comma, whatever the locale): values to
// kSolutionDigits significant digits, plan segments to kSegmentDigits.
//
// A line whose symbol is set ends with that quantity's value: "SYMBOL = formula = the numbers
// = value unit[, words]". Directions and senses are words after the value; ω, ε and Mб are
// written with their sign (counter-clockwise positive) and their sense of rotation.

#include "kinematics/Accelerations.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Mechanism.h"
#include "kinematics/ScaleFactors.h"
#include "kinematics/Solver.h"

#include <optional>
#include <string>
#include <vector>

constexpr int kSolutionDigits = 6;
constexpr int kSegmentDigits = 4;

enum class SolutionSection { Positions, Velocities, Accelerations, Forces };

struct SolutionLine {
    SolutionSection section = SolutionSection::Positions;
    std::string text;
    std::string symbol;  // the quantity whose value ends the line, "" for a line of words
};

// The room of the drawings the scales are chosen for (mm): the scheme of the mechanism, and the
// longest segment of each plan.
struct PlanSizes {
    double schemeFieldMm = 180;
    double velocityPlanMm = 100;
    double accelerationPlanMm = 100;
};

struct WorkedSolution {
    int position = 0;
    int positionCount = 0;
    std::optional<DrawingScale> schemeScale;   // none: the scheme does not fit even at 1:50
    std::optional<double> velocityFactor;      // μv, (m/s)/mm; none: nothing moves
    std::optional<double> accelerationFactor;  // μa, (m/s²)/mm
    std::vector<SolutionLine> lines;
};

// The worked solution of table position k of a finished calculation. `solved` is the record as
// solved (Lad and GuideOffset set), `positions` the solver's arrays and `accelerations`
// ComputeAccelerations' arrays, both for ω1 = 1; `loads` gives ω1 (velocities are scaled by it,
// accelerations by ω1²) and the loads; `forces` is ForcesAt's result for position k with those
// loads, or null to leave the forces out. Throws OrvekError with PositionOutsideTableText when k
// is not a position of both arrays, FloatingPointError where the arithmetic faults.
WorkedSolution WorkPosition(const Mechanism& solved, const PositionArrays& positions,
                            const AccelerationArrays& accelerations, int k,
                            const ForceParameters& loads, const PositionForces* forces,
                            const PlanSizes& sizes = {});

// "Положения звеньев", "Скорости", "Ускорения", "Силы".
std::string SectionTitle(SolutionSection section);

// The solution as plain text: a heading line, then each section's title and lines, sections
// parted by an empty line; LF line ends.
std::string WorkedSolutionText(const WorkedSolution& solution);
