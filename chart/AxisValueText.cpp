#include "chart/AxisValueText.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {
constexpr int kSignificantDigits = 15;
constexpr QChar kDecimalComma = QLatin1Char(',');
constexpr QChar kThousandsSeparator = QChar(0x00A0);

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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
    DecimalDigits result;
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            result.digits.push_back(text[i]);
    }
    result.pointPosition = std::stoi(text.substr(e + 1)) + 1;
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
}  // namespace

QString FormatAxisValue(double value, const QString& format)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const PictureFormat picture = ParsePicture(format);
    DecimalDigits d = ToDigits(std::fabs(value));
    RoundToDecimals(d, picture.maxDecimals);

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
    std::snprintf(buffer, sizeof buffer, "%.*g", kSignificantDigits, value);
    return QString::fromLatin1(buffer);
}
