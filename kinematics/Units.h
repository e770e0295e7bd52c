#pragma once
// The units the program writes after its numbers, in Russian as the files keep them; shown texts
// pass them through Tr (TextCatalogue.h), so an English reader gets "m/s" where a file keeps "м/с".

#include "kinematics/TextCatalogue.h"

#include <string>

inline constexpr const char* kMetres = QT_TRANSLATE_NOOP("Kinematics", "м");
inline constexpr const char* kMillimetres = QT_TRANSLATE_NOOP("Kinematics", "мм");
inline constexpr const char* kMetresPerSecond = QT_TRANSLATE_NOOP("Kinematics", "м/с");
inline constexpr const char* kAcceleration = QT_TRANSLATE_NOOP("Kinematics", "м/с²");
inline constexpr const char* kAngularVelocity = QT_TRANSLATE_NOOP("Kinematics", "рад/с");
inline constexpr const char* kAngularAcceleration = QT_TRANSLATE_NOOP("Kinematics", "рад/с²");
inline constexpr const char* kNewtons = QT_TRANSLATE_NOOP("Kinematics", "Н");
inline constexpr const char* kNewtonMetres = QT_TRANSLATE_NOOP("Kinematics", "Н·м");
inline constexpr const char* kKilograms = QT_TRANSLATE_NOOP("Kinematics", "кг");
inline constexpr const char* kInertia = QT_TRANSLATE_NOOP("Kinematics", "кг·м²");
inline constexpr const char* kJoules = QT_TRANSLATE_NOOP("Kinematics", "Дж");
inline constexpr const char* kWatts = QT_TRANSLATE_NOOP("Kinematics", "Вт");
inline constexpr const char* kKilogramsPerMetre = QT_TRANSLATE_NOOP("Kinematics", "кг/м");

// " м/с" in the interface's language: a unit after its value.
inline std::string U(const char* unit) { return " " + Tr(unit); }
