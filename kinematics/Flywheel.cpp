#include "kinematics/Flywheel.h"

#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"

#include <cmath>

namespace {

constexpr int kMaxSpeedLevelSteps = 60;
// Newton's steps end when T0 moves by less than this share of its size, or the mean speed is off
// by less than this share of it.
constexpr double kSpeedLevelTolerance = 1e-15;

// The tangent of slope s that touches the diagram from above (upper) or from below.
EnergyTangent Tangent(const EnergyCycle& cycle, double s, bool upper)
{
    const double md = cycle.DrivingTorque();
    const EnergyCycle::Quantity value = [s](const CyclePoint& p) {
        return (CheckedReal(p.DeltaT) - CheckedReal(s) * p.reduced.J).Value();
    };
    const EnergyCycle::Quantity slope = [s, md](const CyclePoint& p) {
        return (CheckedReal(md) + p.reduced.M - CheckedReal(s) * p.reduced.dJ).Value();
    };
    const CycleExtreme e = upper ? cycle.Largest(value, slope) : cycle.Smallest(value, slope);
    return {s, e.Value, e.Phi, e.point.reduced.J, e.point.DeltaT};
}

// The construction for the squared speeds w1 (upper tangent) and w2 (lower); slopeGap is
// w1/2 - w2/2, given in closed form so that a small δ loses no digits to the subtraction.
FlywheelSolution Construction(const EnergyCycle& cycle, CheckedReal w1, CheckedReal w2,
                              CheckedReal slopeGap)
{
    FlywheelSolution r;
    r.Upper = Tangent(cycle, (w1 / 2).Value(), true);
    r.Lower = Tangent(cycle, (w2 / 2).Value(), false);
    const CheckedReal jm = (CheckedReal(r.Upper.Intercept) - r.Lower.Intercept) / slopeGap;
    r.LinksSuffice = !(jm > 0);
    r.Jm = r.LinksSuffice ? 0.0 : jm.Value();
    r.T0 = (CheckedReal(r.Upper.Slope) * r.Jm - r.Upper.Intercept).Value();
    return r;
}

// Speeds at the extremes, and Jм + Jпр there.
struct LevelSpeeds {
    double max = 0, min = 0;
    double jAtMax = 0, jAtMin = 0;
};

LevelSpeeds LevelSpeedsAt(const EnergyCycle& cycle, double jm, double t0)
{
    const SpeedExtremes e = CrankSpeedExtremes(cycle, jm, t0);
    LevelSpeeds r;
    r.max = Sqrt(e.max.Value).Value();
    r.min = Sqrt(e.min.Value).Value();
    r.jAtMax = (CheckedReal(jm) + e.max.point.reduced.J).Value();
    r.jAtMin = (CheckedReal(jm) + e.min.point.reduced.J).Value();
    return r;
}

// The level T0 at which the links alone (Jм = 0) turn at the mean speed omegaMean, in [lo, hi].
double SpeedLevel(const EnergyCycle& cycle, double omegaMean, double lo, double hi)
{
    double t0 = lo + (hi - lo) / 2;
    for (int i = 0; i < kMaxSpeedLevelSteps; ++i) {
        const LevelSpeeds e = LevelSpeedsAt(cycle, 0, t0);
        const CheckedReal u = (CheckedReal(e.max) + e.min) / 2 - omegaMean;
        if (std::fabs(u.Value()) <= kSpeedLevelTolerance * omegaMean)
            return t0;
        if (u > 0)
            hi = t0;
        else
            lo = t0;
        const CheckedReal du =
            (1 / (CheckedReal(e.max) * e.jAtMax) + 1 / (CheckedReal(e.min) * e.jAtMin)) / 2;
        double next = (CheckedReal(t0) - u / du).Value();
        if (!(next > lo && next < hi))
            next = lo + (hi - lo) / 2;
        const bool settled = std::fabs(next - t0) <= kSpeedLevelTolerance * std::fabs(t0)
                             || hi - lo <= kSpeedLevelTolerance * std::fabs(t0);
        t0 = next;
        if (settled)
            break;
    }
    return t0;
}

FlywheelSize Size(double jm, double widthShare, double thicknessShare, double inertiaFactor)
{
    // J = inertiaFactor*rho*pi*D^5: D is the fifth root.
    FlywheelSize r;
    if (!(jm > 0))
        return r;
    const CheckedReal base = CheckedReal(jm) / (CheckedReal(inertiaFactor) * kSteelDensity * kPi);
    const CheckedReal d = std::pow(base.Value(), 0.2);
    r.Diameter = d.Value();
    r.Width = (CheckedReal(widthShare) * d).Value();
    r.Thickness = (CheckedReal(thicknessShare) * d).Value();
    return r;
}

}  // namespace

