#include "kinematics/WorkedSolution.h"

#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/PositionQuantities.h"
#include "kinematics/SolutionWriting.h"
#include "kinematics/TextCatalogue.h"
#include "kinematics/Units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullTurnDegrees = 360;

}  // namespace

namespace worked_solution {

std::string V(double x) { return FormatSignificant(x, kSolutionDigits); }

std::string P(double x)
{
    const std::string text = V(x);
    return text[0] == '-' ? "(" + text + ")" : text;
}

std::string S(double x) { return FormatSignificant(x, kSegmentDigits); }

std::string Deg(double radians) { return V(Degrees(radians)) + "°"; }

std::string PDeg(double radians)
{
    const std::string text = Deg(radians);
    return text[0] == '-' ? "(" + text + ")" : text;
}

std::string Trig(const char* function, double radians)
{
    const std::string angle = Deg(radians);
    return std::string(function) + (angle[0] == '-' ? "(" + angle + ")" : " " + angle);
}

std::string Sense(double counterClockwise)
{
    if (counterClockwise > 0)
        return Tr(QT_TRANSLATE_NOOP("Kinematics", "против часовой стрелки"));
    if (counterClockwise < 0)
        return Tr(QT_TRANSLATE_NOOP("Kinematics", "по часовой стрелке"));
    return Tr(QT_TRANSLATE_NOOP("Kinematics", "звено не вращается"));
}

std::string LocalSymbols(const std::string& text)
{
    // The lever's torque first: its name holds that of the groups' one.
    static const char* const kSymbols[] = {
        QT_TRANSLATE_NOOP("Kinematics", "Mб(рычаг)"), QT_TRANSLATE_NOOP("Kinematics", "Mб"),
        QT_TRANSLATE_NOOP("Kinematics", "Fи"), QT_TRANSLATE_NOOP("Kinematics", "Mи"),
        QT_TRANSLATE_NOOP("Kinematics", "Fс")};
    std::string result = text;
    for (const char* symbol : kSymbols) {
        const std::string local = Tr(symbol);
        const std::string own = symbol;
        if (local == own)
            continue;
        for (std::size_t at = result.find(own); at != std::string::npos; at = result.find(own, at + local.size()))
            result.replace(at, own.size(), local);
    }
    return result;
}

void LineWriter::Segment(const std::string& segment, const std::string& valueSymbol, double value,
                         const std::string& muSymbol, double mu)
{
    Result(segment, segment + " = " + valueSymbol + "/" + muSymbol + " = " + P(value) + "/" + V(mu) + " = "
                        + S((CheckedReal(value) / mu).Value()) + U(kMillimetres));
}

}  // namespace worked_solution

namespace {

using namespace worked_solution;

// " (то же, что 350°)" for a direction outside 0 … 360°, else nothing.
std::string SameAngle(double radians)
{
    const double degrees = Degrees(radians);
    if (degrees >= 0 && degrees < kFullTurnDegrees)
        return {};
    return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", " (то же, что %1°)")),
                {V(degrees - kFullTurnDegrees * std::floor(degrees / kFullTurnDegrees))});
}

