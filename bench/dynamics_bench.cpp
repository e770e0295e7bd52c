// Cost of the dynamics beside a Calculate: the cycle, the flywheel by the three methods and the
// crank's motion (independent of N), then the table's columns at 180 and 100 000 positions. Run
// with a shown, painted window first: the state Qt's vector code leaves is the one users are in.

#include "RunInApplication.h"
#include "StudiedMechanism.h"
#include "kinematics/Accelerations.h"
#include "kinematics/Calculation.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Dynamics.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// The course's loads at one turn a second.
ForceParameters CourseLoads()
{
    ForceParameters f;
    f.Omega1 = 2 * 3.14159265358979323846;
    return f;
}

constexpr double kDelta = 0.04;

void BM_ComputeDynamics(benchmark::State& state)
{
    const Mechanism m = StudiedMechanism(8);
    const MechanismCharacteristics c = ComputeCharacteristics(m);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeDynamics(m, c, CourseLoads(), kDelta));
}

// A loose δ with no resistance: no flywheel, and the mean speed is found by the nested root.
void BM_ComputeDynamicsWithoutFlywheel(benchmark::State& state)
{
    const Mechanism m = StudiedMechanism(8);
    const MechanismCharacteristics c = ComputeCharacteristics(m);
    ForceParameters f = CourseLoads();
    f.Resistance = 0;
    f.Omega1 = 40;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeDynamics(m, c, f, 0.9));
}

void BM_SampleDynamics(benchmark::State& state)
{
    const SolvedMechanism solved(state.range(0));
    const DynamicsResult r = ComputeDynamics(solved.m, solved.c, CourseLoads(), kDelta);
    for (auto _ : state)
        benchmark::DoNotOptimize(SampleDynamics(r, solved.m, solved.s.arrays, solved.a));
}

// What a Calculate adds for the dynamics, given its solve, accelerations and characteristics.
void BM_DynamicsOfACalculate(benchmark::State& state)
{
    const SolvedMechanism solved(state.range(0));
    for (auto _ : state) {
        const DynamicsResult r = ComputeDynamics(solved.m, solved.c, CourseLoads(), kDelta);
        benchmark::DoNotOptimize(SampleDynamics(r, solved.m, solved.s.arrays, solved.a));
    }
}

// The dynamics' part as Calculate and WithLoads compute it, from a finished Calculate's kinematics.
void BM_AnalyseDynamics(benchmark::State& state)
{
    CalculationInput input;
    input.typed = StudiedMechanism(state.range(0));
    input.loads = CourseLoads();
    const CalculationResult result = Calculate(input);
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseDynamics(result.Kinematics(), input.loads, kDelta));
}

// The whole Calculate (the dynamics included) at the same N: the dynamics' share is the ratio.
void BM_WholeCalculate(benchmark::State& state)
{
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.typed.PositionCount = static_cast<std::int32_t>(state.range(0));
    input.loads = CourseLoads();
    for (auto _ : state)
        benchmark::DoNotOptimize(Calculate(input));
}

BENCHMARK(BM_ComputeDynamics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeDynamicsWithoutFlywheel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleDynamics)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DynamicsOfACalculate)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseDynamics)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeCalculate)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunInApplication(argc, argv, PaintAShownWindow);
}
