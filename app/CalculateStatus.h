#pragma once
// The status bar's account of a Calculate: which rocker length the study adopted (or would adopt)
// and what it replaced, how many lengths it passed over as jammed, the solved mechanism's largest
// slider speed and where its slider turns back, which rocker length the 1° dead-position scan
// belongs to (the scan runs before the study adopts its length), or which condition made the
// Calculate fail.

#include "kinematics/Calculation.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Study.h"

#include <QCoreApplication>
#include <QString>

// What the status bar's tooltip and the study charts say a jammed length is.
inline constexpr const char* kJammedExplanation = QT_TRANSLATE_NOOP(
    "CalculateStatus",
    "Заклинивание: при такой длине коромысла угол передачи γ где-то на обороте кривошипа подходит "
    "ближе чем на 1° к 0° или 180° (шатун AB и коромысло BC ложатся на одну прямую). Такие длины "
    "не выбираются; на графиках исследования их точки отмечены красным.");

// The study's choice and what became of it: "Lbc = 0,9 м выбрана по наибольшей скорости ползуна
// (было 0,6 м)", the jammed lengths passed over after it; a kept Lbc says why it was kept.
QString StudyChoiceText(const KinematicsResult& k, double typedLbc);

// The solved mechanism's largest slider speed at `omega1` (the characteristics' true maximum, not
// a sampled one) and its exact extreme positions: "Наибольшая скорость ползуна 0,0931 м/с при
// ω1 = 1 рад/с; крайние положения ползуна: 36,87°, 235,91°"; empty without a full turn.
QString SpeedAndExtremesText(const KinematicsResult& k, double omega1);

// "Крайние положения ползуна: 54,83°, 242,30°" of the solved mechanism, empty without a full turn.
QString ExtremePositionsText(const KinematicsResult& k);

// "Мёртвые положения по перебору через 1° при Lbc = 0,6 м: 85°, 86°, 265°, 266°", or that the scan
// found none.
QString DeadPositionsText(const StudyResults& study, double scanLbc);

// A dead angle of the scan (radians, whole degrees) in degrees, as the status bar and the list's
// tooltips show it: "85°".
QString DegreesText(double radians);

// An angle in degrees with two decimals, as the extreme positions are given: "54,83°".
QString TwoDecimalDegreesText(double radians);

// Why a Calculate failed: the broken condition where one can be named, else the error's text.
QString FailureText(const Mechanism& m, const QString& errorText);

// The status text with why the machine's dynamics were not computed (`reason`, empty when they
// were): after the last line of two, on a line of its own after one.
QString WithDynamicsNote(const QString& text, const QString& reason);