PositionData GatherData(const Mechanism& m, const PositionArrays& p, const AccelerationArrays& a,
                        int k, double omega1)
{
    PositionData d;
    d.l = LengthsOf(m);
    d.n = m.PositionCount;
    d.k = k;
    d.omega1 = omega1;
    const auto i = static_cast<std::size_t>(k);
    d.phi = a.Phi[i];
    d.phiDegrees = (360.0 / d.n) * k;
    d.xa = p.Xa[i];
    d.ya = p.Ya[i];
    d.xb = p.Xb[i];
    d.yb = p.Yb[i];
    d.xd = p.Xd[i];
    d.yd = p.Yd[i];
    d.xe = -d.l.GuideOffset;
    d.ye = p.Ye[i];
    d.gamma = p.Gamma[i];
    d.theta4 = a.Theta4[i];

    // The crank's diagonal, the angles at C and A and the link directions as the solver
    // computes them (θ2 and θ3 may differ from the arrays' by a turn).
    CrankPosition crank;
    PositionValues values;
    ComputeCrank(d.l, d.phi, crank, values);
    d.ac = crank.AC;
    d.psi = crank.psi;
    const CheckedReal Lab = d.l.Lab, Lbc = d.l.Lbc, AC = d.ac;
    const CheckedReal c2 = (Lbc * Lbc + AC * AC - Lab * Lab) / (2 * Lbc * AC);
    const CheckedReal delta = Atan2(Sqrt(1 - c2 * c2), c2);
    const CheckedReal alpha = kPi - delta - CheckedReal(d.gamma);
    d.delta = delta.Value();
    d.alpha = alpha.Value();
    d.theta3 = (CheckedReal(d.psi) + delta).Value();
    d.theta2 = (CheckedReal(d.psi) - alpha + kPi).Value();

    // Velocities and accelerations for ω1; magnitudes as the list of quantities gives them.
    const CheckedReal w = omega1, w2 = CheckedReal(omega1) * omega1;
    d.vxa = (CheckedReal(p.Vxa[i]) * w).Value();
    d.vya = (CheckedReal(p.Vya[i]) * w).Value();
    d.vxb = (CheckedReal(p.Vxb[i]) * w).Value();
    d.vyb = (CheckedReal(p.Vyb[i]) * w).Value();
    d.vxd = (CheckedReal(p.Vxd[i]) * w).Value();
    d.vyd = (CheckedReal(p.Vyd[i]) * w).Value();
    d.ve = (CheckedReal(p.Ve[i]) * w).Value();
    d.omega2 = (CheckedReal(a.Omega2[i]) * w).Value();
    d.omega3 = (CheckedReal(a.Omega3[i]) * w).Value();
    d.omega4 = (CheckedReal(a.Omega4[i]) * w).Value();
    d.axa = (CheckedReal(a.Axa[i]) * w2).Value();
    d.aya = (CheckedReal(a.Aya[i]) * w2).Value();
    d.axb = (CheckedReal(a.Axb[i]) * w2).Value();
    d.ayb = (CheckedReal(a.Ayb[i]) * w2).Value();
    d.axd = (CheckedReal(a.Axd[i]) * w2).Value();
    d.ayd = (CheckedReal(a.Ayd[i]) * w2).Value();
    d.ae = (CheckedReal(a.Ae[i]) * w2).Value();
    d.eps2 = (CheckedReal(a.Eps2[i]) * w2).Value();
    d.eps3 = (CheckedReal(a.Eps3[i]) * w2).Value();
    d.eps4 = (CheckedReal(a.Eps4[i]) * w2).Value();

    SolvedTable table;
    table.positions = &p;
    table.accelerations = &a;
    table.omega1 = omega1;
    d.va = *ExactValue(table, PositionQuantity::VA, k);
    d.vb = *ExactValue(table, PositionQuantity::VB, k);
    d.vd = *ExactValue(table, PositionQuantity::VD, k);
    d.aa = *ExactValue(table, PositionQuantity::AA, k);
    d.ab = *ExactValue(table, PositionQuantity::AB, k);
    d.ad = *ExactValue(table, PositionQuantity::AD, k);
    d.aeAbs = *ExactValue(table, PositionQuantity::AE, k);
    return d;
}

