#include "kinematics/ScaleFactors.h"

#include "kinematics/NumberText.h"

#include "kinematics/TextCatalogue.h"
#include <cmath>

namespace {

constexpr double kMillimetresPerMetre = 1000;
// A segment that comes out longer than its room by less than this share of it still fits: the
// products of decimal factors are not exact in binary, and a nanometre on paper is nothing.
constexpr double kFitSlack = 1e-9;
constexpr double kRoundMantissas[] = {1, 2, 2.5, 4, 5};
// Powers of ten tried around the estimate of the exponent; doubles reach 10^±308.
constexpr int kLowestPower = -330;
constexpr int kHighestPower = 310;

bool Fits(double drawn, double room) { return drawn <= room * (1 + kFitSlack); }

// m · 10^p, correctly rounded (a power of ten below one is not exact, so divide by its inverse).
double RoundValue(double mantissa, int power)
{
    return power >= 0 ? mantissa * std::pow(10.0, power) : mantissa / std::pow(10.0, -power);
}

}  // namespace

const std::vector<DrawingScale>& StandardDrawingScales()
{
    static const std::vector<DrawingScale> kScales = {
        {10, 1}, {5, 1}, {4, 1},  {2.5, 1}, {2, 1},  {1, 1},  {1, 2},  {1, 2.5},
        {1, 4},  {1, 5}, {1, 10}, {1, 15},  {1, 20}, {1, 25}, {1, 40}, {1, 50},
    };
    return kScales;
}

double LengthFactor(const DrawingScale& scale)
{
    return scale.real / (scale.drawing * kMillimetresPerMetre);
}

std::optional<DrawingScale> ChooseDrawingScale(double extentMetres, double fieldMm)
{
    if (!(extentMetres >= 0) || !std::isfinite(extentMetres) || !(fieldMm > 0) || !std::isfinite(fieldMm))
        return std::nullopt;
    const double extentMm = extentMetres * kMillimetresPerMetre;
    for (const DrawingScale& scale : StandardDrawingScales()) {
        if (Fits(extentMm * scale.drawing / scale.real, fieldMm))
            return scale;
    }
    return std::nullopt;
}

std::optional<double> ChooseRoundFactor(double largestValue, double lengthMm)
{
    if (!(largestValue > 0) || !std::isfinite(largestValue) || !(lengthMm > 0) || !std::isfinite(lengthMm))
        return std::nullopt;
    const double needed = largestValue / lengthMm;  // the smallest factor that would fit
    if (!(needed > 0) || !std::isfinite(needed))
        return std::nullopt;
    const double estimate = std::floor(std::log10(needed));
    if (!(estimate >= kLowestPower && estimate <= kHighestPower))
        return std::nullopt;
    // Start a decade below the estimate: log10 may round across a power of ten.
    for (int power = static_cast<int>(estimate) - 1; power <= kHighestPower; ++power) {
        for (double mantissa : kRoundMantissas) {
            const double mu = RoundValue(mantissa, power);
            if (mu > 0 && Fits(largestValue / mu, lengthMm))
                return mu;
        }
    }
    return std::nullopt;
}

std::string DrawingScaleText(const DrawingScale& scale)
{
    return FormatGeneral(scale.drawing) + ":" + FormatGeneral(scale.real);
}

std::string LengthFactorText(double mu) { return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "μl = %1 м/мм")), {FormatGeneral(mu)}); }

std::string VelocityFactorText(double mu) { return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "μv = %1 (м/с)/мм")), {FormatGeneral(mu)}); }

std::string AccelerationFactorText(double mu)
{
    return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "μa = %1 (м/с²)/мм")), {FormatGeneral(mu)});
}
