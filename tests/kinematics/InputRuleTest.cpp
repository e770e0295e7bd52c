// The one verdict on a typed number: the value it leaves and the messages, in the order the
// window shows them, for every rule of the program's fields.

#include "kinematics/InputRule.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using M = InputMessage;

struct Case {
    const char* text;
    const InputRule* rule;
    double previous;
    double value;
    std::vector<InputMessage> messages;
};

// The verdict on `text` by `rule` after `previous`: the value it leaves (NaN stays NaN) and the
// messages in order, which are none exactly when the text is accepted.
void ExpectVerdict(const char* text, const InputRule& rule, double previous, double value,
                   const std::vector<InputMessage>& messages)
{
    SCOPED_TRACE(text);
    const InputVerdict v = JudgeInput(text, rule, previous);
    if (std::isnan(value))
        EXPECT_TRUE(std::isnan(v.value));
    else
        EXPECT_EQ(v.value, value);
    EXPECT_EQ(v.messages, messages);
    EXPECT_EQ(v.Accepted(), messages.empty());
}

TEST(InputRule, TextsGetTheValueAndTheMessagesOfTheWindowsFields)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"0,25", &kLengthRule, 0.1, 0.25, {}},
        {"0.35", &kLengthRule, 0.1, 0.35, {}},
        {"1e-3", &kLengthRule, 0.1, 0.001, {}},
        // After a conversion error the previous value stands in, and is judged too.
        {"", &kLengthRule, 0.6, 0.6, {M::NotANumber}},
        {"abc", &kLengthRule, -1, -1, {M::NotANumber, M::Negative}},
        {"1,2,3", &kLengthRule, 0, 0, {M::NotANumber, M::Zero}},
        {"-0,3", &kLengthRule, 0.1, -0.3, {M::Negative}},
        {"0", &kLengthRule, 0.1, 0, {M::Zero}},
        {"-0", &kLengthRule, 0.1, 0, {M::Zero}},
        {"0,0", &kLengthRule, 0.1, 0, {M::Zero}},
        // The rocker: above 0,51 and at most 0,9; a negative value gets both messages.
        {"0,3", &kRockerLengthRule, 0.6, 0.3, {M::OutOfRange}},
        {"0,51", &kRockerLengthRule, 0.6, 0.51, {M::OutOfRange}},
        {"0,511", &kRockerLengthRule, 0.6, 0.511, {}},
        {"0,9", &kRockerLengthRule, 0.6, 0.9, {}},
        {"0.90001", &kRockerLengthRule, 0.6, 0.90001, {M::OutOfRange}},
        {"-0,3", &kRockerLengthRule, 0.6, -0.3, {M::Negative, M::OutOfRange}},
        {"0", &kRockerLengthRule, 0.6, 0, {M::Zero, M::OutOfRange}},
        {"x", &kRockerLengthRule, nan, nan, {M::NotANumber}},  // a NaN from a file: no range message
        // N: whole numbers only.
        {"12", &kPositionCountRule, 8, 12, {}},
        {"8.5", &kPositionCountRule, 8, 8, {M::NotANumber}},
        {"8,0", &kPositionCountRule, 8, 8, {M::NotANumber}},
        {"-3", &kPositionCountRule, 8, -3, {M::Negative}},
        {"0", &kPositionCountRule, 8, 0, {M::Zero}},
        {"2147483648", &kPositionCountRule, 8, 8, {M::NotANumber}},
        // The loads may be zero, never negative; ω1 and the scales are above zero.
        {"0", &kLoadRule, 20, 0, {}},
        {"-500", &kLoadRule, 500, -500, {M::Negative}},
        {"0", &kPositiveRule, 1, 0, {M::Zero}},
        {"2,5", &kPositiveRule, 1, 2.5, {}},
        // Only δ reads a fraction.
        {"1/25", &kLoadRule, 3, 3, {M::NotANumber}},
    };
    for (const Case& c : cases)
        ExpectVerdict(c.text, *c.rule, c.previous, c.value, c.messages);
}

