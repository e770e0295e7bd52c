// The label arithmetic of a chart axis under a decimal-comma locale: the step for the range and
// length, the label values, the widest label and the label texts. It must end for every input
// (a hang is a finding), stay within 10000 labels, and give texts with one decimal comma at most,
// no point, no two neighbours alike and no run of hundreds of digits.
//
// Input: minimum, maximum, wanted increment (doubles), axis length (int16), label size (uint8),
// flags (round the first label, separation on/off), then optionally a text format.

#include "FuzzInput.h"
#include "fuzz_chart_locale.h"

#include "chart/AxisLabels.h"
#include "chart/AxisValueText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    UseCommaLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    double lo = 0;
    double hi = 0;
    double increment = 0;
    std::int16_t length = 0;
    std::uint8_t labelSize = 0;
    std::uint8_t flags = 0;
    if (!in.Take(lo) || !in.Take(hi) || !in.Take(increment) || !in.Take(length) ||
        !in.Take(labelSize) || !in.Take(flags))
        return 0;
    if (hi < lo)
        std::swap(hi, lo);
    AxisLabelInput input;
    input.scaleMinimum = lo;
    input.scaleMaximum = hi;
    input.axisLength = length;
    input.increment = increment > 0 && std::isfinite(increment) ? increment : 0;
    input.roundFirstLabel = (flags & 1) != 0;
    input.labelsSeparation = (flags & 2) != 0 ? 0 : 10;
    input.smallestSeriesCount = (flags & 4) != 0 ? flags >> 3 : -1;

    AxisLabelForm form = LabelFormFor(0, lo, hi);
    const QString format = QStringLiteral("#,##0.###");
    const LabelSizeFunction measure = [&](double v) {
        return labelSize + static_cast<int>(FormatAxisValue(v, format, form).size());
    };
    const double step = ComputeLabelStep(input, measure);
    form = LabelFormFor(step, lo, hi);
    const std::vector<double> values = ComputeLabelValues(lo, hi, step, input.roundFirstLabel);
    if (values.size() > 10000)
        std::abort();
    WidestLabelWidth(lo, hi, step, input.roundFirstLabel, measure);

    QString previous;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString text = FormatAxisValue(values[i], format, form);
        if (text.contains(QLatin1Char('.')) || text.count(QLatin1Char(',')) > 1 || text.size() > 64)
            std::abort();
        if (i > 0 && text == previous)
            std::abort();
        previous = text;
    }
    // Any format the form data could hold, on any value: bounded, locale-free texts.
    const std::string rest = in.Rest();
    if (!rest.empty() && rest.size() < 40) {
        const QString custom = QString::fromLatin1(rest.data(), static_cast<int>(rest.size()));
        const QString text = FormatAxisValue(lo, custom, form);
        if (text.contains(QLatin1Char('.')) || text.size() > 500)
            std::abort();
    }
    return 0;
}
