// One Calculate of a fuzzed record: the fast scan and study must leave the parameter record, the
// arrays, the solver's scalars, the study results and the study's choice exactly as the plain
// sequence of solver runs does (the same fault text included), and every table cell must format.
// Otherwise any outcome but a crash, a hang or a sanitizer report is fine.
//
// Input: 68 bytes or more are a parameter file image. Shorter inputs of at least 13 bytes are a
// record as a user types it: five lengths in whole millimetres (two bytes each, 0 .. 2 m), N and
// the length of the arrays left by an earlier Calculate. The top bit of the byte after the record
// (or after N) asks the study to keep the typed Lbc.

#include "FuzzInput.h"
#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/Study.h"
#include "storage/ParameterFile.h"
#include "tests/kinematics/PlainStudyReference.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kTypedMillimetres = 2001;   // 0 .. 2000 mm
constexpr int kShortRunPositions = 64;    // most runs: one study run stays cheap
constexpr int kThreadedRunPositions = 128; // enough positions for the study's second thread
constexpr std::size_t kEarlierArrayLengths = 70;
constexpr double kEarlierContents = 7.0;
constexpr std::uint8_t kKeepLbcBit = 0x80;  // of the byte after the record: keep the typed Lbc

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

template <typename Arrays>
auto AllArrays(Arrays& a)
{
    return std::vector<decltype(&a.Xa)>{&a.Xa,  &a.Ya,  &a.Xb,  &a.Yb,  &a.Xd,     &a.Yd,     &a.Ye,     &a.Vxa,
            &a.Vya, &a.Vxb, &a.Vyb, &a.Vxd, &a.Vyd,    &a.Ve,     &a.Va,     &a.PlanXa,
            &a.PlanYa, &a.PlanXb, &a.PlanYb, &a.PlanXd, &a.PlanYd, &a.PlanXe, &a.PlanYe, &a.Gamma};
}

struct Run {
    Mechanism m;
    SolverState s;
    StudyResults r;
    StudyOutcome outcome;
    std::string fault;
};

// The state an earlier Calculate may have left: arrays of some length with known contents.
Run StartFrom(const Mechanism& m, std::size_t earlierLength)
{
    Run run;
    run.m = m;
    run.s.arrays.Resize(earlierLength);
    for (std::vector<double>* array : AllArrays(run.s.arrays))
        array->assign(earlierLength, kEarlierContents);
    run.s.MaxVe = 5.0;
    run.s.ScanVe = 6.0;
    run.r.DeadAngles.fill(8.0);
    return run;
}

template <typename Operation>
void Calculate(Run& run, Operation operation)
{
    try {
        run.outcome = operation(run.m, run.s, run.r);
    } catch (const FloatingPointError& e) {
        run.fault = e.what();
    }
}

bool Identical(const Run& a, const Run& b)
{
    if (a.fault != b.fault || std::memcmp(&a.m, &b.m, sizeof(Mechanism)) != 0)
        return false;
    if (a.outcome.lbcChosen != b.outcome.lbcChosen || a.outcome.finalSolve.complete != b.outcome.finalSolve.complete
        || a.outcome.finalSolve.positionsDone != b.outcome.finalSolve.positionsDone
        || a.outcome.choice != b.outcome.choice || !SameBits(a.outcome.choiceLbc, b.outcome.choiceLbc)
        || a.outcome.completedLengths != b.outcome.completedLengths
        || a.outcome.jammedLengths != b.outcome.jammedLengths)
        return false;
    const auto arraysA = AllArrays(a.s.arrays), arraysB = AllArrays(b.s.arrays);
    for (std::size_t i = 0; i < arraysA.size(); ++i)
        if (!SameBits(*arraysA[i], *arraysB[i]))
            return false;
    if (a.s.StudyMode != b.s.StudyMode || !SameBits(a.s.CrankAngle, b.s.CrankAngle) || !SameBits(a.s.ScanVe, b.s.ScanVe)
        || !SameBits(a.s.MaxVe, b.s.MaxVe) || !SameBits(a.s.MaxGamma, b.s.MaxGamma)
        || !SameBits(a.s.MinGamma, b.s.MinGamma))
        return false;
    if (a.r.DeadCount != b.r.DeadCount)
        return false;
    for (std::size_t i = 0; i < a.r.DeadAngles.size(); ++i)
        if (!SameBits(a.r.DeadAngles[i], b.r.DeadAngles[i]))
            return false;
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm)
        if (!SameBits(a.r.MaxVeByLbc[mm], b.r.MaxVeByLbc[mm]) || !SameBits(a.r.MinGammaByLbc[mm], b.r.MinGammaByLbc[mm])
            || !SameBits(a.r.MaxGammaByLbc[mm], b.r.MaxGammaByLbc[mm]) || a.r.StatusByLbc[mm] != b.r.StatusByLbc[mm])
            return false;
    return true;
}

