#include "kinematics/Grashof.h"

#include "kinematics/Angles.h"
#include "kinematics/AssemblyDiagnosis.h"
#include "kinematics/NumberText.h"

#include "kinematics/TextCatalogue.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr int kLinks = 4;

const char* const kLinkNames[kLinks] = {QT_TRANSLATE_NOOP("Kinematics", "кривошип OA"), QT_TRANSLATE_NOOP("Kinematics", "шатун AB"),
                                        QT_TRANSLATE_NOOP("Kinematics", "коромысло BC"), QT_TRANSLATE_NOOP("Kinematics", "стойка OC")};
const char* const kLinkSymbols[kLinks] = {"lOA", "lAB", "lBC", "lOC"};

std::size_t Index(FourBarLink link) { return static_cast<std::size_t>(link); }

FourBarLink LinkAt(int i) { return static_cast<FourBarLink>(i); }

bool Equal(double a, double b, double scale) { return std::fabs(a - b) <= kChangePointTolerance * scale; }

std::string Metres(double x) { return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "%1 м")), {FormatGeneral(x)}); }

// The links as long as the shortest (one in a strict Grashof four-bar, more in a change-point one).
std::vector<FourBarLink> ShortestLinks(const GrashofCheck& g, double scale)
{
    std::vector<FourBarLink> links;
    for (int i = 0; i < kLinks; ++i) {
        if (Equal(g.lengths[i], g.lengths[Index(g.shortest)], scale))
            links.push_back(LinkAt(i));
    }
    return links;
}

std::string JoinNames(const std::vector<FourBarLink>& links)
{
    std::string text;
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (i > 0)
            text += i + 1 == links.size() ? Tr(QT_TRANSLATE_NOOP("Kinematics", " и ")) : ", ";
        text += Tr(kLinkNames[Index(links[i])]);
    }
    return text;
}

std::string KindText(const GrashofCheck& g)
{
    const std::string shortest = Tr(kLinkNames[Index(g.shortest)]);
    const std::string length = Metres(g.lengths[Index(g.shortest)]);
    switch (g.kind) {
    case FourBarKind::CrankRocker:
        if (g.crankTurns)
            return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Самое короткое звено — %1 (%2), оно прилегает к стойке: кривошип OA проворачивается полностью, коромысло BC качается — кривошипно-коромысловый механизм.")),
                        {shortest, length});
        return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Самое короткое звено — %1 (%2): полностью проворачивается BC, а OA только качается — кривошипно-коромысловый механизм с ведущим коромыслом, звено OA не может быть кривошипом.")),
                    {shortest, length});
    case FourBarKind::DoubleCrank:
        return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Самое короткое звено — %1 (%2): оба звена, прилегающие к стойке, OA и BC, проворачиваются полностью — двухкривошипный механизм.")),
                    {shortest, length});
    case FourBarKind::DoubleRocker:
        if (g.grashof)
            return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Самое короткое звено — %1 (%2): полностью проворачивается только шатун, OA и BC качаются — двухкоромысловый механизм.")),
                        {shortest, length});
        return Tr(QT_TRANSLATE_NOOP("Kinematics", "Условие не выполняется: ни одно звено не проворачивается полностью, OA и BC качаются — двухкоромысловый механизм."));
    case FourBarKind::ChangePoint: {
        const double scale = g.shortestPlusLongest + g.sumOfOthers;
        std::vector<FourBarLink> turning = ShortestLinks(g, scale);
        return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "s + l = p + q — особый случай: в одном из положений все четыре шарнира O, A, B, C ложатся на одну прямую, и движение дальше не определено. Полностью может проворачиваться %1 (%2).")),
                    {JoinNames(turning), length});
    }
    case FourBarKind::NotAFourBar:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("Kinematics", "Длины звеньев должны быть положительными числами."));
}

// The crank angle of the flat position of a change-point four-bar whose crank turns: the
// diagonal AC is longest at φ = 0 and shortest at φ = 180°.
int FlatPositionDegrees(const GrashofCheck& g)
{
    const double* l = g.lengths;
    const double scale = g.shortestPlusLongest + g.sumOfOthers;
    return Equal(l[0] + l[3], l[1] + l[2], scale) ? 0 : 180;
}

}  // namespace

