#pragma once
// The circle constants and the one conversion of angles each way, for the whole program.

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;   // exact: doubling only moves the exponent
constexpr double kHalfPi = kPi / 2;
constexpr double kDegreesPerRadian = 180 / kPi;
constexpr double kRadiansPerDegree = kPi / 180;

// An angle in radians as degrees, for every text, table, chart and file that shows degrees.
constexpr double Degrees(double radians)
{
    return radians * kDegreesPerRadian;
}

// An angle in degrees (a typed or scanned whole degree) in radians.
constexpr double Radians(double degrees)
{
    return degrees * kRadiansPerDegree;
}
