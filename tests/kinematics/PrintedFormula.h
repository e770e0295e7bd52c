#pragma once
// Reading back the numbers and formulas a worked solution prints, with the uncertainty their
// printed digits leave: a test can then ask whether a printed evaluation really gives its
// printed result, and whether a printed value is the value it stands for.

#include <optional>
#include <string>

// A closed interval that holds the true value.
struct Range {
    double lo = 0, hi = 0;
    double Mid() const { return lo + (hi - lo) / 2; }
    double HalfWidth() const { return (hi - lo) / 2; }
};

// A number in the program's text at the start of `text` ("-0,0866025", "1,5E-5", "60" before a
// unit): its value and the number of characters it took. No value when none starts there.
struct PrintedNumber {
    double value = 0;
    std::size_t length = 0;
    int lastDigitExponent = 0;  // 10^e is the unit of its last printed digit
};
std::optional<PrintedNumber> LeadingNumber(const std::string& text);

// Half a unit of the `digits`-th significant digit of x (0 for 0).
double HalfUnit(double x, int digits);

// The interval of a printed formula made only of numbers and + − · / ² √( ) sin cos arccos arctg,
// angles in degrees ("°" after a number is its unit). Each number stands for every value it
// could be the rounding of: half a unit of its last printed digit, at most half a unit of its
// fourth significant digit (trailing zeros are not printed). No value when the text is not such
// a formula.
std::optional<Range> EvaluatePrinted(const std::string& formula);
