#include "kinematics/Dynamics.h"

#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"
#include "kinematics/PositionKinematics.h"

#include "kinematics/TextCatalogue.h"
#include <cmath>

namespace {

std::string NotFullTurnReason(double failAngle)
{
    const double degrees = Degrees(failAngle);
    return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Кривошип не проворачивается на полный оборот: при φ = %1° звенья механизма не собираются. Динамика машины не рассчитывается.")),
                {FormatGeneral(degrees)});
}

// Why the parameters allow no computation; empty when they do.
std::string ParameterProblem(const ForceParameters& loads, double delta)
{
    if (!(delta > 0 && delta < kLargestDelta))
        return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Коэффициент неравномерности δ должен быть больше 0 и меньше %1. Динамика машины не рассчитывается.")),
                    {FormatGeneral(kLargestDelta)});
    if (!(loads.Omega1 > 0 && std::isfinite(loads.Omega1)))
        return Tr(QT_TRANSLATE_NOOP("Kinematics", "Средняя угловая скорость кривошипа ω1 должна быть больше 0. Динамика машины не рассчитывается."));
    if (!(loads.LinearMass >= 0 && loads.SliderMass >= 0 && loads.Resistance >= 0))
        return Tr(QT_TRANSLATE_NOOP("Kinematics", "Массы и сила сопротивления не могут быть отрицательными. Динамика машины не рассчитывается."));
    return {};
}

DynamicsExtreme ExtremeOf(const CycleExtreme& e) { return {e.Value, e.Phi}; }

// omega from an extreme of omega^2.
DynamicsExtreme SpeedOf(const CycleExtreme& e) { return {Sqrt(e.Value).Value(), e.Phi}; }

// The approximation's difference from the exact Jм.
void Compare(DynamicsResult& r)
{
    const CheckedReal exact = r.Exact.Jm;
    r.WittenbauerDifference = (CheckedReal(r.Wittenbauer.Jm) - exact).Value();
    r.SimpleDifference = (CheckedReal(r.JmSimple) - exact).Value();
    r.RelativeAvailable = exact > 0;
    if (r.RelativeAvailable) {
        r.WittenbauerRelative = (CheckedReal(r.WittenbauerDifference) / exact).Value();
        r.SimpleRelative = (CheckedReal(r.SimpleDifference) / exact).Value();
    }
}

// No mass and no load anywhere: nothing changes the crank's speed.
bool NothingMoves(const EnergyCycle& cycle, double deltaTRange)
{
    if (deltaTRange != 0)
        return false;
    for (std::size_t i = 0; i < cycle.NodeCount(); ++i) {
        if (cycle.Node(i).reduced.J != 0)
            return false;
    }
    return true;
}

// The steady motion with the exact flywheel: its extremes and the curves at the nodes.
void CrankMotion(DynamicsResult& r, const EnergyCycle& cycle, bool uniform)
{
    const double jm = r.Exact.Jm, t0 = r.Exact.T0, md = r.DrivingTorque;
    if (uniform) {
        r.OmegaMax = r.OmegaMin = {r.OmegaMean, 0};
        r.EpsilonMax = r.EpsilonMin = {0, 0};
    } else {
        const SpeedExtremes speed = CrankSpeedExtremes(cycle, jm, t0);
        r.OmegaMax = SpeedOf(speed.max);
        r.OmegaMin = SpeedOf(speed.min);
        const EnergyCycle::Quantity epsilon = [jm, t0, md](const CyclePoint& p) {
            return CrankAcceleration(p, jm, t0, md);
        };
        r.EpsilonMax = ExtremeOf(cycle.Largest(epsilon, nullptr));
        r.EpsilonMin = ExtremeOf(cycle.Smallest(epsilon, nullptr));
    }
    const CheckedReal high = r.OmegaMax.Value, low = r.OmegaMin.Value;
    const CheckedReal mean = (high + low) / 2;
    r.OmegaAchievedMean = mean.Value();
    r.DeltaAchieved = ((high - low) / mean).Value();

    const std::size_t n = cycle.NodeCount();
    for (auto* curve : {&r.Phi, &r.Jpr, &r.Mpr, &r.Ad, &r.Ac, &r.DeltaT, &r.Omega, &r.Epsilon})
        curve->resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const CyclePoint p = cycle.Node(i);
        r.Phi[i] = p.Phi;
        r.Jpr[i] = p.reduced.J;
        r.Mpr[i] = p.reduced.M;
        r.Ad[i] = (CheckedReal(md) * p.Phi).Value();
        r.Ac[i] = p.Ac;
        r.DeltaT[i] = p.DeltaT;
        r.Omega[i] = uniform ? r.OmegaMean : CrankSpeed(p, jm, t0);
        r.Epsilon[i] = uniform ? 0.0 : CrankAcceleration(p, jm, t0, md);
    }
}

