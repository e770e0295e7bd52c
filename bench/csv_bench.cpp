// The CSV of a result at N = 100 000 (written row by row, never whole in memory) and its peak
// memory: the calculation once, then the writes into a temporary file. Wall time.

#include "BenchMain.h"
#include "kinematics/Calculation.h"
#include "report/CsvExport.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

void BM_CsvAt100000(benchmark::State& state)
{
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.typed.PositionCount = 100000;
    const CalculationResult result = Calculate(input);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    bool ok = true;
    for (auto _ : state) {
        QString error;
        ok = WriteResultsCsv(result, path, error) && ok;
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    if (!ok)
        state.SkipWithError("the CSV was not written");
    state.counters["peak_rss_MB"] = static_cast<double>(after.ru_maxrss) / 1024;
    state.counters["rss_growth_MB"] = static_cast<double>(after.ru_maxrss - before.ru_maxrss) / 1024;
}

BENCHMARK(BM_CsvAt100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, WorkDir::AsGiven);
}
