// Checking a student's answers: the exact values of the list of quantities, the relative and the
// zero-value rules, the names a student may type, and the texts of the verdicts.

#include "PhysicsTestSupport.h"
#include "kinematics/AnswerCheck.h"
#include "kinematics/Characteristics.h"
#include "kinematics/ForceAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Checked {
    SolvedRun run;
    ForceArrays forces;
    SolvedTable table;
};

// The defaults with the study's rocker, N = 12, the default loads at ω1.
std::unique_ptr<Checked> Calculate(double omega1)
{
    auto c = std::make_unique<Checked>();
    c->run = Solve(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 12));
    ForceParameters f;
    f.Omega1 = omega1;
    ComputeForces(c->run.m, c->run.s.arrays, c->run.a, ComputeCharacteristics(c->run.m), f, c->forces);
    c->table.positions = &c->run.s.arrays;
    c->table.accelerations = &c->run.a;
    c->table.forces = &c->forces;
    c->table.omega1 = omega1;
    return c;
}

AnswerVerdict Check(const SolvedTable& t, int k, const std::string& name, double value, double tolerance = 5)
{
    return CheckAnswer(t, {0, k, name, value}, tolerance);
}

TEST(AnswerCheck, ExactValuesAreTheCalculationsForTheCrankSpeed)
{
    const auto c = Calculate(3);
    const PositionArrays& p = c->run.s.arrays;
    const AccelerationArrays& a = c->run.a;
    const std::size_t k = 5;
    const struct {
        PositionQuantity q;
        double value;
    } cases[] = {
        {PositionQuantity::VB, std::hypot(p.Vxb[k], p.Vyb[k]) * 3},
        {PositionQuantity::VE, std::fabs(p.Ve[k]) * 3},
        {PositionQuantity::Omega3, a.Omega3[k] * 3},
        {PositionQuantity::AD, a.Ad[k] * 9},
        {PositionQuantity::AE, std::fabs(a.Ae[k]) * 9},
        {PositionQuantity::Eps4, a.Eps4[k] * 9},
        {PositionQuantity::R23, c->forces.RB[k]},
        {PositionQuantity::N05, std::fabs(c->forces.Nguide[k])},
        {PositionQuantity::Mb, c->forces.MbGroups[k]},
    };
    for (const auto& x : cases) {
        const std::optional<double> exact = ExactValue(c->table, x.q, 5);
        ASSERT_TRUE(exact) << InfoOf(x.q).name;
        EXPECT_NEAR(*exact, x.value, 1e-12 * std::fabs(x.value)) << InfoOf(x.q).name;
    }
    EXPECT_FALSE(ExactValue(c->table, PositionQuantity::VA, 12));
    EXPECT_FALSE(ExactValue(c->table, PositionQuantity::VA, -1));
}

TEST(AnswerCheck, ExactAnswersGiveZeroAndTheFourAndSixPercentAnswersSplit)
{
    const auto c = Calculate(1);
    for (const QuantityInfo& info : PositionQuantityList()) {
        SCOPED_TRACE(info.name);
        const double exact = *ExactValue(c->table, info.id, 2);
        ASSERT_NE(exact, 0);
        const AnswerVerdict same = Check(c->table, 2, info.name, exact);
        ASSERT_TRUE(same.checked);
        EXPECT_EQ(same.absoluteError, 0);
        EXPECT_EQ(same.relativeErrorPercent, 0.0);
        EXPECT_TRUE(same.withinTolerance);
        for (double factor : {1.04, 0.96}) {
            const AnswerVerdict near = Check(c->table, 2, info.name, exact * factor);
            EXPECT_NEAR(*near.relativeErrorPercent, 4, 1e-9);
            EXPECT_TRUE(near.withinTolerance);
            EXPECT_FALSE(Check(c->table, 2, info.name, exact * factor, 3).withinTolerance);
        }
        for (double factor : {1.06, 0.94})
            EXPECT_FALSE(Check(c->table, 2, info.name, exact * factor).withinTolerance);
        // On the boundary counts as within.
        EXPECT_TRUE(Check(c->table, 2, info.name, exact * 1.05).withinTolerance);
    }
}

TEST(AnswerCheck, SignsCountForRotationsAndTheTorqueOnly)
{
    const auto c = Calculate(1);
    const double omega2 = *ExactValue(c->table, PositionQuantity::Omega2, 2);
    ASSERT_LT(omega2, 0);  // the coupler turns clockwise at φ = 60°
    EXPECT_FALSE(Check(c->table, 2, "ω2", -omega2).withinTolerance);
    EXPECT_NEAR(*Check(c->table, 2, "ω2", -omega2).relativeErrorPercent, 200, 1e-9);
    // vE is a magnitude although the slider moves down here.
    ASSERT_LT(c->run.s.arrays.Ve[2], 0);
    const double vE = *ExactValue(c->table, PositionQuantity::VE, 2);
    EXPECT_GT(vE, 0);
    EXPECT_TRUE(Check(c->table, 2, "vE", vE).withinTolerance);
    EXPECT_FALSE(Check(c->table, 2, "vE", -vE).withinTolerance);
}

