#pragma once
// Number texts of the axis labels: a picture format such as "#,##0.###" with the decimal comma and
// a no-break space between thousands, whatever the locale; and the 15-digit general text used to
// tell whether two label values read the same.

#include <QString>

// How all labels of one axis are written, so that neighbouring labels never read the same and
// no label grows into hundreds of digits.
struct AxisLabelForm {
    // Decimals the step needs; shown even where the picture allows fewer. In exponent form the
    // labels are rounded to them (negative: to tens, hundreds, ...).
    int decimals = 0;
    // Every label in the exponent form of the general number text ("1E300", "2,5E-30").
    bool exponent = false;
    bool operator==(const AxisLabelForm& o) const
    {
        return decimals == o.decimals && exponent == o.exponent;
    }
    bool operator!=(const AxisLabelForm& o) const { return !(*this == o); }
};

// Whole-number labels reach this size before they switch to the exponent form.
constexpr double kLargestFixedLabel = 1e21;
// A step that needs more decimals than this puts the axis in exponent form.
constexpr int kMostFixedDecimals = 20;

// The most decimals `format` shows.
int FormatDecimals(const QString& format);

// Decimals a multiple of `step` needs, from the step's 15 significant digits (0 for a step that
// is not a positive finite number).
int DecimalsOfStep(double step);

// The form of the labels `step` apart between `lowest` and `highest`.
AxisLabelForm LabelFormFor(double step, double lowest, double highest);

// Formats `value` by `format`: "0" a required digit, "#" an optional one, "," anywhere before the
// point asks for thousands grouping, "." the decimal point. The value is first taken to 15
// significant digits, then rounded half away from zero to the decimals the format allows (or
// the form asks for, if more). Values of 1E21 and above are written in exponent form.
QString FormatAxisValue(double value, const QString& format);
QString FormatAxisValue(double value, const QString& format, const AxisLabelForm& form);

// The value at 15 significant digits (only compared, never shown).
QString GeneralValueText(double value);
