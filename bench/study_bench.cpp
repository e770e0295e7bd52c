// FindDeadPositionsAndStudy (scan, study over the rocker length, choice and final solve) on the
// default linkage at 8, 180 and 100 000 positions: from a clean vector state, and right after a
// raster fill, which leaves the upper halves of the vector registers dirty as a window's drawing
// does.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <QImage>

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
    ->UseRealTime()
    ->MeasureProcessCPUTime();  // both threads of the study

void BM_FindDeadPositionsAndStudyAfterDrawing(benchmark::State& state)
{
    Mechanism defaults;
    SetDefaultParameters(defaults);
    defaults.PositionCount = static_cast<std::int32_t>(state.range(0));
    SolverState s;
    StudyResults r;
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        canvas.fill(Qt::white);  // the raster engine's fill, as every repaint runs it
        state.ResumeTiming();
        Mechanism m = defaults;
        const StudyOutcome outcome = FindDeadPositionsAndStudy(m, s, r);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.MaxVeByLbc[900]);
    }
}
BENCHMARK(BM_FindDeadPositionsAndStudyAfterDrawing)
    ->Arg(8)
    ->Arg(180)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();  // both threads of the study

}  // namespace

BENCHMARK_MAIN();
