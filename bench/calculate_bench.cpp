// The first two stages of Calculate on the real main window: scan, study, final solve and the
// table fill, at 8, 180 and 100 000 positions (the diagrams are timed in animation_bench).

#include "app/MainForm.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_CalculateWithTable(benchmark::State& state)
{
    TForm4 form;
    for (auto _ : state) {
        state.PauseTiming();
        SetDefaultParameters(form.MechanismRecord());  // every Calculate starts from the user's values
        form.MechanismRecord().PositionCount = static_cast<std::int32_t>(state.range(0));
        state.ResumeTiming();
        form.FindDeadPositionsAndStudy();
        form.FillResultsTable();
    }
}
BENCHMARK(BM_CalculateWithTable)->Arg(8)->Arg(180)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
