// FindDeadPositionsAndStudy (scan, study over the rocker length, choice and final solve) on the
// default linkage at 8, 180 and 100 000 positions.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FindDeadPositionsAndStudy(benchmark::State& state)
{
    Mechanism defaults;
    SetDefaultParameters(defaults);
    defaults.PositionCount = static_cast<std::int32_t>(state.range(0));
    SolverState s;
    StudyResults r;
    for (auto _ : state) {
        Mechanism m = defaults;  // every Calculate starts from the user's rocker length
        const StudyOutcome outcome = FindDeadPositionsAndStudy(m, s, r);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.MaxVeByLbc[900]);
    }
}
BENCHMARK(BM_FindDeadPositionsAndStudy)
    ->Arg(8)
    ->Arg(180)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