void WriteScheme(const PositionData& d, const PlanSizes& sizes, WorkedSolution& out)
{
    LineWriter w(out, SolutionSection::Positions);
    const double xs[] = {0, d.xa, d.xb, -d.l.Loc, d.xd, d.xe};
    const double ys[] = {0, d.ya, d.yb, 0, d.yd, d.ye};
    const double width = *std::max_element(std::begin(xs), std::end(xs)) - *std::min_element(std::begin(xs), std::end(xs));
    const double height = *std::max_element(std::begin(ys), std::end(ys)) - *std::min_element(std::begin(ys), std::end(ys));
    out.schemeScale = ChooseDrawingScale(std::max(width, height), sizes.schemeFieldMm);
    const std::string field = FormatGeneral(sizes.schemeFieldMm);
    if (!out.schemeScale) {
        w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Схема механизма в этом положении занимает %1 × %2 м и не умещается в поле %3 мм даже в масштабе 1:50.")),
                     {V(width), V(height), field}));
        return;
    }
    const double mu = LengthFactor(*out.schemeScale);
    w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Схема механизма в этом положении занимает %1 × %2 м; в поле %3 мм она умещается в масштабе %4: %5.")),
                 {V(width), V(height), field, DrawingScaleText(*out.schemeScale), LengthFactorText(mu)}));
    const struct {
        const char* segment;
        const char* length;
        double value;
    } links[] = {{"OA", "lOA", d.l.Loa}, {"AB", "lAB", d.l.Lab}, {"BC", "lBC", d.l.Lbc},
                 {"DE", "lDE", d.l.Lde}, {"OC", "lOC", d.l.Loc}};
    for (const auto& link : links) {
        w.Result(link.segment, std::string(link.segment) + " = " + link.length + "/μl = " + V(link.value) + "/"
                                   + V(mu) + " = " + S((CheckedReal(link.value) / mu).Value()) + U(kMillimetres));
    }
}

