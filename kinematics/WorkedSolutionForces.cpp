// The forces of the worked solution: loads and inertia, the dyad 4–5, the dyad 2–3, the crank
// with the balancing torque, and the same torque by the power balance (Zhukovsky's lever).
// The moments and sums shown are evaluated here in the order of ForceAnalysis.cpp; the
// reactions themselves are ForcesAt's.

#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"
#include "kinematics/SolutionWriting.h"
#include "kinematics/TextCatalogue.h"
#include "kinematics/Units.h"

#include <cmath>

namespace worked_solution {

namespace {

CheckedReal Length(Vec2 v)
{
    const CheckedReal x = v.x, y = v.y;
    return Sqrt(x * x + y * y);
}

std::string Point(Vec2 p) { return "(" + V(p.x) + "; " + V(p.y) + ")"; }

// The moment about `centre` of the force (fx, fy) applied at `at`: (x − xc)·fy − (y − yc)·fx.
struct Moment {
    double dx = 0, dy = 0, fx = 0, fy = 0, value = 0;
};
Moment MomentAbout(Vec2 centre, Vec2 at, CheckedReal fx, CheckedReal fy)
{
    const CheckedReal dx = CheckedReal(at.x) - centre.x, dy = CheckedReal(at.y) - centre.y;
    return {dx.Value(), dy.Value(), fx.Value(), fy.Value(), (dx * fy - dy * fx).Value()};
}

std::string MomentNumbers(const Moment& m)
{
    return P(m.dx) + "·" + P(m.fy) + " − " + P(m.dy) + "·" + P(m.fx) + " = " + V(m.value);
}

CheckedReal Dot(CheckedReal fx, CheckedReal fy, double vx, double vy) { return fx * vx + fy * vy; }

void WriteLoads(const PositionData& d, const ForceParameters& loads, const PositionForces& f, LineWriter& w)
{
    const LinkageLengths& l = d.l;
    const std::string gravity = loads.Gravity ? Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "g = %1 м/с².")), {FormatGeneral(kGravity)})
                                              : Tr(QT_TRANSLATE_NOOP("Kinematics", "сила тяжести не учитывается."));
    w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Нагрузки: q = %1 кг/м, m5 = %2 кг, Fс = %3 Н на рабочем ходу, ω1 = %4 рад/с, %5")),
                 {FormatGeneral(loads.LinearMass), FormatGeneral(loads.SliderMass), FormatGeneral(loads.Resistance),
                  V(d.omega1), gravity}));
    if (f.Working && f.Resistance != 0)
        w.Words(Fill(f.Resistance > 0 ? Tr(QT_TRANSLATE_NOOP("Kinematics", "Положение на рабочем ходу: сила сопротивления Fс = %1 Н приложена к ползуну против его скорости, вверх."))
                                      : Tr(QT_TRANSLATE_NOOP("Kinematics", "Положение на рабочем ходу: сила сопротивления Fс = %1 Н приложена к ползуну против его скорости, вниз.")),
                     {V(std::fabs(f.Resistance))}));
    else if (f.Working)
        w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Положение на рабочем ходу, но ползун стоит: Fс = 0.")));
    else
        w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Положение на холостом ходу: Fс = 0.")));
    w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Центры масс: S1 %1 — середина OA, S2 = D, S3 %2 — середина BC, S4 %3 — середина DE, S5 = E %4.")),
                 {Point(f.S1), Point(f.S3), Point(f.S4), Point(f.S5)}));

    const CheckedReal q = loads.LinearMass;
    const double m1 = (q * l.Loa).Value(), m2 = (q * l.Lab).Value(), m3 = (q * l.Lbc).Value(), m4 = (q * l.Lde).Value();
    w.Result("m1", "m1 = q·lOA = " + V(loads.LinearMass) + "·" + V(l.Loa) + " = " + V(m1) + U(kKilograms));
    w.Result("m2", "m2 = q·lAB = " + V(loads.LinearMass) + "·" + V(l.Lab) + " = " + V(m2) + U(kKilograms));
    w.Result("m3", "m3 = q·lBC = " + V(loads.LinearMass) + "·" + V(l.Lbc) + " = " + V(m3) + U(kKilograms));
    w.Result("m4", "m4 = q·lDE = " + V(loads.LinearMass) + "·" + V(l.Lde) + " = " + V(m4) + U(kKilograms));
    if (loads.Gravity) {
        const struct {
            const char* name;
            const char* mass;
            double m;
            Vec2 g;
        } weights[] = {{"G1", "m1", m1, f.G1}, {"G2", "m2", m2, f.G2}, {"G3", "m3", m3, f.G3},
                       {"G4", "m4", m4, f.G4}, {"G5", "m5", loads.SliderMass, f.G5}};
        for (const auto& g : weights)
            w.Result(g.name, std::string(g.name) + " = " + g.mass + "·g = " + V(g.m) + "·" + FormatGeneral(kGravity)
                                 + " = " + V(std::fabs(g.g.y)) + U(kNewtons) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "вниз")));
    }

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Силы инерции Fи = −m·aS приложены в центрах масс против их ускорений, моменты сил инерции Mи = −JS·ε — против угловых ускорений.")));
    w.Result("Fи1", "Fи1 = m1·aA/2 = " + V(m1) + "·" + V(d.aa) + "/2 = " + V(Length(f.F1).Value()) + U(kNewtons));
    w.Result("Fи2", "Fи2 = m2·aD = " + V(m2) + "·" + V(d.ad) + " = " + V(Length(f.F2).Value()) + U(kNewtons));
    w.Result("Fи3", "Fи3 = m3·aB/2 = " + V(m3) + "·" + V(d.ab) + "/2 = " + V(Length(f.F3).Value()) + U(kNewtons));
    const CheckedReal as4y = CheckedReal(d.ayd) + d.ae;
    const double aS4 = (Sqrt(CheckedReal(d.axd) * d.axd + as4y * as4y) / 2).Value();
    w.Result("aS4", "aS4 = |aD + aE|/2 = √(aDx² + (aDy + aE)²)/2 = √(" + P(d.axd) + "² + (" + V(d.ayd) + " + "
                        + P(d.ae) + ")²)/2 = " + V(aS4) + U(kAcceleration));
    w.Result("Fи4", "Fи4 = m4·aS4 = " + V(m4) + "·" + V(aS4) + " = " + V(Length(f.F4).Value()) + U(kNewtons));
    w.Result("Fи5", "Fи5 = m5·aE = " + V(loads.SliderMass) + "·" + V(d.aeAbs) + " = " + V(Length(f.F5).Value()) + U(kNewtons));
    const struct {
        const char* j;
        const char* m;
        const char* length;
        const char* eps;
        const char* moment;
        double mass, l, epsValue, value;
    } moments[] = {{"JS2", "m2", "lAB", "ε2", "Mи2", m2, l.Lab, d.eps2, f.M2},
                   {"JS3", "m3", "lBC", "ε3", "Mи3", m3, l.Lbc, d.eps3, f.M3},
                   {"JS4", "m4", "lDE", "ε4", "Mи4", m4, l.Lde, d.eps4, f.M4}};
    for (const auto& m : moments) {
        const double j = (CheckedReal(m.mass) * m.l * m.l / 12).Value();
        w.Result(m.j, std::string(m.j) + " = " + m.m + "·" + m.length + "²/12 = " + V(m.mass) + "·" + V(m.l)
                          + "²/12 = " + V(j) + U(kInertia));
        w.Result(m.moment, std::string(m.moment) + " = −" + m.j + "·" + m.eps + " = −" + V(j) + "·" + P(m.epsValue)
                               + " = " + V(m.value) + U(kNewtonMetres));
    }
}