TEST(InputRule, EachMessageTextIsTheWindowsAndOnlyTheRangeMessageComesWithoutTheBeep)
{
    EXPECT_EQ(std::string(InputMessageText(M::NotANumber)), "Ошибка ввода данных!");
    EXPECT_EQ(std::string(InputMessageText(M::Negative)), "Параметр не может быть отрицательным!");
    EXPECT_EQ(std::string(InputMessageText(M::Zero)), "Ноль недопустим!");
    EXPECT_EQ(std::string(InputMessageText(M::OutOfRange)), "Вибране значення поза діапазоном");
    EXPECT_TRUE(InputMessageBeeps(M::NotANumber));
    EXPECT_TRUE(InputMessageBeeps(M::Negative));
    EXPECT_TRUE(InputMessageBeeps(M::Zero));
    EXPECT_FALSE(InputMessageBeeps(M::OutOfRange));
}

TEST(InputRule, WholeNumbersAndTheLargestCount)
{
    EXPECT_EQ(JudgeInput("-2147483648", kPositionCountRule, 8).Integer(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(JudgeInput("100000", kPositionCountRule, 8).Integer(), 100000);
    const InputVerdict huge{1e300, {}};
    EXPECT_EQ(huge.Integer(), 0) << "never converted out of range";

    EXPECT_FALSE(PositionCountRefusal(100000).has_value());
    EXPECT_FALSE(PositionCountRefusal(-5).has_value()) << "the fields' rule speaks of those";
    ASSERT_TRUE(PositionCountRefusal(100001).has_value());
    EXPECT_EQ(*PositionCountRefusal(100001), "Слишком большое количество положений механизма (не более 100000)");
}

// δ: a decimal or a fraction, above zero and below 1, with the fields' own messages.
TEST(InputRule, DeltaAsADecimalOrAFraction)
{
    struct DeltaCase {
        const char* text;
        double previous;
        double value;
        std::vector<InputMessage> messages;
    };
    const DeltaCase cases[] = {
        {"0,04", 0.1, 0.04, {}},
        {"0.04", 0.1, 0.04, {}},
        {"1/25", 0.1, 0.04, {}},
        {" 1 / 25 ", 0.1, 0.04, {}},
        {"1/30", 0.1, 1.0 / 30, {}},
        {"0,5/10", 0.1, 0.05, {}},
        {"4E-2", 0.1, 0.04, {}},
        {"0,999", 0.1, 0.999, {}},
        {"-1/25", 0.1, -0.04, {M::Negative}},
        {"1/-25", 0.1, -0.04, {M::Negative}},
        {"0", 0.1, 0, {M::Zero}},
        {"0/7", 0.1, 0, {M::Zero}},
        // 1 itself is out: the top of the range is not included.
        {"1", 0.1, 1, {M::OutOfRange}},
        {"3/2", 0.1, 1.5, {M::OutOfRange}},
        {"1/0", 0.04, 0.04, {M::NotANumber}},
        {"1/25/2", 0.04, 0.04, {M::NotANumber}},
        {"/25", 0.04, 0.04, {M::NotANumber}},
        {"1/", 0.04, 0.04, {M::NotANumber}},
        {"", 0.04, 0.04, {M::NotANumber}},
        {"1:25", 0.04, 0.04, {M::NotANumber}},
        {"1e300/1e-300", 0.04, 0.04, {M::NotANumber}},
    };
    for (const DeltaCase& c : cases)
        ExpectVerdict(c.text, kDeltaRule, c.previous, c.value, c.messages);
    for (const char* locale : {"C", "ru_RU.UTF-8", "uk_UA.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        if (!std::setlocale(LC_ALL, locale))
            continue;
        EXPECT_EQ(ParseFraction("0,04"), 0.04);
        EXPECT_EQ(ParseFraction("1/2,5"), 0.4);
        EXPECT_EQ(ParseFraction("1.5/2"), 0.75);
    }
    std::setlocale(LC_ALL, "C");
}

}  // namespace