SpeedExtremes CrankSpeedExtremes(const EnergyCycle& cycle, double jm, double t0)
{
    const double md = cycle.DrivingTorque();
    const EnergyCycle::Quantity squared = [jm, t0](const CyclePoint& p) {
        return (2 * (CheckedReal(t0) + p.DeltaT) / (CheckedReal(jm) + p.reduced.J)).Value();
    };
    // Sign of d(omega^2)/dphi: (Mд + Mпр)*(Jм + Jпр) - (T0 + ΔT)*dJпр/dphi.
    const EnergyCycle::Quantity slope = [jm, t0, md](const CyclePoint& p) {
        return ((CheckedReal(md) + p.reduced.M) * (CheckedReal(jm) + p.reduced.J)
                - (CheckedReal(t0) + p.DeltaT) * p.reduced.dJ)
            .Value();
    };
    return {cycle.Largest(squared, slope), cycle.Smallest(squared, slope)};
}

FlywheelSolution ExactFlywheel(const EnergyCycle& cycle, double omegaMeanValue, double deltaValue)
{
    const CheckedReal omegaMean = omegaMeanValue, delta = deltaValue;
    const CheckedReal omegaMax = omegaMean * (1 + delta / 2);
    const CheckedReal omegaMin = omegaMean * (1 - delta / 2);
    FlywheelSolution r = Construction(cycle, omegaMax * omegaMax, omegaMin * omegaMin,
                                      delta * (omegaMean * omegaMean));
    if (r.LinksSuffice)
        r.T0 = SpeedLevel(cycle, omegaMeanValue, -r.Lower.Intercept, -r.Upper.Intercept);
    return r;
}

FlywheelSolution WittenbauerFlywheel(const EnergyCycle& cycle, double omegaMeanValue,
                                     double deltaValue)
{
    const CheckedReal omegaMean = omegaMeanValue, delta = deltaValue;
    const CheckedReal squared = omegaMean * omegaMean;
    return Construction(cycle, squared * (1 + delta), squared * (1 - delta), delta * squared);
}

double SimpleFlywheel(double deltaTRange, double omegaMean, double delta)
{
    return (CheckedReal(deltaTRange) / (CheckedReal(delta) * (CheckedReal(omegaMean) * omegaMean)))
        .Value();
}

double CrankSpeed(const CyclePoint& p, double jm, double t0)
{
    return Sqrt(2 * (CheckedReal(t0) + p.DeltaT) / (CheckedReal(jm) + p.reduced.J)).Value();
}

double CrankAcceleration(const CyclePoint& p, double jm, double t0, double drivingTorque)
{
    const CheckedReal inertia = CheckedReal(jm) + p.reduced.J;
    const CheckedReal squared = 2 * (CheckedReal(t0) + p.DeltaT) / inertia;
    return ((CheckedReal(drivingTorque) + p.reduced.M - CheckedReal(p.reduced.dJ) * squared / 2)
            / inertia)
        .Value();
}

FlywheelSize SteelDisc(double jm)
{
    // m = rho*pi*D^2/4*b with b = 0.2*D, J = m*D^2/8.
    const double factor = kDiscWidthShare / 32;
    FlywheelSize r = Size(jm, kDiscWidthShare, kDiscWidthShare, factor);
    const CheckedReal d = r.Diameter;
    r.Mass = (CheckedReal(kSteelDensity) * kPi * d * d / 4 * r.Width).Value();
    return r;
}

FlywheelSize SteelRim(double jm)
{
    // m = rho*b*pi*D*h (the ring between D - h and D + h), J = m*(D^2 + h^2)/4.
    const double factor =
        kRimWidthShare * kRimThicknessShare * (1 + kRimThicknessShare * kRimThicknessShare) / 4;
    FlywheelSize r = Size(jm, kRimWidthShare, kRimThicknessShare, factor);
    r.Mass = (CheckedReal(kSteelDensity) * r.Width * kPi * r.Diameter * r.Thickness).Value();
    return r;
}