TEST(AnswerCheck, ZeroExactValuesAreJudgedAgainstTheLargestMagnitude)
{
    // A table of two positions whose ω2 is 0 at the first and 0,5 at the second.
    PositionArrays p;
    p.Resize(2);
    AccelerationArrays a;
    a.Resize(2);
    a.Omega2 = {0.0, 0.5};
    a.Omega3 = {0.0, 0.0};
    SolvedTable t;
    t.positions = &p;
    t.accelerations = &a;

    const AnswerVerdict small = Check(t, 0, "w2", 0.02);  // 5 % of 0,5 is 0,025
    ASSERT_TRUE(small.checked);
    EXPECT_FALSE(small.relativeErrorPercent);
    EXPECT_EQ(small.zeroScale, 0.5);
    EXPECT_TRUE(small.withinTolerance);
    EXPECT_FALSE(Check(t, 0, "w2", 0.03).withinTolerance);
    EXPECT_FALSE(Check(t, 0, "w2", -0.03).withinTolerance);
    EXPECT_TRUE(Check(t, 0, "w2", 0).withinTolerance);

    // Zero at every position: only zero is right.
    EXPECT_TRUE(Check(t, 1, "w3", 0).withinTolerance);
    EXPECT_FALSE(Check(t, 1, "w3", 1e-6).withinTolerance);

    const std::string text = VerdictText(small, 5);
    EXPECT_NE(text.find("точное значение равно нулю; допуск 5 % от наибольшего модуля 0,5 рад/с"), std::string::npos);
}

TEST(AnswerCheck, NamesInLatinLettersAndLookalikes)
{
    const struct {
        const char* typed;
        PositionQuantity q;
    } names[] = {
        {"vA", PositionQuantity::VA},    {"VA", PositionQuantity::VA},    {" vB ", PositionQuantity::VB},   {"vА", PositionQuantity::VA},
        {"ω2", PositionQuantity::Omega2}, {"w2", PositionQuantity::Omega2}, {"W2", PositionQuantity::Omega2}, {"ω₂", PositionQuantity::Omega2},
        {"ε3", PositionQuantity::Eps3},  {"e3", PositionQuantity::Eps3},  {"aE", PositionQuantity::AE},     {"ae", PositionQuantity::AE},
        {"Mб", PositionQuantity::Mb},    {"Mb", PositionQuantity::Mb},    {"MB", PositionQuantity::Mb},     {"Мб", PositionQuantity::Mb},
        {"R32", PositionQuantity::R23},  {"R23", PositionQuantity::R23},  {"R21", PositionQuantity::R12},   {"R10", PositionQuantity::R01},
        {"N50", PositionQuantity::N05},  {"R05", PositionQuantity::N05},  {"R54", PositionQuantity::R45},   {"R42", PositionQuantity::R24},
    };
    for (const auto& n : names) {
        const std::optional<PositionQuantity> q = FindQuantity(n.typed);
        ASSERT_TRUE(q) << n.typed;
        EXPECT_EQ(*q, n.q) << n.typed;
    }
    for (const char* unknown : {"vF", "", "ω5", "R13", "v", "vAx", "Mбб"})
        EXPECT_FALSE(FindQuantity(unknown)) << unknown;
}

TEST(AnswerCheck, WhatCannotBeCheckedSaysWhy)
{
    const auto c = Calculate(1);
    const AnswerVerdict unknown = CheckAnswer(c->table, {4, 2, "vF", 0.1});
    EXPECT_FALSE(unknown.checked);
    EXPECT_EQ(VerdictText(unknown, 5).rfind("строка 4: неизвестная величина «vF»; можно: vA, vB, vD, vE, ω2,", 0), 0u);

    const AnswerVerdict outside = Check(c->table, 12, "vB", 0.1);
    EXPECT_FALSE(outside.checked);
    EXPECT_EQ(outside.error, "положение 12 вне таблицы: в ней положения от 0 до 11");
    EXPECT_EQ(Check(c->table, -1, "vB", 0.1).error, "положение -1 вне таблицы: в ней положения от 0 до 11");

    SolvedTable noForces = c->table;
    noForces.forces = nullptr;
    EXPECT_TRUE(Check(noForces, 2, "vB", 0.1).checked);
    const AnswerVerdict force = Check(noForces, 2, "R12", 100);
    EXPECT_FALSE(force.checked);
    EXPECT_EQ(force.error, "силы в положении 2 не рассчитаны, величину R12 не с чем сравнить");
}

TEST(AnswerCheck, SummaryAndVerdictTexts)
{
    const auto c = Calculate(1);
    std::vector<StudentAnswer> answers;
    int line = 2;
    for (const char* name : {"vA", "vB", "vD", "vE", "w2", "w3", "w4", "aA", "aB", "Mb"})
        answers.push_back({line++, 2, name, *ExactValue(c->table, *FindQuantity(name), 2) * 1.01});
    answers.back().value *= 1.1;  // Mб off by 11 %
    std::vector<AnswerVerdict> verdicts = CheckAnswers(c->table, answers);
    EXPECT_EQ(SummaryText(Summarise(verdicts), 5), "9 из 10 в пределах 5 %");
    answers.push_back({line++, 2, "vF", 1});
    verdicts = CheckAnswers(c->table, answers, 2.5);
    EXPECT_EQ(SummaryText(Summarise(verdicts), 2.5), "9 из 10 в пределах 2,5 %; не проверено: 1");

    const AnswerVerdict v = CheckAnswer(c->table, {7, 2, "vA", 0.102});
    EXPECT_EQ(VerdictText(v, 5), "строка 7: vA в положении 2: дано 0,102, точно 0,1; ошибка 0,002 м/с (2 %) — в пределах 5 %");
    const AnswerVerdict far = CheckAnswer(c->table, {0, 2, "vA", 0.11}, 5);
    EXPECT_EQ(VerdictText(far, 5), "vA в положении 2: дано 0,11, точно 0,1; ошибка 0,01 м/с (10 %) — вне допуска 5 %");
}

}  // namespace
