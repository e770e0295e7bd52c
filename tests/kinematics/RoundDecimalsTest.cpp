#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(RoundDecimals, ThreePlacesDigitByDigit)
{
    const struct {
        double x;
        double expected;
    } cases[] = {
        {0.0707106781186548, 0.071},
        {0.12345, 0.123},
        {0.1236, 0.124},
        {0.1225, 0.122},      // tie: 2 is even
        {0.1235, 0.124},      // tie: 4 is even
        {0.12250001, 0.122},  // digits past the two-digit window do not count
        {0.1234, 0.123},      // a missing window digit counts as 0
        {0.1296, 0.13},
        {2.6795, 2.68},
        {0.9996, 1},
        {1.9996, 2},
        {9.9999, 10},
        {0.1, 0.1},
        {0.25, 0.25},
        {12, 12},
        {0.125, 0.125},
        {6.123e-18, 0},
        {0.0004999, 0},
        {0.0005, 0},   // tie at 0 stays at the even 0
        {0.00051, 0.001},
        {1e-300, 0},
        {-0.0707106781186548, -0.0707106781186548},
        {0, 0},
        {-2.6795, -2.6795},
        {1.5e20, 1.5e20},
        {123456.78951, 123456.79},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundDecimals(3, c.x), c.expected) << FormatGeneral(c.x);
}

TEST(RoundDecimals, TableTextShowsAtMostThreeDecimals)
{
    EXPECT_EQ(FormatGeneral(RoundDecimals(3, 0.0707106781186548)), "0,071");
    EXPECT_EQ(FormatGeneral(RoundDecimals(3, -0.0707106781186548)), "-0,0707106781186548");
    EXPECT_EQ(FormatGeneral(RoundDecimals(3, 2.6795)), "2,68");
}

TEST(RoundDecimals, OtherPlaceCounts)
{
    EXPECT_EQ(RoundDecimals(1, 0.25), 0.2);
    EXPECT_EQ(RoundDecimals(1, 0.96), 1);
    EXPECT_EQ(RoundDecimals(2, 0.125), 0.12);
    EXPECT_EQ(RoundDecimals(5, 0.123456789), 0.12346);
}

TEST(RoundDecimals, NonFiniteValuesAndOddPlacesComeBackUnchanged)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(RoundDecimals(3, std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(RoundDecimals(3, inf), inf);
    EXPECT_EQ(RoundDecimals(3, -inf), -inf);
    EXPECT_EQ(RoundDecimals(3, std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max());
    EXPECT_EQ(RoundDecimals(0, 0.1234), 0.1234);
    EXPECT_EQ(RoundDecimals(-2, 0.1234), 0.1234);
    EXPECT_EQ(RoundDecimals(3, std::numeric_limits<double>::denorm_min()), 0);
}

}  // namespace
