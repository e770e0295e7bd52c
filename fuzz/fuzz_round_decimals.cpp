// RoundDecimals against an independent text-rounding reference: the value's 15-digit decimal
// digits from printf, the two digits after the kept place decide with ties to even, the carry is
// done on the digit string.
//
// Input: a double and a byte for the places (1 .. 6). When 9 more bytes follow, the value is
// instead the double nearest to a short decimal (up to 16 digits and 20 decimals), the kind of
// value that lands exactly on a rounding tie or a run of nines.

#include "kinematics/RoundDecimals.h"
#include "FuzzInput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Fixed-point digits of x > 0 rounded to 15 significant digits: integer part and fraction part.
void FixedDigits(double x, std::string& whole, std::string& fraction)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    std::string mantissa;
    for (const char* p = buffer; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            mantissa += *p;
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    if (exponent >= 0) {
        mantissa.resize(std::max<std::size_t>(mantissa.size(), static_cast<std::size_t>(exponent) + 1), '0');
        whole = mantissa.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = mantissa.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
}

double Reference(int places, double x)
{
    if (!(x > 0) || !std::isfinite(x))
        return x;
    std::string whole, fraction;
    FixedDigits(x, whole, fraction);
    if (fraction.size() <= static_cast<std::size_t>(places))
        return x;
    auto digit = [&](int place) { return place <= static_cast<int>(fraction.size()) ? fraction[place - 1] - '0' : 0; };
    const int d = digit(places);
    const int r = digit(places + 1) * 10 + digit(places + 2);
    int f = d;
    if (r > 50 || (r == 50 && d % 2 == 1))
        f = d + 1;
    std::string kept = whole + fraction.substr(0, static_cast<std::size_t>(places) - 1);
    kept += f < 10 ? char('0' + f) : '0';
    if (f == 10) {  // carry along the digit string
        int i = static_cast<int>(kept.size()) - 2;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++kept[static_cast<std::size_t>(i)];
        else
            kept.insert(kept.begin(), '1');
    }
    const std::size_t wholeDigits = kept.size() - static_cast<std::size_t>(places);
    const std::string text = kept.substr(0, wholeDigits) + "." + kept.substr(wholeDigits);
    return std::strtod(text.c_str(), nullptr);
}

constexpr std::uint64_t kDecimalMantissaLimit = 10000000000000000ULL;  // 16 digits
constexpr int kDecimalScaleLimit = 21;

double ShortDecimal(std::uint64_t mantissa, std::uint8_t scaleByte)
{
    const std::string text = std::to_string(mantissa % kDecimalMantissaLimit) + "e-"
        + std::to_string(scaleByte % kDecimalScaleLimit);
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    double x = 0;
    std::uint8_t placesByte = 0;
    if (!input.Take(x) || !input.Take(placesByte))
        return 0;
    std::uint64_t mantissa = 0;
    std::uint8_t scaleByte = 0;
    if (input.Take(mantissa) && input.Take(scaleByte))
        x = ShortDecimal(mantissa, scaleByte);
    const int places = 1 + placesByte % 6;
    // Beyond 1E15 the text has no decimals left to round; keep to the range the table meets.
    if (std::fabs(x) >= 1e15)
        return 0;
    const double got = RoundDecimals(places, x);
    const double expected = Reference(places, x);
    if (!(got == expected || (std::isnan(got) && std::isnan(expected))))
        std::abort();
    return 0;
}
