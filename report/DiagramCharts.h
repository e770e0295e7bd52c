#pragma once
// The program's charts of a result, defined once: the six diagrams of the main window (which the
// pictures and the report show too) and the balancing-torque chart of the forces tab and the
// report. Each is made empty, then filled from a result; filling replaces what a chart held.

#include "kinematics/Calculation.h"

#include <QSize>

#include <array>
#include <memory>

class TChart;

constexpr int kDiagramChartCount = 6;
// The size the pictures of the off-window charts are laid out at (logical pixels).
constexpr int kReportChartWidth = 480;
constexpr int kReportChartHeight = 300;

// What the balancing-torque chart's two curves are, for the text beside it.
inline constexpr const char* kForceChartLegend =
    QT_TRANSLATE_NOOP("Report", "Красная линия — по группам Ассура, синяя — по рычагу Жуковского; они должны совпадать.");

// The series of study chart `number` (4 .. 6) that marks the jammed rocker lengths' points;
// nullptr for the other charts.
const char* JammedSeriesName(int number);

// Chart `number` (1 .. 6) with its title, axis titles, look and series, all series empty.
std::unique_ptr<TChart> MakeDiagramChart(int number);

// The data series of chart `number` filled from `result` as the window shows them: Ve and Xa over
// the crank angle (accumulated by addition), the path of D in two branches, the study curves with
// their jammed lengths marked.
void FillDiagramChart(TChart& chart, int number, const CalculationResult& result);

// The balancing torque over the crank angle, by both methods: the groups' curve drawn wide and
// red, the lever's narrow and blue on top of it, so both show where they lie on each other.
std::unique_ptr<TChart> MakeForceChart();
// Its two curves for the forces of the diagrams' positions (none for empty arrays).
void FillForceChart(TChart& chart, const ForceArrays& diagrams);

// The six diagrams of a result built off the window, laid out at `size`.
class DiagramCharts {
public:
    explicit DiagramCharts(const CalculationResult& result, QSize size = QSize(kReportChartWidth, kReportChartHeight));
    ~DiagramCharts();
    DiagramCharts(const DiagramCharts&) = delete;
    DiagramCharts& operator=(const DiagramCharts&) = delete;

    // Chart `number`, 1 .. 6.
    TChart& Chart(int number) const { return *charts_[static_cast<std::size_t>(number - 1)]; }
    std::array<TChart*, kDiagramChartCount> All() const;

private:
    std::array<std::unique_ptr<TChart>, kDiagramChartCount> charts_;
};
