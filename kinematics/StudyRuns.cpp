#include "kinematics/StudyRuns.h"

#include "kinematics/Errors.h"
#include "kinematics/StudyScreen.h"

#include <system_error>
#include <thread>

namespace {

// Below this many positions in all, a second thread costs more than it saves.
constexpr long kPositionsWorthASecondThread = 20000;

void RunRange(const LinkageLengths& base, const CrankTable& cranks, int firstMm, int fromMm,
              int toMm, StudyScreen& screen, std::vector<StudyRunResult>& results,
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
        result = screen.Run(lengths, cranks);
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
    : n_(n), firstFault_(n), cranks_(static_cast<std::size_t>(n))
{
    for (std::vector<double>* column : {&columns_.xa, &columns_.dx, &columns_.dy, &columns_.ac,
                                        &columns_.inverseAc, &columns_.vxa, &columns_.vya})
        column->resize(cranks_.size());
    PositionValues values;
    for (int k = 0; k < n; ++k) {
        const auto index = static_cast<std::size_t>(k);
        values.Clear();
        CrankPosition& crank = cranks_[index];
        try {
            ComputeCrank(lengths, NormalCrankAngle(n, k), crank, values);
        } catch (const FloatingPointError&) {
            firstFault_ = k;
            return;
        }
        const double xa = values[PositionField::Xa];
        columns_.xa[index] = xa;
        columns_.dx[index] = xa + lengths.Loc;
        columns_.dy[index] = values[PositionField::Ya];
        columns_.ac[index] = crank.AC;
        columns_.inverseAc[index] = crank.AC > 0 ? 1 / crank.AC : 0;
        columns_.vxa[index] = -lengths.Loa * crank.sinPhi;
        columns_.vya[index] = lengths.Loa * crank.cosPhi;
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
    StudyScreen lowerScreen(cranks.PositionCount());
    if (work < kPositionsWorthASecondThread || lastMm <= firstMm) {
        RunRange(lengths, cranks, firstMm, firstMm, lastMm, lowerScreen, results, progress);
        return results;
    }
    const int middleMm = firstMm + (lastMm - firstMm) / 2;
    StudyScreen upperScreen(cranks.PositionCount());
    std::thread upperHalf;
    try {
        upperHalf = std::thread(RunRange, std::cref(lengths), std::cref(cranks), firstMm,
                                middleMm + 1, lastMm, std::ref(upperScreen), std::ref(results), progress);
    } catch (const std::system_error&) {
        RunRange(lengths, cranks, firstMm, firstMm, lastMm, lowerScreen, results, progress);
        return results;
    }
    RunRange(lengths, cranks, firstMm, firstMm, middleMm, lowerScreen, results, progress);
    upperHalf.join();
    return results;
}