DynamicsRow RowOf(const DynamicsResult& r, const CyclePoint& p, double mpr)
{
    DynamicsRow row;
    row.Jpr = p.reduced.J;
    row.Mpr = mpr;
    row.DeltaT = p.DeltaT;
    const bool uniform = r.Exact.Jm == 0 && p.reduced.J == 0;
    row.Omega = uniform ? r.OmegaMean : CrankSpeed(p, r.Exact.Jm, r.Exact.T0);
    row.Epsilon = uniform ? 0.0 : CrankAcceleration(p, r.Exact.Jm, r.Exact.T0, r.DrivingTorque);
    return row;
}

}  // namespace

DynamicsResult ComputeDynamics(const Mechanism& solved, const MechanismCharacteristics& c,
                               const ForceParameters& loads, double delta)
{
    ClearUpperVectorState();
    DynamicsResult r;
    r.Delta = delta;
    r.OmegaMean = loads.Omega1;
    if (c.Status != CharacteristicsStatus::Computed) {
        r.Reason = NotFullTurnReason(c.FailAngle);
        return r;
    }
    r.Reason = ParameterProblem(loads, delta);
    if (!r.Reason.empty()) {
        r.Status = DynamicsStatus::BadParameter;
        return r;
    }

    double failAngle = 0;
    std::optional<EnergyCycle> cycle =
        EnergyCycle::Build(MakeReducedModel(solved, c, loads), failAngle);
    if (!cycle) {
        r.Reason = NotFullTurnReason(failAngle);
        return r;
    }
    r.DrivingTorque = cycle->DrivingTorque();

    const double md = r.DrivingTorque;
    const EnergyCycle::Quantity deltaT = [](const CyclePoint& p) { return p.DeltaT; };
    const EnergyCycle::Quantity power = [md](const CyclePoint& p) {
        return (CheckedReal(md) + p.reduced.M).Value();
    };
    r.DeltaTMax = ExtremeOf(cycle->Largest(deltaT, power));
    r.DeltaTMin = ExtremeOf(cycle->Smallest(deltaT, power));
    r.DeltaTRange = (CheckedReal(r.DeltaTMax.Value) - r.DeltaTMin.Value).Value();

    const bool uniform = NothingMoves(*cycle, r.DeltaTRange);
    if (uniform) {
        r.Exact.LinksSuffice = r.Wittenbauer.LinksSuffice = true;
    } else {
        r.Exact = ExactFlywheel(*cycle, r.OmegaMean, delta);
        r.Wittenbauer = WittenbauerFlywheel(*cycle, r.OmegaMean, delta);
    }
    r.JmSimple = SimpleFlywheel(r.DeltaTRange, r.OmegaMean, delta);
    Compare(r);
    CrankMotion(r, *cycle, uniform);
    r.Disc = SteelDisc(r.Exact.Jm);
    r.Rim = SteelRim(r.Exact.Jm);
    r.cycle = std::move(cycle);
    r.Status = DynamicsStatus::Computed;
    return r;
}

DynamicsRow DynamicsAt(const DynamicsResult& r, double phi)
{
    if (r.Status != DynamicsStatus::Computed || !r.cycle)
        return {};
    const CyclePoint p = r.cycle->At(phi);
    return RowOf(r, p, p.reduced.M);
}

DynamicsColumns SampleDynamics(const DynamicsResult& r, const Mechanism& solved,
                               const PositionArrays& positions,
                               const AccelerationArrays& accelerations)
{
    DynamicsColumns columns;
    if (r.Status != DynamicsStatus::Computed || !r.cycle)
        return columns;
    ClearUpperVectorState();
    const std::size_t n = std::min(positions.Size(), accelerations.Size());
    for (auto* column : {&columns.Jpr, &columns.Mpr, &columns.DeltaT, &columns.Omega,
                         &columns.Epsilon})
        column->resize(n);
    const EnergyCycle& cycle = *r.cycle;
    for (std::size_t k = 0; k < n; ++k) {
        const double phi = NormalCrankAngle(solved.PositionCount, static_cast<int>(k));
        const PointMotion motion = MotionOfPosition(positions, accelerations, k);
        const CyclePoint p = cycle.At(phi, motion);
        // The column's Mпр carries the force analysis's load exactly, position by position.
        const int direction = ResistanceDirectionAt(cycle.Model(), phi, motion.vE);
        const DynamicsRow row = RowOf(r, p, Reduce(cycle.Model(), motion, direction).M);
        columns.Jpr[k] = row.Jpr;
        columns.Mpr[k] = row.Mpr;
        columns.DeltaT[k] = row.DeltaT;
        columns.Omega[k] = row.Omega;
        columns.Epsilon[k] = row.Epsilon;
    }
    return columns;
}