void WritePositions(const PositionData& d, const PlanSizes& sizes, WorkedSolution& out)
{
    LineWriter w(out, SolutionSection::Positions);
    const LinkageLengths& l = d.l;
    w.Result("φ1", "φ1 = 360°/N·k = 360°/" + WholeNumberText(d.n) + "·" + WholeNumberText(d.k) + " = "
                       + V(d.phiDegrees) + "°");
    WriteScheme(d, sizes, out);
    w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Неподвижные точки: O (0; 0), C (−lOC; 0) = (%1; 0); направляющая ползуна — вертикаль x = −lOC/2 = %2 м.")),
                 {V(-l.Loc), V(-l.GuideOffset)}));
    w.Result("xA", "xA = lOA·cos φ1 = " + V(l.Loa) + "·" + Trig("cos", d.phi) + " = " + V(d.xa) + U(kMetres));
    w.Result("yA", "yA = lOA·sin φ1 = " + V(l.Loa) + "·" + Trig("sin", d.phi) + " = " + V(d.ya) + U(kMetres));
    w.Result("AC", "AC = √((xA + lOC)² + yA²) = √((" + V(d.xa) + " + " + V(l.Loc) + ")² + " + P(d.ya)
                       + "²) = " + V(d.ac) + U(kMetres));

    // ψ = atan2(yA, xA + lOC): arctg of the ratio, moved by half a turn left of the y axis.
    const CheckedReal dx = CheckedReal(d.xa) + l.Loc;
    std::string turn;
    if (dx < 0)
        turn = d.ya >= 0 ? " + 180°" : " − 180°";
    if (dx.Value() == 0)
        w.Result("ψ", "ψ = " + Deg(d.psi) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "точка A на вертикали через C")));
    else
        w.Result("ψ", "ψ = arctg(yA/(xA + lOC))" + turn + " = arctg(" + P(d.ya) + "/(" + V(d.xa) + " + "
                          + V(l.Loc) + "))" + turn + " = " + Deg(d.psi) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "направление CA")));

    w.Result("γ", "γ = arccos((lBC² + lAB² − AC²)/(2·lBC·lAB)) = arccos((" + V(l.Lbc) + "² + " + V(l.Lab)
                      + "² − " + V(d.ac) + "²)/(2·" + V(l.Lbc) + "·" + V(l.Lab) + ")) = " + Deg(d.gamma)
                      + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "угол передачи между BA и BC")));
    w.Result("δ", "δ = arccos((lBC² + AC² − lAB²)/(2·lBC·AC)) = arccos((" + V(l.Lbc) + "² + " + V(d.ac)
                      + "² − " + V(l.Lab) + "²)/(2·" + V(l.Lbc) + "·" + V(d.ac) + ")) = "
                      + Deg(d.delta) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "угол при C между CA и CB")));
    w.Result("θ3", "θ3 = ψ + δ = " + PDeg(d.psi) + " + " + Deg(d.delta) + " = " + Deg(d.theta3)
                       + SameAngle(d.theta3) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "направление CB")));
    w.Result("α", "α = 180° − δ − γ = 180° − " + Deg(d.delta) + " − " + Deg(d.gamma) + " = "
                      + Deg(d.alpha) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "угол при A")));
    w.Result("θ2", "θ2 = ψ − α + 180° = " + PDeg(d.psi) + " − " + PDeg(d.alpha) + " + 180° = "
                       + Deg(d.theta2) + SameAngle(d.theta2) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "направление AB")));
    w.Result("xB", "xB = xA + lAB·cos θ2 = " + V(d.xa) + " + " + V(l.Lab) + "·" + Trig("cos", d.theta2)
                       + " = " + V(d.xb) + U(kMetres));
    w.Result("yB", "yB = yA + lAB·sin θ2 = " + V(d.ya) + " + " + V(l.Lab) + "·" + Trig("sin", d.theta2)
                       + " = " + V(d.yb) + U(kMetres));
    w.Result("lAD", "lAD = lAB/2 = " + V(l.Lab) + "/2 = " + V(l.Lad) + U(kMetres));
    w.Result("xD", "xD = xA + lAD·cos θ2 = " + V(d.xa) + " + " + V(l.Lad) + "·" + Trig("cos", d.theta2)
                       + " = " + V(d.xd) + U(kMetres));
    w.Result("yD", "yD = yA + lAD·sin θ2 = " + V(d.ya) + " + " + V(l.Lad) + "·" + Trig("sin", d.theta2)
                       + " = " + V(d.yd) + U(kMetres));
    w.Result("θ4", "θ4 = arccos((xD + lOC/2)/lDE) = arccos((" + V(d.xd) + " + " + V(l.GuideOffset) + ")/"
                       + V(l.Lde) + ") = " + Deg(d.theta4) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "направление ED (E ниже D)")));
    w.Result("yE", "yE = yD − lDE·sin θ4 = " + V(d.yd) + " − " + V(l.Lde) + "·" + Trig("sin", d.theta4)
                       + " = " + V(d.ye) + U(kMetres));
}

