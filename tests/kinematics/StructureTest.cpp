// The structural analysis is derived from the lists of links and pairs: the defaults give the
// figures a student writes down, and changed lists give changed figures.

#include "kinematics/Structure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

bool HasLine(const std::vector<std::string>& lines, const std::string& text)
{
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

KinematicPair& PairNamed(std::vector<KinematicPair>& pairs, const std::string& name)
{
    return *std::find_if(pairs.begin(), pairs.end(), [&](const KinematicPair& p) { return p.name == name; });
}

// The structure of the mechanism with the named pairs of other kinds.
StructuralAnalysis WithKinds(std::initializer_list<std::pair<const char*, PairKind>> kinds)
{
    std::vector<KinematicPair> pairs = MechanismPairs();
    for (const auto& [name, kind] : kinds)
        PairNamed(pairs, name).kind = kind;
    return AnalyseStructure(MechanismLinks(), pairs);
}

TEST(Structure, TheMechanismHasOneFreedomAndTwoDyadsOfClassTwo)
{
    const StructuralAnalysis s = AnalyseMechanismStructure();
    EXPECT_EQ(s.movingLinks, 5);
    EXPECT_EQ(s.lowerPairs, 7);
    EXPECT_EQ(s.higherPairs, 0);
    EXPECT_EQ(s.freedom, 1);
    ASSERT_TRUE(s.decomposed);
    ASSERT_EQ(s.groups.size(), 2u);

    const AssurGroup& g23 = s.groups[0];
    EXPECT_EQ(g23.firstLink, 2);
    EXPECT_EQ(g23.secondLink, 3);
    EXPECT_EQ(s.pairs[static_cast<std::size_t>(g23.innerPair)].name, "B");
    EXPECT_EQ(s.pairs[static_cast<std::size_t>(g23.firstOuterPair)].name, "A");
    EXPECT_EQ(s.pairs[static_cast<std::size_t>(g23.secondOuterPair)].name, "C");
    EXPECT_EQ(g23.pairLetters, "ВВВ");
    EXPECT_EQ(g23.kind, 1);

    const AssurGroup& g45 = s.groups[1];
    EXPECT_EQ(g45.firstLink, 4);
    EXPECT_EQ(g45.secondLink, 5);
    EXPECT_EQ(g45.pairLetters, "ВВП");
    EXPECT_EQ(g45.kind, 2);
    for (const AssurGroup& g : s.groups) {
        EXPECT_EQ(g.groupClass, 2);
        EXPECT_EQ(g.order, 2);
        EXPECT_EQ(g.freedom, 0);
    }
    EXPECT_EQ(s.mechanismClass, 2);
    EXPECT_EQ(StructuralFormula(s), "I(0,1) → II(2,3) → II(4,5)");
}

TEST(Structure, TheTextSubstitutesTheCountedNumbers)
{
    const std::vector<std::string> lines = StructureTextLines(AnalyseMechanismStructure());
    EXPECT_TRUE(HasLine(lines, "Степень подвижности по формуле Чебышева: W = 3n − 2p5 − p4 = 3·5 − 2·7 − 0 = 1."));
    EXPECT_TRUE(HasLine(lines, "Число подвижных звеньев n = 5, низших пар p5 = 7, высших пар p4 = 0."));
    EXPECT_TRUE(HasLine(lines, "Кинематические пары: O (0–1), A (1–2), B (2–3), C (0–3), D (2–4), E (4–5) — "
                               "вращательные; E₀ (0–5) — поступательная (ползун по направляющей)."));
    EXPECT_TRUE(HasLine(lines, "Группа Ассура 4–5: звенья 4 и 5, внутренняя пара E, внешние пары D и E₀; "
                               "класс II, порядок 2, 2-й вид (ВВП); W = 3·2 − 2·3 = 0."));
    EXPECT_TRUE(HasLine(lines, "Структурная формула: I(0,1) → II(2,3) → II(4,5)."));
    EXPECT_TRUE(HasLine(lines, "Механизм II класса: это наивысший класс входящих в него групп Ассура."));
}

TEST(Structure, OtherListsGiveOtherFiguresNotTheDefaultsAnswer)
{
    // A rocker in place of the slider: the last dyad has three rotational pairs.
    StructuralAnalysis s = WithKinds({{"E₀", PairKind::Rotational}});
    ASSERT_EQ(s.groups.size(), 2u);
    EXPECT_EQ(s.groups[1].pairLetters, "ВВВ");
    EXPECT_EQ(s.groups[1].kind, 1);

    // The slide moved to the joint D: "ПВВ" is the second kind read backwards.
    s = WithKinds({{"E₀", PairKind::Rotational}, {"D", PairKind::Translational}});
    EXPECT_EQ(s.groups[1].pairLetters, "ПВВ");
    EXPECT_EQ(s.groups[1].kind, 2);

    // A slide inside the dyad: the third kind.
    s = WithKinds({{"E₀", PairKind::Rotational}, {"E", PairKind::Translational}});
    EXPECT_EQ(s.groups[1].kind, 3);

    // DE hinged to the rocker instead of the coupler: still two dyads, attached in that order.
    std::vector<KinematicPair> pairs = MechanismPairs();
    PairNamed(pairs, "D").first = 3;
    s = AnalyseStructure(MechanismLinks(), pairs);
    EXPECT_EQ(StructuralFormula(s), "I(0,1) → II(2,3) → II(4,5)");
    EXPECT_EQ(s.groups[1].firstOuterPair, 4);
}

TEST(Structure, AMissingPairLeavesThreeFreedomsAndNoSecondGroup)
{
    std::vector<KinematicPair> pairs = MechanismPairs();
    pairs.erase(std::find_if(pairs.begin(), pairs.end(), [](const KinematicPair& p) { return p.name == "E₀"; }));
    const StructuralAnalysis s = AnalyseStructure(MechanismLinks(), pairs);
    EXPECT_EQ(s.lowerPairs, 6);
    EXPECT_EQ(s.freedom, 3);
    EXPECT_EQ(s.groups.size(), 1u);
    EXPECT_FALSE(s.decomposed);
    const std::vector<std::string> lines = StructureTextLines(s);
    EXPECT_TRUE(HasLine(lines, "Степень подвижности по формуле Чебышева: W = 3n − 2p5 − p4 = 3·5 − 2·6 − 0 = 3."));
    EXPECT_TRUE(HasLine(lines, "Оставшиеся звенья не образуют двухповодковых групп."));
}

TEST(Structure, AHigherPairCountsOnceInW)
{
    std::vector<KinematicPair> pairs = MechanismPairs();
    pairs.push_back({"K", 3, 5, PairKind::Rotational, 4});
    const StructuralAnalysis s = AnalyseStructure(MechanismLinks(), pairs);
    EXPECT_EQ(s.higherPairs, 1);
    EXPECT_EQ(s.freedom, 0);
}

}  // namespace
