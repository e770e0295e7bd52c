#pragma once
// The study's solver runs over the rocker length, done without the result arrays: a run needs
// only its extremes and how far it got. Each run gives the figures of SolveMechanism to the last
// bit (RunOneStudyLength makes it with the same position routines, leaving out the slider height
// and the velocity plan where they cannot fault; StudyScreen gets the same result from a screen
// and a few of those routines), and the crank, which does not depend on the rocker, is computed
// once for all runs.

#include "kinematics/ComputationProgress.h"
#include "kinematics/PositionKinematics.h"

#include <vector>

// What the study's screen reads of every position, one array per quantity: the crank pin, the
// vector from C to A (dx = Xa + Loc, dy = Ya), its length AC as the solve forms it and an
// approximate reciprocal, and the velocity of A as the solve forms it.
struct CrankColumns {
    std::vector<double> xa, dx, dy, ac, inverseAc, vxa, vya;
};

// The crank of every normal-mode position k = 0 .. N-1 (steps that do not involve the rocker).
class CrankTable {
public:
    CrankTable(const LinkageLengths& lengths, int n);

    int PositionCount() const { return n_; }
    // Position at which computing the crank raised a fault, or PositionCount() when none did.
    int FirstFaultingPosition() const { return firstFault_; }
    const CrankPosition& Crank(int k) const { return cranks_[static_cast<std::size_t>(k)]; }
    double Xa(int k) const { return columns_.xa[static_cast<std::size_t>(k)]; }
    double Ya(int k) const { return columns_.dy[static_cast<std::size_t>(k)]; }
    // Filled for positions below FirstFaultingPosition().
    const CrankColumns& Columns() const { return columns_; }

private:
    int n_;
    int firstFault_;
    std::vector<CrankPosition> cranks_;
    CrankColumns columns_;
};

struct StudyRunResult {
    enum class Kind {
        NotRun,          // left out because an earlier run of the same batch faulted
        AssemblyFailed,  // returned false before any position
        TriangleFailed,  // returned false at `stoppedAt` (positions before it and Xa, Ya of it written)
        Faulted,         // a floating-point fault somewhere in the run
        Complete,
    };
    Kind kind = Kind::NotRun;
    int stoppedAt = 0;
    Extremes extremes;
};

// One normal-mode run with the given lengths over the crank table.
StudyRunResult RunOneStudyLength(const LinkageLengths& lengths, const CrankTable& cranks,
                                std::vector<double>& veScratch, std::vector<double>& gammaScratch);

// Runs Lbc = mm/1000 for mm = first .. last (results[mm - first]), each screened (StudyScreen)
// with the result of RunOneStudyLength; large jobs are shared by two threads, each taking one half
// of the lengths. Within each half, runs after a faulting run are
// left NotRun: the command ends at the first fault anyway. With `progress`, each finished run
// advances it by N, and a cancel request leaves the remaining runs NotRun.
std::vector<StudyRunResult> RunStudy(const LinkageLengths& lengths, const CrankTable& cranks,
                                     int firstMm, int lastMm, ComputationProgress* progress = nullptr);

// The rocker length of study entry `mm`: the double nearest to mm/1000.
double StudyRockerLength(int mm);
