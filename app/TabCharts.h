#pragma once
// Curves of the analysis tabs' charts (made with the diagrams' look, report/DiagramLook.h), and
// the vertical marks they draw at chosen crank angles.

#include <vector>

class TFastLineSeries;

// Fills `series` with points (x[k], y[k]), k < count.
void FillSeries(TFastLineSeries* series, const std::vector<double>& x, const std::vector<double>& y, int count);
// Makes `mark` a vertical line at `x` over the range of `curve`'s values (nothing when the curve
// is empty).
void MarkAngle(TFastLineSeries* mark, const TFastLineSeries* curve, double x);
