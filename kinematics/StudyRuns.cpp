#include "kinematics/StudyRuns.h"

#include "kinematics/Errors.h"

#include <system_error>
#include <thread>

namespace {

// Below this many positions in all, a second thread costs more than it saves.
constexpr long kPositionsWorthASecondThread = 20000;

// Working space of one thread: Ve and Gamma of the run in progress.
struct RunScratch {
    explicit RunScratch(int n) : ve(static_cast<std::size_t>(n)), gamma(ve.size()) {}
    std::vector<double> ve, gamma;
};

void RunRange(const LinkageLengths& base, const CrankTable& cranks, int firstMm, int fromMm,
              int toMm, RunScratch& scratch, std::vector<StudyRunResult>& results,
              ComputationProgress* progress) noexcept
{
    // A new thread starts with a copy of its creator's vector state, dirty upper halves included.
    ClearUpperVectorState();
    for (int mm = fromMm; mm <= toMm; ++mm) {
        if (progress && progress->CancelRequested())
            return;
        LinkageLengths lengths = base;
        lengths.Lbc = StudyRockerLength(mm);
        StudyRunResult& result = results[static_cast<std::size_t>(mm - firstMm)];
        result = RunOneStudyLength(lengths, cranks, scratch.ve, scratch.gamma);
        if (progress)
            progress->Advance(cranks.PositionCount());
        if (result.kind == StudyRunResult::Kind::Faulted)
            return;
    }
}

}  // namespace

double StudyRockerLength(int mm)
{
    return static_cast<double>(mm) / 1000.0;
}

CrankTable::CrankTable(const LinkageLengths& lengths, int n)
    : n_(n), firstFault_(n), cranks_(static_cast<std::size_t>(n)), xa_(cranks_.size()),
      ya_(cranks_.size())
{
    PositionValues values;
    for (int k = 0; k < n; ++k) {
        const auto index = static_cast<std::size_t>(k);
        values.Clear();
        try {
            ComputeCrank(lengths, NormalCrankAngle(n, k), cranks_[index], values);
        } catch (const FloatingPointError&) {
            firstFault_ = k;
            return;
        }
        xa_[index] = values[PositionField::Xa];
        ya_[index] = values[PositionField::Ya];
    }
}

StudyRunResult RunOneStudyLength(const LinkageLengths& lengths, const CrankTable& cranks,
                                 std::vector<double>& veScratch, std::vector<double>& gammaScratch)
{
    using Kind = StudyRunResult::Kind;
    StudyRunResult result;
    const int n = cranks.PositionCount();
    try {
        if (AssemblyFails(lengths)) {
            result.kind = Kind::AssemblyFailed;
            return result;
        }
        PositionValues values;
        for (int k = 0; k < n; ++k) {
            if (k == cranks.FirstFaultingPosition()) {
                result.kind = Kind::Faulted;
                return result;
            }
            values.Clear();
            values.Assign(PositionField::Xa, cranks.Xa(k));
            values.Assign(PositionField::Ya, cranks.Ya(k));
            if (!ComputeLinkage(lengths, cranks.Crank(k), values, PositionDetail::ForExtremes)) {
                result.kind = Kind::TriangleFailed;
                result.stoppedAt = k;
                return result;
            }
            veScratch[static_cast<std::size_t>(k)] = values[PositionField::Ve];
            gammaScratch[static_cast<std::size_t>(k)] = values[PositionField::Gamma];
        }
        result.extremes = FindExtremes(veScratch.data(), gammaScratch.data(), n);
        result.kind = Kind::Complete;
        result.stoppedAt = n;
    } catch (const FloatingPointError&) {
        result.kind = Kind::Faulted;
    }
    return result;
}

std::vector<StudyRunResult> RunStudy(const LinkageLengths& lengths, const CrankTable& cranks,
                                     int firstMm, int lastMm, ComputationProgress* progress)
{
    std::vector<StudyRunResult> results(static_cast<std::size_t>(lastMm - firstMm + 1));
    const long work = static_cast<long>(cranks.PositionCount()) * static_cast<long>(results.size());
    RunScratch lowerScratch(cranks.PositionCount());
    if (work < kPositionsWorthASecondThread || lastMm <= firstMm) {
        RunRange(lengths, cranks, firstMm, firstMm, lastMm, lowerScratch, results, progress);
        return results;
    }
    const int middleMm = firstMm + (lastMm - firstMm) / 2;
    RunScratch upperScratch(cranks.PositionCount());
    std::thread upperHalf;
    try {
        upperHalf = std::thread(RunRange, std::cref(lengths), std::cref(cranks), firstMm,
                                middleMm + 1, lastMm, std::ref(upperScratch), std::ref(results), progress);
    } catch (const std::system_error&) {
        RunRange(lengths, cranks, firstMm, firstMm, lastMm, lowerScratch, results, progress);
        return results;
    }
    RunRange(lengths, cranks, firstMm, firstMm, middleMm, lowerScratch, results, progress);
    upperHalf.join();
    return results;
}
