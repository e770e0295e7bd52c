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

// One value per rocker length of the study, indexed by whole millimetres 591 .. 900.
template <typename T>
class ByRockerLength {
public:
    T& operator[](int mm) { return values_[static_cast<std::size_t>(mm - kFirstStudyLbcMm)]; }
    T operator[](int mm) const { return values_[static_cast<std::size_t>(mm - kFirstStudyLbcMm)]; }

private:
    std::array<T, kStudyLength> values_{};
};

// A curve over the rocker length. An entry whose study run did not complete holds NaN.
using StudyCurve = ByRockerLength<double>;

// What the study made of one rocker length.
enum class StudyLengthStatus : unsigned char {
    NotCompleted,  // its run did not complete: the curves hold NaN there
    Candidate,     // completed; the choice may fall on it
    Jammed,        // completed, but passed over: gamma comes within 1 degree of 0 or 180 degrees
                   // somewhere on the turn (JammedOverTheTurn); its curve points stay
};

struct StudyResults {
    std::array<double, kDeadAnglesCapacity> DeadAngles{};  // radians, in scan order
    int DeadCount = 0;
    StudyCurve MaxVeByLbc;
    StudyCurve MinGammaByLbc;
    StudyCurve MaxGammaByLbc;
    ByRockerLength<StudyLengthStatus> StatusByLbc;
};

enum class StudyChoice {
    Found,           // choiceLbc holds the candidate with the largest MaxVe (the shorter on ties)
    NoRunCompleted,  // no study run completed
    AllJammed,       // runs completed, but every one of those lengths was jammed
};

struct StudyOutcome {
    bool lbcChosen = false;  // the record's Lbc was replaced by the study's choice (Found, adopted)
    StudyChoice choice = StudyChoice::NoRunCompleted;
    double choiceLbc = 0;       // with StudyChoice::Found: the length the study picks
    int completedLengths = 0;   // study runs that completed
    int jammedLengths = 0;      // of those, passed over as jammed
    SolveOutcome finalSolve;    // the solve with the record's Lbc and the current PositionCount
};

struct StudyOptions {
    // True: the study's choice replaces the record's Lbc. False: the scan and the study run and
    // the outcome says what the study would choose, but the record keeps the typed Lbc and the
    // final solve uses it.
    bool adoptLbc = true;
};

// Scan (StudyMode, -1 .. 359 degrees), study (Lbc = 0.591 .. 0.900 m), choice of Lbc among the
// completed lengths that are not jammed (the record keeps its Lbc when none is left, or when
// the options say so) and the final solve. Leaves StudyMode false on every path, also when a
// floating-point fault ends it. With `progress`, counts the positions solved and throws
// ComputationCancelled soon after a cancel request (the state is then incomplete and belongs to
// nobody).
StudyOutcome FindDeadPositionsAndStudy(Mechanism& m, SolverState& s, StudyResults& r,
                                       ComputationProgress* progress = nullptr,
                                       const StudyOptions& options = {});
