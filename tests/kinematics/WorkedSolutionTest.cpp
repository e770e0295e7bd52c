// The worked solution of a position: every printed result is the calculation's value to its
// printed digits, every printed evaluation gives its printed result, the plan segments times
// their factor give the velocities and accelerations, and the text does not follow the locale.

#include "PhysicsTestSupport.h"
#include "PrintedFormula.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Errors.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/WorkedSolution.h"
#include "tests/support/LocaleRestorer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr double kDeg = 180 / M_PI;

struct Calculation {
    SolvedRun run;
    MechanismCharacteristics c;
    ForceParameters f;
};

Calculation Calculate(const Mechanism& m, const ForceParameters& f)
{
    return {Solve(m), ComputeCharacteristics(m), f};
}

WorkedSolution Work(const Calculation& calc, int k)
{
    const PositionForces forces = ForcesAt(calc.run.m, calc.run.s.arrays, calc.run.a, k, calc.c, calc.f);
    return WorkPosition(calc.run.m, calc.run.s.arrays, calc.run.a, k, calc.f, &forces);
}

// The calculations the tests run on: the defaults with the study's rocker at ω1 = 1, the
// built-in defaults at ω1 = 2,5 without gravity, a long crank at ω1 = 7.
std::vector<Calculation> Calculations()
{
    ForceParameters slow, medium, fast;
    medium.Omega1 = 2.5;
    medium.Gravity = false;
    fast.Omega1 = 7;
    fast.Resistance = 1200;
    return {Calculate(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 12), slow),
            Calculate(MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.0, 8), medium),
            Calculate(MakeMechanism(0.25, 0.7, 0.8, 0.6, 1.0, 10), fast)};
}

struct Expected {
    double value = 0;
    bool angle = false;  // compared modulo 360°
    int digits = kSolutionDigits;
};

