#include "kinematics/DeltaText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

struct DeltaCase {
    const char* text;
    DeltaVerdict verdict;
    double value;
};

TEST(DeltaText, DecimalsAndFractionsWithTheirVerdicts)
{
    const DeltaCase cases[] = {
        {"0,04", DeltaVerdict::Accepted, 0.04},
        {"0.04", DeltaVerdict::Accepted, 0.04},
        {"1/25", DeltaVerdict::Accepted, 0.04},
        {" 1 / 25 ", DeltaVerdict::Accepted, 0.04},
        {"1/30", DeltaVerdict::Accepted, 1.0 / 30},
        {"0,5/10", DeltaVerdict::Accepted, 0.05},
        {"4E-2", DeltaVerdict::Accepted, 0.04},
        {"-1/25", DeltaVerdict::Negative, -0.04},
        {"1/-25", DeltaVerdict::Negative, -0.04},
        {"0", DeltaVerdict::Zero, 0},
        {"0/7", DeltaVerdict::Zero, 0},
        {"1", DeltaVerdict::TooLarge, 1},
        {"3/2", DeltaVerdict::TooLarge, 1.5},
        {"1/0", DeltaVerdict::NotANumber, 0},
        {"1/25/2", DeltaVerdict::NotANumber, 0},
        {"/25", DeltaVerdict::NotANumber, 0},
        {"1/", DeltaVerdict::NotANumber, 0},
        {"", DeltaVerdict::NotANumber, 0},
        {"1:25", DeltaVerdict::NotANumber, 0},
        {"1e300/1e-300", DeltaVerdict::NotANumber, 0},
    };
    for (const DeltaCase& c : cases) {
        SCOPED_TRACE(c.text);
        const DeltaReading r = ReadDelta(c.text);
        EXPECT_EQ(r.verdict, c.verdict);
        if (c.verdict != DeltaVerdict::NotANumber) {
            EXPECT_EQ(r.value, c.value);
        }
        EXPECT_EQ(ParseDelta(c.text).has_value(), c.verdict != DeltaVerdict::NotANumber);
    }
}

TEST(DeltaText, MessagesAreTheInputFieldsOwnAndNeedNoLocale)
{
    EXPECT_EQ(DeltaVerdictText(DeltaVerdict::Accepted), "");
    EXPECT_EQ(DeltaVerdictText(DeltaVerdict::NotANumber), "Ошибка ввода данных!");
    EXPECT_EQ(DeltaVerdictText(DeltaVerdict::Negative), "Параметр не может быть отрицательным!");
    EXPECT_EQ(DeltaVerdictText(DeltaVerdict::Zero), "Ноль недопустим!");
    EXPECT_EQ(DeltaVerdictText(DeltaVerdict::TooLarge),
              "Коэффициент неравномерности δ должен быть меньше 1!");
    for (const char* locale : {"C", "ru_RU.UTF-8", "uk_UA.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        if (!std::setlocale(LC_ALL, locale))
            continue;
        EXPECT_EQ(ReadDelta("0,04").value, 0.04);
        EXPECT_EQ(ReadDelta("1/2,5").value, 0.4);
        EXPECT_EQ(ReadDelta("1.5/2").value, 0.75);
    }
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(kDefaultDelta, ReadDelta("1/25").value);
}

}  // namespace