void WriteGroup45(const PositionData& d, const PositionForces& f, LineWriter& w)
{
    const LinkageLengths& l = d.l;
    const Vec2 E{d.xe, d.ye};
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Группа 4–5 (шатун DE и ползун E). Неизвестны R24 в шарнире D (R24τ ⊥ DE и R24n ∥ DE), N05 — реакция направляющей (⊥ направляющей) и R45 во внутренней паре E.")));
    const Moment me = MomentAbout(E, f.S4, CheckedReal(f.G4.x) + f.F4.x, CheckedReal(f.G4.y) + f.F4.y);
    w.Result("M_E(G4 + Fи4)", "M_E(G4 + Fи4) = (xS4 − xE)·(G4y + Fи4y) − (yS4 − yE)·Fи4x = " + MomentNumbers(me) + U(kNewtonMetres));
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "ΣM_E(звено 4) = R24τ·lDE + M_E(G4 + Fи4) + Mи4 = 0:")));
    w.Result("R24τ", "R24τ = −(M_E(G4 + Fи4) + Mи4)/lDE = −(" + V(me.value) + " + " + P(f.M4) + ")/" + V(l.Lde)
                         + " = " + V(f.R24t) + U(kNewtons));
    const CheckedReal sumY = CheckedReal(f.G4.y) + f.F4.y + f.G5.y + f.F5.y + f.Resistance;
    const CheckedReal sumX = CheckedReal(f.F4.x) + f.F5.x;
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "ΣF(4, 5) = R24τ + R24n + G4 + Fи4 + G5 + Fи5 + Fс + N05 = 0; в проекциях на оси y и x:")));
    w.Result("ΣFy(4, 5)", "ΣFy(4, 5) = G4y + Fи4y + G5y + Fи5y + Fс = " + V(f.G4.y) + " + " + P(f.F4.y) + " + "
                              + P(f.G5.y) + " + " + P(f.F5.y) + " + " + P(f.Resistance) + " = " + V(sumY.Value()) + U(kNewtons));
    w.Result("R24n", "R24n = −(ΣFy(4, 5) + R24τ·cos θ4)/sin θ4 = −(" + V(sumY.Value()) + " + " + P(f.R24t) + "·"
                         + Trig("cos", d.theta4) + ")/" + Trig("sin", d.theta4) + " = " + V(f.R24n) + U(kNewtons));
    w.Result("R24", "R24 = √(R24τ² + R24n²) = √(" + P(f.R24t) + "² + " + P(f.R24n) + "²) = "
                        + V(Length(f.R24).Value()) + U(kNewtons));
    w.Result("R24x", "R24x = −R24τ·sin θ4 + R24n·cos θ4 = −" + P(f.R24t) + "·" + Trig("sin", d.theta4) + " + "
                         + P(f.R24n) + "·" + Trig("cos", d.theta4) + " = " + V(f.R24.x) + U(kNewtons));
    w.Result("ΣFx(4, 5)", "ΣFx(4, 5) = Fи4x + Fи5x = " + V(f.F4.x) + " + " + P(f.F5.x) + " = " + V(sumX.Value()) + U(kNewtons));
    w.Result("N05", "N05 = −(ΣFx(4, 5) + R24x) = −(" + V(sumX.Value()) + " + " + P(f.R24.x) + ") = " + V(f.N05)
                        + U(kNewtons) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "вдоль оси x")));
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Равновесие ползуна: R45 + N05 + G5 + Fи5 + Fс = 0.")));
    w.Result("R45x", "R45x = −(N05 + Fи5x) = −(" + V(f.N05) + " + " + P(f.F5.x) + ") = " + V(f.R45.x) + U(kNewtons));
    w.Result("R45y", "R45y = −(G5y + Fи5y + Fс) = −(" + V(f.G5.y) + " + " + P(f.F5.y) + " + " + P(f.Resistance)
                         + ") = " + V(f.R45.y) + U(kNewtons));
    w.Result("R45", "R45 = √(R45x² + R45y²) = √(" + P(f.R45.x) + "² + " + P(f.R45.y) + "²) = "
                        + V(Length(f.R45).Value()) + U(kNewtons));
}

