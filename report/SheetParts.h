#pragma once
// Pieces shared by the three sheets: the title block of a result, the mapping of the mechanism
// onto the sheet, and the sheets' plans of one position.

#include "kinematics/Calculation.h"
#include "report/ChosenPositions.h"
#include "report/SheetDrawing.h"
#include "report/SheetLayout.h"
#include "report/SheetPictures.h"
#include "report/Sheets.h"

#include <QString>

// The title block of sheet `sheet` of `sheets` for this result.
TitleBlock SheetTitle(const CalculationResult& result, const SheetOptions& options, const QString& subject,
                      int sheet, int sheets, const QStringList& scales);

// World metres (x right, y up, O at the origin) onto the sheet at μl metres per mm.
struct SheetMap {
    SheetPoint origin;  // where O falls
    double mu = 1;
    SheetPoint At(double x, double y) const { return origin + SheetPoint{x / mu, y / mu}; }
};

// The velocity plan of a solved scheme position at the crank speed ω1 (m/s): p, a, b, d, e.
PlanPicture VelocityPlanOf(const CalculationResult& result, const SchemePosition& position);
// The acceleration plan of a scheme position with accelerations at ω1 (m/s²): π, a, b, d, e and
// n1, n2, n3.
PlanPicture AccelerationPlanOf(const CalculationResult& result, const SchemePosition& position);

// Zhukovsky's lever of a scheme position in `field`: the velocity plan turned by 90° with the
// loads at their points, both Mб; its factors go to `scales` when given. Needs its forces.
void DrawLever(SheetDrawing& sheet, const SheetField& field, const CalculationResult& result,
               const SchemePosition& position, double text, QStringList* scales);

// The fields a sheet has for its pictures: the frame's inside without the title block's column.
SheetField SheetWorkArea(SheetFormat format);

QString SheetNumber(double x);

// How many sheets the result gives: 3 with the dynamics, 2 without, 1 without the forces.
int SheetCount(const CalculationResult& result);
