#include "chart/AxisLabels.h"

#include "chart/AxisValueText.h"
#include "chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kLargestCount = 2147483647.0;
constexpr double kSmallestRange = 1e-10;
// The 1-2-5 sequence has fewer members than this between the smallest and the largest double.
constexpr int kMostStepRounds = 2100;
}  // namespace

double NextStep(double x)
{
    if (std::isinf(x))
        return 1;
    if (x <= 0)
        return 1;  // no step below zero; keeps the descent below finite
    if (x >= 10)
        return 10 * NextStep(x * 0.1);
    if (x < 1)
        return 0.1 * NextStep(x * 10);
    if (x < 2)
        return 2;
    if (x < 5)
        return 5;
    return 10;
}

double StepForLabelCount(int n, const AxisLabelInput& input)
{
    if (n < 1)
        return kMinimumStep;
    const double range = input.scaleMaximum - input.scaleMinimum;
    double s;
    if (input.increment > 0) {
        s = input.increment;
    } else if (range == 0) {
        s = 1;
    } else {
        s = std::fabs(range) / (n + 1);
        if (range >= 1.1 && input.smallestSeriesCount >= 0 && input.smallestSeriesCount <= n)
            s = std::max(s, 1.0);
    }
    if (input.labelsSeparation > 0) {
        int k = n + 1;
        int rounds = 0;
        do {
            const double q = range / s;
            bool grow = true;
            if (std::fabs(q) < kLargestCount) {
                k = RoundHalfEven(q);
                grow = k > n;
            }
            if (grow) {
                // Below the normal doubles (and for NaN) the next step may not be larger: the
                // search ends there, as it does after every member of the 1-2-5 sequence.
                const double next = NextStep(s);
                if (!(next > s) || ++rounds > kMostStepRounds)
                    break;
                s = next;
            }
        } while (!(k <= n || s > range || std::isinf(s)));
    }
    if (std::isinf(s))
        return range;
    return std::max(s, kMinimumStep);
}

double ComputeLabelStep(const AxisLabelInput& input, const LabelSizeFunction& labelSize)
{
    double lo = input.scaleMinimum;
    double hi = input.scaleMaximum;
    if (input.roundFirstLabel && input.increment != 0) {
        lo = std::nearbyint(input.scaleMinimum / input.increment) * input.increment;
        hi = std::trunc(input.scaleMaximum / input.increment) * input.increment;
    }
    // A middle sample with decimals, so the measured width allows for them.
    double mid = (lo + hi) * 0.5;
    while (std::isfinite(mid) && mid != 0 && std::trunc(mid) == mid)
        mid *= 0.5;
    int w = std::max({labelSize(lo), labelSize(mid), labelSize(hi)});
    if (input.increment != 0)
        w = std::max({w, labelSize(hi - input.increment), labelSize(lo + input.increment)});

    int n = 1;
    if (w > 0) {
        const int gap = input.labelsSeparation > 0
                            ? RoundHalfEven(w * static_cast<double>(input.labelsSeparation) / 100)
                            : 0;
        n = RoundHalfEven(static_cast<double>(input.axisLength) / (w + gap));
    }
    double s = StepForLabelCount(n, input);
    if (!input.labelsAlternate && input.increment == 0 && s >= 2) {
        // Steps of 2 and more are reached from 1, with widths measured at whole numbers.
        AxisLabelInput whole = input;
        whole.increment = 1;
        s = ComputeLabelStep(whole, labelSize);
    }
    if (input.labelsAlternate)
        s /= 2;
    return s;
}

std::vector<double> ComputeLabelValues(double scaleMinimum, double scaleMaximum, double step,
                                       bool roundFirstLabel)
{
    std::vector<double> values;
    if (!(step > 0) || !(scaleMaximum >= scaleMinimum))
        return values;
    const double range = scaleMaximum - scaleMinimum;
    if (!(std::fabs(range / step) < kMaxLabelCount))
        return values;
    double v = scaleMaximum;
    if (roundFirstLabel && GeneralValueText(scaleMinimum) != GeneralValueText(scaleMaximum))
        v = std::trunc(scaleMaximum / step) * step;
    while (v > scaleMaximum && v - step != v)
        v -= step;
    if (range == 0 || std::fabs(range) < kSmallestRange ||
        GeneralValueText(v) == GeneralValueText(v - step)) {
        values.push_back(v);
        return values;
    }
    // The relative allowance below a positive minimum never reaches half a step: far from zero
    // it would otherwise add labels below the axis.
    const double limit = scaleMinimum >= 0
                             ? std::max((scaleMinimum - kMinimumStep) / (1 + kMinimumStep),
                                        scaleMinimum - step / 2)
                             : scaleMinimum;
    while (v >= limit && values.size() < static_cast<std::size_t>(kMaxLabelCount)) {
        values.push_back(v);
        v -= step;
    }
    // A step finer than 15 significant digits resolve somewhere along the axis would show
    // labels that read the same: the range is too small to label, and gets its first label.
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (GeneralValueText(values[i]) == GeneralValueText(values[i - 1])) {
            values.resize(1);
            break;
        }
    }
    return values;
}

int WidestLabelWidth(double scaleMinimum, double scaleMaximum, double step, bool roundFirstLabel,
                     const LabelSizeFunction& textWidth)
{
    double lo = scaleMinimum;
    double hi = scaleMaximum;
    if (roundFirstLabel && step != 0) {
        lo = std::trunc(scaleMinimum / step) * step;
        hi = std::trunc(scaleMaximum / step) * step;
    }
    if (step == 0 || !(std::fabs((hi - lo) / step) < kMaxLabelCount))
        return std::max(textWidth(lo), textWidth(hi));
    int widest = 0;
    const double ticks = std::fabs((hi - lo) / step);
    const int count = RoundHalfEven(std::floor(ticks + kMinimumStep));
    for (int i = 0; i <= count; ++i)
        widest = std::max(widest, textWidth(hi - i * std::fabs(step)));
    return widest;
}