void WriteVelocities(const PositionData& d, const PlanSizes& sizes, WorkedSolution& out)
{
    LineWriter w(out, SolutionSection::Velocities);
    const LinkageLengths& l = d.l;
    w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "ω1 = %1 рад/с: кривошип вращается равномерно %2.")), {V(d.omega1), Sense(d.omega1)}));
    w.Result("vAx", "vAx = −ω1·lOA·sin φ1 = −" + P(d.omega1) + "·" + V(l.Loa) + "·" + Trig("sin", d.phi)
                        + " = " + V(d.vxa) + U(kMetresPerSecond));
    w.Result("vAy", "vAy = ω1·lOA·cos φ1 = " + P(d.omega1) + "·" + V(l.Loa) + "·" + Trig("cos", d.phi)
                        + " = " + V(d.vya) + U(kMetresPerSecond));
    w.Result("vA", "vA = ω1·lOA = " + V(std::fabs(d.omega1)) + "·" + V(l.Loa) + " = " + V(d.va)
                       + U(kMetresPerSecond) + ", " + Tr(QT_TRANSLATE_NOOP("Kinematics", "вектор ⊥ OA в сторону вращения кривошипа")));

    const double vba = (Abs(CheckedReal(d.omega2)) * l.Lab).Value();
    const double ved = (Abs(CheckedReal(d.omega4)) * l.Lde).Value();
    const double largest = std::max({d.va, d.vb, d.vd, std::fabs(d.ve), vba, ved});
    out.velocityFactor = ChooseRoundFactor(largest, sizes.velocityPlanMm);
    const double mu = out.velocityFactor.value_or(0);
    if (out.velocityFactor) {
        w.Words(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "План скоростей из полюса p: наибольший отрезок не длиннее %1 мм при %2.")),
                     {FormatGeneral(sizes.velocityPlanMm), VelocityFactorText(mu)}));
        w.Segment("pa", "vA", d.va, "μv", mu);
    } else {
        w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Все скорости равны нулю: план скоростей стягивается в точку p.")));
    }

    w.Words("vB = vA + vBA, vBA ⊥ AB;   vB = vC + vBC, vC = 0, vBC ⊥ BC.");
    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Из точки a проводим прямую ⊥ AB, из полюса p — прямую ⊥ BC; их пересечение — точка b. В проекциях на направления звеньев:")));
    const std::string sin23 = "sin(" + Deg(d.theta2) + " − " + PDeg(d.theta3) + ")";
    w.Result("ω2", "ω2 = (vAx·cos θ3 + vAy·sin θ3)/(lAB·sin(θ2 − θ3)) = (" + P(d.vxa) + "·" + Trig("cos", d.theta3)
                       + " + " + P(d.vya) + "·" + Trig("sin", d.theta3) + ")/(" + V(l.Lab) + "·" + sin23 + ") = "
                       + V(d.omega2) + U(kAngularVelocity) + ", " + Sense(d.omega2));
    w.Result("ω3", "ω3 = (vAx·cos θ2 + vAy·sin θ2)/(lBC·sin(θ2 − θ3)) = (" + P(d.vxa) + "·" + Trig("cos", d.theta2)
                       + " + " + P(d.vya) + "·" + Trig("sin", d.theta2) + ")/(" + V(l.Lbc) + "·" + sin23 + ") = "
                       + V(d.omega3) + U(kAngularVelocity) + ", " + Sense(d.omega3));
    w.Result("vBA", "vBA = |ω2|·lAB = " + V(std::fabs(d.omega2)) + "·" + V(l.Lab) + " = " + V(vba) + U(kMetresPerSecond));
    if (out.velocityFactor)
        w.Segment("ab", "vBA", vba, "μv", mu);
    w.Result("vB", "vB = vBC = |ω3|·lBC = " + V(std::fabs(d.omega3)) + "·" + V(l.Lbc) + " = " + V(d.vb) + U(kMetresPerSecond));
    if (out.velocityFactor)
        w.Segment("pb", "vB", d.vb, "μv", mu);
    w.Result("vBx", "vBx = vAx − lAB·ω2·sin θ2 = " + V(d.vxa) + " − " + V(l.Lab) + "·" + P(d.omega2) + "·"
                        + Trig("sin", d.theta2) + " = " + V(d.vxb) + U(kMetresPerSecond));
    w.Result("vBy", "vBy = vAy + lAB·ω2·cos θ2 = " + V(d.vya) + " + " + V(l.Lab) + "·" + P(d.omega2) + "·"
                        + Trig("cos", d.theta2) + " = " + V(d.vyb) + U(kMetresPerSecond));

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "Точка d делит отрезок ab плана так же, как точка D делит AB (подобие): ad/ab = lAD/lAB = 1/2.")));
    w.Result("vDx", "vDx = (vAx + vBx)/2 = (" + V(d.vxa) + " + " + P(d.vxb) + ")/2 = " + V(d.vxd) + U(kMetresPerSecond));
    w.Result("vDy", "vDy = (vAy + vBy)/2 = (" + V(d.vya) + " + " + P(d.vyb) + ")/2 = " + V(d.vyd) + U(kMetresPerSecond));
    w.Result("vD", "vD = √(vDx² + vDy²) = √(" + P(d.vxd) + "² + " + P(d.vyd) + "²) = " + V(d.vd) + U(kMetresPerSecond));
    if (out.velocityFactor)
        w.Segment("pd", "vD", d.vd, "μv", mu);

    w.Words(Tr(QT_TRANSLATE_NOOP("Kinematics", "vE = vD + vED, vED ⊥ DE; vE ∥ направляющей. Из точки d проводим прямую ⊥ DE, из полюса p — вертикаль; их пересечение — точка e.")));
    w.Result("ω4", "ω4 = −vDx/(lDE·sin θ4) = −" + P(d.vxd) + "/(" + V(l.Lde) + "·" + Trig("sin", d.theta4) + ") = "
                       + V(d.omega4) + U(kAngularVelocity) + ", " + Sense(d.omega4));
    w.Result("vED", "vED = |ω4|·lDE = " + V(std::fabs(d.omega4)) + "·" + V(l.Lde) + " = " + V(ved) + U(kMetresPerSecond));
    if (out.velocityFactor)
        w.Segment("de", "vED", ved, "μv", mu);
    const std::string direction = d.ve > 0   ? Tr(QT_TRANSLATE_NOOP("Kinematics", "ползун движется вверх"))
                                  : d.ve < 0 ? Tr(QT_TRANSLATE_NOOP("Kinematics", "ползун движется вниз"))
                                             : Tr(QT_TRANSLATE_NOOP("Kinematics", "ползун стоит"));
    w.Result("vE", "vE = vDy − lDE·ω4·cos θ4 = " + V(d.vyd) + " − " + V(l.Lde) + "·" + P(d.omega4) + "·"
                       + Trig("cos", d.theta4) + " = " + V(d.ve) + U(kMetresPerSecond) + ", " + direction);
    if (out.velocityFactor)
        w.Segment("pe", "|vE|", std::fabs(d.ve), "μv", mu);
}

}  // namespace

