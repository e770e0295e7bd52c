#include "kinematics/RoundDecimals.h"

#include "kinematics/NumberText.h"

#include <cmath>
#include <string>

namespace {

constexpr int kWindowDivisor = 100;  // d and the two digits after it form 100*d + r

// The value of a comma-decimal text produced by FormatFixed15 or cut from one.
double TextValue(const std::string& text)
{
    return ParseDecimal(text).value_or(0.0);
}

// The digit in decimal place `place` (1 = first after the comma), 0 where the text ends.
int DigitAt(const std::string& text, std::size_t comma, int place)
{
    const std::size_t index = comma + static_cast<std::size_t>(place);
    if (index >= text.size())
        return 0;
    return text[index] - '0';
}

// The text cut after decimal place `place`.
std::string CutAfter(const std::string& text, std::size_t comma, int place)
{
    return text.substr(0, comma + 1 + static_cast<std::size_t>(place));
}

}  // namespace

double RoundDecimals(int places, double x)
{
    if (!(x > 0) || !std::isfinite(x) || places < 1)
        return x;

    const std::string s = FormatFixed15(x);
    const std::size_t comma = s.find(',');
    if (comma == std::string::npos)
        return x;
    const std::size_t decimals = s.size() - comma - 1;
    if (decimals <= static_cast<std::size_t>(places))
        return x;

    const int d = DigitAt(s, comma, places);
    const int r = DigitAt(s, comma, places + 1) * 10 + DigitAt(s, comma, places + 2);
    // (100*d + r)/100 to the nearest integer, ties to the even neighbour
    const int window = kWindowDivisor * d + r;
    int f = window / kWindowDivisor;
    const int rest = window % kWindowDivisor;
    if (rest > kWindowDivisor / 2 || (rest == kWindowDivisor / 2 && f % 2 != 0))
        ++f;

    if (f < 10) {
        std::string result = CutAfter(s, comma, places - 1);
        result += static_cast<char>('0' + f);
        return TextValue(result);
    }

    // d was 9 and rounds up: carry by adding one unit in the last kept place.
    const std::string t = CutAfter(s, comma, places);
    std::string u = "0,";
    u.append(static_cast<std::size_t>(places - 1), '0');
    u += '1';
    const double v = TextValue(t) + TextValue(u);
    const std::string vText = FormatFixed15(v);
    const std::size_t vComma = vText.find(',');
    if (vComma == std::string::npos || vText.size() - vComma - 1 <= static_cast<std::size_t>(places))
        return TextValue(vText);  // a whole number, or already short enough
    return TextValue(CutAfter(vText, vComma, places));
}
