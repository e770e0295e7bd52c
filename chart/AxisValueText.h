#pragma once
// Number texts of the axis labels: a picture format such as "#,##0.###" with the decimal comma and
// a no-break space between thousands, whatever the locale; and the 15-digit general text used to
// tell whether two label values read the same.

#include <QString>

// Formats `value` by `format`: "0" a required digit, "#" an optional one, "," anywhere before the
// point asks for thousands grouping, "." the decimal point. The value is first taken to 15
// significant digits, then rounded half away from zero to the decimals the format allows.
QString FormatAxisValue(double value, const QString& format);

// The value at 15 significant digits (only compared, never shown).
QString GeneralValueText(double value);
