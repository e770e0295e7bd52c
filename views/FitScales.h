#pragma once
// The scales "Вписать" sets: the largest at which the picture holds its drawing in every
// position of the turn with a margin for the letters, taken as one over a round factor (1, 2,
// 2,5, 4 or 5 times a power of ten units per pixel), so the scale reads like a drawing's.

#include "kinematics/Accelerations.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <QSize>

#include <optional>
#include <vector>

// Room left between a drawing and the picture's edge, pixels.
constexpr int kFitMargin = 26;

// Pixels per m/s for the drawing tab's velocity plan (pole at the picture's centre) and pixels per
// metre for its mechanism, over positions 0 .. rows-1; whole numbers, at least 1. None when
// nothing moves or no position is solved.
std::optional<int> FitVelocityPlanScale(const PositionArrays& arrays, int rows, QSize picture);
std::optional<int> FitPositionScale(const PositionArrays& arrays, int rows, const Mechanism& m, QSize picture);

// Pixels per m/s² for the acceleration plans of every position at ω1, and pixels per newton for
// the force plans of every position of `details`; 0 when nothing is drawn.
double FitAccelerationScale(const AccelerationArrays& a, double omega1, QSize picture);
double FitForceScale(const std::vector<PositionForces>& details, const AccelerationArrays& a, QSize picture);