double TypedLength(std::uint16_t raw)
{
    return static_cast<double>(raw % kTypedMillimetres) / 1000.0;
}

bool TypedRecord(FuzzInput& input, Mechanism& m, std::uint8_t& countByte)
{
    std::uint16_t loa = 0, lab = 0, lbc = 0, lde = 0, loc = 0;
    if (!input.Take(loa) || !input.Take(lab) || !input.Take(lbc) || !input.Take(lde) || !input.Take(loc)
        || !input.Take(countByte))
        return false;
    SetDefaultParameters(m);
    m.Loa = TypedLength(loa);
    m.Lab = TypedLength(lab);
    m.Lbc = TypedLength(lbc);
    m.Lde = TypedLength(lde);
    m.Loc = TypedLength(loc);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Mechanism m{};
    std::uint8_t countByte = 0;
    std::uint8_t earlierByte = 0;
    if (size >= static_cast<std::size_t>(kParameterRecordSize)) {
        m = DecodeMechanism(data);
        // The main window refuses more than 100000 positions.
        if (m.PositionCount > kMaxPositionCount)
            return 0;
        countByte = static_cast<std::uint8_t>(m.PositionCount & 0xff);
        if (size > static_cast<std::size_t>(kParameterRecordSize))
            earlierByte = data[kParameterRecordSize];
        // Keep each run short for the fuzzer; a negative count stays negative.
        m.PositionCount %= kShortRunPositions;
    } else {
        FuzzInput input(data, size);
        if (!TypedRecord(input, m, countByte))
            return 0;
        (void)input.Take(earlierByte);
        // The top bit asks for a count that the study shares between two threads.
        m.PositionCount = (countByte & 0x80) ? kShortRunPositions + countByte % kShortRunPositions
                                             : countByte % kShortRunPositions;
        if (m.PositionCount >= kThreadedRunPositions)
            return 0;
    }
    const std::size_t earlierLength = earlierByte % kEarlierArrayLengths;

    Run fast = StartFrom(m, earlierLength);
    Run plain = StartFrom(m, earlierLength);
    StudyOptions options;
    options.adoptLbc = (earlierByte & kKeepLbcBit) == 0;
    Calculate(fast, [&options](Mechanism& mm, SolverState& s, StudyResults& r) {
        return FindDeadPositionsAndStudy(mm, s, r, nullptr, options);
    });
    Calculate(plain, [&options](Mechanism& mm, SolverState& s, StudyResults& r) {
        return PlainDeadPositionsAndStudy(mm, s, r, options);
    });
    if (fast.s.StudyMode || !Identical(fast, plain))
        std::abort();

    if (fast.fault.empty()) {
        const PositionArrays& a = fast.s.arrays;
        for (int k = 0; k < fast.outcome.finalSolve.positionsDone; ++k) {
            const auto i = static_cast<std::size_t>(k);
            for (double v : {a.Xa[i], a.Ya[i], a.Vxa[i], a.Vya[i], a.Xb[i], a.Yb[i], a.Vxb[i], a.Vyb[i], a.Xd[i],
                             a.Yd[i], a.Vxd[i], a.Vyd[i], a.Ye[i], a.Ve[i]})
                if (FormatGeneral(RoundDecimals(3, v)).empty())
                    std::abort();
        }
    }
    return 0;
}
