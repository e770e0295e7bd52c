#include "kinematics/Accelerations.h"

#include "kinematics/CheckedReal.h"

#include <algorithm>

namespace {

using A = AccelerationArrays;
using P = PositionAcceleration;

// Every array of AccelerationArrays beside the field of PositionAcceleration it holds.
struct FieldPair {
    std::vector<double> A::*array;
    double P::*value;
};
constexpr FieldPair kFields[] = {
    {&A::Phi, &P::Phi},       {&A::Theta2, &P::Theta2}, {&A::Theta3, &P::Theta3},
    {&A::Theta4, &P::Theta4}, {&A::Omega2, &P::Omega2}, {&A::Omega3, &P::Omega3},
    {&A::Omega4, &P::Omega4}, {&A::Eps2, &P::Eps2},     {&A::Eps3, &P::Eps3},
    {&A::Eps4, &P::Eps4},     {&A::Axa, &P::Axa},       {&A::Aya, &P::Aya},
    {&A::Axb, &P::Axb},       {&A::Ayb, &P::Ayb},       {&A::Axd, &P::Axd},
    {&A::Ayd, &P::Ayd},       {&A::Ae, &P::Ae},         {&A::Aa, &P::Aa},
    {&A::Ab, &P::Ab},         {&A::Ad, &P::Ad},         {&A::AeAbs, &P::AeAbs},
    {&A::AnBAx, &P::AnBAx},   {&A::AnBAy, &P::AnBAy},   {&A::AtBAx, &P::AtBAx},
    {&A::AtBAy, &P::AtBAy},   {&A::AnBCx, &P::AnBCx},   {&A::AnBCy, &P::AnBCy},
    {&A::AtBCx, &P::AtBCx},   {&A::AtBCy, &P::AtBCy},   {&A::AnEDx, &P::AnEDx},
    {&A::AnEDy, &P::AnEDy},   {&A::AtEDx, &P::AtEDx},   {&A::AtEDy, &P::AtEDy},
};

// Fields that scale with omega1 and with omega1^2; the rest (angles) do not scale.
constexpr double P::*kOmegaFields[] = {&P::Omega2, &P::Omega3, &P::Omega4};

CheckedReal Hypot(CheckedReal x, CheckedReal y) { return Sqrt(x * x + y * y); }

}  // namespace

void AccelerationArrays::Resize(std::size_t n)
{
    for (const FieldPair& f : kFields)
        (this->*f.array).resize(n, 0.0);
}

PositionAcceleration AccelerationArrays::At(std::size_t k) const
{
    P r;
    for (const FieldPair& f : kFields)
        r.*f.value = (this->*f.array)[k];
    return r;
}

