#include "kinematics/Solver.h"

#include "kinematics/Errors.h"
#include "kinematics/PositionKinematics.h"

#include <atomic>

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

}  // namespace

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
