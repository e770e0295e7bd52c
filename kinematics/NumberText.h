#pragma once
// The program's one text form for numbers, and its one reader of numbers typed by the user.

#include <cstdint>
#include <optional>
#include <string>

// General number text: the value rounded to 15 significant digits, trailing zeros removed, the
// decimal comma, no comma for whole numbers; fixed notation for 0.0001 <= |x| < 1E15 (decided
// after rounding), otherwise "E" exponent form (1E-5, 1,5E20). -0 reads "0"; NaN and the
// infinities read "NAN", "INF", "-INF". The comma is used whatever the locale.
std::string FormatGeneral(double x);

// As FormatGeneral, but rounded to `digits` significant digits (1 to 17; others are clamped):
// the form of the worked solutions, where every digit shown must be a true one.
std::string FormatSignificant(double x, int digits);

// A finite non-zero value rounded correctly to a number of significant digits: the first digit
// stands at 10^exponent, trailing zeros are dropped from `digits`.
struct RoundedDecimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    // "-123,45", "0,00012": every digit in fixed notation with the decimal comma.
    std::string FixedText() const;
    // "-1,2345E2", "1,2E-4": exponent form with the decimal comma.
    std::string ExponentText() const;
};
// `x` rounded to `significantDigits` (1 to 17) significant digits; no locale involved.
RoundedDecimal RoundToSignificantDigits(double x, int significantDigits);

// The decimal digits of a whole number, with a leading "-" when negative; no locale involved.
std::string WholeNumberText(long long n);

// Fixed-point text of a positive value, as FormatGeneral but never in exponent form
// (a value below 0.0001 keeps its leading zeros after the comma).
std::string FormatFixed15(double x);

// A finite value with `decimals` (0 to 15) places after a decimal point, for file formats
// that require the point (DXF): 12.5 at 3 places reads "12.500"; -0 reads "0.000"; a value
// that is not finite reads "0".
std::string PointFixedText(double x, int decimals);

// Reads a decimal number typed by the user: every "." is replaced by "," first, then the text
// is read with the comma as decimal separator. Empty, partial, non-finite or out-of-range texts
// give no value.
std::optional<double> ParseDecimal(const std::string& text);

// Reads a 32-bit decimal integer (optional sign, digits only). Anything else gives no value.
std::optional<std::int32_t> ParseInteger(const std::string& text);

// As ParseInteger, but throws ConvertError "'text' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);
