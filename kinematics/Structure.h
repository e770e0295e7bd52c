#pragma once
// Structural analysis of the six-link mechanism: its links and kinematic pairs, the degree of
// freedom by Chebyshev's formula, the decomposition into the primary mechanism and Assur groups,
// the structural formula and the class of the mechanism.
//
// What is fixed and what is derived: the lists of links and pairs describe the one linkage this
// program computes and are data. Everything else is counted or found from those lists: n, p5,
// p4 and W, the groups (dyads split off from the primary mechanism in the order they can be
// attached), each group's class, order, kind and own W, the formula and the class. A change of
// the lists changes the analysis; nothing below is typed in as an answer.

#include <string>
#include <vector>

enum class PairKind { Rotational, Translational };

struct MechanismLink {
    int number = 0;    // 0 is the frame
    std::string name;  // "кривошип OA", in the nominative
};

struct KinematicPair {
    std::string name;  // the joint's letter; the slider's guide is "E₀"
    int first = 0, second = 0;  // the two links it joins
    PairKind kind = PairKind::Rotational;
    int pairClass = 5;  // 5: lower pair (one relative freedom), 4: higher pair
};

// One Assur group: two links (class II), their inner pair and the two outer pairs that attach
// it to links placed before it.
struct AssurGroup {
    int firstLink = 0, secondLink = 0;
    int innerPair = 0;                 // index into StructuralAnalysis::pairs
    int firstOuterPair = 0, secondOuterPair = 0;  // of firstLink and of secondLink
    int groupClass = 2;
    int order = 2;                     // the number of outer pairs
    int kind = 0;                      // 1 … 5 of the dyads: ВВВ, ВВП, ВПВ, ПВП, ВПП
    std::string pairLetters;           // "ВВВ", "ВВП", … (В rotational, П translational)
    int lowerPairs = 0, higherPairs = 0;  // of its three pairs
    int freedom = 0;                   // 3·2 − 2·3: zero for every Assur group
};

struct StructuralAnalysis {
    std::vector<MechanismLink> links;   // links[i].number == i
    std::vector<KinematicPair> pairs;
    int movingLinks = 0;   // n
    int lowerPairs = 0;    // p5
    int higherPairs = 0;   // p4
    int freedom = 0;       // W = 3n − 2·p5 − p4
    int driver = 1;        // the link of the primary mechanism I(0, driver)
    int primaryLowerPairs = 0, primaryHigherPairs = 0;  // between the frame and the driver
    std::vector<AssurGroup> groups;  // in the order they are attached
    bool decomposed = false;  // every moving link is the driver or in a group
    int mechanismClass = 0;   // the highest class of a group (1 with no groups)
};

// The lists of links and pairs of this program's mechanism.
std::vector<MechanismLink> MechanismLinks();
std::vector<KinematicPair> MechanismPairs();

// Counts, W and the decomposition for the given lists (links numbered 0 … n, 0 the frame,
// `driver` joined to the frame). Dyads are taken in the order they can be attached: a group
// is two unplaced links joined to each other, each by exactly one pair to a placed link.
StructuralAnalysis AnalyseStructure(const std::vector<MechanismLink>& links,
                                    const std::vector<KinematicPair>& pairs, int driver = 1);

// The analysis of this program's mechanism.
StructuralAnalysis AnalyseMechanismStructure();

// "I(0,1) → II(2,3) → II(4,5)".
std::string StructuralFormula(const StructuralAnalysis& s);

// The analysis in a student's words, one line each (UTF-8): links, pairs, the counts, W with
// the numbers substituted, the primary mechanism, each group, the formula and the class.
std::vector<std::string> StructureTextLines(const StructuralAnalysis& s);
