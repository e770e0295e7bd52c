#pragma once
// The machine reduced to its crank: the reduced moment of inertia Jпр and the reduced moment of
// the external forces Mпр at one crank angle, with their derivatives with respect to the angle.
//
// Load model: the force analysis's (ForceAnalysis.h). Bars OA, AB, BC, DE of mass q*L with the
// centre at mid-link (the coupler's at D) and J_S = m*L^2/12, the slider a point mass m5 at E,
// gravity g along -y when on, the resistance Fc on the slider against its velocity on the working
// stroke (its ends included) and nowhere else.
//
// With the analogues of the velocities for omega1 = 1 (the solver's velocities, which are
// derivatives with respect to phi):
//   Jпр = sum_i (m_i*|v_Si|^2 + J_Si*omega_i^2) + m5*v_E^2        (crank: omega_1 = 1)
//   Mпр = sum_i G_i . v_Si + F_c . v_E = -g*sum_i m_i*v_Siy - Fc*|v_E| (working stroke)
// and, with the accelerations for omega1 = 1, eps1 = 0 (second derivatives with respect to phi),
//   dJпр/dphi = 2*[sum_i (m_i*v_Si . a_Si + J_Si*omega_i*eps_i) + m5*v_E*a_E]
//   dMпр/dphi = -g*sum_i m_i*a_Siy - Fc*sign(v_E)*a_E                (working stroke)
// Sign convention: Mпр is the power of the external forces other than the driving torque divided
// by the crank speed; positive when those forces drive the crank (counter-clockwise), so the
// resistance makes it negative. Units: kg*m^2, N*m.
// Every operation is checked and raises FloatingPointError with the solver's texts.

#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/PositionKinematics.h"

#include <cstddef>
#include <optional>

// What the reduced quantities depend on: the lengths, the loads and where the working stroke is.
struct ReducedModel {
    LinkageLengths lengths;  // Lad = Lab/2 and GuideOffset = Loc/2, as every solve sets them
    ForceParameters loads;   // Omega1 plays no part in Jпр and Mпр
    MechanismCharacteristics characteristics;
    // Sign of the slider's velocity during the working stroke: +1 rising, -1 falling.
    int workingDirection = 1;
};

ReducedModel MakeReducedModel(const Mechanism& m, const MechanismCharacteristics& c,
                              const ForceParameters& loads);

// The motion of every centre of mass at one crank angle, for omega1 = 1 and eps1 = 0.
struct PointMotion {
    Vec2 vA, vB, vD;
    double vE = 0;  // along +y, the slider's only velocity
    Vec2 aA, aB, aD;
    double aE = 0;
    double omega2 = 0, omega3 = 0, omega4 = 0;
    double eps2 = 0, eps3 = 0, eps4 = 0;
};

// The motion at crank angle phi by the solver's and the acceleration analysis's own routines;
// no value when triangle ABC does not close there.
std::optional<PointMotion> MotionAt(const LinkageLengths& lengths, double phi);

// The motion of position k of a finished solve and its acceleration arrays (omega1 = 1).
PointMotion MotionOfPosition(const PositionArrays& positions,
                             const AccelerationArrays& accelerations, std::size_t k);

struct ReducedPoint {
    double J = 0, dJ = 0;  // Jпр, kg*m^2, and dJпр/dphi
    double M = 0, dM = 0;  // Mпр, N*m, and dMпр/dphi
};

// How the resistance acts at a point: 0 not at all, +1 against a rising slider (the force points
// down), -1 against a falling one. Its power is -Fc*direction*v_E.
int ResistanceDirectionAt(const ReducedModel& model, double phi, double vE);

ReducedPoint Reduce(const ReducedModel& model, const PointMotion& motion, int resistanceDirection);

// Jпр, Mпр and their derivatives at crank angle phi, the resistance decided as the force analysis
// decides it. No value when the linkage does not close there.
std::optional<ReducedPoint> ReducedAt(const ReducedModel& model, double phi);
