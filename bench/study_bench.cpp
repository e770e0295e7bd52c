// FindDeadPositionsAndStudy (scan, study over the rocker length, choice and final solve) on the
// default linkage at 8, 180 and 100 000 positions: from a clean vector state, and right after a
// raster fill, which leaves the upper halves of the vector registers dirty as a window's drawing
// does. Beside it, alternating in one run, the plain repetition of the same solver runs on one
// thread (672 SolveMechanism calls, as the tests' reference makes them), and the ratio.

#include "AlternatingTimer.h"

#include "tests/kinematics/KinematicsTestSupport.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"
#include "kinematics/StudyRuns.h"
#include "kinematics/StudyScreen.h"
#include "tests/kinematics/PlainStudyReference.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// Arguments: N, and whether the raster engine fills a picture before every run (as every repaint
// does, leaving the vector state a shown window is in).
void BM_FindDeadPositionsAndStudy(benchmark::State& state)
{
    const Mechanism defaults = DefaultMechanism(static_cast<int>(state.range(0)));
    const bool afterDrawing = state.range(1) != 0;
    SolverState s;
    StudyResults r;
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (afterDrawing) {
            state.PauseTiming();
            canvas.fill(Qt::white);
            state.ResumeTiming();
        }
        Mechanism m = defaults;  // every Calculate starts from the user's rocker length
        const StudyOutcome outcome = FindDeadPositionsAndStudy(m, s, r);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.MaxVeByLbc[900]);
    }
}
BENCHMARK(BM_FindDeadPositionsAndStudy)
    ->ArgsProduct({{8, 180, 100000}, {0, 1}})
    ->ArgNames({"N", "afterDrawing"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();  // both threads of the study

// The 310 screened runs alone, one thread, with the solver's routine at every position beside
// them: the cost per position of the screen and of the exact run.
void BM_StudyRunsScreenedAndExact(benchmark::State& state)
{
    Mechanism m;
    SetDefaultParameters(m);
    const int n = static_cast<int>(state.range(0));
    const LinkageLengths base = LengthsOf(m);
    const CrankTable cranks(base, n);
    StudyScreen screen(n);
    std::vector<double> ve(static_cast<std::size_t>(n)), gamma(ve.size());
    AlternatingTimer timer;
    auto runAll = [&](bool screened) {
        for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
            LinkageLengths lengths = base;
            lengths.Lbc = StudyRockerLength(mm);
            benchmark::DoNotOptimize(screened ? screen.Run(lengths, cranks)
                                              : RunOneStudyLength(lengths, cranks, ve, gamma));
        }
    };
    for (auto _ : state) {
        timer.AddPlain(AlternatingTimer::Measure([&] { runAll(false); }));
        const AlternatingTimer::Sample sample = AlternatingTimer::Measure([&] { runAll(true); });
        timer.AddOurs(sample);
        state.SetIterationTime(sample.wall);
    }
    timer.Report(state, "screened");
    state.counters["ns_per_position"] = benchmark::Counter(
        static_cast<double>(kStudyLength) * n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_StudyRunsScreenedAndExact)->Arg(180)->Arg(3600)->Unit(benchmark::kMillisecond)->UseManualTime();

// Time is the study's wall time; the counters give both sides and the ratios.
void BM_StudyAgainstPlainRepetition(benchmark::State& state)
{
    const Mechanism defaults = DefaultMechanism(static_cast<int>(state.range(0)));
    SolverState s;
    StudyResults r;
    AlternatingTimer timer;
    for (auto _ : state) {
        timer.AddPlain(AlternatingTimer::Measure([&] {
            Mechanism m = defaults;
            benchmark::DoNotOptimize(PlainDeadPositionsAndStudy(m, s, r));
        }));
        const AlternatingTimer::Sample study = AlternatingTimer::Measure([&] {
            Mechanism m = defaults;
            benchmark::DoNotOptimize(FindDeadPositionsAndStudy(m, s, r));
        });
        timer.AddOurs(study);
        state.SetIterationTime(study.wall);
    }
    timer.Report(state, "study");
}
BENCHMARK(BM_StudyAgainstPlainRepetition)
    ->Arg(8)
    ->Arg(180)
    ->Arg(3600)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
