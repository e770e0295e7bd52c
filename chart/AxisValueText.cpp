#include "chart/AxisValueText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {
constexpr int kSignificantDigits = 15;
constexpr QChar kDecimalComma = QLatin1Char(',');
constexpr QChar kThousandsSeparator = QChar(0x00A0);
// More decimals than any double has digits: rounding to them changes nothing.
constexpr int kNoRounding = 400;

struct PictureFormat {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

PictureFormat ParsePicture(const QString& format)
{
    PictureFormat picture;
    const int point = format.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? format : format.left(point);
    const QString decimalPart = point < 0 ? QString() : format.mid(point + 1);
    picture.grouping = integerPart.contains(QLatin1Char(','));
    picture.minIntegerDigits = static_cast<int>(integerPart.count(QLatin1Char('0')));
    picture.minDecimals = static_cast<int>(decimalPart.count(QLatin1Char('0')));
    picture.maxDecimals = picture.minDecimals + static_cast<int>(decimalPart.count(QLatin1Char('#')));
    return picture;
}

// The decimal digits of |value| at 15 significant digits, and the position of the decimal point
// (digits before it).
struct DecimalDigits {
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits ToDigits(double magnitude)
{
    // to_chars keeps to the C locale's point whatever LC_NUMERIC says; printf does not.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    DecimalDigits result;
    const std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            result.digits.push_back(text[i]);
    }
    std::size_t digits = e + 1;
    if (text[digits] == '+')
        ++digits;  // from_chars takes a minus sign only
    int exponent = 0;
    std::from_chars(text.data() + digits, text.data() + text.size(), exponent);
    result.pointPosition = exponent + 1;
    return result;
}

// Rounds the digits half away from zero so that at most `decimals` remain after the point.
void RoundToDecimals(DecimalDigits& d, int decimals)
{
    const int keep = d.pointPosition + decimals;
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits = "0";
        d.pointPosition = 1;
        return;
    }
    const bool roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPosition;
        }
    }
}
// The exponent form of the general number text: at most 15 significant digits without trailing
// zeros, the decimal comma, "E" and the exponent without a plus sign or leading zeros.
QString ExponentText(DecimalDigits d, bool negative)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty() || d.digits.find_first_not_of('0') == std::string::npos)
        return QStringLiteral("0");
    QString text;
    if (negative)
        text.append(QLatin1Char('-'));
    text.append(QLatin1Char(d.digits[0]));
    if (d.digits.size() > 1) {
        text.append(kDecimalComma);
        text.append(QString::fromLatin1(d.digits.c_str() + 1));
    }
    text.append(QLatin1Char('E'));
    text.append(QString::number(d.pointPosition - 1));
    return text;
}

// Decimals of the last significant digit of a positive finite value: 1 for 0,2, -299 for 2E299.
int LastDigitDecimals(double value)
{
    DecimalDigits d = ToDigits(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return static_cast<int>(d.digits.size()) - d.pointPosition;
}
}  // namespace

int FormatDecimals(const QString& format)
{
    return ParsePicture(format).maxDecimals;
}

int DecimalsOfStep(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 0;
    return std::max(0, LastDigitDecimals(step));
}

AxisLabelForm LabelFormFor(double step, double lowest, double highest)
{
    AxisLabelForm form;
    form.decimals = DecimalsOfStep(step);
    const double largest = std::max(std::fabs(lowest), std::fabs(highest));
    form.exponent = form.decimals > kMostFixedDecimals || !(largest < kLargestFixedLabel);
    if (form.exponent) {
        // Labels are multiples of the step: what lies below its last digit is rounding noise.
        form.decimals = step > 0 && std::isfinite(step) ? LastDigitDecimals(step)
                                                        : kNoRounding;
    }
    return form;
}

QString FormatAxisValue(double value, const QString& format)
{
    return FormatAxisValue(value, format, AxisLabelForm{});
}

QString FormatAxisValue(double value, const QString& format, const AxisLabelForm& form)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const PictureFormat picture = ParsePicture(format);
    DecimalDigits d = ToDigits(std::fabs(value));
    if (form.exponent) {
        RoundToDecimals(d, form.decimals);
        return ExponentText(d, value < 0);
    }
    // Judged after rounding to 15 digits: 1E21 has 22 digits before the point.
    if (d.pointPosition > 21)
        return ExponentText(d, value < 0);
    RoundToDecimals(d, std::max(picture.maxDecimals, form.decimals));

    std::string integerDigits;
    std::string decimalDigits;
    for (int i = 0; i < static_cast<int>(d.digits.size()); ++i) {
        if (i < d.pointPosition)
            integerDigits.push_back(d.digits[static_cast<std::size_t>(i)]);
        else
            decimalDigits.push_back(d.digits[static_cast<std::size_t>(i)]);
    }
    if (d.pointPosition > static_cast<int>(d.digits.size()))
        integerDigits.append(static_cast<std::size_t>(d.pointPosition) - d.digits.size(), '0');
    if (d.pointPosition < 0)
        decimalDigits.insert(0, static_cast<std::size_t>(-d.pointPosition), '0');
    while (!integerDigits.empty() && integerDigits.front() == '0')
        integerDigits.erase(integerDigits.begin());
    while (static_cast<int>(decimalDigits.size()) > picture.minDecimals && !decimalDigits.empty() &&
           decimalDigits.back() == '0')
        decimalDigits.pop_back();
    while (static_cast<int>(integerDigits.size()) < picture.minIntegerDigits)
        integerDigits.insert(integerDigits.begin(), '0');

    QString text;
    const bool isZero = integerDigits.find_first_not_of('0') == std::string::npos &&
                        decimalDigits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !isZero)
        text.append(QLatin1Char('-'));
    const int n = static_cast<int>(integerDigits.size());
    for (int i = 0; i < n; ++i) {
        if (picture.grouping && i > 0 && (n - i) % 3 == 0)
            text.append(kThousandsSeparator);
        text.append(QLatin1Char(integerDigits[static_cast<std::size_t>(i)]));
    }
    if (!decimalDigits.empty()) {
        text.append(kDecimalComma);
        text.append(QString::fromLatin1(decimalDigits.c_str()));
    }
    return text;
}

QString GeneralValueText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::general, kSignificantDigits);
    return QString::fromLatin1(buffer, static_cast<int>(written.ptr - buffer));
}
