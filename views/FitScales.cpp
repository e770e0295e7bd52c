#include "views/FitScales.h"

#include "kinematics/ScaleFactors.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/ForcePlanDrawing.h"
#include "views/MechanismDrawing.h"
#include "views/PlanCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

// The guide runs 80 px below E and 30 px above it; the supports reach 10 px below their pivots.
constexpr int kGuideBelow = 80;
constexpr int kGuideAbove = 30;
constexpr int kSupportBelow = 10;

// The largest scale at which `value` (of either sign) stays within `room` pixels on its side.
void Limit(double& scale, double value, double roomPositive, double roomNegative)
{
    if (value > 0)
        scale = std::min(scale, roomPositive / value);
    else if (value < 0)
        scale = std::min(scale, roomNegative / -value);
}

// One over the smallest round factor at which a unit is drawn at most `largest` pixels long.
std::optional<int> RoundScale(double largest)
{
    if (!(largest > 0) || !std::isfinite(largest))
        return std::nullopt;
    const std::optional<double> mu = ChooseRoundFactor(1, largest);
    if (!mu)
        return std::nullopt;
    const double scale = std::floor(1 / *mu + 1e-9);
    return static_cast<int>(std::clamp(scale, 1.0, static_cast<double>(kPixelLimit)));
}

}  // namespace

std::optional<int> FitVelocityPlanScale(const PositionArrays& arrays, int rows, QSize picture)
{
    const double halfW = picture.width() / 2 - kFitMargin;
    const double halfH = picture.height() / 2 - kFitMargin;
    double scale = INFINITY;
    const int count = std::min(rows, static_cast<int>(arrays.Size()));
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        for (const auto& [x, y] : {std::pair{arrays.PlanXa[i], arrays.PlanYa[i]}, std::pair{arrays.PlanXb[i], arrays.PlanYb[i]},
                                   std::pair{arrays.PlanXd[i], arrays.PlanYd[i]}, std::pair{arrays.PlanXe[i], arrays.PlanYe[i]}}) {
            Limit(scale, x, halfW, halfW);
            Limit(scale, y, halfH, halfH);
        }
    }
    return RoundScale(scale);
}

std::optional<int> FitPositionScale(const PositionArrays& arrays, int rows, const Mechanism& m, QSize picture)
{
    // Pixels from O, which lies kMechanismShiftX right of the centre; y upwards.
    const double right = picture.width() / 2 - kMechanismShiftX - kFitMargin;
    const double left = picture.width() / 2 + kMechanismShiftX - kFitMargin;
    const double up = picture.height() / 2 - kFitMargin;
    const double down = picture.height() / 2 - kFitMargin - kSupportBelow;
    double scale = INFINITY;
    Limit(scale, -m.Loc, right, left);
    Limit(scale, -m.GuideOffset, right, left);
    const int count = std::min(rows, static_cast<int>(arrays.Size()));
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        for (const auto& [x, y] : {std::pair{arrays.Xa[i], arrays.Ya[i]}, std::pair{arrays.Xb[i], arrays.Yb[i]},
                                   std::pair{arrays.Xd[i], arrays.Yd[i]}}) {
            Limit(scale, x, right, left);
            Limit(scale, y, up, down);
        }
        // The guide around E: the whole guide stays inside, the margin is for the letters.
        Limit(scale, arrays.Ye[i], up - kGuideAbove + kFitMargin, down - kGuideBelow + kFitMargin + kSupportBelow);
    }
    return RoundScale(scale);
}

double FitAccelerationScale(const AccelerationArrays& a, double omega1, QSize picture)
{
    std::vector<std::vector<PlanVector>> plans;
    for (std::size_t k = 0; k < a.Size(); ++k) {
        const AccelerationPlan p = AccelerationPlanAt(a, k, omega1);
        plans.push_back({p.a, p.b, p.d, p.e, p.a + p.nBA, p.nBC, p.d + p.nED});
    }
    return FittingPlanScale(plans, PlanArea(picture).size(), kFitMargin);
}

double FitForceScale(const std::vector<PositionForces>& details, const AccelerationArrays& a, QSize picture)
{
    std::vector<std::vector<PlanVector>> plans;
    for (std::size_t k = 0; k < details.size() && k < a.Size(); ++k)
        plans.push_back(ChainPoints(GroupPlan(details[k], a.Theta2[k], a.Theta3[k])));
    return FittingPlanScale(plans, PlanArea(picture).size(), kFitMargin);
}
