// One animation step of the drawing tab (tick -> scroll bar -> position field -> redraw, and the
// repaint of the tab), and ShowDiagrams alone. Goals: a step within 3 ms, ShowDiagrams 0.5 ms.

#include "app/MainForm.h"

#include "BenchMain.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// The main window after one Calculate, showing the drawing tab.
TForm4& CalculatedForm()
{
    static std::unique_ptr<TForm4> form = [] {
        auto made = std::make_unique<TForm4>();
        made->show();
        made->Button4Click();
        made->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
        QApplication::processEvents();
        return made;
    }();
    return *form;
}

void AnimationStep(benchmark::State& state)
{
    TForm4& form = CalculatedForm();
    auto* scrollBar = form.findChild<QScrollBar*>(QStringLiteral("ScrollBar1"));
    QWidget* tab = form.findChild<QWidget*>(QStringLiteral("TabSheet3"));
    for (auto _ : state) {
        if (scrollBar->value() == scrollBar->maximum()) {
            state.PauseTiming();
            scrollBar->setValue(0);
            tab->repaint();
            state.ResumeTiming();
        }
        form.Timer1Timer();
        tab->repaint();
    }
    if (!Silent().lastError.isEmpty())
        state.SkipWithError(Silent().lastError.toStdString().c_str());
}
BENCHMARK(AnimationStep)->Unit(benchmark::kMillisecond);

void ShowDiagramsAlone(benchmark::State& state)
{
    TForm4& form = CalculatedForm();
    for (auto _ : state)
        form.ShowDiagrams();
    if (!Silent().lastError.isEmpty())
        state.SkipWithError(Silent().lastError.toStdString().c_str());
}
BENCHMARK(ShowDiagramsAlone)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, WorkDir::FreshAndEmpty);
}
