// Grashof's verdict for the kinds of four-bar, checked against the geometry of the crank's
// turn, and the full-turn verdict of the whole mechanism for the typed lengths.

#include "KinematicsTestSupport.h"
#include "kinematics/Grashof.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace {

struct KindCase {
    double loa, lab, lbc, loc;
    FourBarKind kind;
    bool crank, rocker, coupler;
};

TEST(Grashof, EachKindAndTheLinkThatTurns)
{
    using K = FourBarKind;
    const KindCase cases[] = {
        {0.1, 0.6, 0.9, 1.0, K::CrankRocker, true, false, false},   // the study's rocker
        {0.1, 0.6, 0.6, 1.0, K::CrankRocker, true, false, false},   // the built-in defaults
        {0.5, 0.6, 0.1, 0.9, K::CrankRocker, false, true, false},   // BC the shortest
        {0.6, 0.8, 0.7, 0.3, K::DoubleCrank, true, true, true},     // the frame the shortest
        {0.6, 0.2, 0.7, 0.8, K::DoubleRocker, false, false, true},  // the coupler the shortest
        {0.5, 0.6, 0.6, 1.0, K::DoubleRocker, false, false, false}, // s + l > p + q
        {0.4, 0.3, 1.0, 0.8, K::DoubleRocker, false, false, false}, // s + l > p + q, AB shortest
        {0.1, 0.6, 0.5, 1.0, K::ChangePoint, true, false, false},   // 0,1 + 1 = 0,6 + 0,5
        {0.2, 1.0, 0.2, 1.0, K::ChangePoint, true, true, false},    // a parallelogram
        {0.0, 0.6, 0.9, 1.0, K::NotAFourBar, false, false, false},
        {0.1, NAN, 0.9, 1.0, K::NotAFourBar, false, false, false},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loa << " " << c.lab << " " << c.lbc << " " << c.loc);
        const GrashofCheck g = CheckGrashof(c.loa, c.lab, c.lbc, c.loc);
        EXPECT_EQ(g.kind, c.kind);
        EXPECT_EQ(g.crankTurns, c.crank);
        EXPECT_EQ(g.rockerTurns, c.rocker);
        EXPECT_EQ(g.couplerTurns, c.coupler);
    }
}

// The crank OA turns fully exactly when the diagonal AC, which runs from |lOC − lOA| to
// lOC + lOA over a turn, always lies within what AB and BC can span.
bool CrankTurnsByTheDiagonal(double loa, double lab, double lbc, double loc)
{
    return loc + loa <= lab + lbc && std::fabs(loc - loa) >= std::fabs(lab - lbc);
}

TEST(Grashof, AgreesWithTheDiagonalOfTheCrankTurn)
{
    std::mt19937 random(24);
    std::uniform_real_distribution<double> length(0.05, 1.5);
    int turning = 0, checked = 0;
    for (int i = 0; i < 20000; ++i) {
        const double loa = length(random), lab = length(random), lbc = length(random), loc = length(random);
        const GrashofCheck g = CheckGrashof(loa, lab, lbc, loc);
        if (std::fabs(g.shortestPlusLongest - g.sumOfOthers) < 1e-9)
            continue;  // the flat change-point case is the boundary of both tests
        ++checked;
        const bool byDiagonal = CrankTurnsByTheDiagonal(loa, lab, lbc, loc);
        ASSERT_EQ(g.crankTurns, byDiagonal) << loa << " " << lab << " " << lbc << " " << loc;
        turning += byDiagonal;
    }
    EXPECT_GT(turning, 1000);  // both answers were exercised
    EXPECT_LT(turning, checked - 1000);
}

TEST(Grashof, TheConditionIsWrittenWithItsNumbers)
{
    const FullTurnVerdict v = JudgeFullTurn(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 12),
                                            ComputeCharacteristics(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 12)));
    const std::vector<std::string> lines = FullTurnTextLines(v);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Четырёхзвенник OABC: lOA = 0,1 м, lAB = 0,6 м, lBC = 0,9 м, lOC = 1 м.");
    EXPECT_EQ(lines[1], "Условие Грасгофа s + l ≤ p + q: s = lOA — самое короткое звено, l = lOC — самое "
                        "длинное; 0,1 + 1 = 1,1 м < 0,6 + 0,9 = 1,5 м — выполняется.");
    EXPECT_NE(lines[2].find("кривошипно-коромысловый"), std::string::npos);
    EXPECT_EQ(lines[3].rfind("Механизм проворачивается полностью", 0), 0u);
}

struct TurnCase {
    Mechanism m;
    bool turns;
    const char* reasonPart;
};

TEST(Grashof, TheWholeMechanismTurnsOnlyWhenBothDyadsCloseEverywhere)
{
    const TurnCase cases[] = {
        {MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 12), true, ""},
        {MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.0, 12), true, ""},
        // The four-bar turns, but DE cannot reach the guide.
        {MakeMechanism(0.1, 0.6, 0.9, 0.2, 1.0, 12), false, "звено DE не достаёт"},
        // Not Grashof: AB and BC cannot span the short diagonal near φ = 180°.
        {MakeMechanism(0.4, 0.3, 1.0, 1.0, 0.8, 12), false, "не достают друг до друга"},
        {MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.3, 12), false, "lOA + lOC > lAB + lBC"},
        {MakeMechanism(0.1, 0.6, 0.5, 0.5, 1.0, 12), false, "при φ = 0° шарниры O, A, B, C лежат на одной прямой"},
    };
    for (const TurnCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.m.Loa << " " << c.m.Lab << " " << c.m.Lbc << " " << c.m.Lde << " " << c.m.Loc);
        MechanismCharacteristics characteristics;
        try {
            characteristics = ComputeCharacteristics(c.m);
        } catch (const std::exception&) {
            // A flat four-bar may fault in the scan; the verdict must not depend on it.
        }
        const FullTurnVerdict v = JudgeFullTurn(c.m, characteristics);
        EXPECT_EQ(v.turnsFully, c.turns);
        EXPECT_NE(v.reason.find(c.reasonPart), std::string::npos) << v.reason;
        EXPECT_EQ(v.reason.empty(), c.turns);
        const std::vector<std::string> lines = FullTurnTextLines(v);
        EXPECT_EQ(lines.back().rfind(c.turns ? "Механизм проворачивается полностью" : "Механизм не проворачивается полностью", 0), 0u);
    }
}

}  // namespace