double Hypot(double x, double y) { return std::sqrt(x * x + y * y); }
double Hypot(Vec2 v) { return Hypot(v.x, v.y); }
double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Every quantity the text must give, taken from the calculation's own arrays and ForcesAt,
// independently of how the text finds them.
std::map<std::string, Expected> ExpectedValues(const Calculation& calc, int k, const WorkedSolution& w)
{
    const Mechanism& m = calc.run.m;
    const PositionArrays& p = calc.run.s.arrays;
    const AccelerationArrays& a = calc.run.a;
    const auto i = static_cast<std::size_t>(k);
    const double w1 = calc.f.Omega1, w11 = w1 * w1;
    const PositionForces f = ForcesAt(m, p, a, k, calc.c, calc.f);
    std::map<std::string, Expected> e;
    auto value = [&e](const char* symbol, double v) { e[symbol] = {v, false, kSolutionDigits}; };
    auto angle = [&e](const char* symbol, double radians) { e[symbol] = {radians * kDeg, true, kSolutionDigits}; };

    // Positions: coordinates from the arrays, angles from the points themselves.
    value("φ1", a.Phi[i] * kDeg);
    value("xA", p.Xa[i]);
    value("yA", p.Ya[i]);
    value("AC", Hypot(p.Xa[i] + m.Loc, p.Ya[i]));
    angle("ψ", std::atan2(p.Ya[i], p.Xa[i] + m.Loc));
    angle("γ", p.Gamma[i]);
    const double cax = p.Xa[i] + m.Loc, cay = p.Ya[i], cbx = p.Xb[i] + m.Loc, cby = p.Yb[i];
    angle("δ", std::atan2(Cross(cax, cay, cbx, cby), cax * cbx + cay * cby));
    const double acx = -cax, acy = -cay, abx = p.Xb[i] - p.Xa[i], aby = p.Yb[i] - p.Ya[i];
    angle("α", std::fabs(std::atan2(Cross(acx, acy, abx, aby), acx * abx + acy * aby)));
    angle("θ3", std::atan2(cby, cbx));
    angle("θ2", std::atan2(aby, abx));
    value("xB", p.Xb[i]);
    value("yB", p.Yb[i]);
    value("lAD", m.Lab / 2);
    value("xD", p.Xd[i]);
    value("yD", p.Yd[i]);
    angle("θ4", std::atan2(p.Yd[i] - p.Ye[i], p.Xd[i] + m.Loc / 2));
    value("yE", p.Ye[i]);

    // Velocities for ω1 and accelerations for ω1²: the arrays' values, and the lengths of the
    // vectors their components make, times that factor.
    using Array = const std::vector<double>*;
    auto times = [&](double factor, std::initializer_list<std::pair<const char*, Array>> list) {
        for (const auto& [symbol, values] : list)
            value(symbol, (*values)[i] * factor);
    };
    auto lengthsTimes = [&](double factor, std::initializer_list<std::tuple<const char*, Array, Array>> list) {
        for (const auto& [symbol, x, y] : list)
            value(symbol, Hypot((*x)[i], (*y)[i]) * factor);
    };
    times(w1, {{"vAx", &p.Vxa}, {"vAy", &p.Vya}, {"vBx", &p.Vxb}, {"vBy", &p.Vyb}, {"vDx", &p.Vxd}, {"vDy", &p.Vyd},
               {"vE", &p.Ve}, {"ω2", &a.Omega2}, {"ω3", &a.Omega3}, {"ω4", &a.Omega4}});
    lengthsTimes(w1, {{"vA", &p.Vxa, &p.Vya}, {"vB", &p.Vxb, &p.Vyb}, {"vD", &p.Vxd, &p.Vyd}});
    value("vBA", std::fabs(a.Omega2[i] * w1) * m.Lab);
    value("vED", std::fabs(a.Omega4[i] * w1) * m.Lde);
    times(w11, {{"aAx", &a.Axa}, {"aAy", &a.Aya}, {"aA", &a.Aa}, {"aBx", &a.Axb}, {"aBy", &a.Ayb}, {"aB", &a.Ab},
                {"aDx", &a.Axd}, {"aDy", &a.Ayd}, {"aD", &a.Ad}, {"aE", &a.Ae}, {"ε2", &a.Eps2}, {"ε3", &a.Eps3},
                {"ε4", &a.Eps4}});
    lengthsTimes(w11, {{"aBAⁿ", &a.AnBAx, &a.AnBAy}, {"aBCⁿ", &a.AnBCx, &a.AnBCy}, {"aBAᵗ", &a.AtBAx, &a.AtBAy},
                       {"aBCᵗ", &a.AtBCx, &a.AtBCy}, {"aEDⁿ", &a.AnEDx, &a.AnEDy}, {"aEDᵗ", &a.AtEDx, &a.AtEDy}});

    // Plan and scheme segments: the values over the factors the solution states.
    auto segments = [&](std::initializer_list<std::pair<const char*, const char*>> list, double mu) {
        for (const auto& s : list)
            e[s.first] = {std::fabs(e.at(s.second).value) / mu, false, kSegmentDigits};
    };
    segments({{"pa", "vA"}, {"ab", "vBA"}, {"pb", "vB"}, {"pd", "vD"}, {"de", "vED"}, {"pe", "vE"}},
             w.velocityFactor.value_or(NAN));
    segments({{"πa", "aA"}, {"an₂", "aBAⁿ"}, {"πn₃", "aBCⁿ"}, {"n₂b", "aBAᵗ"}, {"n₃b", "aBCᵗ"}, {"πb", "aB"},
              {"πd", "aD"}, {"dn₄", "aEDⁿ"}, {"n₄e", "aEDᵗ"}, {"πe", "aE"}},
             w.accelerationFactor.value_or(NAN));
    const double muL = w.schemeScale ? LengthFactor(*w.schemeScale) : NAN;
    for (const auto& link : {std::pair<const char*, double>{"OA", m.Loa}, {"AB", m.Lab}, {"BC", m.Lbc},
                             {"DE", m.Lde}, {"OC", m.Loc}})
        e[link.first] = {link.second / muL, false, kSegmentDigits};

    // Forces.
    const double q = calc.f.LinearMass, g = calc.f.Gravity ? kGravity : 0;
    const double masses[] = {q * m.Loa, q * m.Lab, q * m.Lbc, q * m.Lde, calc.f.SliderMass};
    const char* massNames[] = {"m1", "m2", "m3", "m4"};
    const char* weightNames[] = {"G1", "G2", "G3", "G4", "G5"};
    for (int j = 0; j < 5; ++j) {
        if (j < 4)
            value(massNames[j], masses[j]);
        if (calc.f.Gravity)
            value(weightNames[j], masses[j] * g);
    }
    value("Fи1", Hypot(f.F1));
    value("Fи2", Hypot(f.F2));
    value("Fи3", Hypot(f.F3));
    value("aS4", Hypot(a.Axd[i], a.Ayd[i] + a.Ae[i]) / 2 * w11);
    value("Fи4", Hypot(f.F4));
    value("Fи5", Hypot(f.F5));
    value("JS2", masses[1] * m.Lab * m.Lab / 12);
    value("JS3", masses[2] * m.Lbc * m.Lbc / 12);
    value("JS4", masses[3] * m.Lde * m.Lde / 12);
    value("Mи2", f.M2);
    value("Mи3", f.M3);
    value("Mи4", f.M4);
    const double xe = -m.Loc / 2, ye = p.Ye[i];
    value("M_E(G4 + Fи4)", Cross(f.S4.x - xe, f.S4.y - ye, f.G4.x + f.F4.x, f.G4.y + f.F4.y));
    value("R24τ", f.R24t);
    value("ΣFy(4, 5)", f.G4.y + f.F4.y + f.G5.y + f.F5.y + f.Resistance);
    value("R24n", f.R24n);
    value("R24", Hypot(f.R24));
    value("R24x", f.R24.x);
    value("ΣFx(4, 5)", f.F4.x + f.F5.x);
    value("N05", f.N05);
    value("R45x", f.R45.x);
    value("R45y", f.R45.y);
    value("R45", Hypot(f.R45));
    value("M_B(G2 + Fи2 + R42)", Cross(p.Xd[i] - p.Xb[i], p.Yd[i] - p.Yb[i], f.G2.x + f.F2.x - f.R24.x,
                                       f.G2.y + f.F2.y - f.R24.y));
    value("R12τ", f.R12t);
    value("M_B(G3 + Fи3)", Cross(f.S3.x - p.Xb[i], f.S3.y - p.Yb[i], f.G3.x + f.F3.x, f.G3.y + f.F3.y));
    value("R03τ", f.R03t);
    value("R12n", f.R12n);
    value("R03n", f.R03n);
    value("R12", Hypot(f.R12));
    value("R03", Hypot(f.R03));
    value("R23", Hypot(f.R32));
    value("R01", Hypot(f.R01));
    value("M_O(R21)", Cross(p.Xa[i], p.Ya[i], -f.R12.x, -f.R12.y));
    value("M_O(G1 + Fи1)", Cross(f.S1.x, f.S1.y, f.G1.x + f.F1.x, f.G1.y + f.F1.y));
    value("Mб", f.MbGroups);
    value("ΣN", -f.MbLever * w1);  // the power balance Mб·ω1 + ΣN = 0
    value("Mб(рычаг)", f.MbLever);
    value("ΔMб", std::fabs(f.MbGroups - f.MbLever));
    return e;
}

