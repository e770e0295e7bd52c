#pragma once
// Dynamics of the machine: the mechanism reduced to its crank, the works over a cycle, the
// flywheel for a coefficient of speed fluctuation δ and the crank's true motion with it.
//
// One pure function of the mechanism's lengths, its characteristics (the working stroke), the
// loads of the force analysis and δ; the table's N plays no part (the curves live on the cycle's
// own grid, EnergyCycle.h). Models, formulas and sign conventions: ReducedQuantities.h (Jпр,
// Mпр), EnergyCycle.h (Aд, Aс, ΔT), Flywheel.h (Jм, the approximations, the size).
// Mпр > 0 drives the crank, Mд > 0 is the constant driving torque on it, Aд(phi) = Mд*phi,
// Aс(phi) = integral of Mпр from 0 (negative for the resistance), ΔT = Aд + Aс.
// omegaMean is the loads' Omega1: the crank's mean speed.

#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/EnergyCycle.h"
#include "kinematics/Flywheel.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <optional>
#include <string>
#include <vector>

enum class DynamicsStatus {
    Computed,      // every number below holds
    NotFullTurn,   // the crank does not turn fully: no dynamics (Reason says where)
    BadParameter,  // δ or the mean speed out of range (Reason says which)
};

// The quantity where it is largest or smallest over the turn.
struct DynamicsExtreme {
    double Value = 0;
    double Phi = 0;  // rad
};

struct DynamicsResult {
    DynamicsStatus Status = DynamicsStatus::NotFullTurn;
    std::string Reason;  // for the panel and the status bar when Status is not Computed

    double Delta = 0;      // δ asked for
    double OmegaMean = 0;  // omega_ср, rad/s
    double DrivingTorque = 0;  // Mд, N*m

    DynamicsExtreme DeltaTMax, DeltaTMin;  // of ΔT, J
    double DeltaTRange = 0;                // ΔTmax in the simple formula: max ΔT - min ΔT, J

    // The flywheel by the three methods, kg*m^2 (each never negative).
    FlywheelSolution Exact, Wittenbauer;
    double JmSimple = 0;
    // Each approximation minus the exact Jм, and that difference over the exact Jм (0 when the
    // exact Jм is 0; RelativeAvailable tells).
    double WittenbauerDifference = 0, SimpleDifference = 0;
    double WittenbauerRelative = 0, SimpleRelative = 0;
    bool RelativeAvailable = false;

    // The crank's steady motion with the exact flywheel.
    DynamicsExtreme OmegaMax, OmegaMin;    // rad/s
    double OmegaAchievedMean = 0;          // (omegaMax + omegaMin)/2
    double DeltaAchieved = 0;              // (omegaMax - omegaMin)/that mean
    DynamicsExtreme EpsilonMax, EpsilonMin;  // rad/s^2

    FlywheelSize Disc, Rim;  // for the exact Jм

    // The curves on the cycle's grid, from phi = 0 to 2*pi inclusive.
    std::vector<double> Phi;     // rad
    std::vector<double> Jpr;     // kg*m^2
    std::vector<double> Mpr;     // N*m
    std::vector<double> Ad, Ac;  // J
    std::vector<double> DeltaT;  // J
    std::vector<double> Omega;   // rad/s
    std::vector<double> Epsilon; // rad/s^2

    std::optional<EnergyCycle> cycle;  // the grid itself, for other crank angles
};

// δ accepted by the computation: 0 < δ < 1 (below 1 both of Wittenbauer's tangents rise).
constexpr double kLargestDelta = 1;
// The course's usual coefficient, 1/25.
constexpr double kDefaultDelta = 0.04;

// The dynamics of `solved` (its five lengths; Lad and GuideOffset follow from them), whose
// characteristics are c, under loads (Omega1 is the mean speed) for the fluctuation delta.
// Throws FloatingPointError with the solver's texts where the arithmetic faults.
DynamicsResult ComputeDynamics(const Mechanism& solved, const MechanismCharacteristics& c,
                               const ForceParameters& loads, double delta);

// One row of the table: the values at a crank angle.
struct DynamicsRow {
    double Jpr = 0, Mpr = 0, DeltaT = 0, Omega = 0, Epsilon = 0;
};

// The values at crank angle phi (any angle); all 0 unless the result is Computed.
DynamicsRow DynamicsAt(const DynamicsResult& r, double phi);

// The table's columns (named in kinematics/Quantities.h): one value per position k = 0 .. N-1 of a finished solve (phi =
// (2*pi/N)*k, N = solved.PositionCount), from that solve's velocities and accelerations
// (omega1 = 1) as the force analysis takes them; Mпр there is the force analysis's own load.
struct DynamicsColumns {
    std::vector<double> Jpr, Mpr, DeltaT, Omega, Epsilon;
    std::size_t Size() const { return Jpr.size(); }
};

DynamicsColumns SampleDynamics(const DynamicsResult& r, const Mechanism& solved,
                               const PositionArrays& positions,
                               const AccelerationArrays& accelerations);
