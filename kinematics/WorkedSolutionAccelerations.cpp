// The accelerations of the worked solution: the plan from the crank pin, the dyad 2–3 by its
// two vector equations, D by similarity, the slider by the dyad 4–5.

#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"
#include "kinematics/SolutionWriting.h"
#include "kinematics/TextCatalogue.h"
#include "kinematics/Units.h"

#include <algorithm>
#include <cmath>

namespace worked_solution {

namespace {

// ω²·l, the normal part of a relative acceleration.
double Normal(double omega, double length) { return (CheckedReal(omega) * omega * length).Value(); }

// |ε|·l, the tangential part.
double Tangential(double eps, double length) { return (Abs(CheckedReal(eps)) * length).Value(); }

}  // namespace

void WriteAccelerations(const PositionData& d, const PlanSizes& sizes, WorkedSolution& out)
{
    LineWriter w(out, SolutionSection::Accelerations);
    const LinkageLengths& l = d.l;
    const double anBA = Normal(d.omega2, l.Lab), anBC = Normal(d.omega3, l.Lbc), anED = Normal(d.omega4, l.Lde);
    const double atBA = Tangential(d.eps2, l.Lab), atBC = Tangential(d.eps3, l.Lbc), atED = Tangential(d.eps4, l.Lde);

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "ε1 = 0 (ω1 постоянна), поэтому у точки A только нормальное ускорение, направленное от A к O.")));
    w.Result("aAx", "aAx = −ω1²·lOA·cos φ1 = −" + P(d.omega1) + "²·" + V(l.Loa) + "·" + Trig("cos", d.phi)
                        + " = " + V(d.axa) + U(kAcceleration));
    w.Result("aAy", "aAy = −ω1²·lOA·sin φ1 = −" + P(d.omega1) + "²·" + V(l.Loa) + "·" + Trig("sin", d.phi)
                        + " = " + V(d.aya) + U(kAcceleration));
    w.Result("aA", "aA = aAⁿ = ω1²·lOA = " + P(d.omega1) + "²·" + V(l.Loa) + " = " + V(d.aa) + U(kAcceleration));

    const double largest = std::max({d.aa, d.ab, d.ad, d.aeAbs, anBA, anBC, anED, atBA, atBC, atED});
    out.accelerationFactor = ChooseRoundFactor(largest, sizes.accelerationPlanMm);
    const bool plan = out.accelerationFactor.has_value();
    const double mu = out.accelerationFactor.value_or(0);
    if (plan) {
        w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "План ускорений из полюса π: наибольший отрезок не длиннее %1 мм при %2.")),
                     {FormatGeneral(sizes.accelerationPlanMm), AccelerationFactorText(mu)}));
        w.Segment("πa", "aA", d.aa, "μa", mu);
    } else {
        w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Все ускорения равны нулю: план ускорений стягивается в точку π.")));
    }

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "aB = aA + aBAⁿ + aBAᵗ;   aB = aC + aBCⁿ + aBCᵗ, aC = 0. aBAⁿ ∥ AB (от B к A), aBAᵗ ⊥ AB; aBCⁿ ∥ BC (от B к C), aBCᵗ ⊥ BC.")));
    w.Result("aBAⁿ", "aBAⁿ = ω2²·lAB = " + P(d.omega2) + "²·" + V(l.Lab) + " = " + V(anBA) + U(kAcceleration));
    if (plan)
        w.Segment("an₂", "aBAⁿ", anBA, "μa", mu);
    w.Result("aBCⁿ", "aBCⁿ = ω3²·lBC = " + P(d.omega3) + "²·" + V(l.Lbc) + " = " + V(anBC) + U(kAcceleration));
    if (plan)
        w.Segment("πn₃", "aBCⁿ", anBC, "μa", mu);
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Из точки n₂ проводим прямую ⊥ AB, из точки n₃ — прямую ⊥ BC; их пересечение — точка b. В проекциях на направления звеньев:")));
    const std::string sin23 = "sin(" + Deg(d.theta2) + " − " + PDeg(d.theta3) + ")";
    const std::string cos23 = "cos(" + Deg(d.theta2) + " − " + PDeg(d.theta3) + ")";
    w.Result("ε2", "ε2 = (aAx·cos θ3 + aAy·sin θ3 − aBAⁿ·cos(θ2 − θ3) + aBCⁿ)/(lAB·sin(θ2 − θ3)) = (" + P(d.axa)
                       + "·" + Trig("cos", d.theta3) + " + " + P(d.aya) + "·" + Trig("sin", d.theta3) + " − " + V(anBA)
                       + "·" + cos23 + " + " + V(anBC) + ")/(" + V(l.Lab) + "·" + sin23 + ") = " + V(d.eps2)
                       + U(kAngularAcceleration) + ", " + Sense(d.eps2));
    w.Result("ε3", "ε3 = (aAx·cos θ2 + aAy·sin θ2 − aBAⁿ + aBCⁿ·cos(θ2 − θ3))/(lBC·sin(θ2 − θ3)) = (" + P(d.axa)
                       + "·" + Trig("cos", d.theta2) + " + " + P(d.aya) + "·" + Trig("sin", d.theta2) + " − " + V(anBA)
                       + " + " + V(anBC) + "·" + cos23 + ")/(" + V(l.Lbc) + "·" + sin23 + ") = " + V(d.eps3)
                       + U(kAngularAcceleration) + ", " + Sense(d.eps3));
    w.Result("aBAᵗ", "aBAᵗ = |ε2|·lAB = " + V(std::fabs(d.eps2)) + "·" + V(l.Lab) + " = " + V(atBA) + U(kAcceleration));
    if (plan)
        w.Segment("n₂b", "aBAᵗ", atBA, "μa", mu);
    w.Result("aBCᵗ", "aBCᵗ = |ε3|·lBC = " + V(std::fabs(d.eps3)) + "·" + V(l.Lbc) + " = " + V(atBC) + U(kAcceleration));
    if (plan)
        w.Segment("n₃b", "aBCᵗ", atBC, "μa", mu);
    w.Result("aBx", "aBx = aAx − aBAⁿ·cos θ2 − lAB·ε2·sin θ2 = " + V(d.axa) + " − " + V(anBA) + "·"
                        + Trig("cos", d.theta2) + " − " + V(l.Lab) + "·" + P(d.eps2) + "·" + Trig("sin", d.theta2)
                        + " = " + V(d.axb) + U(kAcceleration));
    w.Result("aBy", "aBy = aAy − aBAⁿ·sin θ2 + lAB·ε2·cos θ2 = " + V(d.aya) + " − " + V(anBA) + "·"
                        + Trig("sin", d.theta2) + " + " + V(l.Lab) + "·" + P(d.eps2) + "·" + Trig("cos", d.theta2)
                        + " = " + V(d.ayb) + U(kAcceleration));
    w.Result("aB", "aB = √(aBx² + aBy²) = √(" + P(d.axb) + "² + " + P(d.ayb) + "²) = " + V(d.ab) + U(kAcceleration));
    if (plan)
        w.Segment("πb", "aB", d.ab, "μa", mu);

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Точка d — середина отрезка ab плана ускорений (подобие, как на плане скоростей).")));
    w.Result("aDx", "aDx = (aAx + aBx)/2 = (" + V(d.axa) + " + " + P(d.axb) + ")/2 = " + V(d.axd) + U(kAcceleration));
    w.Result("aDy", "aDy = (aAy + aBy)/2 = (" + V(d.aya) + " + " + P(d.ayb) + ")/2 = " + V(d.ayd) + U(kAcceleration));
    w.Result("aD", "aD = √(aDx² + aDy²) = √(" + P(d.axd) + "² + " + P(d.ayd) + "²) = " + V(d.ad) + U(kAcceleration));
    if (plan)
        w.Segment("πd", "aD", d.ad, "μa", mu);

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "aE = aD + aEDⁿ + aEDᵗ; aEDⁿ ∥ DE (от E к D), aEDᵗ ⊥ DE, aE ∥ направляющей.")));
    w.Result("aEDⁿ", "aEDⁿ = ω4²·lDE = " + P(d.omega4) + "²·" + V(l.Lde) + " = " + V(anED) + U(kAcceleration));
    if (plan)
        w.Segment("dn₄", "aEDⁿ", anED, "μa", mu);
    w.Result("ε4", "ε4 = −(aDx + aEDⁿ·cos θ4)/(lDE·sin θ4) = −(" + V(d.axd) + " + " + V(anED) + "·"
                       + Trig("cos", d.theta4) + ")/(" + V(l.Lde) + "·" + Trig("sin", d.theta4) + ") = " + V(d.eps4)
                       + U(kAngularAcceleration) + ", " + Sense(d.eps4));
    w.Result("aEDᵗ", "aEDᵗ = |ε4|·lDE = " + V(std::fabs(d.eps4)) + "·" + V(l.Lde) + " = " + V(atED) + U(kAcceleration));
    if (plan)
        w.Segment("n₄e", "aEDᵗ", atED, "μa", mu);
    const std::string direction = d.ae > 0   ? Tr(QT_TRANSLATE_NOOP("Kinematics", "направлено вверх"))
                                  : d.ae < 0 ? Tr(QT_TRANSLATE_NOOP("Kinematics", "направлено вниз"))
                                             : Tr(QT_TRANSLATE_NOOP("Kinematics", "равно нулю"));
    w.Result("aE", "aE = aDy + aEDⁿ·sin θ4 − lDE·ε4·cos θ4 = " + V(d.ayd) + " + " + V(anED) + "·"
                       + Trig("sin", d.theta4) + " − " + V(l.Lde) + "·" + P(d.eps4) + "·" + Trig("cos", d.theta4)
                       + " = " + V(d.ae) + U(kAcceleration) + ", " + direction);
    if (plan)
        w.Segment("πe", "|aE|", d.aeAbs, "μa", mu);
}

}  // namespace worked_solution
