#pragma once
// The coefficient of speed fluctuation δ as the user types it: a decimal number with the comma or
// the point ("0,04"), or a fraction of two such numbers ("1/25"); and the verdict on it, the same
// for the tab's field, the command line and a batch row.

#include <optional>
#include <string>

constexpr double kDefaultDelta = 0.04;  // 1/25

// The value of the text; none for anything else, a zero denominator or a quotient out of range.
std::optional<double> ParseDelta(const std::string& text);

enum class DeltaVerdict {
    Accepted,
    NotANumber,
    Negative,
    Zero,
    TooLarge,  // at least kLargestDelta (1)
};

struct DeltaReading {
    DeltaVerdict verdict = DeltaVerdict::NotANumber;
    double value = 0;  // what was read (unless NotANumber)
};

DeltaReading ReadDelta(const std::string& text);

// The message for a verdict, in the words of the other input fields; empty when accepted.
std::string DeltaVerdictText(DeltaVerdict verdict);
