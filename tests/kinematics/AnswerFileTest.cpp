// The answers file of a hand solution: what a spreadsheet or an editor writes is read, and each
// bad line gets a message with its number while the good ones are kept.

#include "PhysicsTestSupport.h"
#include "kinematics/AnswerFile.h"
#include "kinematics/Characteristics.h"
#include "kinematics/NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(AnswerFile, ReadsWhatEditorsAndSpreadsheetsWrite)
{
    const std::string texts[] = {
        "Положение;Величина;Значение\n2;vB;0,0916\n3;ω2;-0.0588\n",
        "\xEF\xBB\xBFПоложение;Величина;Значение\r\n2;vB;0,0916\r\n3;ω2;-0.0588\r\n",
        "Положение;Величина;Значение\r2;vB;0,0916\r3;ω2;-0.0588",                 // CR alone
        "Положение;Величина;Значение\n\n2; vB ;0,0916;\n \n3;\"ω2\";-0.0588\n",   // blanks, quotes, ";"
        "2;vB;0,0916\n3;ω2;-0.0588\n",                                             // no header
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const ParsedAnswers parsed = ParseAnswersText(text);
        EXPECT_TRUE(parsed.errors.empty()) << parsed.errors.front();
        ASSERT_EQ(parsed.answers.size(), 2u);
        EXPECT_EQ(parsed.answers[0].position, 2);
        EXPECT_EQ(parsed.answers[0].quantity, "vB");
        EXPECT_EQ(parsed.answers[0].value, 0.0916);
        EXPECT_EQ(parsed.answers[1].position, 3);
        EXPECT_EQ(parsed.answers[1].quantity, "ω2");
        EXPECT_EQ(parsed.answers[1].value, -0.0588);
    }
    EXPECT_EQ(ParseAnswersText(texts[0]).answers[1].line, 3);
    EXPECT_EQ(ParseAnswersText(texts[3]).answers[1].line, 5);
}

TEST(AnswerFile, EachBadLineIsNamedAndTheRestIsKept)
{
    const ParsedAnswers parsed = ParseAnswersText(
        "Положение;Величина;Значение\n"
        "2;vB\n"
        "два;vB;0,1\n"
        "2.5;vB;0,1\n"
        "2;;0,1\n"
        "2;vB;0,5 м/с\n"
        "2;vB;1;2\n"
        "4;aE;0,044\n");
    ASSERT_EQ(parsed.answers.size(), 1u);
    EXPECT_EQ(parsed.answers[0].line, 8);
    const std::vector<std::string> expected = {
        "строка 2: нужно три поля через «;» (положение, величина, значение), а их 2",
        "строка 3: положение «два» — не целое число",
        "строка 4: положение «2.5» — не целое число",
        "строка 5: не указана величина",
        "строка 6: значение «0,5 м/с» — не число",
        "строка 7: нужно три поля через «;» (положение, величина, значение), а их 4",
    };
    EXPECT_EQ(parsed.errors, expected);
}

TEST(AnswerFile, FilesThatHoldNoAnswers)
{
    EXPECT_EQ(ParseAnswersText("").errors, std::vector<std::string>{"в файле нет ни одного ответа"});
    EXPECT_EQ(ParseAnswersText("\xEF\xBB\xBFПоложение;Величина;Значение\r\n").errors,
              std::vector<std::string>{"в файле нет ни одного ответа"});
    // Saved in a Windows code page: "Положение" in cp1251 is not UTF-8.
    const ParsedAnswers cp1251 = ParseAnswersText("\xCF\xEE\xEB\xEE\xE6\xE5\xED\xE8\xE5;a;b\n2;vB;0,1\n");
    EXPECT_TRUE(cp1251.answers.empty());
    EXPECT_EQ(cp1251.errors, std::vector<std::string>{"файл не в кодировке UTF-8: сохраните его как «CSV (UTF-8)»"});
    const ParsedAnswers header = ParseAnswersText("Pos;Qty;Value\n2;vB;0,1\n");
    EXPECT_EQ(header.errors, std::vector<std::string>{"строка 1: ожидался заголовок «Положение;Величина;Значение»"});
    EXPECT_EQ(header.answers.size(), 1u);
}

TEST(AnswerFile, AFileOfExactValuesPassesAndItsLineNumbersReachTheVerdicts)
{
    const SolvedRun run = Solve(MakeMechanism(0.1, 0.6, 0.9, 0.5, 1.0, 12));
    ForceArrays forces;
    const ForceParameters f;
    ComputeForces(run.m, run.s.arrays, run.a, ComputeCharacteristics(run.m), f, forces);
    SolvedTable table;
    table.positions = &run.s.arrays;
    table.accelerations = &run.a;
    table.forces = &forces;

    std::string text = "\xEF\xBB\xBFПоложение;Величина;Значение\r\n";
    for (const QuantityInfo& info : PositionQuantityList())
        text += "2;" + std::string(info.latin) + ";" + FormatGeneral(*ExactValue(table, info.id, 2)) + "\r\n";
    text += "3;vF;1\r\n";
    const ParsedAnswers parsed = ParseAnswersText(text);
    ASSERT_TRUE(parsed.errors.empty());
    const std::vector<AnswerVerdict> verdicts = CheckAnswers(table, parsed.answers);
    EXPECT_EQ(SummaryText(Summarise(verdicts), 5), "22 из 22 в пределах 5 %; не проверено: 1");
    EXPECT_EQ(VerdictText(verdicts.back(), 5).rfind("строка 24: неизвестная величина «vF»", 0), 0u);
}

}  // namespace
