#include "kinematics/PendingArrayWrites.h"

#include <algorithm>

void PendingArrayWrites::AllPositions(const PositionValues& values)
{
    hasAllPositions_ = true;
    allPositions_ = values;
    hasFirstCrankPin_ = false;
}

void PendingArrayWrites::CrankPinOfFirstPosition(double xa, double ya)
{
    hasFirstCrankPin_ = true;
    firstXa_ = xa;
    firstYa_ = ya;
}

void PendingArrayWrites::StudyRun(int mm, int fullPositions, bool crankPinOfNext)
{
    if (fullPositions > 0)
        studyRuns_.push_back({mm, fullPositions});
    crankPinReach_ = std::max(crankPinReach_, fullPositions + (crankPinOfNext ? 1 : 0));
}

void PendingArrayWrites::StoreInto(PositionArrays& arrays, const LinkageLengths& lengths,
                                   const CrankTable* cranks)
{
    const auto n = static_cast<std::size_t>(n_);
    arrays.Resize(n);
    if (hasAllPositions_) {
        for (int f = 0; f < allPositions_.AssignedCount(); ++f) {
            const auto field = static_cast<PositionField>(f);
            auto& array = arrays.*ArrayOf(field);
            std::fill(array.begin(), array.end(), allPositions_[field]);
        }
    }
    if (hasFirstCrankPin_ && n > 0) {
        arrays.Xa[0] = firstXa_;
        arrays.Ya[0] = firstYa_;
    }
    if (cranks != nullptr)
        StoreStudyRuns(arrays, lengths, *cranks);

    hasAllPositions_ = false;
    hasFirstCrankPin_ = false;
    studyRuns_.clear();
    crankPinReach_ = 0;
}

void PendingArrayWrites::StoreStudyRuns(PositionArrays& arrays, const LinkageLengths& lengths,
                                        const CrankTable& cranks) const
{
    // Each position holds the values of the last run that got past it.
    int covered = 0;
    PositionValues values;
    for (auto run = studyRuns_.rbegin(); run != studyRuns_.rend(); ++run) {
        if (run->fullPositions <= covered)
            continue;
        LinkageLengths runLengths = lengths;
        runLengths.Lbc = StudyRockerLength(run->mm);
        for (int k = covered; k < run->fullPositions; ++k) {
            values.Clear();
            values.Assign(PositionField::Xa, cranks.Xa(k));
            values.Assign(PositionField::Ya, cranks.Ya(k));
            ComputeLinkage(runLengths, cranks.Crank(k), values, PositionDetail::Full);
            for (int f = 0; f < values.AssignedCount(); ++f) {
                const auto field = static_cast<PositionField>(f);
                (arrays.*ArrayOf(field))[static_cast<std::size_t>(k)] = values[field];
            }
        }
        covered = run->fullPositions;
    }
    // Every study run computes the same crank pin for a position.
    for (int k = 0; k < crankPinReach_; ++k) {
        arrays.Xa[static_cast<std::size_t>(k)] = cranks.Xa(k);
        arrays.Ya[static_cast<std::size_t>(k)] = cranks.Ya(k);
    }
}
