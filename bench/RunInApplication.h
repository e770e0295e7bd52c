#pragma once
// The main of every benchmark program: the benchmarks named on the command line run inside a
// QApplication on the offscreen platform (unless another is named), after an optional set-up.

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

inline int RunInApplication(int argc, char** argv, const std::function<void()>& setUp = {})
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Kinematics is measured in the state users are in: after a shown window has painted (Qt's AVX
// fills leave the state that makes legacy-SSE arithmetic pay a transition penalty).
inline void PaintAShownWindow()
{
    static QWidget window;
    window.resize(800, 600);
    window.show();
    window.grab();
    QApplication::processEvents();
}