void WriteGroup23(const PositionData& d, const PositionForces& f, LineWriter& w)
{
    const LinkageLengths& l = d.l;
    const Vec2 B{d.xb, d.yb}, D{d.xd, d.yd};
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Группа 2–3 (шатун AB и коромысло BC). На шатун в D действует R42 = −R24; неизвестны R12 в A (R12τ ⊥ AB, R12n ∥ AB) и R03 в C (R03τ ⊥ BC, R03n ∥ BC).")));
    const CheckedReal r42x = -CheckedReal(f.R24.x), r42y = -CheckedReal(f.R24.y);
    const Moment m2 = MomentAbout(B, D, CheckedReal(f.G2.x) + f.F2.x + r42x, CheckedReal(f.G2.y) + f.F2.y + r42y);
    w.Result("M_B(G2 + Fи2 + R42)", "M_B(G2 + Fи2 + R42) = (xD − xB)·(G2y + Fи2y + R42y) − (yD − yB)·(Fи2x + R42x) = "
                                        + MomentNumbers(m2) + U(kNewtonMetres));
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "ΣM_B(звено 2) = −R12τ·lAB + M_B(G2 + Fи2 + R42) + Mи2 = 0:")));
    w.Result("R12τ", "R12τ = (M_B(G2 + Fи2 + R42) + Mи2)/lAB = (" + V(m2.value) + " + " + P(f.M2) + ")/" + V(l.Lab)
                         + " = " + V(f.R12t) + U(kNewtons));
    const Moment m3 = MomentAbout(B, f.S3, CheckedReal(f.G3.x) + f.F3.x, CheckedReal(f.G3.y) + f.F3.y);
    w.Result("M_B(G3 + Fи3)", "M_B(G3 + Fи3) = (xS3 − xB)·(G3y + Fи3y) − (yS3 − yB)·Fи3x = " + MomentNumbers(m3) + U(kNewtonMetres));
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "ΣM_B(звено 3) = −R03τ·lBC + M_B(G3 + Fи3) + Mи3 = 0:")));
    w.Result("R03τ", "R03τ = (M_B(G3 + Fи3) + Mи3)/lBC = (" + V(m3.value) + " + " + P(f.M3) + ")/" + V(l.Lbc)
                         + " = " + V(f.R03t) + U(kNewtons));
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "ΣF(2, 3) = R12τ + R12n + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n = 0; направления R12n и R03n известны, их величины дают план сил группы (или две проекции):")));
    w.Result("R12n", "R12n = " + V(f.R12n) + U(kNewtons) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "вдоль AB")));
    w.Result("R03n", "R03n = " + V(f.R03n) + U(kNewtons) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "вдоль CB")));
    w.Result("R12", "R12 = √(R12τ² + R12n²) = √(" + P(f.R12t) + "² + " + P(f.R12n) + "²) = "
                        + V(Length(f.R12).Value()) + U(kNewtons));
    w.Result("R03", "R03 = √(R03τ² + R03n²) = √(" + P(f.R03t) + "² + " + P(f.R03n) + "²) = "
                        + V(Length(f.R03).Value()) + U(kNewtons));
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Равновесие шатуна: R32 = −(R12 + G2 + Fи2 + R42), R23 = −R32:")));
    w.Result("R23", "R23 = √(R32x² + R32y²) = √(" + P(f.R32.x) + "² + " + P(f.R32.y) + "²) = "
                        + V(Length(f.R32).Value()) + U(kNewtons));
}