// The text after the last " = " of a result line, and the one before it.
std::string LastPart(const std::string& text, std::size_t& before)
{
    const std::size_t last = text.rfind(" = ");
    before = last;
    return last == std::string::npos ? text : text.substr(last + 3);
}

// Plan segments are their value over the factor (so segment times factor gives the value), and
// ω, ε and Mб carry the sense of their sign.
TEST(WorkedSolution, EveryResultIsTheCalculationsValueToItsPrintedDigits)
{
    const std::set<std::string> senses = {"ω2", "ω3", "ω4", "ε2", "ε3", "ε4", "Mб"};
    const std::set<std::string> velocitySegments = {"pa", "ab", "pb", "pd", "de", "pe"};
    int results = 0;
    for (const Calculation& calc : Calculations()) {
        for (int k = 0; k < calc.run.n; ++k) {
            SCOPED_TRACE(testing::Message() << "Lbc " << calc.run.m.Lbc << ", k " << k);
            const WorkedSolution w = Work(calc, k);
            ASSERT_TRUE(w.velocityFactor && w.accelerationFactor && w.schemeScale);
            std::map<std::string, Expected> expected = ExpectedValues(calc, k, w);
            std::set<std::string> seen;
            double longestVelocitySegment = 0;
            for (const SolutionLine& line : w.lines) {
                if (line.symbol.empty())
                    continue;
                SCOPED_TRACE(line.text);
                ASSERT_EQ(line.text.rfind(line.symbol + " = ", 0), 0u);
                const auto it = expected.find(line.symbol);
                ASSERT_NE(it, expected.end()) << "no expected value for " << line.symbol;
                std::size_t before = 0;
                const std::optional<PrintedNumber> printed = LeadingNumber(LastPart(line.text, before));
                ASSERT_TRUE(printed);
                double difference = printed->value - it->second.value;
                if (it->second.angle)
                    difference = std::remainder(difference, 360.0);
                EXPECT_LE(std::fabs(difference),
                          HalfUnit(it->second.value, it->second.digits) * (1 + 1e-9) + 1e-300)
                    << "expected " << it->second.value;
                if (senses.count(line.symbol)) {
                    EXPECT_EQ(line.text.find("против часовой стрелки") != std::string::npos, printed->value > 0);
                    EXPECT_EQ(line.text.find(", по часовой стрелке") != std::string::npos, printed->value < 0);
                }
                if (velocitySegments.count(line.symbol))
                    longestVelocitySegment = std::max(longestVelocitySegment, printed->value);
                seen.insert(line.symbol);
                ++results;
            }
            for (const auto& [symbol, value] : expected)
                EXPECT_TRUE(seen.count(symbol)) << symbol << " is not in the text";
            // The smallest round factor: the longest segment fits and fills at least 1/2,5 of the room.
            EXPECT_LE(longestVelocitySegment, PlanSizes{}.velocityPlanMm);
            EXPECT_GE(longestVelocitySegment, PlanSizes{}.velocityPlanMm / 2.5);
        }
    }
    EXPECT_GT(results, 3000);
}

