// Cost of the acceleration analysis, the mechanism's characteristics and the force analysis
// beside the position and velocity solve they follow, at 180 and 100 000 positions. Run with a
// shown, painted window first: the state Qt's vector code leaves is the one users compute in.

#include "RunInApplication.h"
#include "StudiedMechanism.h"
#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_Solve(benchmark::State& state)
{
    Mechanism m = StudiedMechanism(state.range(0));
    SolverState s;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveMechanism(m, s));
        benchmark::DoNotOptimize(s.arrays.Ve.data());
    }
}

void BM_Accelerations(benchmark::State& state)
{
    Mechanism m = StudiedMechanism(state.range(0));
    SolverState s;
    const SolveOutcome outcome = SolveMechanism(m, s);
    AccelerationArrays a;
    for (auto _ : state) {
        ComputeAccelerations(m, s.arrays, outcome.positionsDone, a);
        benchmark::DoNotOptimize(a.Ae.data());
    }
}

void BM_Characteristics(benchmark::State& state)
{
    const Mechanism m = StudiedMechanism(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeCharacteristics(m));
}

void BM_Forces(benchmark::State& state)
{
    const SolvedMechanism solved(state.range(0));
    ForceArrays f;
    for (auto _ : state) {
        ComputeForces(solved.m, solved.s.arrays, solved.a, solved.c, ForceParameters{}, f);
        benchmark::DoNotOptimize(f.MbGroups.data());
    }
}

// Everything after a solve that a Calculate adds: accelerations, characteristics, forces.
void BM_SolveAndAllPhysics(benchmark::State& state)
{
    Mechanism m = StudiedMechanism(state.range(0));
    SolverState s;
    AccelerationArrays a;
    ForceArrays f;
    for (auto _ : state) {
        const SolveOutcome outcome = SolveMechanism(m, s);
        ComputeAccelerations(m, s.arrays, outcome.positionsDone, a);
        const MechanismCharacteristics c = ComputeCharacteristics(m);
        ComputeForces(m, s.arrays, a, c, ForceParameters{}, f);
        benchmark::DoNotOptimize(f.MbLever.data());
    }
}

BENCHMARK(BM_Solve)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Accelerations)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Characteristics)->Arg(180)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Forces)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveAndAllPhysics)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunInApplication(argc, argv, PaintAShownWindow);
}
