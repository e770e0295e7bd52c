#include "views/CellText.h"

#include "kinematics/NumberText.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {

constexpr int kMostDigits = 15;
// The general number text's fixed range: 1E-4 <= |x| < 1E15, judged after rounding.
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = 14;

bool FixedForm(const RoundedDecimal& d, int digits, bool exponentForm)
{
    const bool inFixedRange = d.exponent >= kSmallestFixedExponent && d.exponent <= kLargestFixedExponent;
    const bool zerosForDigits = d.exponent + 1 > digits;
    return !exponentForm && inFixedRange && !zerosForDigits;
}

// Whether SignificantText gives `value` at `digits` in the fixed form.
bool IsFixedForm(double value, int digits, bool exponentForm)
{
    return !exponentForm && FixedForm(RoundToSignificantDigits(value, digits), digits, exponentForm);
}

}  // namespace

QString SignificantText(double value, int digits, bool exponentForm)
{
    if (!std::isfinite(value) || value == 0)
        return value == 0 ? QStringLiteral("0") : QString();
    digits = std::clamp(digits, 1, kMostDigits);
    const RoundedDecimal d = RoundToSignificantDigits(value, digits);
    return QString::fromStdString(FixedForm(d, digits, exponentForm) ? d.FixedText() : d.ExponentText());
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
    return ChooseCellText(fullText, metrics, width, longestFitting);
}

QString ChooseCellText(const QString& fullText, const QFontMetrics& metrics, int width,
                       const std::function<std::pair<int, QString>(bool exponentForm)>& longestFitting)
{
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
