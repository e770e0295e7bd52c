// Study runs of a fuzzed linkage, screened and made position by position with the solver's
// routine: StudyScreen must give RunOneStudyLength's result (how the run ends, where, and the
// three extremes) bit for bit. Anything else aborts.
//
// Input: a mode byte, the position count N (one byte, 1 .. 256), the first rocker length of the
// study (two bytes), then Loa, Lab, Lde and Loc: eight-byte reals when the mode is odd,
// otherwise whole micrometres (four bytes each, 0 .. 2 m), so that near-limit linkages are
// reachable by small mutations.

#include "FuzzInput.h"
#include "kinematics/Study.h"
#include "kinematics/StudyRuns.h"
#include "kinematics/StudyScreen.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t kMicrometresUpTo = 2000001;  // 0 .. 2 m
constexpr int kRunsPerInput = 8;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool TakeLength(FuzzInput& input, bool raw, double& length)
{
    if (raw)
        return input.Take(length);
    std::uint32_t micrometres = 0;
    if (!input.Take(micrometres))
        return false;
    length = static_cast<double>(micrometres % kMicrometresUpTo) / 1e6;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    std::uint8_t mode = 0, count = 0;
    std::uint16_t firstRocker = 0;
    LinkageLengths l;
    if (!input.Take(mode) || !input.Take(count) || !input.Take(firstRocker))
        return 0;
    const bool raw = (mode & 1) != 0;
    if (!TakeLength(input, raw, l.Loa) || !TakeLength(input, raw, l.Lab) || !TakeLength(input, raw, l.Lde)
        || !TakeLength(input, raw, l.Loc))
        return 0;
    l.Lad = l.Lab / 2;
    l.GuideOffset = l.Loc / 2;
    const int n = count + 1;

    const CrankTable cranks(l, n);
    StudyScreen screen(n);
    std::vector<double> ve(static_cast<std::size_t>(n)), gamma(ve.size());
    const int firstMm = kFirstStudyLbcMm + firstRocker % kStudyLength;
    for (int mm = firstMm; mm < firstMm + kRunsPerInput && mm <= kLastStudyLbcMm; ++mm) {
        l.Lbc = StudyRockerLength(mm);
        const StudyRunResult a = screen.Run(l, cranks);
        const StudyRunResult b = RunOneStudyLength(l, cranks, ve, gamma);
        if (a.kind != b.kind || a.stoppedAt != b.stoppedAt || !SameBits(a.extremes.maxVe, b.extremes.maxVe)
            || !SameBits(a.extremes.maxGamma, b.extremes.maxGamma)
            || !SameBits(a.extremes.minGamma, b.extremes.minGamma))
            std::abort();
    }
    return 0;
}
