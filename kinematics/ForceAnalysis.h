#pragma once
// Force analysis: inertia forces and moments, the reactions in every joint by kinetostatics of
// the structural groups (dyad 4-5, dyad 2-3, crank), and the balancing torque on the crank found
// twice: from the groups and by the power balance (Zhukovsky's lever), independently.
//
// Model: links 1 crank OA, 2 coupler AB, 3 rocker BC, 4 link DE, 5 slider E. A bar's mass is
// q * length, its centre at its midpoint (for the coupler D), its moment of inertia about the
// centre m*l^2/12; the slider is a point mass m5 at E. Gravity g = 9.81 m/s^2 along -y when
// switched on. The crank turns counter-clockwise at constant Omega1. The resistance Fc acts on the
// slider along the guide against its velocity on the working stroke and is 0 on the idle stroke.
// Inertia: -m*a_S at each centre, -J*eps for each link. No friction.
// Conventions as in Solver.h; forces in N, torques in N*m, counter-clockwise positive.
// Every operation is checked and raises FloatingPointError with the solver's texts.

#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <cstddef>
#include <vector>

constexpr double kGravity = 9.81;  // m/s^2

struct ForceParameters {
    double LinearMass = 20;   // q, kg/m
    double SliderMass = 10;   // m5, kg
    double Resistance = 500;  // Fc, N (magnitude)
    bool Gravity = true;
    double Omega1 = 1;        // rad/s
};

struct Vec2 {
    double x = 0, y = 0;
};

// One position in full: the loads and every reaction. Rij is the force link i exerts on link j
// (0 the frame) at their common joint.
struct PositionForces {
    bool Working = false;  // the resistance acts (working stroke)
    // Loads: gravity G, inertia force F at the centre S, inertia moment M.
    Vec2 S1, S2, S3, S4, S5;  // centres of mass, m
    Vec2 G1, G2, G3, G4, G5;
    Vec2 F1, F2, F3, F4, F5;
    double M2 = 0, M3 = 0, M4 = 0;  // the crank turns uniformly: M1 = 0
    double Resistance = 0;          // force on the slider along +y, N (0 on the idle stroke)
    // Dyad 4-5.
    Vec2 R24;              // coupler on DE at D
    double R24t = 0, R24n = 0;  // its parts along (-sin, cos)(theta4) and along E->D
    Vec2 R45;              // DE on the slider at E
    double N05 = 0;        // guide on the slider, along +x; its line passes through E (every
                           // force on the point-mass slider acts at E)
    // Dyad 2-3.
    Vec2 R12;              // crank on coupler at A
    double R12t = 0, R12n = 0;  // parts along (-sin, cos)(theta2) and along A->B
    Vec2 R03;              // frame on rocker at C
    double R03t = 0, R03n = 0;  // parts along (-sin, cos)(theta3) and along C->B
    Vec2 R32;              // rocker on coupler at B
    // Crank.
    Vec2 R01;              // frame on crank at O
    double MbGroups = 0;   // balancing torque on the crank from the groups
    double MbLever = 0;    // the same by the power balance
};

// Per-position arrays for the table and the chart; magnitudes beside components.
struct ForceArrays {
    std::vector<double> MbGroups, MbLever;  // N*m
    std::vector<double> RxO, RyO, RO;       // frame on crank at O (R01)
    std::vector<double> RxA, RyA, RA;       // crank on coupler at A (R12)
    std::vector<double> RxB, RyB, RB;       // coupler on rocker at B (R23)
    std::vector<double> RxC, RyC, RC;       // frame on rocker at C (R03)
    std::vector<double> RxD, RyD, RD;       // coupler on DE at D (R24)
    std::vector<double> RxE, RyE, RE;       // DE on the slider at E (R45)
    std::vector<double> Nguide, NguideAbs;  // guide on the slider, along +x
    std::vector<char> Working;              // 1 on the working stroke

    void Resize(std::size_t n);
    std::size_t Size() const { return MbGroups.size(); }
};

// Position k (0 <= k < count of the acceleration arrays) of a finished solve. accelerations are
// those of ComputeAccelerations for omega1 = 1 (scaled here by f.Omega1); c decides the working
// stroke (no resistance anywhere when its Status is not Computed).
PositionForces ForcesAt(const Mechanism& m, const PositionArrays& positions,
                        const AccelerationArrays& accelerations, int k,
                        const MechanismCharacteristics& c, const ForceParameters& f);

// Every position 0 .. accelerations.Size()-1; out is resized to that count, and so is `details`
// when given, which receives every position in full. A fault throws FloatingPointError; positions
// before it keep their values.
void ComputeForces(const Mechanism& m, const PositionArrays& positions,
                   const AccelerationArrays& accelerations, const MechanismCharacteristics& c,
                   const ForceParameters& f, ForceArrays& out,
                   std::vector<PositionForces>* details = nullptr);
