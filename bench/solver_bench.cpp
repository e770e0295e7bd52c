// SolveMechanism on the default linkage at 8, 180 and 10 000 positions.

#include "tests/kinematics/KinematicsTestSupport.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SolveMechanism(benchmark::State& state)
{
    Mechanism m = DefaultMechanism(static_cast<int>(state.range(0)));
    SolverState s;
    for (auto _ : state) {
        const SolveOutcome outcome = SolveMechanism(m, s);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(s.arrays.Ve.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SolveMechanism)->Arg(8)->Arg(180)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
