// The words for why a mechanism cannot be computed, checked against what the solver does with
// the same lengths.

#include "KinematicsTestSupport.h"

#include "kinematics/AssemblyDiagnosis.h"
#include "kinematics/Errors.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

namespace {

Mechanism WithLengths(double loa, double lab, double lbc, double lde, double loc)
{
    return MakeMechanism(loa, lab, lbc, lde, loc, 8);
}

// True when a solve of 360 positions of `m` completes without a fault.
bool Solves(Mechanism m)
{
    m.PositionCount = 360;
    SolverState s;
    try {
        return SolveMechanism(m, s).complete;
    } catch (const FloatingPointError&) {
        return false;
    }
}

TEST(AssemblyDiagnosis, NamesTheFirstBrokenConditionAndAgreesWithTheSolver)
{
    struct Case {
        Mechanism m;
        std::string expected;  // a prefix of the text
    };
    const Case cases[] = {
        {WithLengths(0.1, 0.6, 0.9, 0.5, 1.0), ""},
        {WithLengths(0.1, 0.6, 0.6, 0.5, 1.0), ""},
        {WithLengths(0, 0.6, 0.9, 0.5, 1.0), ""},  // a crank of no length still moves nothing wrongly
        {WithLengths(0.1, 0.6, 0, 0.5, 1.0), "длина Lbc не может быть равна 0 м"},
        {WithLengths(0.1, 0.6, 0.9, 0, 1.0), "длина Lde не может быть равна 0 м"},
        {WithLengths(0.1, 0.3, 0.3, 0.5, 1.0), "Механизм не собирается: Lab + Lbc < Loa + Loc"},
        {WithLengths(0.1, 0.6, 0.9, 0.05, 1.0), "звено DE не достаёт до направляющей ползуна при φ = "},
        {WithLengths(0.1, 0.2, 1.2, 2.0, 1.0), "шатун AB и коромысло BC не достают друг до друга при φ = "},
    };
    for (const Case& c : cases) {
        const std::string text = DescribeAssemblyFailure(c.m);
        EXPECT_EQ(text.substr(0, c.expected.size()), c.expected) << text;
        EXPECT_EQ(text.empty(), c.expected.empty()) << text;
        EXPECT_EQ(Solves(c.m), text.empty()) << "the words and the solver disagree: " << text;
    }
}

TEST(AssemblyDiagnosis, TheAngleNamedIsWhereTheSlidersLinkFirstFallsShort)
{
    // Lde barely shorter than the horizontal reach needed at some angles only.
    Mechanism m = WithLengths(0.1, 0.6, 0.9, 0.5, 1.0);
    m.Lde = 0.1;
    const std::string text = DescribeAssemblyFailure(m);
    ASSERT_FALSE(text.empty());
    const auto at = text.find("φ = ");
    ASSERT_NE(at, std::string::npos);
    const int degrees = std::stoi(text.substr(at + std::string("φ = ").size()));
    EXPECT_GE(degrees, 0);
    EXPECT_LT(degrees, 360);
}

}  // namespace
