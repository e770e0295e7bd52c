#pragma once
// The five charts of the machine's dynamics, defined once for the tab "Динамика" and the report:
// Mпр with Mд, the works Aд and Aс with ΔT, Jпр, the energy-mass diagram ΔT(Jпр) with
// Wittenbauer's two tangents, and the crank's speed ω1 with its extremes and mean. Each is made
// empty, then filled from a dynamics result; filling replaces what a chart held, and a result
// that holds no dynamics empties it.

#include "kinematics/Dynamics.h"

#include <memory>

class TChart;

constexpr int kDynamicsChartCount = 5;

// What the charts' curves are, for the texts beside them (index as the chart's number - 1).
extern const char* const kDynamicsChartLegends[kDynamicsChartCount];

// Chart `number` (1 .. 5) with its title, axis titles, look and series, all series empty.
std::unique_ptr<TChart> MakeDynamicsChart(int number);
void FillDynamicsChart(TChart& chart, int number, const DynamicsResult& dynamics);