WorkedSolution WorkPosition(const Mechanism& solved, const PositionArrays& positions,
                            const AccelerationArrays& accelerations, int k,
                            const ForceParameters& loads, const PositionForces* forces,
                            const PlanSizes& sizes)
{
    const int rows = static_cast<int>(std::min(positions.Size(), accelerations.Size()));
    if (k < 0 || k >= rows || solved.PositionCount < 1)
        throw OrvekError(PositionOutsideTableText(k, rows));
    WorkedSolution out;
    out.position = k;
    out.positionCount = solved.PositionCount;
    const PositionData d = GatherData(solved, positions, accelerations, k, loads.Omega1);
    WritePositions(d, sizes, out);
    WriteVelocities(d, sizes, out);
    WriteAccelerations(d, sizes, out);
    if (forces)
        WriteForces(d, loads, *forces, out);
    return out;
}

std::string SectionTitle(SolutionSection section)
{
    switch (section) {
    case SolutionSection::Positions: return Tr(QT_TRANSLATE_NOOP("Kinematics", "Положения звеньев"));
    case SolutionSection::Velocities: return Tr(QT_TRANSLATE_NOOP("Kinematics", "Скорости"));
    case SolutionSection::Accelerations: return Tr(QT_TRANSLATE_NOOP("Kinematics", "Ускорения"));
    case SolutionSection::Forces: return Tr(QT_TRANSLATE_NOOP("Kinematics", "Силы"));
    }
    return {};
}

std::string WorkedSolutionText(const WorkedSolution& solution)
{
    std::string text = Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Ход решения: положение %1 из %2")),
                            {WholeNumberText(solution.position), WholeNumberText(solution.positionCount)})
                       + "\n";
    bool first = true;
    SolutionSection current = SolutionSection::Positions;
    for (const SolutionLine& line : solution.lines) {
        if (first || line.section != current) {
            text += "\n" + SectionTitle(line.section) + "\n";
            current = line.section;
            first = false;
        }
        text += line.text + "\n";
    }
    return text;
}
