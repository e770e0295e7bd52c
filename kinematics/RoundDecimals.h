#pragma once
// Rounding for display: positive values to `places` decimals, digit by digit on the value's
// decimal text (ties to even on the two digits after the kept place); zero and negative values
// are returned unchanged.
double RoundDecimals(int places, double x);
