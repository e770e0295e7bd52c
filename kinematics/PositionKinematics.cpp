#include "kinematics/PositionKinematics.h"

#include "kinematics/CheckedReal.h"

#include <cmath>

namespace {

// Leaving out the slider height and the velocity plan is safe only where none of their
// operations can fault: lengths and angle of sane size (no overflow, no infinity), and for the
// plan links AB and CB far from parallel (t3 - t2 then stays well away from zero and the
// quotient finite).
constexpr double kLargestSafeMagnitude = 1e100;
constexpr double kSmallestPlanSafeSine = 1e-6;

using F = PositionField;

}  // namespace

LinkageLengths LengthsOf(const Mechanism& m)
{
    LinkageLengths l;
    l.Loa = m.Loa;
    l.Lab = m.Lab;
    l.Lbc = m.Lbc;
    l.Lde = m.Lde;
    l.Loc = m.Loc;
    l.Lad = m.Lad;
    l.GuideOffset = m.GuideOffset;
    return l;
}

bool AssemblyFails(const LinkageLengths& lengths)
{
    const CheckedReal Loa = lengths.Loa, Lab = lengths.Lab, Lbc = lengths.Lbc, Loc = lengths.Loc;
    return Loa + Loc > Lab + Lbc;
}

double NormalCrankAngle(int n, int k)
{
    return (kTwoPi / static_cast<double>(n)) * static_cast<double>(k);
}

std::vector<double> PositionArrays::*ArrayOf(PositionField field)
{
    using A = PositionArrays;
    static constexpr std::array<std::vector<double> A::*, kPositionFieldCount> kArrays = {
        &A::Xa, &A::Ya, &A::Gamma, &A::Xb, &A::Yb, &A::Xd, &A::Yd, &A::Ye,
        &A::Vxa, &A::Vya, &A::Vxb, &A::Vyb, &A::Vxd, &A::Vyd, &A::Ve,
        &A::Va, &A::PlanXa, &A::PlanYa, &A::PlanXb, &A::PlanYb, &A::PlanXd, &A::PlanYd,
        &A::PlanXe, &A::PlanYe,
    };
    return kArrays[static_cast<std::size_t>(field)];
}

void ComputeCrank(const LinkageLengths& lengths, double phiValue, CrankPosition& crank,
                  PositionValues& out)
{
    const CheckedReal Loa = lengths.Loa, Loc = lengths.Loc;
    const CheckedReal phi = phiValue;
    crank.phi = phiValue;

    const CheckedReal cosPhi = Cos(phi);
    out.Assign(F::Xa, (Loa * cosPhi).Value());
    const CheckedReal sinPhi = Sin(phi);
    out.Assign(F::Ya, (Loa * sinPhi).Value());
    crank.cosPhi = cosPhi.Value();
    crank.sinPhi = sinPhi.Value();

    const CheckedReal xa = out[F::Xa], ya = out[F::Ya];
    const CheckedReal dx = xa + Loc;
    crank.AC = Sqrt(dx * dx + ya * ya).Value();
    crank.psi = Atan2(ya, dx).Value();
}

namespace {

// Velocity plan: pole p at the origin, a perpendicular to OA, b where the line through a
// perpendicular to AB meets the line through p perpendicular to CB, d half-way, e on the
// vertical through p.
void ComputePlan(const CrankPosition& crank, CheckedReal vxa, CheckedReal vya, CheckedReal theta2,
                 CheckedReal theta3, PositionValues& out)
{
    const CheckedReal phi = crank.phi;
    const CheckedReal va = Sqrt(vxa * vxa + vya * vya);
    out.Assign(F::Va, va.Value());
    const CheckedReal planXa = Cos(phi + kHalfPi) * va;
    out.Assign(F::PlanXa, planXa.Value());
    const CheckedReal planYa = Sin(phi + kHalfPi) * va;
    out.Assign(F::PlanYa, planYa.Value());

    const CheckedReal t2 = Tan(theta2 + kHalfPi);
    const CheckedReal t3 = Tan(theta3 + kHalfPi);
    const CheckedReal planXb = (planYa - t2 * planXa) / (t3 - t2);
    out.Assign(F::PlanXb, planXb.Value());
    const CheckedReal planYb = t3 * planXb;
    out.Assign(F::PlanYb, planYb.Value());
    out.Assign(F::PlanXd, ((planXa + planXb) / 2).Value());
    out.Assign(F::PlanYd, ((planYa + planYb) / 2).Value());
    out.Assign(F::PlanXe, 0.0);
    out.Assign(F::PlanYe, out[F::Ve]);
}

bool SafeMagnitude(double x)
{
    return std::fabs(x) <= kLargestSafeMagnitude;  // false for NaN
}

bool SizesCannotFault(const LinkageLengths& l, const CrankPosition& crank)
{
    return SafeMagnitude(l.Loa) && SafeMagnitude(l.Lab) && SafeMagnitude(l.Lbc)
           && SafeMagnitude(l.Lde) && SafeMagnitude(l.Loc) && SafeMagnitude(l.Lad)
           && SafeMagnitude(l.GuideOffset) && SafeMagnitude(crank.phi);
}

}  // namespace

