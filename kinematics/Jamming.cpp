#include "kinematics/Jamming.h"

#include "kinematics/Angles.h"
#include "kinematics/PositionKinematics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStraightDegrees = 180;

// gamma for a diagonal of length ac, the triangle clamped shut where it would open. Plain reals:
// the rule raises no fault of its own.
double GammaAt(double lab, double lbc, double ac)
{
    const double c = CosineAtB(lbc, lab, ac);
    if (c >= 1)
        return 0;
    if (c <= -1)
        return kPi;
    return std::atan2(SineOfCosine(c), c);  // NaN stays NaN
}

}  // namespace

TransmissionRange TransmissionRangeOverTheTurn(double loa, double lab, double lbc, double loc)
{
    const double atZero = GammaAt(lab, lbc, std::fabs(loa + loc));
    const double atPi = GammaAt(lab, lbc, std::fabs(loa - loc));
    TransmissionRange range;
    if (std::isnan(atZero) || std::isnan(atPi)) {
        range.minGamma = range.maxGamma = std::nan("");
        return range;
    }
    range.minGamma = std::min(atZero, atPi);
    range.maxGamma = std::max(atZero, atPi);
    return range;
}

bool JammedOverTheTurn(double loa, double lab, double lbc, double loc)
{
    const TransmissionRange range = TransmissionRangeOverTheTurn(loa, lab, lbc, loc);
    if (std::isnan(range.minGamma))
        return false;
    return Degrees(range.minGamma) <= kJamBandDegrees
           || Degrees(range.maxGamma) >= kStraightDegrees - kJamBandDegrees;
}