void WriteCrank(const PositionData& d, const PositionForces& f, LineWriter& w)
{
    const Vec2 O{0, 0}, A{d.xa, d.ya};
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Кривошип OA: в A на него действует R21 = −R12, в S1 — G1 и Fи1, в O — реакция стойки R01, и уравновешивающий момент Mб.")));
    w.Result("R01", "R01 = √(R01x² + R01y²) = √(" + P(f.R01.x) + "² + " + P(f.R01.y) + "²) = "
                        + V(Length(f.R01).Value()) + U(kNewtons));
    const Moment m21 = MomentAbout(O, A, -CheckedReal(f.R12.x), -CheckedReal(f.R12.y));
    w.Result("M_O(R21)", "M_O(R21) = xA·R21y − yA·R21x = " + MomentNumbers(m21) + U(kNewtonMetres));
    const Moment m1 = MomentAbout(O, f.S1, CheckedReal(f.G1.x) + f.F1.x, CheckedReal(f.G1.y) + f.F1.y);
    w.Result("M_O(G1 + Fи1)", "M_O(G1 + Fи1) = xS1·(G1y + Fи1y) − yS1·Fи1x = " + MomentNumbers(m1) + U(kNewtonMetres));
    w.Result("Mб", "Mб = −(M_O(R21) + M_O(G1 + Fи1)) = −(" + V(m21.value) + " + " + P(m1.value) + ") = "
                       + V(f.MbGroups) + U(kNewtonMetres) + ", " + Sense(f.MbGroups));
}

