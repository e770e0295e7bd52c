// Every number text of the program reads the same whatever the C library's locale: the decimal
// comma of ru_RU, uk_UA and de_DE (and their group separators) must never leak into a text, nor
// change what a typed text means. The locales come from scripts/setup.sh.

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "tests/support/LocaleRestorer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const kLocales[] = {"C", "ru_RU.UTF-8", "uk_UA.UTF-8", "de_DE.UTF-8"};

// Every text function on a fixed set of inputs, as one list of lines to compare.
std::vector<std::string> AllTexts()
{
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {0.0, -0.0, 0.34, -0.18, 0.1, 0.6, 1, 12.5, -12.5, 600, 900, 1234567.891,
                             1e-5, 0.0001, 0.00012345, 1.5e20, 1e15, 999999999999999.9, 1.0 / 3.0,
                             2.5e-300, 4.9e-324, std::numeric_limits<double>::max(), -1e300, inf, -inf,
                             std::numeric_limits<double>::quiet_NaN()};
    std::vector<std::string> lines;
    for (double v : values) {
        lines.push_back("general " + FormatGeneral(v));
        lines.push_back("significant " + FormatSignificant(v, 6));
        if (v > 0 && std::isfinite(v) && v < 1e20)
            lines.push_back("fixed " + FormatFixed15(v));
    }

    const char* const typed[] = {"0,34", "0.34", "-0,18", "1 234,5", "1.234,5", "1,234", "1.234", "12,5e3",
                                 "12.5E-3", "1e400", "1e-400", "nan", "inf", "0x1p3", "+1", " 1", "1 ",
                                 "١٢", "12\u00a0345", "", ",", ".", "0,", ",5"};
    for (const char* text : typed) {
        const std::optional<double> value = ParseDecimal(text);
        lines.push_back(std::string("decimal '") + text + "' " + (value ? FormatGeneral(*value) : "none"));
    }

    const char* const integers[] = {"180", "-3", "+7", "2147483647", "2147483648", "-2147483648", "1 000",
                                    "1.000", "1,000", "12e2", "", " 5"};
    for (const char* text : integers) {
        const std::optional<std::int32_t> value = ParseInteger(text);
        lines.push_back(std::string("integer '") + text + "' " + (value ? std::to_string(*value) : "none"));
        try {
            lines.push_back("strtoint " + std::to_string(StrToInt(text)));
        } catch (const ConvertError& e) {
            lines.push_back(std::string("strtoint error ") + e.what());
        }
    }
    return lines;
}

}  // namespace

TEST(NumberTextLocales, EveryTextIsTheSameUnderEachLocale)
{
    LocaleRestorer restore;
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const std::vector<std::string> reference = AllTexts();
    // A few anchors, so that the reference itself is the program's form.
    EXPECT_EQ(FormatGeneral(0.34), "0,34");
    EXPECT_EQ(FormatGeneral(-0.18), "-0,18");
    EXPECT_EQ(FormatGeneral(0.0), "0");
    EXPECT_EQ(FormatGeneral(600), "600");

    for (const char* name : kLocales) {
        SCOPED_TRACE(name);
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr)
            << "the locale " << name << " is missing; scripts/setup.sh generates it";
        if (std::strcmp(name, "C") != 0) {
            // The locale really is a decimal-comma one, or the comparison would prove nothing.
            EXPECT_STREQ(std::localeconv()->decimal_point, ",");
        }
        const std::vector<std::string> texts = AllTexts();
        ASSERT_EQ(texts.size(), reference.size());
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(texts[i], reference[i]);
    }
}

TEST(NumberTextLocales, OnlyLcNumericSetStillChangesNothing)
{
    // Qt sets LC_NUMERIC alone from the environment; the texts must not follow it either.
    LocaleRestorer restore;
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const std::vector<std::string> reference = AllTexts();
    ASSERT_NE(std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"), nullptr);
    EXPECT_EQ(AllTexts(), reference);
}