TEST(WorkedSolution, EveryPrintedEvaluationGivesItsPrintedResult)
{
    for (const Calculation& calc : Calculations()) {
        for (int k = 0; k < calc.run.n; ++k) {
            SCOPED_TRACE(testing::Message() << "Lbc " << calc.run.m.Lbc << ", k " << k);
            const WorkedSolution w = Work(calc, k);
            int evaluated = 0;
            for (const SolutionLine& line : w.lines) {
                if (line.symbol.empty())
                    continue;
                std::size_t before = 0;
                const std::string result = LastPart(line.text, before);
                if (before == std::string::npos)
                    continue;
                const std::size_t previous = line.text.rfind(" = ", before - 1);
                if (previous == std::string::npos)
                    continue;
                const std::optional<Range> range = EvaluatePrinted(line.text.substr(previous + 3, before - previous - 3));
                if (!range)
                    continue;  // the formula in letters, not numbers
                SCOPED_TRACE(line.text);
                const std::optional<PrintedNumber> printed = LeadingNumber(result);
                ASSERT_TRUE(printed);
                const int digits = line.text.find(" мм") != std::string::npos ? kSegmentDigits : kSolutionDigits;
                const double allowed = range->HalfWidth() + HalfUnit(printed->value, digits) + 1e-12 * std::fabs(printed->value);
                EXPECT_LE(std::fabs(printed->value - range->Mid()), allowed)
                    << "the numbers give " << range->lo << " … " << range->hi;
                ++evaluated;
            }
            EXPECT_GT(evaluated, 90);  // nearly every line with numbers was evaluated
        }
    }
}

