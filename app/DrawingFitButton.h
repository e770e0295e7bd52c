#pragma once
// "Вписать" on the drawing tab: one button on the strip's free first row, as the two scale
// fields have no room beside them, which sets both scales to those at which the velocity plan and
// the mechanism hold every position of the turn.

#include "kinematics/Calculation.h"

#include <QSize>

#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;

struct DrawingFitFields {
    QLineEdit* planScale;      // pixels per m/s
    QLineEdit* positionScale;  // pixels per metre
    QSize planPicture;
    QSize mechanismPicture;
};

// The button on `strip`; `result` gives the window's current result (none before a Calculate).
QPushButton* AddDrawingFitButton(QWidget* strip, std::function<const CalculationResult*()> result,
                                 const DrawingFitFields& fields);
