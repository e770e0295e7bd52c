#pragma once
// Angular velocities and accelerations of the links and accelerations of the points A, B, D, E,
// in closed form from the loop closures differentiated twice.
//
// Conventions are the solver's: O at the origin, C at (-Loc, 0), y up, the guide x = -GuideOffset.
// The crank turns counter-clockwise at constant omega1 = 1 rad/s (eps1 = 0), so every omega is a
// derivative of a link angle with respect to phi and every eps and acceleration a second
// derivative. For another omega1 multiply omegas and velocities by omega1, eps and accelerations
// by omega1^2 (exact, as eps1 = 0): ScaledAccelerations does so.
// Link angles (rad): theta2 the direction A->B, theta3 the direction C->B, theta4 the direction
// E->D (0..pi, E below D). Counter-clockwise is positive for every omega and eps.
// Every operation is checked and raises FloatingPointError with the solver's texts.

#include "kinematics/Mechanism.h"
#include "kinematics/PositionKinematics.h"
#include "kinematics/Solver.h"

#include <cstddef>
#include <vector>

// Per-position results; element k belongs to position k of the solve. Units for omega1 = 1:
// rad, rad/s, rad/s^2, m/s^2.
struct PositionAcceleration;

struct AccelerationArrays {
    std::vector<double> Phi;                     // crank angle of the position, rad
    std::vector<double> Theta2, Theta3, Theta4;  // link angles, rad
    std::vector<double> Omega2, Omega3, Omega4;  // angular velocities of AB, BC, DE, rad/s
    std::vector<double> Eps2, Eps3, Eps4;        // angular accelerations of AB, BC, DE, rad/s^2
    std::vector<double> Axa, Aya, Axb, Ayb, Axd, Ayd;  // point accelerations, m/s^2
    std::vector<double> Ae;                      // slider E, signed, along +y (its only part)
    std::vector<double> Aa, Ab, Ad, AeAbs;       // magnitudes, m/s^2
    // Relative accelerations as drawn on the plan: a_B = a_A + a_BA^n + a_BA^t
    // = a_BC^n + a_BC^t (C is fixed), a_E = a_D + a_ED^n + a_ED^t. Normal parts point
    // B->A, B->C, E->D; tangential parts are eps x r.
    std::vector<double> AnBAx, AnBAy, AtBAx, AtBAy;
    std::vector<double> AnBCx, AnBCy, AtBCx, AtBCy;
    std::vector<double> AnEDx, AnEDy, AtEDx, AtEDy;

    // Resizes every array: existing elements keep their values, new ones are 0.
    void Resize(std::size_t n);
    std::size_t Size() const { return Phi.size(); }
    // Position k's element of every array.
    PositionAcceleration At(std::size_t k) const;
};

// One position's accelerations (same fields and units as one element of AccelerationArrays).
struct PositionAcceleration {
    double Phi = 0;
    double Theta2 = 0, Theta3 = 0, Theta4 = 0;
    double Omega2 = 0, Omega3 = 0, Omega4 = 0;
    double Eps2 = 0, Eps3 = 0, Eps4 = 0;
    double Axa = 0, Aya = 0, Axb = 0, Ayb = 0, Axd = 0, Ayd = 0, Ae = 0;
    double Aa = 0, Ab = 0, Ad = 0, AeAbs = 0;
    double AnBAx = 0, AnBAy = 0, AtBAx = 0, AtBAy = 0;
    double AnBCx = 0, AnBCy = 0, AtBCx = 0, AtBCy = 0;
    double AnEDx = 0, AnEDy = 0, AtEDx = 0, AtEDy = 0;
};

// The accelerations of one assembled position given by its crank angle and the solver's point
// coordinates (A, B, D and the slider height Ye). lengths as the solve set them (Lad, GuideOffset).
PositionAcceleration AccelerationAt(const LinkageLengths& lengths, double phi, double xa,
                                    double ya, double xb, double yb, double xd, double yd,
                                    double ye);

// Accelerations of positions 0 .. count-1 of a finished solve (count = SolveOutcome's
// positionsDone; positions are phi = (2*pi/N)*k as in the normal mode, never the study's).
// m is the solved record (its Lad and GuideOffset set by the solve). out is resized to count.
// A fault throws FloatingPointError; positions before it keep their values.
void ComputeAccelerations(const Mechanism& m, const PositionArrays& positions, int count,
                          AccelerationArrays& out);

// The arrays for another crank speed omega1 (rad/s): omegas times omega1, eps and accelerations
// times omega1^2; angles unchanged. Checked (an overflow raises).
AccelerationArrays ScaledAccelerations(const AccelerationArrays& a, double omega1);
