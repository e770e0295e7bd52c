#include "kinematics/Characteristics.h"

#include "kinematics/Accelerations.h"
#include "kinematics/BracketRefine.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/PositionKinematics.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Samples of the turn that bracket the roots and the extremes before they are refined; fine
// enough that two extreme positions of a working linkage never share one interval.
constexpr int kScanSamples = 3600;

enum class Assembly { Assembled, CouplerOpen, SliderOpen };

// The position at crank angle phi by the solver's formulas; fills what it reached.
struct Pose {
    double xa = 0, ya = 0, xb = 0, yb = 0, xd = 0, yd = 0, ye = 0;
    double gamma = 0;
    double w = 0;  // (xd + GuideOffset) / Lde: the slider dyad closes for |w| <= 1
};

Assembly PoseAt(const LinkageLengths& l, double phiValue, Pose& p)
{
    const CheckedReal Loa = l.Loa, Lab = l.Lab, Lbc = l.Lbc, Lde = l.Lde, Loc = l.Loc;
    const CheckedReal Lad = l.Lad, guideOffset = l.GuideOffset;
    const CheckedReal phi = phiValue;
    const CheckedReal xa = Loa * Cos(phi), ya = Loa * Sin(phi);
    p.xa = xa.Value();
    p.ya = ya.Value();
    const CheckedReal dx = xa + Loc;
    const CheckedReal ac = Sqrt(dx * dx + ya * ya);
    const CheckedReal psi = Atan2(ya, dx);

    const CheckedReal c = (Lbc * Lbc + Lab * Lab - ac * ac) / (2 * Lbc * Lab);
    if (c > 1 || c < -1)
        return Assembly::CouplerOpen;
    const CheckedReal gamma = Atan2(Sqrt(1 - c * c), c);
    p.gamma = gamma.Value();
    const CheckedReal c2 = (Lbc * Lbc + ac * ac - Lab * Lab) / (2 * Lbc * ac);
    const CheckedReal delta = Atan2(Sqrt(1 - c2 * c2), c2);
    const CheckedReal alpha = kPi - delta - gamma;
    const CheckedReal theta2 = psi - alpha + kPi;
    const CheckedReal cos2 = Cos(theta2), sin2 = Sin(theta2);
    p.xb = (xa + Lab * cos2).Value();
    p.yb = (ya + Lab * sin2).Value();
    const CheckedReal xd = xa + Lad * cos2, yd = ya + Lad * sin2;
    p.xd = xd.Value();
    p.yd = yd.Value();

    const CheckedReal w = (xd + guideOffset) / Lde;
    p.w = w.Value();
    if (w > 1 || w < -1)
        return Assembly::SliderOpen;
    const CheckedReal theta4 = Atan2(Sqrt(1 - w * w), w);
    p.ye = (yd - Lde * Sin(theta4)).Value();
    return Assembly::Assembled;
}

// Slider height, velocity and acceleration at an assembled crank angle.
struct SliderMotion {
    double ye = 0, ve = 0, ae = 0, gamma = 0;
};

class Evaluator {
public:
    explicit Evaluator(const LinkageLengths& l) : l_(l) {}

    // Throws nothing of its own: callers evaluate only angles known to be assembled.
    SliderMotion At(double phi) const
    {
        Pose p;
        PoseAt(l_, phi, p);
        const PositionAcceleration a =
            AccelerationAt(l_, phi, p.xa, p.ya, p.xb, p.yb, p.xd, p.yd, p.ye);
        // v_E = v_D + w4 x DE, vertical part.
        const CheckedReal Loa = l_.Loa, Lad = l_.Lad, Lde = l_.Lde;
        const CheckedReal vyd = Loa * Cos(phi) + Cos(CheckedReal(a.Theta2)) * (Lad * a.Omega2);
        const CheckedReal ve = vyd - Cos(CheckedReal(a.Theta4)) * (Lde * a.Omega4);
        return {p.ye, ve.Value(), a.Ae, p.gamma};
    }

private:
    LinkageLengths l_;
};

