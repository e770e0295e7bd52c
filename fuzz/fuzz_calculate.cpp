// One Calculate of any record the parameter file can hold: scan, study, final solve and the text
// of every table cell. Any outcome but a crash, a hang or a sanitizer report is fine.

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/Study.h"
#include "storage/ParameterFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kParameterRecordSize)
        return 0;
    Mechanism m = DecodeMechanism(data);
    // The main window refuses more than 100000 positions; keep each run short for the fuzzer.
    if (m.PositionCount > kMaxPositionCount)
        return 0;
    m.PositionCount %= 64;
    SolverState state;
    StudyResults study;
    try {
        const StudyOutcome outcome = FindDeadPositionsAndStudy(m, state, study);
        if (state.StudyMode)
            std::abort();
        const PositionArrays& a = state.arrays;
        for (int k = 0; k < outcome.finalSolve.positionsDone; ++k) {
            const auto i = static_cast<std::size_t>(k);
            for (double v : {a.Xa[i], a.Ya[i], a.Vxa[i], a.Vya[i], a.Xb[i], a.Yb[i], a.Vxb[i], a.Vyb[i], a.Xd[i],
                             a.Yd[i], a.Vxd[i], a.Vyd[i], a.Ye[i], a.Ve[i]})
                (void)FormatGeneral(RoundDecimals(3, v));
        }
    } catch (const FloatingPointError&) {
        if (state.StudyMode)
            std::abort();
    }
    return 0;
}
