// Calculate on the real main window: the one computation of the result (scan, study, final
// solve, the diagrams' solve, accelerations, characteristics, forces) and the table fill, at 8,
// 180 and 100 000 positions; then the whole click, every reader of the result included. CPU
// time of the whole process, worker threads included.
// Twice: on a form never shown (the library's clean state), and on a shown window that has
// painted its charts and table and repaints before every Calculate, the state a user's window
// is in (its drawing leaves the upper halves of the vector registers dirty).
// Then the whole click (Button4Click: scan, study, final solve, table, tabs, diagrams, status)
// on the shown window, alternating in one run with the plain repetition of its computation on
// one thread: the 672 solver runs of the scan, the study and the final solve, and the diagrams'
// solve at 180 positions. The ratio is the click's share of plain code.

#include "app/MainForm.h"
#include "kinematics/Study.h"
#include "tests/kinematics/PlainStudyReference.h"

#include "AlternatingTimer.h"
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

constexpr int kDiagramPositions = 180;

// What plain code computes for one click: the scan, the study and the final solve, then the
// diagrams' solve.
void PlainClickComputation(std::int64_t positions)
{
    Mechanism m;
    SetDefaultParameters(m);
    m.PositionCount = static_cast<std::int32_t>(positions);
    SolverState s;
    StudyResults r;
    benchmark::DoNotOptimize(PlainDeadPositionsAndStudy(m, s, r));
    m.PositionCount = kDiagramPositions;
    benchmark::DoNotOptimize(SolveMechanism(m, s));
}

// Time is the click's wall time; "click" is Button4Click alone, "painted" adds the repaint of
// the window that shows its results.
void BM_CalculateClickAgainstPlainRepetition(benchmark::State& state)
{
    TForm4& form = ShownForm();
    AlternatingTimer click, painted;
    for (auto _ : state) {
        StartFromDefaults(form, state.range(0));
        form.repaint();  // as between two clicks
        const AlternatingTimer::Sample plain =
            AlternatingTimer::Measure([&] { PlainClickComputation(state.range(0)); });
        click.AddPlain(plain);
        painted.AddPlain(plain);
        StartFromDefaults(form, state.range(0));
        form.repaint();
        AlternatingTimer::Sample clickOnly;
        const AlternatingTimer::Sample withPaint = AlternatingTimer::Measure([&] {
            clickOnly = AlternatingTimer::Measure([&] { form.Button4Click(); });
            form.repaint();
        });
        click.AddOurs(clickOnly);
        painted.AddOurs(withPaint);
        state.SetIterationTime(clickOnly.wall);
    }
    painted.Report(state, "painted");
    click.Report(state, "click");
    if (!Silent().lastError.isEmpty())
        state.SkipWithError(Silent().lastError.toStdString().c_str());
}
BENCHMARK(BM_CalculateClickAgainstPlainRepetition)
    ->Arg(180)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, WorkDir::FreshAndEmpty);
}
