#pragma once
// The six diagrams built off the window, with the look and the series of the window's charts, so
// the command line's pictures and report look like what the student sees in the program.

#include "report/Calculation.h"

#include <QImage>
#include <QSize>

#include <array>
#include <memory>

class TChart;

constexpr int kDiagramChartCount = 6;
// The size the pictures of the off-window charts are laid out at (logical pixels).
constexpr int kReportChartWidth = 480;
constexpr int kReportChartHeight = 300;

// Chart `number` (1 .. 6) with its title, axis titles, look and series, all series empty.
std::unique_ptr<TChart> MakeDiagramChart(int number, const QImage& backImage);

// The balancing torque of the snapshot's force analysis over the crank angle of the diagrams'
// 180 positions, by both methods; no points when the forces were not computed.
std::unique_ptr<TChart> MakeForceChart(const CalculationSnapshot& snapshot, const QImage& backImage);

// Appends the snapshot's points to the data series of chart `number`, as the window's diagram
// refresh does: Ve and Xa over the crank angle, the path of D in two arcs, the three study curves.
void FillDiagramChart(TChart& chart, int number, const CalculationSnapshot& snapshot);

class DiagramCharts {
public:
    DiagramCharts(const CalculationSnapshot& snapshot, const QImage& backImage,
                  QSize size = QSize(kReportChartWidth, kReportChartHeight));
    ~DiagramCharts();
    DiagramCharts(const DiagramCharts&) = delete;
    DiagramCharts& operator=(const DiagramCharts&) = delete;

    // Chart `number`, 1 .. 6.
    TChart& Chart(int number) const { return *charts_[static_cast<std::size_t>(number - 1)]; }

private:
    std::array<std::unique_ptr<TChart>, kDiagramChartCount> charts_;
};
