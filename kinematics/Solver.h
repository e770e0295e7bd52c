#pragma once
// Position and velocity solver of the six-link mechanism.
//
// Frame: O at the origin, C at (-Loc, 0), y upwards; the crank OA turns counter-clockwise at
// 1 rad/s, so velocities are derivatives with respect to the crank angle phi.
// Loop closures solved for every position k (phi = (2*pi/N)*k):
//   A = Loa*(cos phi, sin phi)
//   |B - A| = Lab, |B - C| = Lbc   (B to the left of the directed line C->A)
//   D = A + Lad*(B - A)/Lab,  Lad = Lab/2
//   E = (-GuideOffset, Ye),  |D - E| = Lde,  E below D,  GuideOffset = Loc/2
// Velocities follow from differentiating these with respect to phi; the velocity plan gives the
// same vectors by construction (pole p at the origin).

// Every entry of the computation and every worker thread calls ClearUpperVectorState first.
#include "common/UpperVectorState.h"
#include "kinematics/Mechanism.h"

#include <vector>

// The 24 per-position result arrays: element k belongs to position k.
struct PositionArrays {
    std::vector<double> Xa, Ya, Xb, Yb, Xd, Yd, Ye;
    std::vector<double> Vxa, Vya, Vxb, Vyb, Vxd, Vyd, Ve, Va;
    std::vector<double> PlanXa, PlanYa, PlanXb, PlanYb, PlanXd, PlanYd, PlanXe, PlanYe;
    std::vector<double> Gamma;

    // Resizes all 24 arrays: existing elements keep their values, new ones are 0.
    void Resize(std::size_t n);
    // Length of every array (they always agree).
    std::size_t Size() const { return Xa.size(); }
};

// Everything the solver reads and leaves behind besides the parameter record.
struct SolverState {
    PositionArrays arrays;
    bool StudyMode = false;  // every position index is evaluated at CrankAngle
    double CrankAngle = 0;   // angle of the position being computed (rad)
    double ScanVe = 0;       // Ve of the last position computed in StudyMode
    double MaxVe = 0;        // extremes of the last complete run
    double MaxGamma = 0;
    double MinGamma = 0;
};

struct SolveOutcome {
    bool complete = false;     // all N positions computed and the extremes updated
    int positionsDone = 0;     // positions 0 .. positionsDone-1 hold values of this run
};

// Solves the mechanism for m.PositionCount positions. Sets m.Lad and m.GuideOffset first.
// Returns false (no message) when N < 1, when the linkage cannot be assembled
// (Loa + Loc > Lab + Lbc) or when triangle ABC does not close at some position.
// Throws FloatingPointError with the exact fault text at the step where an invalid operation,
// a division by zero or an overflow arises; what was already written stays.
SolveOutcome SolveMechanism(Mechanism& m, SolverState& s);

// How many times SolveMechanism has run in this process: what tests count to show that no reader
// solves the mechanism again.
long SolveCallCount();

