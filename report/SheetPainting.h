#pragma once
// Paints a sheet's drawing list through QPainter, and writes it as a PDF of the sheet's true
// size and as an SVG sized in millimetres. The painter's units are millimetres of paper.

#include "report/SheetDrawing.h"

#include <QFont>
#include <QString>

class QPainter;

// The typeface of every letter on a sheet.
QFont SheetFont();

// Paints `sheet` onto `painter`, whose unit the caller has made one millimetre with the sheet's
// upper-left corner at (0, 0).
void PaintSheet(QPainter& painter, const SheetDrawing& sheet);

// The sheet as a one-page PDF whose page is the sheet (a landscape A1 is 841 x 594 mm).
bool WriteSheetPdf(const SheetDrawing& sheet, const QString& title, const QString& path, QString& error);
// The sheet as SVG, width and height in mm.
bool WriteSheetSvg(const SheetDrawing& sheet, const QString& title, const QString& path, QString& error);
