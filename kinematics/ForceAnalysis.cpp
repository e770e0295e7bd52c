#include "kinematics/ForceAnalysis.h"

#include "kinematics/CheckedReal.h"
#include "kinematics/PositionKinematics.h"

#include <algorithm>

namespace {

struct V {
    CheckedReal x, y;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y}; }
V operator-(V a) { return {-a.x, -a.y}; }
V operator*(CheckedReal k, V a) { return {k * a.x, k * a.y}; }
CheckedReal Cross(V a, V b) { return a.x * b.y - a.y * b.x; }
CheckedReal Dot(V a, V b) { return a.x * b.x + a.y * b.y; }
Vec2 Out(V a) { return {a.x.Value(), a.y.Value()}; }
V In(Vec2 a) { return {a.x, a.y}; }
V Unit(CheckedReal theta) { return {Cos(theta), Sin(theta)}; }
V Normal(CheckedReal theta) { return {-Sin(theta), Cos(theta)}; }
CheckedReal Length(V a) { return Sqrt(a.x * a.x + a.y * a.y); }

}  // namespace

void ForceArrays::Resize(std::size_t n)
{
    for (auto* a : {&MbGroups, &MbLever, &RxO, &RyO, &RO, &RxA, &RyA, &RA, &RxB, &RyB, &RB, &RxC,
                    &RyC, &RC, &RxD, &RyD, &RD, &RxE, &RyE, &RE, &Nguide, &NguideAbs})
        a->resize(n, 0.0);
    Working.resize(n, 0);
}