TEST(WorkedSolution, TheStatedFactorsAreTheOnesUsed)
{
    const Calculation calc = Calculations()[0];
    const WorkedSolution w = Work(calc, 2);
    const std::string text = WorkedSolutionText(w);
    EXPECT_NE(text.find(VelocityFactorText(*w.velocityFactor)), std::string::npos);
    EXPECT_NE(text.find(AccelerationFactorText(*w.accelerationFactor)), std::string::npos);
    EXPECT_NE(text.find(LengthFactorText(LengthFactor(*w.schemeScale))), std::string::npos);
    // The defaults at φ = 60°: the crank pin's numbers a student checks first.
    EXPECT_NE(text.find("\nφ1 = 360°/N·k = 360°/12·2 = 60°\n"), std::string::npos);
    EXPECT_NE(text.find("\nxA = lOA·cos φ1 = 0,1·cos 60° = 0,05 м\n"), std::string::npos);
    EXPECT_NE(text.find("\nvA = ω1·lOA = 1·0,1 = 0,1 м/с, вектор ⊥ OA в сторону вращения кривошипа\n"),
              std::string::npos);
    EXPECT_NE(text.find("\naA = aAⁿ = ω1²·lOA = 1²·0,1 = 0,1 м/с²\n"), std::string::npos);
}

TEST(WorkedSolution, SectionsAndTheirAbsence)
{
    const Calculation calc = Calculations()[0];
    const WorkedSolution without =
        WorkPosition(calc.run.m, calc.run.s.arrays, calc.run.a, 3, calc.f, nullptr);
    for (const SolutionLine& line : without.lines)
        EXPECT_NE(line.section, SolutionSection::Forces);
    const std::string text = WorkedSolutionText(Work(calc, 3));
    std::size_t at = 0;
    for (SolutionSection s : {SolutionSection::Positions, SolutionSection::Velocities,
                              SolutionSection::Accelerations, SolutionSection::Forces}) {
        const std::size_t found = text.find("\n\n" + SectionTitle(s) + "\n", at);
        ASSERT_NE(found, std::string::npos) << SectionTitle(s);
        at = found + 1;
    }
    EXPECT_EQ(text.rfind("Ход решения: положение 3 из 12\n", 0), 0u);

    for (int k : {-1, 12, 1000}) {
        try {
            WorkPosition(calc.run.m, calc.run.s.arrays, calc.run.a, k, calc.f, nullptr);
            ADD_FAILURE() << k;
        } catch (const OrvekError& e) {
            EXPECT_STREQ(e.what(), (std::string("положение ") + std::to_string(k)
                                    + " вне таблицы: в ней положения от 0 до 11").c_str());
        }
    }
}

TEST(WorkedSolution, TheTextIsTheSameUnderEachLocale)
{
    LocaleRestorer restore;
    const std::vector<Calculation> calcs = Calculations();
    auto texts = [&calcs]() {
        std::string all;
        for (const Calculation& calc : calcs)
            all += WorkedSolutionText(Work(calc, 1));
        return all;
    };
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const std::string reference = texts();
    EXPECT_NE(reference.find("0,05"), std::string::npos);
    for (const char* name : {"ru_RU.UTF-8", "uk_UA.UTF-8", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name << " is missing; scripts/setup.sh generates it";
        EXPECT_EQ(texts(), reference) << name;
    }
}

}  // namespace
