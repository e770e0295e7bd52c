#pragma once
// Charts of the analysis tabs, in the look of the main window's diagrams, and the vertical
// marks they draw at chosen crank angles.

#include "chart/ChartColors.h"

#include <vector>

class TChart;
class TFastLineSeries;

// A chart with the program's chart look, its title and the captions of its two axes.
TChart* MakeTabChart(const char* objectName, const char* title, const char* bottomTitle, const char* leftTitle);
// A line series of `chart` drawn with `penWidth` pixels, its X ascending.
TFastLineSeries* MakeTabSeries(TChart* chart, const char* objectName, TColor colour, int penWidth);

// Fills `series` with points (x[k], y[k]), k < count.
void FillSeries(TFastLineSeries* series, const std::vector<double>& x, const std::vector<double>& y, int count);
// Makes `mark` a vertical line at `x` over the range of `curve`'s values (nothing when the curve
// is empty).
void MarkAngle(TFastLineSeries* mark, const TFastLineSeries* curve, double x);
