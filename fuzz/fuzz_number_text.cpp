// The general number text of any double against an independent reference built on printf's
// "%.15G" (15 significant digits, fixed notation exactly for exponents -4 .. 14 after rounding,
// trailing zeros removed), and the text reads back as the double nearest to those 15 digits.
//
// Input: a double. When 9 more bytes follow, the value is instead the double nearest to a
// short decimal (up to 16 digits, decimal exponent -30 .. 20), which reaches the borders of
// the fixed notation and the carries of the 15-digit rounding far more often.

#include "kinematics/NumberText.h"
#include "FuzzInput.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint64_t kDecimalMantissaLimit = 10000000000000000ULL;  // 16 digits
constexpr int kDecimalExponentRange = 51;                            // -30 .. 20
constexpr int kLowestDecimalExponent = -30;

double ShortDecimal(std::uint64_t mantissa, std::uint8_t exponentByte)
{
    const int exponent = exponentByte % kDecimalExponentRange + kLowestDecimalExponent;
    const std::string text = std::to_string(mantissa % kDecimalMantissaLimit) + "e" + std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

// "%.15G" in the program's form: comma, "E" with no "+" and no leading zeros in the exponent.
std::string Reference(double x)
{
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x > 0 ? "INF" : "-INF";
    if (x == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", x);
    std::string text;
    const char* p = buffer;
    for (; *p && *p != 'E'; ++p)
        text += *p == '.' ? ',' : *p;
    if (*p == 'E') {
        ++p;
        text += 'E';
        if (*p == '-')
            text += '-';
        if (*p == '-' || *p == '+')
            ++p;
        while (*p == '0' && p[1] != '\0')
            ++p;
        text += p;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    double x = 0;
    if (!input.Take(x))
        return 0;
    std::uint64_t mantissa = 0;
    std::uint8_t exponentByte = 0;
    if (input.Take(mantissa) && input.Take(exponentByte)) {
        x = ShortDecimal(mantissa, exponentByte);
        if (input.Take(exponentByte) && (exponentByte & 1))
            x = -x;
    }
    const std::string text = FormatGeneral(x);
    if (text != Reference(x))
        std::abort();
    if (std::isfinite(x)) {
        // Both sides round correctly, so the text's value is the double nearest to its digits.
        std::string pointText = text;
        for (char& c : pointText)
            if (c == ',')
                c = '.';
        const double expected = std::strtod(pointText.c_str(), nullptr);
        const auto back = ParseDecimal(text);
        // A 15-digit text can name a value beyond the largest double (1,79769313486232E308).
        if (std::isinf(expected) ? back.has_value() : (!back || *back != expected))
            std::abort();
    }
    return 0;
}
