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

}  // namespace

QString SignificantText(double value, int digits, bool exponentForm)
{
    if (!std::isfinite(value) || value == 0)
        return value == 0 ? QStringLiteral("0") : QString();
    const Decimal d = Round(value, std::clamp(digits, 1, kMostDigits));
    const bool inFixedRange = d.exponent >= kSmallestFixedExponent && d.exponent <= kLargestFixedExponent;
    const bool zerosForDigits = d.exponent + 1 > digits;
    const bool fixed = !exponentForm && inFixedRange && !zerosForDigits;
    return QString::fromStdString(fixed ? Fixed(d) : Exponent(d));
}

QString FittedCellText(double value, const QString& fullText, const QFontMetrics& metrics, int width)
{
    if (fullText.isEmpty() || metrics.horizontalAdvance(fullText) <= width || !std::isfinite(value))
        return fullText;
    // The most digits that fit in the full text's form; a fixed text may give way to the
    // exponent form when that shows more digits (or when a huge integer part leaves no room).
    const auto longestFitting = [&](bool exponent) {
        for (int digits = kMostDigits - 1; digits >= 1; --digits) {
            const QString text = SignificantText(value, digits, exponent);
            if (metrics.horizontalAdvance(text) <= width)
                return std::make_pair(digits, text);
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
