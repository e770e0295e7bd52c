#pragma once
// Characteristics of the mechanism over the continuous crank angle (not only the N positions of a
// solve): extreme positions of the slider, its stroke, the working and idle stroke angles and
// their time ratio, the extremes of the transmission angle, the largest slider speed and
// acceleration. Conventions as in Solver.h and Accelerations.h; omega1 = 1 rad/s.

#include "kinematics/Mechanism.h"

#include <vector>

// What ComputeCharacteristics found.
enum class CharacteristicsStatus {
    Computed,     // every number below holds
    NotFullTurn,  // the linkage cannot be assembled at some crank angle: no numbers
};

// Angles in rad, in [0, 2*pi) unless said otherwise; lengths in m; speeds and accelerations for
// omega1 = 1 (multiply by omega1 and omega1^2).
struct MechanismCharacteristics {
    CharacteristicsStatus Status = CharacteristicsStatus::NotFullTurn;
    double FailAngle = 0;  // NotFullTurn: a crank angle where the linkage cannot be assembled

    // Extreme positions of the slider (Ve = 0), ascending crank angles.
    double Extreme1 = 0, Extreme2 = 0;
    double YeExtreme1 = 0, YeExtreme2 = 0;  // slider height there, m
    double LowestAngle = 0, HighestAngle = 0;  // which of the two is the lowest / highest
    double YeMin = 0, YeMax = 0;
    double Stroke = 0;  // H = YeMax - YeMin, m

    // Working stroke: the longer of the two; it starts at WorkStart and runs counter-clockwise
    // through WorkAngle (to the other extreme); the idle stroke fills the rest of the turn.
    double WorkStart = 0;
    double WorkAngle = 0, IdleAngle = 0;  // rad, WorkAngle >= IdleAngle, sum 2*pi
    double TimeRatio = 0;                 // K = WorkAngle / IdleAngle >= 1

    // Transmission angle: the solver's Gamma, the angle at B between BA and BC (rad, 0..pi).
    double GammaMin = 0, GammaMinAngle = 0;
    double GammaMax = 0, GammaMaxAngle = 0;
    // The acute transmission angle mu = min(gamma, pi - gamma) as the course reads it, at its
    // smallest over the turn: the worst transmission.
    double MuMin = 0, MuMinAngle = 0;

    // Every crank angle where the slider turns back (Ve changes sign), ascending; the two
    // extremes above are the lowest and the highest of them. More than two: the slider also
    // turns back between its extremes.
    std::vector<double> Reversals;

    double MaxSpeed = 0, MaxSpeedAngle = 0;  // largest |Ve|, m/s
    double MaxAccel = 0, MaxAccelAngle = 0;  // largest |Ae|, m/s^2
};

// Characteristics for the record's five lengths (Lad = Lab/2 and GuideOffset = Loc/2 as a solve
// sets them; N plays no part). Extremes are located by a bracketing root finder to 1e-12 rad.
// Throws FloatingPointError with the solver's texts where the arithmetic faults.
MechanismCharacteristics ComputeCharacteristics(const Mechanism& m);

// True when crank angle phi (rad, any value) lies on the working stroke (from WorkStart
// counter-clockwise through WorkAngle, both ends included). False when Status is not Computed.
bool OnWorkingStroke(const MechanismCharacteristics& c, double phi);
