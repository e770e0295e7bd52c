// Calculate on the real main window: the one computation of the result (scan, study, final
// solve, the diagrams' solve, accelerations, characteristics, forces) and the table fill, at 8,
// 180 and 100 000 positions; then the whole click, every reader of the result included. CPU
// time of the whole process, worker threads included.
// Twice: on a form never shown (the library's clean state), and on a shown window that has
// painted its charts and table and repaints before every Calculate, the state a user's window
// is in (its drawing leaves the upper halves of the vector registers dirty).

#include "app/MainForm.h"

#include "BenchMain.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

void StartFromDefaults(TForm4& form, std::int64_t positions)
{
    SetDefaultParameters(form.MechanismRecord());  // every Calculate starts from the user's values
    form.MechanismRecord().PositionCount = static_cast<std::int32_t>(positions);
}

void BM_CalculateWithTable(benchmark::State& state)
{
    TForm4 form;
    for (auto _ : state) {
        state.PauseTiming();
        StartFromDefaults(form, state.range(0));
        state.ResumeTiming();
        const std::optional<CalculationResult> result = form.CalculateRecord();
        form.FillResultsTable(*result);
    }
}
BENCHMARK(BM_CalculateWithTable)
    ->Arg(8)
    ->Arg(180)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The main window shown, after one Calculate that filled the table, with both chart tabs
// painted once.
TForm4& ShownForm()
{
    static std::unique_ptr<TForm4> form = [] {
        auto made = std::make_unique<TForm4>();
        made->show();
        QApplication::processEvents();
        made->Button4Click();
        auto* pages = made->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        for (int page : {1, 2, 0}) {
            pages->setCurrentIndex(page);
            QApplication::processEvents();
            made->repaint();
        }
        return made;
    }();
    return *form;
}

void BM_CalculateWithTableShownWindow(benchmark::State& state)
{
    TForm4& form = ShownForm();
    for (auto _ : state) {
        state.PauseTiming();
        StartFromDefaults(form, state.range(0));
        form.repaint();  // as between two clicks: the window has drawn itself
        state.ResumeTiming();
        const std::optional<CalculationResult> result = form.CalculateRecord();
        form.FillResultsTable(*result);
    }
    if (!Silent().lastError.isEmpty())
        state.SkipWithError(Silent().lastError.toStdString().c_str());
}
BENCHMARK(BM_CalculateWithTableShownWindow)
    ->Arg(8)
    ->Arg(180)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The whole click on the shown window: the Calculate, its result published, and the table, the
// list, the six diagrams, the drawings, both analysis tabs and the status bar filled from it.
void BM_CalculateClickShownWindow(benchmark::State& state)
{
    TForm4& form = ShownForm();
    for (auto _ : state) {
        state.PauseTiming();
        StartFromDefaults(form, state.range(0));
        form.repaint();
        state.ResumeTiming();
        form.Button4Click();
    }
    if (!Silent().lastError.isEmpty())
        state.SkipWithError(Silent().lastError.toStdString().c_str());
}
BENCHMARK(BM_CalculateClickShownWindow)
    ->Arg(180)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, WorkDir::FreshAndEmpty);
}
