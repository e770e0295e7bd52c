#include "kinematics/Structure.h"

#include "kinematics/NumberText.h"
#include "kinematics/TextCatalogue.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kFrame = 0;
constexpr int kLinksPerDyad = 2;
constexpr int kFreedomsOfAFreeLink = 3;

// The five kinds of dyad by the letters of their outer, inner and outer pair; a kind read
// backwards is the same kind.
constexpr std::array<const char*, 5> kDyadKinds = {"ВВВ", "ВВП", "ВПВ", "ПВП", "ВПП"};

std::string Number(int n) { return WholeNumberText(n); }

std::string Roman(int n)
{
    static const char* const kRoman[] = {"0", "I", "II", "III", "IV", "V", "VI"};
    return n >= 0 && n <= 6 ? kRoman[n] : Number(n);
}

const char* PairLetter(PairKind kind) { return kind == PairKind::Rotational ? "В" : "П"; }

bool Joins(const KinematicPair& p, int link) { return p.first == link || p.second == link; }

int Other(const KinematicPair& p, int link) { return p.first == link ? p.second : p.first; }

// The pairs of `link` with a link for which `wanted` holds.
template <class Wanted>
std::vector<int> PairsOf(const std::vector<KinematicPair>& pairs, int link, Wanted wanted)
{
    std::vector<int> found;
    for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
        const KinematicPair& p = pairs[static_cast<std::size_t>(i)];
        if (Joins(p, link) && p.first != p.second && wanted(Other(p, link)))
            found.push_back(i);
    }
    return found;
}

int DyadKind(const std::string& letters)
{
    // "В" and "П" are two bytes each in UTF-8: reverse by letters, not by bytes.
    std::string backwards;
    for (std::size_t i = letters.size(); i >= 2; i -= 2)
        backwards += letters.substr(i - 2, 2);
    for (std::size_t k = 0; k < kDyadKinds.size(); ++k) {
        if (letters == kDyadKinds[k] || backwards == kDyadKinds[k])
            return static_cast<int>(k) + 1;
    }
    return 0;
}

// W = 3n − 2p5 − p4 of the given links and pairs.
int Freedom(int links, int lower, int higher) { return kFreedomsOfAFreeLink * links - 2 * lower - higher; }

// "ВВП" with the pairs' letters of the interface's language ("RRP" in English).
std::string LocalPairLetters(const std::string& letters)
{
    const std::string rotational = Tr(QT_TRANSLATE_NOOP("Kinematics", "В"));
    const std::string translational = Tr(QT_TRANSLATE_NOOP("Kinematics", "П"));
    std::string local;
    for (std::size_t i = 0; i + 2 <= letters.size(); i += 2) {
        const std::string letter = letters.substr(i, 2);
        local += letter == PairLetter(PairKind::Rotational) ? rotational
                 : letter == PairLetter(PairKind::Translational) ? translational
                                                                 : letter;
    }
    return local;
}

// Two unplaced links that form a dyad on the placed ones, or false.
bool FindDyad(const std::vector<KinematicPair>& pairs, const std::vector<bool>& placed,
              AssurGroup& group)
{
    const int count = static_cast<int>(placed.size());
    auto isPlaced = [&placed](int link) { return placed[static_cast<std::size_t>(link)]; };
    for (int i = 1; i < count; ++i) {
        if (isPlaced(i))
            continue;
        const std::vector<int> outerI = PairsOf(pairs, i, isPlaced);
        if (outerI.size() != 1)
            continue;
        for (int j = i + 1; j < count; ++j) {
            if (isPlaced(j))
                continue;
            const std::vector<int> inner = PairsOf(pairs, i, [j](int other) { return other == j; });
            const std::vector<int> outerJ = PairsOf(pairs, j, isPlaced);
            if (inner.size() != 1 || outerJ.size() != 1)
                continue;
            group.firstLink = i;
            group.secondLink = j;
            group.innerPair = inner[0];
            group.firstOuterPair = outerI[0];
            group.secondOuterPair = outerJ[0];
            return true;
        }
    }
    return false;
}

