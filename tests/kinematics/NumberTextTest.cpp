#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FormatCase {
    double value;
    const char* text;
};

// A number written with a count of digits: significant ones, or places after the point.
struct DigitsCase {
    double value;
    int digits;
    const char* text;
};

TEST(FormatGeneral, FifteenDigitsCommaAndExponentForm)
{
    const double inf = std::numeric_limits<double>::infinity();
    const FormatCase cases[] = {
        {0.1, "0,1"},
        {0.6, "0,6"},
        {1, "1"},
        {1e-5, "1E-5"},
        {0.00001, "1E-5"},
        {1.5e20, "1,5E20"},
        {0.0001, "0,0001"},
        {0.00012345, "0,00012345"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"},  // rounds up to 15 digits first, then leaves fixed form
        {0.99999999999999999, "1"},
        {-0.0707106781186548, "-0,0707106781186548"},
        {-1.22464679914735e-17, "-1,22464679914735E-17"},
        {-0.0, "0"},
        {0.0, "0"},
        {2.5e-300, "2,5E-300"},
        {1.0 / 3.0, "0,333333333333333"},
        {-12.5, "-12,5"},
        {100, "100"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {inf, "INF"},
        {-inf, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
}

TEST(FormatSignificant, RoundsToTheGivenDigitsInTheGeneralForm)
{
    const DigitsCase cases[] = {
        {0.0866025403784439, 6, "0,0866025"},
        {24.0330000000001, 6, "24,033"},       // trailing zeros dropped
        {-1.22464679914735e-17, 6, "-1,22465E-17"},
        {999999.7, 6, "1000000"},              // rounds up a decade, stays fixed
        {0.000099999996, 4, "0,0001"},         // the form is decided after rounding
        {0.00009999, 4, "9,999E-5"},
        {45.8131, 4, "45,81"},
        {-0.0, 6, "0"},
        {123, 0, "100"},                       // fewer than one digit is one digit
        {0.1, 40, "0,10000000000000001"},      // more than 17 are 17
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSignificant(c.value, c.digits), c.text) << c.value << " " << c.digits;
    EXPECT_EQ(FormatSignificant(1.0 / 3.0, 15), FormatGeneral(1.0 / 3.0));
}

TEST(FormatFixed15, NeverUsesTheExponentForm)
{
    EXPECT_EQ(FormatFixed15(6.123e-18), "0,000000000000000006123");
    EXPECT_EQ(FormatFixed15(0.00004999), "0,00004999");
    EXPECT_EQ(FormatFixed15(1.5e20), "150000000000000000000");
    EXPECT_EQ(FormatFixed15(0.0707106781186548), "0,0707106781186548");
    EXPECT_EQ(FormatFixed15(2.6795), "2,6795");
}

TEST(ParseDecimal, ReadsPointAndCommaAlike)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"0.25", 0.25}, {"0,25", 0.25}, {"1", 1}, {"-0,3", -0.3}, {"+2,5", 2.5},
        {",5", 0.5}, {"5,", 5}, {"1e-5", 1e-5}, {"1,5E20", 1.5e20}, {"1.5e+2", 150},
        {" 0,5 ", 0.5},  // blanks at either end are allowed
        {"4e-320", 4e-320},  // a denormal is read
    };
    for (const auto& c : cases) {
        const auto parsed = ParseDecimal(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(*parsed, c.value) << c.text;
    }
    const auto minusZero = ParseDecimal("-0");
    ASSERT_TRUE(minusZero.has_value());
    EXPECT_EQ(*minusZero, 0.0);
}

TEST(ParseDecimal, RejectsEverythingThatIsNotOneFiniteNumber)
{
    const char* rejected[] = {
        "", "   ", "abc", "0x10", "nan", "NAN", "inf", "-inf", "1e400", "-1e400",
        "1e-400",  // too small for any double: rejected rather than read as 0
        "1,2,3", "1.2.3", "1,2.3", "1 2", "1e", "1e+", "e5", "+", "-", ",", "--1", "+-1",
        "1,5x", "\xd9\xa1",  // an Arabic-Indic digit one
        "\xef\xbc\x91",       // a full-width digit one
        "\t1",
    };
    for (const char* text : rejected)
        EXPECT_FALSE(ParseDecimal(text).has_value()) << '"' << text << '"';
}

TEST(ParseInteger, ThirtyTwoBitDecimalOnly)
{
    EXPECT_EQ(ParseInteger("8"), 8);
    EXPECT_EQ(ParseInteger("-3"), -3);
    EXPECT_EQ(ParseInteger("+12"), 12);
    EXPECT_EQ(ParseInteger(" 180 "), 180);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    const char* rejected[] = {"", " ", "8.0", "8,0", "8,5", "2147483648", "-2147483649",
                              "1e3", "0x10", "abc", "--1", "+", "1 2"};
    for (const char* text : rejected)
        EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
}

TEST(StrToInt, ThrowsConvertErrorNamingTheText)
{
    EXPECT_EQ(StrToInt("42"), 42);
    try {
        StrToInt("abc");
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt(""), ConvertError);
    EXPECT_THROW(StrToInt("8,0"), ConvertError);
}

}  // namespace

TEST(WholeNumberText, DigitsAndSignWithoutTheLocale)
{
    EXPECT_EQ(WholeNumberText(0), "0");
    EXPECT_EQ(WholeNumberText(-17), "-17");
    EXPECT_EQ(WholeNumberText(1234567), "1234567");  // no thousands separator, whatever the locale
    EXPECT_EQ(WholeNumberText(-9223372036854775807LL - 1), "-9223372036854775808");
}

TEST(PointFixedText, APointAndTheGivenPlacesForFileFormats)
{
    const DigitsCase cases[] = {
        {12.5, 3, "12.500"},  {-0.0, 4, "0.0000"}, {-0.00001, 4, "0.0000"}, {-3.25, 1, "-3.2"},
        {841, 0, "841"},      {1e-5, 6, "0.000010"}, {2.5, 20, "2.500000000000000"}, {1, -2, "1"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "0"}, {std::numeric_limits<double>::infinity(), 2, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointFixedText(c.value, c.digits), c.text) << c.value << " at " << c.digits;
}
