#pragma once
// What a results cell may show in the width it has. A text cut at the cell's edge reads as
// another number ("-1,83697" for -1,83697E-17), so a text that does not fit is replaced by the
// same value with fewer significant digits, correctly rounded, keeping its sign and exponent.

#include <QString>

#include <functional>
#include <utility>

class QFontMetrics;

// The value rounded to `digits` significant digits (1 .. 15) in the program's number text:
// decimal comma, trailing zeros dropped, "E" exponent form when `exponentForm` or when the
// fixed form would need zeros in place of digits ("1,2E11" rather than "120000000000").
QString SignificantText(double value, int digits, bool exponentForm);

// The text a cell showing `value` as `fullText` draws in `width` pixels: `fullText` when it
// fits, otherwise the value correctly rounded to the most significant digits that fit (exponent
// form kept when the full text has one; a fixed text turns to exponent form only when that shows
// more digits), and "#" marks when not even one digit fits.
QString FittedCellText(double value, const QString& fullText, const QFontMetrics& metrics, int width);

// The choice of FittedCellText for a full text that does not fit, given `longestFitting`: the
// largest digit count of one form (exponent form when true) that fits and its text, 0 when none.
QString ChooseCellText(const QString& fullText, const QFontMetrics& metrics, int width,
                       const std::function<std::pair<int, QString>(bool exponentForm)>& longestFitting);