double SampleAngle(int i) { return (kTwoPi / kScanSamples) * i; }

double NormalAngle(double phi)
{
    double r = std::fmod(phi, kTwoPi);
    if (r < 0)
        r += kTwoPi;
    return r;
}

// The crank angle of the extreme of f bracketed by samples i-1 .. i+1 (f(i) the largest there),
// refined by a sign change of its derivative df when one is bracketed, else by golden section.
double RefineMax(const std::function<double(double)>& f, const std::function<double(double)>& df,
                 int i)
{
    const double a = SampleAngle(i - 1), mid = SampleAngle(i), b = SampleAngle(i + 1);
    if (df) {
        if ((df(a) > 0) != (df(mid) > 0))
            return NormalAngle(Bisect(df, a, mid));
        if ((df(mid) > 0) != (df(b) > 0))
            return NormalAngle(Bisect(df, mid, b));
    }
    return NormalAngle(GoldenMax(f, a, b));
}

}  // namespace

MechanismCharacteristics ComputeCharacteristics(const Mechanism& m)
{
    Mechanism solved = m;
    SetDerivedLengths(solved);
    const LinkageLengths l = LengthsOf(solved);

    MechanismCharacteristics c;
    if (AssemblyFails(l)) {
        c.FailAngle = 0;
        return c;
    }

    // Triangle ABC: the diagonal AC is longest at phi = 0 and shortest at phi = pi, so the
    // transmission angle has its extremes there and the coupler closes everywhere if at both.
    Pose p0, pPi;
    const Assembly at0 = PoseAt(l, 0, p0), atPi = PoseAt(l, kPi, pPi);
    if (at0 == Assembly::CouplerOpen || atPi == Assembly::CouplerOpen) {
        c.FailAngle = at0 == Assembly::CouplerOpen ? 0 : kPi;
        return c;
    }

    // Scan the turn; the slider dyad must close at every sample and at the refined extremes of w.
    std::vector<SliderMotion> s(kScanSamples);
    std::vector<double> w(kScanSamples);
    Pose p;
    for (int i = 0; i < kScanSamples; ++i) {
        if (PoseAt(l, SampleAngle(i), p) != Assembly::Assembled) {
            c.FailAngle = SampleAngle(i);
            return c;
        }
        w[static_cast<std::size_t>(i)] = p.w;
    }
    auto wAt = [&l](double phi) {
        Pose q;
        PoseAt(l, phi, q);
        return q.w;
    };
    int iMaxW = 0, iMinW = 0;
    for (int i = 1; i < kScanSamples; ++i) {
        if (w[static_cast<std::size_t>(i)] > w[static_cast<std::size_t>(iMaxW)])
            iMaxW = i;
        if (w[static_cast<std::size_t>(i)] < w[static_cast<std::size_t>(iMinW)])
            iMinW = i;
    }
    auto minusW = [&wAt](double phi) { return -wAt(phi); };
    const double phiMaxW =
        NormalAngle(GoldenMax(wAt, SampleAngle(iMaxW - 1), SampleAngle(iMaxW + 1)));
    const double phiMinW =
        NormalAngle(GoldenMax(minusW, SampleAngle(iMinW - 1), SampleAngle(iMinW + 1)));
    for (double phi : {phiMaxW, phiMinW}) {
        if (PoseAt(l, phi, p) != Assembly::Assembled) {
            c.FailAngle = phi;
            return c;
        }
    }

    const Evaluator e(l);
    for (int i = 0; i < kScanSamples; ++i)
        s[static_cast<std::size_t>(i)] = e.At(SampleAngle(i));
    auto ve = [&e](double phi) { return e.At(phi).ve; };
    auto ae = [&e](double phi) { return e.At(phi).ae; };
    auto sample = [&s](int i) -> const SliderMotion& {
        return s[static_cast<std::size_t>((i % kScanSamples + kScanSamples) % kScanSamples)];
    };

    // Extreme positions: Ve changes sign; keep the highest and the lowest of them.
    bool haveRoot = false;
    double phiHigh = 0, phiLow = 0, yHigh = 0, yLow = 0;
    for (int i = 0; i < kScanSamples; ++i) {
        const double v0 = sample(i).ve, v1 = sample(i + 1).ve;
        if ((v0 > 0) == (v1 > 0))
            continue;
        const double root = NormalAngle(Bisect(ve, SampleAngle(i), SampleAngle(i + 1)));
        c.Reversals.push_back(root);
        const double y = e.At(root).ye;
        if (!haveRoot || y > yHigh) {
            phiHigh = root;
            yHigh = y;
        }
        if (!haveRoot || y < yLow) {
            phiLow = root;
            yLow = y;
        }
        haveRoot = true;
    }
    std::sort(c.Reversals.begin(), c.Reversals.end());
    if (!haveRoot) {  // the slider does not move (a crank of zero length)
        phiLow = phiHigh = 0;
        yLow = yHigh = sample(0).ye;
    }
    c.LowestAngle = phiLow;
    c.HighestAngle = phiHigh;
    c.YeMin = yLow;
    c.YeMax = yHigh;
    c.Stroke = (CheckedReal(yHigh) - yLow).Value();
    const bool lowFirst = phiLow <= phiHigh;
    c.Extreme1 = lowFirst ? phiLow : phiHigh;
    c.Extreme2 = lowFirst ? phiHigh : phiLow;
    c.YeExtreme1 = lowFirst ? yLow : yHigh;
    c.YeExtreme2 = lowFirst ? yHigh : yLow;

    // Strokes: rising from the lowest to the highest position counter-clockwise, falling back.
    const double rising = haveRoot ? NormalAngle(phiHigh - phiLow) : kPi;
    const double falling = kTwoPi - rising;
    const bool risingWorks = rising >= falling;
    c.WorkStart = risingWorks ? phiLow : phiHigh;
    c.WorkAngle = risingWorks ? rising : falling;
    c.IdleAngle = risingWorks ? falling : rising;
    c.TimeRatio = (CheckedReal(c.WorkAngle) / c.IdleAngle).Value();

    const bool maxAtZero = p0.gamma >= pPi.gamma;
    c.GammaMax = maxAtZero ? p0.gamma : pPi.gamma;
    c.GammaMaxAngle = maxAtZero ? 0 : kPi;
    c.GammaMin = maxAtZero ? pPi.gamma : p0.gamma;
    c.GammaMinAngle = maxAtZero ? kPi : 0;
    // Gamma runs between its two extremes, so the acute angle is smallest at one of them.
    const double muAtMin = c.GammaMin, muAtMax = (CheckedReal(kPi) - c.GammaMax).Value();
    c.MuMin = std::min(muAtMin, muAtMax);
    c.MuMinAngle = muAtMin <= muAtMax ? c.GammaMinAngle : c.GammaMaxAngle;

    int iSpeed = 0, iAccel = 0;
    for (int i = 1; i < kScanSamples; ++i) {
        if (std::fabs(sample(i).ve) > std::fabs(sample(iSpeed).ve))
            iSpeed = i;
        if (std::fabs(sample(i).ae) > std::fabs(sample(iAccel).ae))
            iAccel = i;
    }
    auto speed = [&e](double phi) { return std::fabs(e.At(phi).ve); };
    auto accel = [&e](double phi) { return std::fabs(e.At(phi).ae); };
    c.MaxSpeedAngle = RefineMax(speed, ae, iSpeed);
    c.MaxSpeed = std::fabs(e.At(c.MaxSpeedAngle).ve);
    c.MaxAccelAngle = RefineMax(accel, nullptr, iAccel);
    c.MaxAccel = std::fabs(e.At(c.MaxAccelAngle).ae);

    c.Status = CharacteristicsStatus::Computed;
    return c;
}

bool OnWorkingStroke(const MechanismCharacteristics& c, double phi)
{
    if (c.Status != CharacteristicsStatus::Computed)
        return false;
    return NormalAngle(phi - c.WorkStart) <= c.WorkAngle;
}
