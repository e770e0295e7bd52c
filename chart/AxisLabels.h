#pragma once
// The label arithmetic of an axis, apart from any painting: the 1-2-5 step sequence, the step for
// the number of labels that fit, the label step of an axis, the label values (from the top of the
// axis down) and the widest label. Texts are measured by a function the caller passes in.

#include <functional>
#include <vector>

// The state of an axis that decides its labels.
struct AxisLabelInput {
    double scaleMinimum = 0;
    double scaleMaximum = 0;
    int axisLength = 0;
    double increment = 0;        // wanted step, 0 = automatic
    int labelsSeparation = 10;   // percent of the label size
    bool roundFirstLabel = true;
    bool labelsAlternate = false;
    // Fewest points of an active series on a horizontal axis, -1 when there is none to check.
    int smallestSeriesCount = -1;
};

// Size of the label of a value along the axis, in pixels.
using LabelSizeFunction = std::function<int(double value)>;

// Texts that equal this many labels or more are not drawn at all.
constexpr double kMaxLabelCount = 10000;
constexpr double kMinimumStep = 1e-12;

// 1, 2 and 5 times powers of ten; a value that is such a step moves on to the next one.
double NextStep(double x);

// The step for n labels along the axis.
double StepForLabelCount(int n, const AxisLabelInput& input);

// The label increment for the axis's range and length.
double ComputeLabelStep(const AxisLabelInput& input, const LabelSizeFunction& labelSize);

// The values that get a label, from the highest down; empty when none is drawn.
std::vector<double> ComputeLabelValues(double scaleMinimum, double scaleMaximum, double step,
                                       bool roundFirstLabel);

// Widest label text of a vertical axis: the labels from the rounded top down to the rounded bottom.
int WidestLabelWidth(double scaleMinimum, double scaleMaximum, double step, bool roundFirstLabel,
                     const LabelSizeFunction& textWidth);
