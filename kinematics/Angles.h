#pragma once
// The circle constants, one definition for the whole program.

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;   // exact: doubling only moves the exponent
constexpr double kHalfPi = kPi / 2;
