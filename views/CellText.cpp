#include "views/CellText.h"

#include "kinematics/NumberText.h"

#include <QFontMetrics>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

constexpr int kMostDigits = 15;
// The general number text's fixed range: 1E-4 <= |x| < 1E15, judged after rounding.
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = 14;

struct Decimal {
    bool negative = false;
    std::string digits;  // first digit stands at 10^exponent, no trailing zeros
    int exponent = 0;
};

Decimal Round(double value, int digits)
{
    // to_chars rounds correctly from the binary value and ignores the C locale.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, digits - 1);
    const std::string text(buffer, result.ptr);
    Decimal d;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const std::size_t ePos = text.find('e');
    for (std::size_t i = pos; i < ePos; ++i) {
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    }
    d.exponent = std::atoi(text.c_str() + ePos + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

std::string Fixed(const Decimal& d)
{
    std::string text = d.negative ? "-" : "";
    if (d.exponent < 0) {
        text += "0,";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        return text + d.digits;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    text.append(d.digits, 0, integerDigits);
    text.append(integerDigits - std::min(integerDigits, d.digits.size()), '0');
    if (d.digits.size() > integerDigits)
        text += ',' + d.digits.substr(integerDigits);
    return text;
}

std::string Exponent(const Decimal& d)
{
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1)
        text += ',' + d.digits.substr(1);
    text += 'E';
    if (d.exponent < 0)
        text += '-';
    return text + WholeNumberText(std::abs(d.exponent));
}

bool FixedForm(const Decimal& d, int digits, bool exponentForm)
{
    const bool inFixedRange = d.exponent >= kSmallestFixedExponent && d.exponent <= kLargestFixedExponent;
    const bool zerosForDigits = d.exponent + 1 > digits;
    return !exponentForm && inFixedRange && !zerosForDigits;
}

// Whether SignificantText gives `value` at `digits` in the fixed form.
bool IsFixedForm(double value, int digits, bool exponentForm)
{
    return !exponentForm && FixedForm(Round(value, digits), digits, exponentForm);
}

}  // namespace

QString SignificantText(double value, int digits, bool exponentForm)
{
    if (!std::isfinite(value) || value == 0)
        return value == 0 ? QStringLiteral("0") : QString();
    digits = std::clamp(digits, 1, kMostDigits);
    const Decimal d = Round(value, digits);
    return QString::fromStdString(FixedForm(d, digits, exponentForm) ? Fixed(d) : Exponent(d));
}

QString FittedCellText(double value, const QString& fullText, const QFontMetrics& metrics, int width)
{
    if (fullText.isEmpty() || metrics.horizontalAdvance(fullText) <= width || !std::isfinite(value))
        return fullText;
    // The most digits that fit in the full text's form; a fixed text may give way to the
    // exponent form when that shows more digits (or when a huge integer part leaves no room).
    // Within one form (fixed or exponent) a text's width grows with its digit count: digits are
    // added, and a rounding carry only shortens the text with fewer digits. So the largest count
    // that fits is found by bisection within each run of counts of one form, from the top run
    // down: the same count the search from 14 down finds, with a handful of measurements.
    const auto longestFitting = [&](bool exponent) {
        int high = kMostDigits - 1;
        while (high >= 1) {
            const bool fixed = IsFixedForm(value, high, exponent);
            int low = high;
            while (low > 1 && IsFixedForm(value, low - 1, exponent) == fixed)
                --low;
            int fits = low - 1;    // largest count known to fit
            int fails = high + 1;  // smallest count known not to fit
            QString fitting;
            while (fails - fits > 1) {
                const int digits = (fits + fails) / 2;
                QString text = SignificantText(value, digits, exponent);
                if (metrics.horizontalAdvance(text) <= width) {
                    fits = digits;
                    fitting = std::move(text);
                } else {
                    fails = digits;
                }
            }
            if (fits >= low)
                return std::make_pair(fits, fitting);
            high = low - 1;
        }
        return std::make_pair(0, QString());
    };
    const auto inExponentForm = longestFitting(true);
    if (!fullText.contains(u'E')) {
        const auto inFixedForm = longestFitting(false);
        if (inFixedForm.first > 0 && inFixedForm.first >= inExponentForm.first)
            return inFixedForm.second;
    }
    if (inExponentForm.first > 0)
        return inExponentForm.second;
    QString marks(QStringLiteral("#"));
    while (metrics.horizontalAdvance(marks + u'#') <= width)
        marks += u'#';
    return marks;
}
