// The first two stages of Calculate on the real main window: scan, study, final solve and the
// table fill, at 8, 180 and 100 000 positions (the diagrams are timed in animation_bench); CPU
// time of the whole process, worker threads included.
// Twice: on a form never shown (the library's clean state), and on a shown window that has
// painted its charts and table and repaints before every Calculate, the state a user's window
// is in (its drawing leaves the upper halves of the vector registers dirty).
// Then the whole click (Button4Click: scan, study, final solve, table, tabs, diagrams, status)
// on the shown window, alternating in one run with the plain repetition of its computation on
// one thread: the 672 solver runs of the scan, the study and the final solve, and the diagrams'
// solve at 180 positions. The ratio is the click's share of plain code.

#include "app/MainForm.h"
#include "app/UserMessages.h"
#include "kinematics/Study.h"
#include "tests/kinematics/PlainStudyReference.h"

#include "AlternatingTimer.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// A failing Calculate must not open a modal box in the middle of a measurement.
class SilentMessages : public UserMessages {
public:
    void Beep() override {}
    void ShowMessage(const QString&) override {}
    void ShowError(const QString& text) override { lastError = text; }
    bool AskYesNo(const QString&) override { return false; }
    QString lastError;
};

SilentMessages& Silent()
{
    static SilentMessages messages;
    return messages;
}

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
        form.FindDeadPositionsAndStudy();
        form.FillResultsTable();
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
        form.FindDeadPositionsAndStudy();
        form.FillResultsTable();
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // The form reads the parameter file of the working directory: start from the defaults.
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    InstallMessages(&Silent());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
