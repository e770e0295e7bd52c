// A teacher's batch: `orvek --batch` on 30 variants at 360 positions, each with its CSV table and
// PDF report, and the summary, run through the command line as the program runs it. Wall time,
// since the user waits for the whole run; the goal is 10 s.

#include "app/CommandLine.h"

#include "BenchMain.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kVariants = 30;

// A group's variants around the default mechanism: the crank, coupler and link DE vary a little
// from student to student, and every one of them computes (a coupler of 0,55 m with a crank of
// 0,11 m or more already faults in the rocker study).
QByteArray VariantsFile()
{
    QByteArray text = "\xEF\xBB\xBFВариант;Loa;Lab;Lbc;Lde;Loc;N\r\n";
    for (int v = 0; v < kVariants; ++v) {
        const int loaMm = 80 + v % 5 * 10;     // 0,08 .. 0,12
        const int labMm = 600 + v % 2 * 50;    // 0,6 .. 0,65
        const int ldeMm = 450 + v % 3 * 50;    // 0,45 .. 0,55
        text += QStringLiteral("Студент %1;0,%2;0,%3;0,6;0,%4;1;360\r\n")
                    .arg(v + 1)
                    .arg(loaMm, 3, 10, QLatin1Char('0'))
                    .arg(labMm)
                    .arg(ldeMm)
                    .toUtf8();
    }
    return text;
}

void BM_Batch30VariantsAt360(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    QFile file(variants);
    if (!file.open(QIODevice::WriteOnly) || file.write(VariantsFile()) < 0) {
        state.SkipWithError("the variants file cannot be written");
        return;
    }
    file.close();
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    int status = -1;
    for (auto _ : state) {
        QString outText;
        QString errText;
        QTextStream outStream(&outText);
        QTextStream errStream(&errText);
        status = RunCommandLine({QStringLiteral("--batch"), variants, QStringLiteral("--out"), out}, outStream,
                                errStream);
        benchmark::DoNotOptimize(status);
    }
    if (status != kExitSuccess)
        state.SkipWithError("the batch did not finish every variant");
    state.counters["variants"] = kVariants;
}

BENCHMARK(BM_Batch30VariantsAt360)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, WorkDir::AsGiven);
}