void DescribeGroup(const std::vector<KinematicPair>& pairs, AssurGroup& g)
{
    g.lowerPairs = g.higherPairs = 0;
    for (int index : {g.firstOuterPair, g.innerPair, g.secondOuterPair}) {
        const KinematicPair& p = pairs[static_cast<std::size_t>(index)];
        g.pairLetters += PairLetter(p.kind);
        (p.pairClass == 5 ? g.lowerPairs : g.higherPairs) += 1;
    }
    g.groupClass = 2;
    g.order = 2;
    g.kind = DyadKind(g.pairLetters);
    g.freedom = Freedom(kLinksPerDyad, g.lowerPairs, g.higherPairs);
}

std::string PairList(const StructuralAnalysis& s, PairKind kind)
{
    std::string text;
    for (const KinematicPair& p : s.pairs) {
        if (p.kind != kind)
            continue;
        if (!text.empty())
            text += ", ";
        text += p.name + " (" + Number(p.first) + "–" + Number(p.second) + ")";
    }
    return text;
}

// "3·2 − 2·3 = 0", or with " − p4" when there are higher pairs.
std::string FreedomText(int links, int lower, int higher)
{
    std::string text = "3·" + Number(links) + " − 2·" + Number(lower);
    if (higher != 0)
        text += " − " + Number(higher);
    return text + " = " + Number(Freedom(links, lower, higher));
}

const std::string& PairName(const StructuralAnalysis& s, int index)
{
    return s.pairs[static_cast<std::size_t>(index)].name;
}

}  // namespace

std::vector<MechanismLink> MechanismLinks()
{
    return {{0, QT_TRANSLATE_NOOP("Kinematics", "стойка")},
            {1, QT_TRANSLATE_NOOP("Kinematics", "кривошип OA")},
            {2, QT_TRANSLATE_NOOP("Kinematics", "шатун AB")},
            {3, QT_TRANSLATE_NOOP("Kinematics", "коромысло BC")},
            {4, QT_TRANSLATE_NOOP("Kinematics", "шатун DE")},
            {5, QT_TRANSLATE_NOOP("Kinematics", "ползун E")}};
}

std::vector<KinematicPair> MechanismPairs()
{
    const PairKind R = PairKind::Rotational;
    return {{"O", 0, 1, R, 5}, {"A", 1, 2, R, 5}, {"B", 2, 3, R, 5},
            {"C", 0, 3, R, 5}, {"D", 2, 4, R, 5}, {"E", 4, 5, R, 5},
            {"E₀", 0, 5, PairKind::Translational, 5}};
}

StructuralAnalysis AnalyseStructure(const std::vector<MechanismLink>& links,
                                    const std::vector<KinematicPair>& pairs, int driver)
{
    StructuralAnalysis s;
    s.links = links;
    s.pairs = pairs;
    s.driver = driver;
    s.movingLinks = static_cast<int>(std::count_if(
        links.begin(), links.end(), [](const MechanismLink& l) { return l.number != kFrame; }));
    for (const KinematicPair& p : pairs)
        (p.pairClass == 5 ? s.lowerPairs : s.higherPairs) += 1;
    s.freedom = Freedom(s.movingLinks, s.lowerPairs, s.higherPairs);

    const int count = static_cast<int>(links.size());
    if (driver <= kFrame || driver >= count)
        return s;
    for (const KinematicPair& p : pairs) {
        if (Joins(p, kFrame) && Joins(p, driver))
            (p.pairClass == 5 ? s.primaryLowerPairs : s.primaryHigherPairs) += 1;
    }
    std::vector<bool> placed(links.size(), false);
    placed[kFrame] = true;
    placed[static_cast<std::size_t>(driver)] = true;
    AssurGroup group;
    while (FindDyad(pairs, placed, group)) {
        DescribeGroup(pairs, group);
        placed[static_cast<std::size_t>(group.firstLink)] = true;
        placed[static_cast<std::size_t>(group.secondLink)] = true;
        s.groups.push_back(group);
        group = AssurGroup{};
    }
    s.decomposed = std::all_of(placed.begin(), placed.end(), [](bool b) { return b; });
    s.mechanismClass = 1;
    for (const AssurGroup& g : s.groups)
        s.mechanismClass = std::max(s.mechanismClass, g.groupClass);
    return s;
}