GrashofCheck CheckGrashof(double loa, double lab, double lbc, double loc)
{
    GrashofCheck g;
    const double lengths[kLinks] = {loa, lab, lbc, loc};
    std::copy(lengths, lengths + kLinks, g.lengths);
    if (!std::all_of(lengths, lengths + kLinks, [](double x) { return std::isfinite(x) && x > 0; }))
        return g;

    int shortest = 0, longest = 0;
    for (int i = 1; i < kLinks; ++i) {
        if (lengths[i] < lengths[shortest])
            shortest = i;
        if (lengths[i] > lengths[longest])
            longest = i;
    }
    if (shortest == longest)  // all four equal
        longest = shortest == 0 ? 1 : 0;
    g.shortest = LinkAt(shortest);
    g.longest = LinkAt(longest);
    g.shortestPlusLongest = lengths[shortest] + lengths[longest];
    g.sumOfOthers = 0;
    for (int i = 0; i < kLinks; ++i) {
        if (i != shortest && i != longest)
            g.sumOfOthers += lengths[i];
    }
    const double scale = g.shortestPlusLongest + g.sumOfOthers;
    const bool equal = Equal(g.shortestPlusLongest, g.sumOfOthers, scale);
    g.grashof = equal || g.shortestPlusLongest < g.sumOfOthers;
    if (g.grashof) {
        for (FourBarLink link : ShortestLinks(g, scale)) {
            g.crankTurns = g.crankTurns || link == FourBarLink::Crank || link == FourBarLink::Frame;
            g.rockerTurns = g.rockerTurns || link == FourBarLink::Rocker || link == FourBarLink::Frame;
            g.couplerTurns = g.couplerTurns || link == FourBarLink::Coupler || link == FourBarLink::Frame;
        }
    }

    if (equal)
        g.kind = FourBarKind::ChangePoint;
    else if (!g.grashof || g.shortest == FourBarLink::Coupler)
        g.kind = FourBarKind::DoubleRocker;
    else if (g.shortest == FourBarLink::Frame)
        g.kind = FourBarKind::DoubleCrank;
    else
        g.kind = FourBarKind::CrankRocker;
    return g;
}

FullTurnVerdict JudgeFullTurn(const Mechanism& m, const MechanismCharacteristics& c)
{
    FullTurnVerdict v;
    v.grashof = CheckGrashof(m.Loa, m.Lab, m.Lbc, m.Loc);
    if (v.grashof.kind == FourBarKind::ChangePoint && v.grashof.crankTurns) {
        v.reason = Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "при φ = %1° шарниры O, A, B, C лежат на одной прямой (особое положение), и положения звеньев за ним не определены")),
                        {WholeNumberText(FlatPositionDegrees(v.grashof))});
        return v;
    }
    if (c.Status == CharacteristicsStatus::Computed && v.grashof.kind != FourBarKind::NotAFourBar) {
        v.turnsFully = true;
        return v;
    }
    // The solver's own test first, in the words of the condition; then the diagnosis by angle.
    if (m.Loa + m.Loc > m.Lab + m.Lbc)
        v.reason = Tr(QT_TRANSLATE_NOOP("Kinematics", "lOA + lOC > lAB + lBC, четырёхзвенник не собирается ни при каком угле φ"));
    else
        v.reason = DescribeAssemblyFailure(m);
    if (v.reason.empty() && v.grashof.kind == FourBarKind::NotAFourBar)
        v.reason = Tr(QT_TRANSLATE_NOOP("Kinematics", "длины звеньев должны быть положительными"));
    if (v.reason.empty())  // a gap narrower than the whole-degree steps of the diagnosis
        v.reason = Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "звено DE не достаёт до направляющей ползуна вблизи φ = %1°")),
                        {FormatSignificant(Degrees(c.FailAngle), 4)});
    return v;
}

std::vector<std::string> FullTurnTextLines(const FullTurnVerdict& v)
{
    const GrashofCheck& g = v.grashof;
    std::vector<std::string> lines;
    std::string lengths;
    for (int i = 0; i < kLinks; ++i)
        lengths += std::string(i ? ", " : "") + kLinkSymbols[i] + " = " + Metres(g.lengths[i]);
    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Четырёхзвенник OABC: %1.")), {lengths}));
    if (g.kind != FourBarKind::NotAFourBar) {
        const char* relation = g.kind == FourBarKind::ChangePoint ? " = " : g.grashof ? " < " : " > ";
        std::string others;
        for (int i = 0; i < kLinks; ++i) {
            if (LinkAt(i) != g.shortest && LinkAt(i) != g.longest)
                others += std::string(others.empty() ? "" : " + ") + FormatGeneral(g.lengths[i]);
        }
        const std::string comparison = FormatGeneral(g.lengths[Index(g.shortest)]) + " + "
                                       + FormatGeneral(g.lengths[Index(g.longest)]) + " = "
                                       + Metres(g.shortestPlusLongest) + relation + others + " = "
                                       + Metres(g.sumOfOthers);
        lines.push_back(Fill(g.grashof ? Tr(QT_TRANSLATE_NOOP("Kinematics", "Условие Грасгофа s + l ≤ p + q: s = %1 — самое короткое звено, l = %2 — самое длинное; %3 — выполняется."))
                                       : Tr(QT_TRANSLATE_NOOP("Kinematics", "Условие Грасгофа s + l ≤ p + q: s = %1 — самое короткое звено, l = %2 — самое длинное; %3 — не выполняется.")),
                             {kLinkSymbols[Index(g.shortest)], kLinkSymbols[Index(g.longest)], comparison}));
    }
    lines.push_back(KindText(g));
    if (v.turnsFully)
        lines.push_back(Tr(QT_TRANSLATE_NOOP("Kinematics", "Механизм проворачивается полностью: при любом угле φ четырёхзвенник собирается и звено DE достаёт до направляющей ползуна.")));
    else
        lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Механизм не проворачивается полностью: %1.")), {v.reason}));
    return lines;
}
