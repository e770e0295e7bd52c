#pragma once
// The status bar's account of a Calculate: which rocker length the study adopted and what it
// replaced, which rocker length the dead positions belong to (the scan runs before the study
// adopts its length), or which condition made the Calculate fail.

#include "kinematics/Mechanism.h"
#include "kinematics/Study.h"

#include <QString>

// "Длина коромысла Lbc = 0,9 м выбрана по наибольшей скорости ползуна 0,0930 м/с (было 0,6 м)".
QString StudyChoiceText(const StudyResults& study, bool lbcChosen, double lbcBefore, double lbcAfter);

// "Мёртвые положения при Lbc = 0,6 м: 85°, 86°, 265°, 266°", or that none were found.
QString DeadPositionsText(const StudyResults& study, double scanLbc);

// A dead angle of the scan (radians, whole degrees) in degrees, as the status bar and the list's
// tooltips show it: "85°".
QString DegreesText(double radians);

// Why a Calculate failed: the broken condition where one can be named, else the error's text.
QString FailureText(const Mechanism& m, const QString& errorText);

// The status text with why the machine's dynamics were not computed (`reason`, empty when they
// were): after the last line of two, on a line of its own after one.
QString WithDynamicsNote(const QString& text, const QString& reason);
