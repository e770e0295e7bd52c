#include "kinematics/Solver.h"

#include "kinematics/Errors.h"
#include "kinematics/PositionKinematics.h"

#include <atomic>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

void PositionArrays::Resize(std::size_t n)
{
    for (int f = 0; f < kPositionFieldCount; ++f)
        (this->*ArrayOf(static_cast<PositionField>(f))).resize(n, 0.0);
}

namespace {

std::atomic<long> solveCalls{0};

// Writes the assigned values of one position into the arrays (and ScanVe in StudyMode).
void StorePosition(const PositionValues& values, std::size_t k, SolverState& s)
{
    for (int f = 0; f < values.AssignedCount(); ++f) {
        const auto field = static_cast<PositionField>(f);
        (s.arrays.*ArrayOf(field))[k] = values[field];
    }
    if (s.StudyMode && values.Has(PositionField::Ve))
        s.ScanVe = values[PositionField::Ve];
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void ZeroUpperHalves()
{
    _mm256_zeroupper();
}
#endif

}  // namespace

// Why: in the window, Qt's raster engine fills (QImage::fill, fillRect, every solid span of a
// line or a chart) through its AVX2 memfill routine, which returns with the upper halves of the
// ymm registers still in use; glibc's string functions leave ymm16-31 in use too. This library
// is built for baseline x86-64, so every legacy-SSE instruction of the solver then runs against
// dirty upper state and pays the SSE/AVX transition (a merge with the upper halves on each
// instruction): about nine times the CPU of the same run in a fresh thread. VZEROUPPER puts the
// state back to clean. It changes no xmm value, so the results stay bit for bit the same.
void ClearUpperVectorState()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpperHalves();
#endif
}

long SolveCallCount()
{
    return solveCalls.load(std::memory_order_relaxed);
}

SolveOutcome SolveMechanism(Mechanism& m, SolverState& s)
{
    solveCalls.fetch_add(1, std::memory_order_relaxed);
    ClearUpperVectorState();
    const int n = m.PositionCount;
    if (n < 1)
        return {};
    s.arrays.Resize(static_cast<std::size_t>(n));
    SetDerivedLengths(m);

    const LinkageLengths lengths = LengthsOf(m);
    if (AssemblyFails(lengths))
        return {};

    PositionValues values;
    CrankPosition crank;
    for (int k = 0; k < n; ++k) {
        if (!s.StudyMode)
            s.CrankAngle = NormalCrankAngle(n, k);
        values.Clear();
        bool closed = false;
        try {
            ComputeCrank(lengths, s.CrankAngle, crank, values);
            closed = ComputeLinkage(lengths, crank, values, PositionDetail::Full);
        } catch (const FloatingPointError&) {
            StorePosition(values, static_cast<std::size_t>(k), s);
            throw;
        }
        StorePosition(values, static_cast<std::size_t>(k), s);
        if (!closed)
            return {false, k};
    }

    const Extremes e = FindExtremes(s.arrays.Ve.data(), s.arrays.Gamma.data(), n);
    s.MaxVe = e.maxVe;
    s.MaxGamma = e.maxGamma;
    s.MinGamma = e.minGamma;
    return {true, n};
}
