#pragma once
// The quantities of one table position that a student finds by hand and the program checks:
// their names (as a student writes them, and in Latin letters), units and signs, and their
// exact values from a finished calculation.
//
// Magnitudes for velocities, accelerations and reactions; signed values, counter-clockwise
// positive, for ω, ε and Mб. Reactions in the Rij convention of ForceAnalysis.h (the force of
// link i on link j, 0 the frame): R01 at O, R12 at A, R23 at B, R03 at C, R24 at D, R45 at E,
// N05 the guide on the slider. A reaction and its opposite have one magnitude, so R21, R32, R30,
// R42, R54, R10, N50 and R05 name the same quantities.

#include "kinematics/Accelerations.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Solver.h"

#include <optional>
#include <string>
#include <vector>

enum class Quantity {
    VA, VB, VD, VE,
    Omega2, Omega3, Omega4,
    AA, AB, AD, AE,
    Eps2, Eps3, Eps4,
    R01, R12, R23, R03, R24, R45, N05,
    Mb,
};

struct QuantityInfo {
    Quantity id;
    const char* name;        // "ω2": the name of the list, and of answer files
    const char* latin;       // "w2": the same in Latin letters
    const char* unit;        // "рад/с"
    bool isSigned;           // counter-clockwise positive; otherwise a magnitude
    const char* caption;     // "угловая скорость шатуна AB"
    const char* alsoNamed;   // further accepted names separated by spaces, or ""
};

// Every quantity, in the order of the list above.
const std::vector<QuantityInfo>& PositionQuantityList();
const QuantityInfo& InfoOf(Quantity q);

// The quantity a typed name stands for. Blanks around it, letter case, Cyrillic letters that
// look like Latin ones (vА, Мб), subscript digits (ω₂) and the Latin forms (w2, e2, Mb) are
// all accepted.
std::optional<Quantity> FindQuantity(const std::string& typed);

// "неизвестная величина «vF»; можно: vA, vB, …" for a name FindQuantity does not know.
std::string UnknownQuantityText(const std::string& typed);

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
std::optional<double> ExactValue(const SolvedTable& table, Quantity q, int k);

// The largest magnitude of q over the table's positions (0 when none holds it): the scale of
// the plans a student draws, which judges answers whose exact value is zero.
double LargestMagnitude(const SolvedTable& table, Quantity q);
