#include "kinematics/DeltaText.h"

#include "kinematics/Dynamics.h"
#include "kinematics/NumberText.h"

#include <cmath>

std::optional<double> ParseDelta(const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return ParseDecimal(text);
    if (text.find('/', slash + 1) != std::string::npos)
        return std::nullopt;
    const std::optional<double> numerator = ParseDecimal(text.substr(0, slash));
    const std::optional<double> denominator = ParseDecimal(text.substr(slash + 1));
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;
    const double value = *numerator / *denominator;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

DeltaReading ReadDelta(const std::string& text)
{
    const std::optional<double> value = ParseDelta(text);
    if (!value)
        return {};
    DeltaReading r{DeltaVerdict::Accepted, *value};
    if (*value < 0)
        r.verdict = DeltaVerdict::Negative;
    else if (*value == 0)
        r.verdict = DeltaVerdict::Zero;
    else if (*value >= kLargestDelta)
        r.verdict = DeltaVerdict::TooLarge;
    return r;
}

std::string DeltaVerdictText(DeltaVerdict verdict)
{
    switch (verdict) {
    case DeltaVerdict::Accepted:
        return {};
    case DeltaVerdict::NotANumber:
        return "Ошибка ввода данных!";
    case DeltaVerdict::Negative:
        return "Параметр не может быть отрицательным!";
    case DeltaVerdict::Zero:
        return "Ноль недопустим!";
    case DeltaVerdict::TooLarge:
        return "Коэффициент неравномерности δ должен быть меньше " + FormatGeneral(kLargestDelta)
               + "!";
    }
    return {};
}