PositionAcceleration AccelerationAt(const LinkageLengths& lengths, double phiValue, double xaValue,
                                    double yaValue, double xbValue, double ybValue,
                                    double xdValue, double ydValue, double yeValue)
{
    const CheckedReal Loa = lengths.Loa, Lab = lengths.Lab, Lbc = lengths.Lbc, Lde = lengths.Lde;
    const CheckedReal Loc = lengths.Loc, Lad = lengths.Lad, guideOffset = lengths.GuideOffset;
    const CheckedReal phi = phiValue;
    const CheckedReal xa = xaValue, ya = yaValue, xb = xbValue, yb = ybValue;
    const CheckedReal xd = xdValue, yd = ydValue, ye = yeValue;
    P r;
    r.Phi = phiValue;

    const CheckedReal theta2 = Atan2(yb - ya, xb - xa);
    const CheckedReal theta3 = Atan2(yb, xb + Loc);
    const CheckedReal theta4 = Atan2(yd - ye, xd + guideOffset);
    r.Theta2 = theta2.Value();
    r.Theta3 = theta3.Value();
    r.Theta4 = theta4.Value();
    const CheckedReal cos2 = Cos(theta2), sin2 = Sin(theta2);
    const CheckedReal cos3 = Cos(theta3), sin3 = Sin(theta3);
    const CheckedReal cos4 = Cos(theta4), sin4 = Sin(theta4);
    const CheckedReal sin23 = Sin(theta2 - theta3), cos23 = Cos(theta2 - theta3);

    // Crank pin: v_A = Loa*(-sin, cos), a_A = -Loa*(cos, sin) (omega1 = 1, eps1 = 0).
    const CheckedReal cosPhi = Cos(phi), sinPhi = Sin(phi);
    const CheckedReal vxa = -Loa * sinPhi, vya = Loa * cosPhi;
    const CheckedReal axa = -Loa * cosPhi, aya = -Loa * sinPhi;

    // v_B = v_A + w2 x AB = w3 x CB, projected on CB and on AB.
    const CheckedReal omega2 = (cos3 * vxa + sin3 * vya) / (sin23 * Lab);
    const CheckedReal omega3 = (cos2 * vxa + sin2 * vya) / (sin23 * Lbc);
    r.Omega2 = omega2.Value();
    r.Omega3 = omega3.Value();

    // a_B = a_A + a_BA^n + a_BA^t = a_BC^n + a_BC^t, projected on CB and on AB.
    const CheckedReal w22 = omega2 * omega2, w33 = omega3 * omega3;
    const CheckedReal eps2 =
        (cos3 * axa + sin3 * aya - Lab * w22 * cos23 + Lbc * w33) / (sin23 * Lab);
    const CheckedReal eps3 =
        (cos2 * axa + sin2 * aya - Lab * w22 + Lbc * w33 * cos23) / (sin23 * Lbc);
    r.Eps2 = eps2.Value();
    r.Eps3 = eps3.Value();

    const CheckedReal anBAx = -(Lab * w22) * cos2, anBAy = -(Lab * w22) * sin2;
    const CheckedReal atBAx = -(Lab * eps2) * sin2, atBAy = (Lab * eps2) * cos2;
    const CheckedReal anBCx = -(Lbc * w33) * cos3, anBCy = -(Lbc * w33) * sin3;
    const CheckedReal atBCx = -(Lbc * eps3) * sin3, atBCy = (Lbc * eps3) * cos3;
    r.AnBAx = anBAx.Value();
    r.AnBAy = anBAy.Value();
    r.AtBAx = atBAx.Value();
    r.AtBAy = atBAy.Value();
    r.AnBCx = anBCx.Value();
    r.AnBCy = anBCy.Value();
    r.AtBCx = atBCx.Value();
    r.AtBCy = atBCy.Value();

    r.Axa = axa.Value();
    r.Aya = aya.Value();
    const CheckedReal axb = axa + anBAx + atBAx, ayb = aya + anBAy + atBAy;
    r.Axb = axb.Value();
    r.Ayb = ayb.Value();
    const CheckedReal axd = axa - (Lad * w22) * cos2 - (Lad * eps2) * sin2;
    const CheckedReal ayd = aya - (Lad * w22) * sin2 + (Lad * eps2) * cos2;
    r.Axd = axd.Value();
    r.Ayd = ayd.Value();

    // E stays on the vertical guide: its horizontal velocity and acceleration are zero.
    const CheckedReal vxd = vxa - sin2 * (Lad * omega2);
    const CheckedReal omega4 = -vxd / (Lde * sin4);
    r.Omega4 = omega4.Value();
    const CheckedReal w44 = omega4 * omega4;
    const CheckedReal eps4 = -(axd + Lde * w44 * cos4) / (Lde * sin4);
    r.Eps4 = eps4.Value();
    const CheckedReal anEDx = (Lde * w44) * cos4, anEDy = (Lde * w44) * sin4;
    const CheckedReal atEDx = (Lde * eps4) * sin4, atEDy = -(Lde * eps4) * cos4;
    r.AnEDx = anEDx.Value();
    r.AnEDy = anEDy.Value();
    r.AtEDx = atEDx.Value();
    r.AtEDy = atEDy.Value();
    const CheckedReal ae = ayd + anEDy + atEDy;
    r.Ae = ae.Value();

    r.Aa = Hypot(axa, aya).Value();
    r.Ab = Hypot(axb, ayb).Value();
    r.Ad = Hypot(axd, ayd).Value();
    r.AeAbs = Abs(ae).Value();
    return r;
}

void ComputeAccelerations(const Mechanism& m, const PositionArrays& p, int count,
                          AccelerationArrays& out)
{
    const std::size_t n = count > 0 ? std::min(static_cast<std::size_t>(count), p.Size()) : 0;
    out.Resize(n);
    const LinkageLengths lengths = LengthsOf(m);
    for (std::size_t k = 0; k < n; ++k) {
        const double phi = NormalCrankAngle(m.PositionCount, static_cast<int>(k));
        const P r = AccelerationAt(lengths, phi, p.Xa[k], p.Ya[k], p.Xb[k], p.Yb[k], p.Xd[k],
                                   p.Yd[k], p.Ye[k]);
        for (const FieldPair& f : kFields)
            (out.*f.array)[k] = r.*f.value;
    }
}

AccelerationArrays ScaledAccelerations(const AccelerationArrays& a, double omega1Value)
{
    const CheckedReal omega1 = omega1Value;
    const CheckedReal omega1Squared = omega1 * omega1;
    AccelerationArrays r = a;
    for (const FieldPair& f : kFields) {
        if (f.value == &P::Phi || f.value == &P::Theta2 || f.value == &P::Theta3
            || f.value == &P::Theta4)
            continue;
        const bool isOmega = std::find(std::begin(kOmegaFields), std::end(kOmegaFields), f.value)
                             != std::end(kOmegaFields);
        const CheckedReal factor = isOmega ? omega1 : omega1Squared;
        for (double& x : r.*f.array)
            x = (CheckedReal(x) * factor).Value();
    }
    return r;
}