bool ComputeLinkage(const LinkageLengths& lengths, const CrankPosition& crank, PositionValues& out,
                    PositionDetail detail)
{
    const bool mayLeaveOut = detail == PositionDetail::ForExtremes && SizesCannotFault(lengths, crank);
    const CheckedReal Loa = lengths.Loa, Lab = lengths.Lab, Lbc = lengths.Lbc, Lde = lengths.Lde;
    const CheckedReal Lad = lengths.Lad, guideOffset = lengths.GuideOffset;
    const CheckedReal AC = crank.AC, psi = crank.psi;
    const CheckedReal xa = out[F::Xa], ya = out[F::Ya];

    // Angle at B, between BA and BC.
    const CheckedReal c = CosineAtB(Lbc, Lab, AC);
    if (c > 1 || c < -1)
        return false;
    const CheckedReal gamma = AngleOfCosine(c);
    out.Assign(F::Gamma, gamma.Value());

    // Angle at C, between CA and CB.
    const CheckedReal delta = AngleOfCosine(CosineAtC(Lbc, Lab, AC));

    // Directions C->B and A->B; B lies left of the directed line C->A.
    const CheckedReal alpha = kPi - delta - gamma;
    const CheckedReal theta3 = psi + delta;
    const CheckedReal theta2 = psi - alpha + kPi;

    const CheckedReal cos2 = Cos(theta2);
    out.Assign(F::Xb, (xa + Lab * cos2).Value());
    const CheckedReal sin2 = Sin(theta2);
    out.Assign(F::Yb, (ya + Lab * sin2).Value());
    const CheckedReal xd = xa + Lad * cos2;
    out.Assign(F::Xd, xd.Value());
    const CheckedReal yd = ya + Lad * sin2;
    out.Assign(F::Yd, yd.Value());

    // Slider E on the guide x = -GuideOffset, below D.
    const CheckedReal w = (xd + guideOffset) / Lde;
    const CheckedReal theta4 = Atan2(Sqrt(1 - w * w), w);
    if (!mayLeaveOut)
        out.Assign(F::Ye, (yd - Lde * Sin(theta4)).Value());

    // Velocities for a crank turning at 1 rad/s.
    const CheckedReal vxa = -Loa * crank.sinPhi;
    out.Assign(F::Vxa, vxa.Value());
    const CheckedReal vya = Loa * crank.cosPhi;
    out.Assign(F::Vya, vya.Value());
    // Coupler's angular velocity: the velocity of B is perpendicular to CB.
    const CheckedReal sinTheta23 = Sin(theta2 - theta3);
    const CheckedReal omega2 = (Cos(theta3) * vxa + Sin(theta3) * vya) / (sinTheta23 * Lab);
    out.Assign(F::Vxb, (vxa - sin2 * (Lab * omega2)).Value());
    out.Assign(F::Vyb, (vya + cos2 * (Lab * omega2)).Value());
    const CheckedReal vxd = vxa - sin2 * (Lad * omega2);
    out.Assign(F::Vxd, vxd.Value());
    const CheckedReal vyd = vya + cos2 * (Lad * omega2);
    out.Assign(F::Vyd, vyd.Value());
    // Angular velocity of DE: E has no horizontal velocity.
    const CheckedReal dx = xd + guideOffset;
    const CheckedReal omega4 = -vxd / (Sqrt(1 - dx * dx / (Lde * Lde)) * Lde);
    out.Assign(F::Ve, (vyd - Cos(theta4) * (Lde * omega4)).Value());

    if (!mayLeaveOut || !(std::fabs(sinTheta23.Value()) >= kSmallestPlanSafeSine))
        ComputePlan(crank, vxa, vya, theta2, theta3, out);
    return true;
}

Extremes FindExtremes(const double* ve, const double* gamma, int n)
{
    Extremes e;
    CheckedReal maxVe = ve[0];
    for (int k = 1; k < n; ++k) {
        if (CheckedReal(ve[k]) > maxVe)
            maxVe = ve[k];
    }
    CheckedReal maxGamma = gamma[0], minGamma = gamma[0];
    for (int k = 1; k < n; ++k) {
        if (CheckedReal(gamma[k]) > maxGamma)
            maxGamma = gamma[k];
        else if (CheckedReal(gamma[k]) < minGamma)
            minGamma = gamma[k];
    }
    e.maxVe = maxVe.Value();
    e.maxGamma = maxGamma.Value();
    e.minGamma = minGamma.Value();
    return e;
}
