#include "kinematics/NumberText.h"

#include "kinematics/Errors.h"
#include "kinematics/TrimmedText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMostSignificantDigits = 17;  // enough to give back every double exactly
// Fixed notation for 1E-4 <= |x| < 1E15, judged on the exponent of the rounded value.
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = 14;

}  // namespace

RoundedDecimal RoundToSignificantDigits(double x, int significantDigits)
{
    // to_chars ignores the C locale, unlike printf, so a comma locale cannot leak in.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, result.ptr);  // [-]d.ddddddddddddde[+-]dd

    RoundedDecimal rounded;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        rounded.negative = true;
        ++pos;
    }
    const std::size_t ePos = text.find('e');
    for (std::size_t i = pos; i < ePos; ++i) {
        if (text[i] != '.')
            rounded.digits.push_back(text[i]);
    }
    rounded.exponent = std::atoi(text.c_str() + ePos + 1);
    while (rounded.digits.size() > 1 && rounded.digits.back() == '0')
        rounded.digits.pop_back();
    return rounded;
}

std::string RoundedDecimal::FixedText() const
{
    std::string text = negative ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent < 0) {
        text += "0,";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const int integerDigits = exponent + 1;
    if (count <= integerDigits) {
        text += digits;
        text.append(static_cast<std::size_t>(integerDigits - count), '0');
        return text;
    }
    text.append(digits, 0, static_cast<std::size_t>(integerDigits));
    text += ',';
    text.append(digits, static_cast<std::size_t>(integerDigits), std::string::npos);
    return text;
}

std::string RoundedDecimal::ExponentText() const
{
    std::string text = negative ? "-" : "";
    text += digits[0];
    if (digits.size() > 1) {
        text += ',';
        text.append(digits, 1, std::string::npos);
    }
    text += 'E';
    if (exponent < 0)
        text += '-';
    text += WholeNumberText(std::abs(exponent));
    return text;
}

namespace {

// NaN, the infinities and zero (of either sign) read the same in both forms.
bool SpecialText(double x, std::string& text)
{
    if (std::isnan(x))
        text = "NAN";
    else if (std::isinf(x))
        text = x > 0 ? "INF" : "-INF";
    else if (x == 0)
        text = "0";
    else
        return false;
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(const std::string& text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// [sign] (digits [',' digits] | ',' digits) [('e' | 'E') [sign] digits], nothing else.
bool IsDecimalSyntax(const std::string& text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t integerEnd = SkipDigits(text, pos);
    bool haveDigits = integerEnd > pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == ',') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        haveDigits = haveDigits || fractionEnd > pos + 1;
        pos = fractionEnd;
    }
    if (!haveDigits)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t exponentEnd = SkipDigits(text, pos);
        if (exponentEnd == pos)
            return false;
        pos = exponentEnd;
    }
    return pos == text.size();
}

}  // namespace

std::string FormatGeneral(double x) { return FormatSignificant(x, kSignificantDigits); }

std::string FormatSignificant(double x, int digits)
{
    std::string text;
    if (SpecialText(x, text))
        return text;
    const int kept = std::clamp(digits, 1, kMostSignificantDigits);
    const RoundedDecimal rounded = RoundToSignificantDigits(x, kept);
    if (rounded.exponent < kSmallestFixedExponent || rounded.exponent > kLargestFixedExponent)
        return rounded.ExponentText();
    return rounded.FixedText();
}

std::string FormatFixed15(double x)
{
    std::string text;
    if (SpecialText(x, text))
        return text;
    return RoundToSignificantDigits(x, kSignificantDigits).FixedText();
}

std::optional<double> ParseDecimal(const std::string& text)
{
    std::string work = TrimmedText(text, " ");
    for (char& c : work) {
        if (c == '.')
            c = ',';
    }
    if (!IsDecimalSyntax(work))
        return std::nullopt;

    // from_chars reads the point, takes no '+' and ignores the C locale.
    std::size_t start = 0;
    bool negative = false;
    if (work[0] == '+' || work[0] == '-') {
        negative = work[0] == '-';
        start = 1;
    }
    for (char& c : work) {
        if (c == ',')
            c = '.';
    }
    double value = 0;
    const char* first = work.data() + start;
    const char* last = work.data() + work.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    // out of range covers both overflow (1e400) and a value too small for any double (1e-400)
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> ParseInteger(const std::string& text)
{
    const std::string work = TrimmedText(text, " ");
    std::size_t start = 0;
    if (!work.empty() && (work[0] == '+' || work[0] == '-'))
        start = 1;
    if (start == work.size())
        return std::nullopt;
    for (std::size_t i = start; i < work.size(); ++i) {
        if (!IsDigit(work[i]))
            return std::nullopt;
    }
    // from_chars takes a leading '-' but no '+'.
    const char* first = work.data() + (work[0] == '+' ? 1 : 0);
    const char* last = work.data() + work.size();
    std::int32_t value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last)
        return std::nullopt;
    return value;
}

std::int32_t StrToInt(const std::string& text)
{
    if (const auto value = ParseInteger(text))
        return *value;
    throw ConvertError("'" + text + "' is not a valid integer value");
}

std::string WholeNumberText(long long n)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, result.ptr);
}

std::string PointFixedText(double x, int decimals)
{
    if (!std::isfinite(x))
        return "0";
    decimals = std::clamp(decimals, 0, 15);
    if (x == 0)
        x = 0;  // -0 reads as 0
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    // A negative value that rounds to zero loses its sign.
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}
