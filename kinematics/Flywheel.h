#pragma once
// The flywheel for a given coefficient of speed fluctuation δ: the moment of inertia Jм added at
// the crank, exactly and by the two textbook approximations, and its size.
//
// Steady motion: the kinetic energy T(phi) = T0 + ΔT(phi) = (Jм + Jпр(phi))*omega(phi)^2/2, so
//   omega(phi)^2 = 2*(T0 + ΔT(phi)) / (Jм + Jпр(phi)).
// Wanted: omegaMax = omegaMean*(1 + δ/2) and omegaMin = omegaMean*(1 - δ/2); then
// omegaMean = (omegaMax + omegaMin)/2 and (omegaMax - omegaMin)/omegaMean = δ.
//
// Exact method. With Jм + Jпр > 0, omega^2 <= W at every phi exactly when
//   ΔT(phi) - (W/2)*Jпр(phi) <= (W/2)*Jм - T0   for every phi,
// with equality where omega^2 reaches W; and omega^2 >= W exactly when the reverse holds. On the
// energy-mass diagram (ΔT over Jпр) these are the two tangents of slope tan(psi) = W/2: the upper
// one with slope omegaMax^2/2 and intercept cUp = max over phi of (ΔT - omegaMax^2/2*Jпр), the
// lower one with slope omegaMin^2/2 and intercept cLow = min over phi of (ΔT - omegaMin^2/2*Jпр).
// Both touch the curve and meet at (-Jм, -T0): two linear equations, so
//   Jм = (cUp - cLow) / (omegaMax^2/2 - omegaMin^2/2) = (cUp - cLow) / (δ*omegaMean^2),
//   T0 = omegaMax^2/2*Jм - cUp.
// Each intercept is one extreme over phi, located between the grid's nodes (EnergyCycle), so no
// iteration over Jм is needed and the pair is unique. Monotonicity: as δ grows, omegaMax^2 grows
// and omegaMin^2 falls; cUp then can only fall and cLow only rise (Jпр >= 0), and the divisor
// grows, so a larger δ never needs a larger Jм; as δ -> 0 the numerator tends to the range of
// ΔT - omegaMean^2/2*Jпр, so Jм grows as 1/δ.
// When cUp <= cLow the links' own inertia keeps the speed within δ: Jм = 0, and T0 is the root of
//   u(T0) = (omegaMax(T0) + omegaMin(T0))/2 - omegaMean,
// strictly increasing (both extremes of omega grow with T0) and bracketed by [-cLow, -cUp] (at
// -cLow omegaMin is the wanted one and omegaMax at most its wanted value, so u <= 0; at -cUp the
// reverse), so the root keeps omegaMax and omegaMin within the wanted ones: δ achieved <= δ. The
// root is found by Newton's method with
//   u' = (1/(omegaMax*Jпр(phiMax)) + 1/(omegaMin*Jпр(phiMin)))/2   (the extremes' angles held), kept inside the bracket by bisection; each step is an extreme
// search over phi nested in the root finding.
//
// Approximations, side by side: Wittenbauer's tangents with tan(psi) = omegaMean^2*(1 ± δ)/2 in
// the same construction (δ^2/4 dropped from omegaMax^2 and omegaMin^2), and the simple
// Jм ≈ (ΔTmax - ΔTmin)/(δ*omegaMean^2) with the full range of ΔT, which disregards the variable
// part of Jпр. All three agree when Jпр is constant.
//
// Size: a steel disc (7 800 kg/m^3) of width b = 0.2*D, J = m*D^2/8; a steel rim of rectangular
// section, width b = 0.2*D and radial thickness h = 0.1*D at the mean diameter D, hub and spokes
// neglected (they only add inertia), J = m*(D^2 + h^2)/4 (the exact ring).
// Every operation is checked and raises FloatingPointError with the solver's texts.

#include "kinematics/EnergyCycle.h"

constexpr double kSteelDensity = 7800;       // kg/m^3
constexpr double kDiscWidthShare = 0.2;      // b/D of the disc
constexpr double kRimWidthShare = 0.2;       // b/D of the rim
constexpr double kRimThicknessShare = 0.1;   // h/D of the rim

// A tangent of the energy-mass diagram: ΔT = Slope*Jпр + Intercept.
struct EnergyTangent {
    double Slope = 0;      // tan(psi) = omega^2/2, 1/s^2
    double Intercept = 0;  // J
    double TouchPhi = 0;   // crank angle of the touching point, rad
    double TouchJ = 0, TouchDeltaT = 0;
};

struct FlywheelSolution {
    double Jm = 0;              // kg*m^2, never negative
    double T0 = 0;              // kinetic energy at phi = 0, J (exact method only)
    bool LinksSuffice = false;  // the construction gave Jм <= 0: no flywheel is needed
    EnergyTangent Upper, Lower;
};

FlywheelSolution ExactFlywheel(const EnergyCycle& cycle, double omegaMean, double delta);
FlywheelSolution WittenbauerFlywheel(const EnergyCycle& cycle, double omegaMean, double delta);
double SimpleFlywheel(double deltaTRange, double omegaMean, double delta);

// The largest and the smallest crank speed over the turn with Jм and T0.
struct SpeedExtremes {
    CycleExtreme max, min;  // of omega^2 (Value); omega is its root
};
SpeedExtremes CrankSpeedExtremes(const EnergyCycle& cycle, double jm, double t0);

// The crank's speed and acceleration in the steady motion with Jм and T0 at a point:
// omega^2 = 2*(T0 + ΔT)/(Jм + Jпр), eps = (Mд + Mпр - dJпр/dphi*omega^2/2)/(Jм + Jпр).
double CrankSpeed(const CyclePoint& p, double jm, double t0);
double CrankAcceleration(const CyclePoint& p, double jm, double t0, double drivingTorque);

struct FlywheelSize {
    double Diameter = 0;   // D, m (the rim's mean diameter)
    double Width = 0;      // b, m
    double Thickness = 0;  // h, m (the rim's; the disc's is its width)
    double Mass = 0;       // kg
};

FlywheelSize SteelDisc(double jm);
FlywheelSize SteelRim(double jm);
