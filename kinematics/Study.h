#pragma once
// The first stage of Calculate: the dead-position scan over the crank angle, the study over the
// rocker length and the choice of the rocker length with the largest slider velocity.

#include "kinematics/ComputationProgress.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <array>
#include <cmath>

constexpr int kFirstStudyLbcMm = 591;
constexpr int kLastStudyLbcMm = 900;
constexpr int kStudyLength = kLastStudyLbcMm - kFirstStudyLbcMm + 1;  // 310
constexpr int kDeadAnglesCapacity = 101;
constexpr double kDeadVelocity = 0.001;  // |Ve| below this (m/s) is a dead position

// A curve over the rocker length, indexed by whole millimetres 591 .. 900. An entry whose
// study run did not complete holds NaN.
class StudyCurve {
public:
    double& operator[](int mm) { return values_[static_cast<std::size_t>(mm - kFirstStudyLbcMm)]; }
    double operator[](int mm) const { return values_[static_cast<std::size_t>(mm - kFirstStudyLbcMm)]; }

private:
    std::array<double, kStudyLength> values_{};
};

struct StudyResults {
    std::array<double, kDeadAnglesCapacity> DeadAngles{};  // radians, in scan order
    int DeadCount = 0;
    StudyCurve MaxVeByLbc;
    StudyCurve MinGammaByLbc;
    StudyCurve MaxGammaByLbc;
};

struct StudyOutcome {
    bool lbcChosen = false;  // false when no study run completed: Lbc was left as it was
    SolveOutcome finalSolve; // the solve with the chosen Lbc and the current PositionCount
};

// Scan (StudyMode, -1 .. 359 degrees), study (Lbc = 0.591 .. 0.900 m), choice of Lbc and the
// final solve. Leaves StudyMode false on every path, also when a floating-point fault ends it.
// With `progress`, counts the positions solved and throws ComputationCancelled soon after a
// cancel request (the state is then incomplete and belongs to nobody).
StudyOutcome FindDeadPositionsAndStudy(Mechanism& m, SolverState& s, StudyResults& r,
                                       ComputationProgress* progress = nullptr);