void WriteLever(const PositionData& d, const PositionForces& f, LineWriter& w)
{
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Проверка по рычагу Жуковского: сумма мощностей всех сил и моментов равна нулю, Mб·ω1 + ΣN = 0, где N = F·vS для сил и N = M·ω для моментов.")));
    const CheckedReal half = 0.5;
    const CheckedReal n1 = Dot(CheckedReal(f.G1.x) + f.F1.x, CheckedReal(f.G1.y) + f.F1.y, (half * d.vxa).Value(),
                               (half * d.vya).Value());
    const CheckedReal n2 = Dot(CheckedReal(f.G2.x) + f.F2.x, CheckedReal(f.G2.y) + f.F2.y, d.vxd, d.vyd)
                           + CheckedReal(f.M2) * d.omega2;
    const CheckedReal n3 = Dot(CheckedReal(f.G3.x) + f.F3.x, CheckedReal(f.G3.y) + f.F3.y, (half * d.vxb).Value(),
                               (half * d.vyb).Value())
                           + CheckedReal(f.M3) * d.omega3;
    const CheckedReal n4 = Dot(CheckedReal(f.G4.x) + f.F4.x, CheckedReal(f.G4.y) + f.F4.y, (half * d.vxd).Value(),
                               (half * (CheckedReal(d.vyd) + d.ve)).Value())
                           + CheckedReal(f.M4) * d.omega4;
    const CheckedReal n5 = Dot(CheckedReal(f.G5.x) + f.F5.x, CheckedReal(f.G5.y) + f.F5.y + f.Resistance, 0, d.ve);
    const CheckedReal sum = n1 + n2 + n3 + n4 + n5;
    w.Result("ΣN", "ΣN = N1 + N2 + N3 + N4 + N5 = " + V(n1.Value()) + " + " + P(n2.Value()) + " + " + P(n3.Value())
                       + " + " + P(n4.Value()) + " + " + P(n5.Value()) + " = " + V(sum.Value()) + U(kWatts));
    w.Result("Mб(рычаг)", "Mб(рычаг) = −ΣN/ω1 = −" + P(sum.Value()) + "/" + P(d.omega1) + " = " + V(f.MbLever)
                              + U(kNewtonMetres) + ", " + Sense(f.MbLever));
    const double difference = std::fabs((CheckedReal(f.MbGroups) - f.MbLever).Value());
    w.Result("ΔMб", "ΔMб = |Mб − Mб(рычаг)| = " + V(difference) + U(kNewtonMetres));
}

}  // namespace

void WriteForces(const PositionData& d, const ForceParameters& loads, const PositionForces& f, WorkedSolution& out)
{
    LineWriter w(out, SolutionSection::Forces);
    WriteLoads(d, loads, f, w);
    WriteGroup45(d, f, w);
    WriteGroup23(d, f, w);
    WriteCrank(d, f, w);
    WriteLever(d, f, w);
}

}  // namespace worked_solution
