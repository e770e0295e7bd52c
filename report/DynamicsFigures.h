#pragma once
// The figures of the machine's dynamics as the student reads them, once for the tab's panel and
// the report: the driving torque, the range of ΔT, Jм by the exact method and by both textbook
// approximations with their differences, the speed the flywheel achieves and the flywheel's size.

#include "kinematics/Dynamics.h"

#include <QString>

#include <vector>

struct DynamicsFigure {
    const char* name;   // objectName of the panel's value label
    QString caption;    // "Движущий момент Mд"
    QString value;      // "51,2345 Н·м"
};

// The figures of a computed result, in the panel's order (none when nothing was computed).
std::vector<DynamicsFigure> DynamicsFigures(const DynamicsResult& dynamics);

// The names of every figure, in the same order (the panel makes its labels from them).
std::vector<DynamicsFigure> DynamicsFigureCaptions();
