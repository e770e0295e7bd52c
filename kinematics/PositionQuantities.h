#pragma once
// The exact values, from a finished calculation, of the quantities of one table position that a
// student finds by hand (PositionQuantity of Quantities.h).

#include "kinematics/Quantities.h"

#include <optional>
#include <string>
#include <vector>

// "положение 15 вне таблицы: в ней положения от 0 до 11".
std::string PositionOutsideTableText(long long k, int rows);

// The solved values of a calculation's table, as the calculation holds them.
struct SolvedTable {
    const PositionArrays* positions = nullptr;        // the solver's, for ω1 = 1
    const AccelerationArrays* accelerations = nullptr;  // ComputeAccelerations', for ω1 = 1
    const ForceArrays* forces = nullptr;              // for the loads below; null: not computed
    double omega1 = 1;                                // rad/s, the loads' crank speed

    // The positions 0 … Rows()−1 every present part holds.
    int Rows() const;
};

// The value of q at table position k for the table's ω1 (velocities times ω1, accelerations
// times ω1²). No value when k is outside the table or q is a force and no forces were computed.
// A fault of the scaling (an overflow) throws FloatingPointError.
std::optional<double> ExactValue(const SolvedTable& table, PositionQuantity q, int k);

// The largest magnitude of q over the table's positions (0 when none holds it): the scale of
// the plans a student draws, which judges answers whose exact value is zero.
double LargestMagnitude(const SolvedTable& table, PositionQuantity q);
