#pragma once
// What the program without its window does for one mechanism, whether it comes from the options
// or from a row of a batch: its values read with the window's input rule, the one Calculate,
// and the numbers it prints of the result.

#include "kinematics/Calculation.h"
#include "report/ReportDocument.h"

#include <QString>

#include <cstdint>
#include <optional>

class OffscreenPictures;

// The record's five lengths in the order of the options and the batch's columns.
extern double Mechanism::*const kLengthFields[5];

// A field's error as the summary and the messages show it: "Lbc: Вибране значення поза діапазоном".
QString FieldError(const char* field, const QString& text);

// Length `field` (0 Loa … 4 Loc) as its field in the window reads `text`: empty when accepted
// (then `value` holds it), else the field's first message.
QString ReadLength(int field, const QString& text, double& value);
// N likewise, and then the Calculate's refusal of too many positions.
QString ReadPositionCount(const QString& text, std::int32_t& value);

// δ as the dynamics' field reads `text`: empty when accepted (then `value` holds it), else the
// field's first message.
QString ReadDelta(const QString& text, double& value);

// The one Calculate of `input`; none, with the text to say (the assembly condition that failed,
// as the status bar words it), when it failed or no position could be computed.
std::optional<CalculationResult> CalculateOrSay(const CalculationInput& input, QString& error);

// The largest slider speed of the table, and the dead positions in degrees ("85 86 265 266").
double LargestSliderSpeed(const CalculationResult& result);
QString DeadDegreesText(const CalculationResult& result);
QString NumberText(double x);
// "Динамика (ωср = 1 рад/с, δ = 0,04): Mд = … Н·м, ΔT от … до … Дж, Jм = … кг·м² (…)", or the
// reason there are none.
QString DynamicsLine(const CalculationResult& result);

// The report of a result with the pictures made off the window, dated today.
ReportInput ReportInputOf(const CalculationResult& result, const OffscreenPictures& pictures,
                          const ReportTitle& title = {});
