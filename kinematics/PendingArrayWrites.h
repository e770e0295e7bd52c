#pragma once
// The writes that the scan and the study would have made to the result arrays, kept as a short
// description instead of being made N times over: a StudyMode run fills every position with the
// same values, and a study run's positions are overwritten by the next run anyway. Storing them
// leaves the arrays exactly as the plain sequence of solver runs would have left them.

#include "kinematics/PositionKinematics.h"
#include "kinematics/StudyRuns.h"

#include <vector>

class PendingArrayWrites {
public:
    explicit PendingArrayWrites(int n) : n_(n) {}

    // A complete StudyMode run: every position holds `values`.
    void AllPositions(const PositionValues& values);
    // A StudyMode run that the triangle stopped at position 0: only Xa[0] and Ya[0] were written.
    void CrankPinOfFirstPosition(double xa, double ya);
    // A normal-mode study run with Lbc = mm/1000 that wrote positions 0 .. fullPositions-1, and
    // Xa, Ya of position fullPositions when it stopped there.
    void StudyRun(int mm, int fullPositions, bool crankPinOfNext);

    // Resizes the arrays to N, stores what is pending and forgets it. `lengths` and `cranks`
    // are those of the study runs (the rocker length is taken from each run).
    void StoreInto(PositionArrays& arrays, const LinkageLengths& lengths, const CrankTable* cranks);

private:
    struct StudyWrite {
        int mm;
        int fullPositions;
    };

    void StoreStudyRuns(PositionArrays& arrays, const LinkageLengths& lengths,
                        const CrankTable& cranks) const;

    int n_;
    bool hasAllPositions_ = false;
    PositionValues allPositions_;
    bool hasFirstCrankPin_ = false;
    double firstXa_ = 0, firstYa_ = 0;
    std::vector<StudyWrite> studyRuns_;
    int crankPinReach_ = 0;  // Xa and Ya of positions below this were written by a study run
};