StructuralAnalysis AnalyseMechanismStructure()
{
    return AnalyseStructure(MechanismLinks(), MechanismPairs());
}

std::string StructuralFormula(const StructuralAnalysis& s)
{
    std::string text = "I(0," + Number(s.driver) + ")";
    for (const AssurGroup& g : s.groups)
        text += " → " + Roman(g.groupClass) + "(" + Number(g.firstLink) + "," + Number(g.secondLink) + ")";
    return text;
}

std::vector<std::string> StructureTextLines(const StructuralAnalysis& s)
{
    std::vector<std::string> lines;
    std::string links;
    for (std::size_t i = 0; i < s.links.size(); ++i)
        links += (i ? "; " : "") + Number(s.links[i].number) + " — " + Tr(s.links[i].name.c_str());
    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Звенья: %1.")), {links}));

    const std::string turning = PairList(s, PairKind::Rotational);
    const std::string sliding = PairList(s, PairKind::Translational);
    lines.push_back(sliding.empty()
                        ? Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Кинематические пары: %1 — вращательные.")), {turning})
                        : Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Кинематические пары: %1 — вращательные; %2 — поступательная (ползун по направляющей).")),
                               {turning, sliding}));
    lines.push_back(s.higherPairs == 0 ? Tr(QT_TRANSLATE_NOOP("Kinematics", "Все пары низшие, 5-го класса (одна степень свободы в каждой)."))
                                       : Tr(QT_TRANSLATE_NOOP("Kinematics", "Среди пар есть высшие, 4-го класса.")));
    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Число подвижных звеньев n = %1, низших пар p5 = %2, высших пар p4 = %3.")),
                         {Number(s.movingLinks), Number(s.lowerPairs), Number(s.higherPairs)}));
    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Степень подвижности по формуле Чебышева: W = 3n − 2p5 − p4 = 3·%1 − 2·%2 − %3 = %4.")),
                         {Number(s.movingLinks), Number(s.lowerPairs), Number(s.higherPairs), Number(s.freedom)}));
    if (s.freedom == 1)
        lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "W = 1: движение всех звеньев задаётся одним ведущим звеном — звеном %1.")),
                             {Number(s.driver)}));

    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Начальный механизм I(0,%1): стойка 0 и ведущее звено %1; W = %2.")),
                         {Number(s.driver), FreedomText(1, s.primaryLowerPairs, s.primaryHigherPairs)}));
    for (const AssurGroup& g : s.groups) {
        const std::string letters = LocalPairLetters(g.pairLetters);
        const std::string kind = g.kind > 0 ? Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "%1-й вид (%2)")), {Number(g.kind), letters}) : letters;
        lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Группа Ассура %1–%2: звенья %1 и %2, внутренняя пара %3, внешние пары %4 и %5; класс %6, порядок %7, %8; W = %9.")),
                             {Number(g.firstLink), Number(g.secondLink), PairName(s, g.innerPair),
                              PairName(s, g.firstOuterPair), PairName(s, g.secondOuterPair), Roman(g.groupClass),
                              Number(g.order), kind, FreedomText(kLinksPerDyad, g.lowerPairs, g.higherPairs)}));
    }
    if (!s.decomposed) {
        lines.push_back(Tr(QT_TRANSLATE_NOOP("Kinematics", "Оставшиеся звенья не образуют двухповодковых групп.")));
        return lines;
    }
    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Структурная формула: %1.")), {StructuralFormula(s)}));
    lines.push_back(Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Механизм %1 класса: это наивысший класс входящих в него групп Ассура.")), {Roman(s.mechanismClass)}));
    return lines;
}
