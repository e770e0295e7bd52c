#pragma once
// The study's solver runs over the rocker length, done without the result arrays: a run needs
// only its extremes and how far it got. Each run is the same arithmetic as SolveMechanism (the
// same position routines), so its figures are the solver's to the last bit; the slider height
// and the velocity plan are left out where they cannot fault, and the crank, which does not
// depend on the rocker, is computed once for all runs.

#include "kinematics/ComputationProgress.h"
#include "kinematics/PositionKinematics.h"

#include <vector>

// The crank of every normal-mode position k = 0 .. N-1 (steps that do not involve the rocker).
class CrankTable {
public:
    CrankTable(const LinkageLengths& lengths, int n);

    int PositionCount() const { return n_; }
    // Position at which computing the crank raised a fault, or PositionCount() when none did.
    int FirstFaultingPosition() const { return firstFault_; }
    const CrankPosition& Crank(int k) const { return cranks_[static_cast<std::size_t>(k)]; }
    double Xa(int k) const { return xa_[static_cast<std::size_t>(k)]; }
    double Ya(int k) const { return ya_[static_cast<std::size_t>(k)]; }

private:
    int n_;
    int firstFault_;
    std::vector<CrankPosition> cranks_;
    std::vector<double> xa_, ya_;
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

// Runs Lbc = mm/1000 for mm = first .. last (results[mm - first]); large jobs are shared by two
// threads, each taking one half of the lengths. Within each half, runs after a faulting run are
// left NotRun: the command ends at the first fault anyway. With `progress`, each finished run
// advances it by N, and a cancel request leaves the remaining runs NotRun.
std::vector<StudyRunResult> RunStudy(const LinkageLengths& lengths, const CrankTable& cranks,
                                     int firstMm, int lastMm, ComputationProgress* progress = nullptr);

// The rocker length of study entry `mm`: the double nearest to mm/1000.
double StudyRockerLength(int mm);
