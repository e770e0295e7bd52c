#pragma once
// Scale factors of the drawings a student makes by hand and the program's drawing sheets:
// the length scale from the standard drawing scales, and "round" factors for the velocity and
// acceleration plans.
//
// A factor μ is what one millimetre of the drawing stands for: μl in m/mm, μv in (m/s)/mm,
// μa in (m/s²)/mm. A drawn segment is value / μ millimetres.

#include <optional>
#include <string>
#include <vector>

// A standard drawing scale drawing:real, e.g. 1:2,5 or 5:1 (one of the two is 1).
struct DrawingScale {
    double drawing = 1;
    double real = 1;
};

// The standard scales, from the largest picture to the smallest: 10:1, 5:1, 4:1, 2,5:1, 2:1,
// 1:1, 1:2, 1:2,5, 1:4, 1:5, 1:10, 1:15, 1:20, 1:25, 1:40, 1:50.
const std::vector<DrawingScale>& StandardDrawingScales();

// μl of a scale: real / drawing / 1000 m/mm (1:5 gives 0,005).
double LengthFactor(const DrawingScale& scale);

// The scale giving the largest drawing in which `extentMetres` takes at most `fieldMm`
// millimetres. No value when even 1:50 is too large, or when the extent is negative or not
// finite or the field not positive. An extent of 0 gets the largest scale, 10:1.
std::optional<DrawingScale> ChooseDrawingScale(double extentMetres, double fieldMm);

// The smallest round factor (1, 2, 2,5, 4 or 5 times a power of ten) at which `largestValue`
// is drawn at most `lengthMm` millimetres long. No value when the largest value is 0 (nothing
// to draw), negative or not finite, or the length not positive.
std::optional<double> ChooseRoundFactor(double largestValue, double lengthMm);

// Texts: "1:5", "2,5:1"; "μl = 0,005 м/мм"; "μv = 0,002 (м/с)/мм"; "μa = 0,01 (м/с²)/мм".
std::string DrawingScaleText(const DrawingScale& scale);
std::string LengthFactorText(double mu);
std::string VelocityFactorText(double mu);
std::string AccelerationFactorText(double mu);
