// Scale factors of the drawings: the standard scale that gives the largest drawing within its
// field, and the smallest round factor of a plan within its length.

#include "kinematics/ScaleFactors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();

struct ScaleCase {
    double extent, field;
    const char* scale;  // nullptr: none fits
};

TEST(ScaleFactors, TheLargestStandardScaleThatFits)
{
    const ScaleCase cases[] = {
        {0.5, 100, "1:5"},      // exactly 100 mm fits
        {0.5, 99.9, "1:10"},
        {1.6, 180, "1:10"},     // the default mechanism across a sheet
        {0.01, 100, "10:1"},
        {0.011, 100, "5:1"},
        {0.05, 100, "2:1"},
        {0.04, 100, "2,5:1"},
        {0.3, 150, "1:2"},
        {0.36, 150, "1:2,5"},
        {2.9, 200, "1:15"},
        {3.9, 100, "1:40"},
        {5, 100, "1:50"},
        {5.1, 100, nullptr},    // beyond the list
        {0, 10, "10:1"},        // a point fits any scale
        {-0.1, 100, nullptr},
        {kNan, 100, nullptr},
        {0.5, 0, nullptr},
        {0.5, -100, nullptr},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.extent << " m in " << c.field << " mm");
        const std::optional<DrawingScale> s = ChooseDrawingScale(c.extent, c.field);
        ASSERT_EQ(s.has_value(), c.scale != nullptr);
        if (s) {
            EXPECT_EQ(DrawingScaleText(*s), c.scale);
        }
    }
}

TEST(ScaleFactors, LengthFactorTexts)
{
    const struct {
        DrawingScale scale;
        const char* text;
    } cases[] = {
        {{1, 5}, "μl = 0,005 м/мм"}, {{1, 1}, "μl = 0,001 м/мм"},    {{1, 2.5}, "μl = 0,0025 м/мм"},
        {{2.5, 1}, "μl = 0,0004 м/мм"}, {{10, 1}, "μl = 0,0001 м/мм"}, {{1, 50}, "μl = 0,05 м/мм"},
        {{4, 1}, "μl = 0,00025 м/мм"}, {{1, 15}, "μl = 0,015 м/мм"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LengthFactorText(LengthFactor(c.scale)), c.text);
    EXPECT_EQ(VelocityFactorText(0.002), "μv = 0,002 (м/с)/мм");
    EXPECT_EQ(AccelerationFactorText(0.025), "μa = 0,025 (м/с²)/мм");
}

struct RoundCase {
    double largest, length;
    double factor;  // 0: none
};

TEST(ScaleFactors, TheSmallestRoundFactorThatFits)
{
    const RoundCase cases[] = {
        {0.1, 100, 0.001},   {0.1001, 100, 0.002}, {0.19, 100, 0.002},  {0.2, 100, 0.002},
        {0.21, 100, 0.0025}, {0.26, 100, 0.004},   {0.45, 100, 0.005},  {0.51, 100, 0.01},
        {123, 50, 2.5},      {3e5, 100, 4000},     {1e-7, 100, 1e-9},   {0.3, 120, 0.0025},
        {0, 100, 0},         {-1, 100, 0},         {kNan, 100, 0},      {1, 0, 0},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.largest << " in " << c.length << " mm");
        const std::optional<double> mu = ChooseRoundFactor(c.largest, c.length);
        ASSERT_EQ(mu.has_value(), c.factor != 0);
        if (mu) {
            EXPECT_EQ(*mu, c.factor);  // the double nearest the decimal, not an accumulation
        }
    }
}

TEST(ScaleFactors, ARoundFactorFitsAndTheNextSmallerDoesNot)
{
    const double mantissas[] = {1, 2, 2.5, 4, 5};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int i = 0; i < 5000; ++i) {
        const double largest = std::pow(10.0, exponent(random));
        const double length = 100;
        const std::optional<double> mu = ChooseRoundFactor(largest, length);
        ASSERT_TRUE(mu);
        EXPECT_LE(largest / *mu, length * (1 + 1e-9));
        // mu = m·10^p with m one of the mantissas; the one before it in the sequence is too small.
        const double power = std::floor(std::log10(*mu) + 1e-12);
        const double m = *mu / std::pow(10.0, power);
        int index = -1;
        for (int j = 0; j < 5; ++j) {
            if (std::fabs(m - mantissas[j]) < 1e-9)
                index = j;
        }
        ASSERT_GE(index, 0) << *mu;
        const double smaller = index > 0 ? mantissas[index - 1] * std::pow(10.0, power)
                                         : 5 * std::pow(10.0, power - 1);
        EXPECT_GT(largest / smaller, length * (1 + 1e-9)) << largest;
    }
}

}  // namespace