PositionForces ForcesAt(const Mechanism& m, const PositionArrays& p,
                        const AccelerationArrays& acc, int kIndex,
                        const MechanismCharacteristics& c, const ForceParameters& f)
{
    const auto k = static_cast<std::size_t>(kIndex);
    const LinkageLengths l = LengthsOf(m);
    const CheckedReal Loa = l.Loa, Lab = l.Lab, Lbc = l.Lbc, Lde = l.Lde, Loc = l.Loc;
    const CheckedReal q = f.LinearMass, m5 = f.SliderMass, omega1 = f.Omega1;
    const CheckedReal w2 = omega1 * omega1;
    const CheckedReal g = f.Gravity ? kGravity : 0.0;
    PositionForces r;

    // Geometry and the motion for omega1 = 1.
    const V A{p.Xa[k], p.Ya[k]}, B{p.Xb[k], p.Yb[k]}, D{p.Xd[k], p.Yd[k]};
    const V C{-Loc, 0.0}, E{-CheckedReal(l.GuideOffset), p.Ye[k]};
    const CheckedReal theta2 = acc.Theta2[k], theta3 = acc.Theta3[k], theta4 = acc.Theta4[k];
    const V aA{acc.Axa[k], acc.Aya[k]}, aB{acc.Axb[k], acc.Ayb[k]}, aD{acc.Axd[k], acc.Ayd[k]};
    const V aE{0.0, acc.Ae[k]};

    // Loads: gravity, inertia force at the centre, inertia moment.
    const CheckedReal m1 = q * Loa, m2 = q * Lab, m3 = q * Lbc, m4 = q * Lde;
    const V S1 = CheckedReal(0.5) * A, S2 = D, S3 = CheckedReal(0.5) * (B + C);
    const V S4 = CheckedReal(0.5) * (D + E), S5 = E;
    const V G1{0.0, -(m1 * g)}, G2{0.0, -(m2 * g)}, G3{0.0, -(m3 * g)}, G4{0.0, -(m4 * g)};
    const V G5{0.0, -(m5 * g)};
    const V F1 = -(m1 * w2) * (CheckedReal(0.5) * aA);
    const V F2 = -(m2 * w2) * aD;
    const V F3 = -(m3 * w2) * (CheckedReal(0.5) * aB);
    const V F4 = -(m4 * w2) * (CheckedReal(0.5) * (aD + aE));
    const V F5 = -(m5 * w2) * aE;
    const CheckedReal M2 = -(m2 * Lab * Lab / 12) * (CheckedReal(acc.Eps2[k]) * w2);
    const CheckedReal M3 = -(m3 * Lbc * Lbc / 12) * (CheckedReal(acc.Eps3[k]) * w2);
    const CheckedReal M4 = -(m4 * Lde * Lde / 12) * (CheckedReal(acc.Eps4[k]) * w2);

    // The resistance opposes the slider's motion on the working stroke only.
    const double phi = NormalCrankAngle(m.PositionCount, kIndex);
    r.Working = OnWorkingStroke(c, phi);
    const double ve = p.Ve[k];
    CheckedReal resistance = 0.0;
    if (r.Working && ve != 0)
        resistance = ve > 0 ? -CheckedReal(f.Resistance) : CheckedReal(f.Resistance);
    const V Fr{0.0, resistance};

    // Dyad 4-5. Moments of link 4 about E give the part of R24 across DE; the group's forces
    // give its part along DE and the guide's force (horizontal).
    const V e4 = Unit(theta4), n4 = Normal(theta4);
    const CheckedReal r24t = -(Cross(S4 - E, G4 + F4) + M4) / Lde;
    const V P45 = G4 + F4 + G5 + F5 + Fr;
    const CheckedReal r24n = -(P45.y + r24t * n4.y) / e4.y;
    const V R24 = r24t * n4 + r24n * e4;
    const CheckedReal n05 = -(P45.x + R24.x);
    const V N05{n05, 0.0};
    const V R45 = -(N05 + G5 + F5 + Fr);

    // Dyad 2-3. Moments of link 2 and of link 3 about B give the parts of R12 and R03 across
    // their links; the group's forces give the parts along them.
    const V e2 = Unit(theta2), n2 = Normal(theta2), e3 = Unit(theta3), n3 = Normal(theta3);
    const V R42 = -R24;
    const CheckedReal r12t = (Cross(D - B, G2 + F2 + R42) + M2) / Lab;
    const CheckedReal r03t = (Cross(S3 - B, G3 + F3) + M3) / Lbc;
    const V P23 = G2 + F2 + R42 + G3 + F3;
    const V W = -(P23 + r12t * n2 + r03t * n3);
    const CheckedReal det = Cross(e2, e3);
    const CheckedReal r12n = Cross(W, e3) / det;
    const CheckedReal r03n = Cross(e2, W) / det;
    const V R12 = r12t * n2 + r12n * e2;
    const V R03 = r03t * n3 + r03n * e3;
    const V R32 = -(R12 + G2 + F2 + R42);

    // Crank: forces give the reaction at O, moments about O the balancing torque.
    const V R21 = -R12;
    const V R01 = -(R21 + G1 + F1);
    const CheckedReal mbGroups = -(Cross(A, R21) + Cross(S1, G1 + F1));

    // Power balance with the velocities for omega1 = 1 (omega1 cancels): the reactions do no
    // work, so Mb = -(sum F.v_S + sum M*w).
    const V vA{p.Vxa[k], p.Vya[k]}, vB{p.Vxb[k], p.Vyb[k]}, vD{p.Vxd[k], p.Vyd[k]};
    const V vE{0.0, ve};
    const CheckedReal power = Dot(G1 + F1, CheckedReal(0.5) * vA) + Dot(G2 + F2, vD)
                              + Dot(G3 + F3, CheckedReal(0.5) * vB)
                              + Dot(G4 + F4, CheckedReal(0.5) * (vD + vE))
                              + Dot(G5 + F5 + Fr, vE) + M2 * acc.Omega2[k]
                              + M3 * acc.Omega3[k] + M4 * acc.Omega4[k];
    const CheckedReal mbLever = -power;

    r.S1 = Out(S1);
    r.S2 = Out(S2);
    r.S3 = Out(S3);
    r.S4 = Out(S4);
    r.S5 = Out(S5);
    r.G1 = Out(G1);
    r.G2 = Out(G2);
    r.G3 = Out(G3);
    r.G4 = Out(G4);
    r.G5 = Out(G5);
    r.F1 = Out(F1);
    r.F2 = Out(F2);
    r.F3 = Out(F3);
    r.F4 = Out(F4);
    r.F5 = Out(F5);
    r.M2 = M2.Value();
    r.M3 = M3.Value();
    r.M4 = M4.Value();
    r.Resistance = resistance.Value();
    r.R24 = Out(R24);
    r.R24t = r24t.Value();
    r.R24n = r24n.Value();
    r.R45 = Out(R45);
    r.N05 = n05.Value();
    r.R12 = Out(R12);
    r.R12t = r12t.Value();
    r.R12n = r12n.Value();
    r.R03 = Out(R03);
    r.R03t = r03t.Value();
    r.R03n = r03n.Value();
    r.R32 = Out(R32);
    r.R01 = Out(R01);
    r.MbGroups = mbGroups.Value();
    r.MbLever = mbLever.Value();
    return r;
}

void ComputeForces(const Mechanism& m, const PositionArrays& positions,
                   const AccelerationArrays& accelerations, const MechanismCharacteristics& c,
                   const ForceParameters& f, ForceArrays& out, std::vector<PositionForces>* details)
{
    const std::size_t n = std::min(accelerations.Size(), positions.Size());
    out.Resize(n);
    if (details)
        details->resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        const PositionForces r = ForcesAt(m, positions, accelerations, static_cast<int>(k), c, f);
        if (details)
            (*details)[k] = r;
        auto put = [k](Vec2 v, std::vector<double>& x, std::vector<double>& y,
                       std::vector<double>& magnitude) {
            x[k] = v.x;
            y[k] = v.y;
            magnitude[k] = Length(In(v)).Value();
        };
        out.MbGroups[k] = r.MbGroups;
        out.MbLever[k] = r.MbLever;
        put(r.R01, out.RxO, out.RyO, out.RO);
        put(r.R12, out.RxA, out.RyA, out.RA);
        put({-r.R32.x, -r.R32.y}, out.RxB, out.RyB, out.RB);
        put(r.R03, out.RxC, out.RyC, out.RC);
        put(r.R24, out.RxD, out.RyD, out.RD);
        put(r.R45, out.RxE, out.RyE, out.RE);
        out.Nguide[k] = r.N05;
        out.NguideAbs[k] = std::fabs(r.N05);
        out.Working[k] = r.Working ? 1 : 0;
    }
}
