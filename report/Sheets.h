#pragma once
// The drawing sheets of a course project on the mechanism, made from one result: sheet 1 the
// kinematics (the scheme in N positions, the velocity and acceleration plans of two chosen
// positions, the slider's diagrams, the plan segments), sheet 2 the forces of the first chosen
// position (the groups with their loads, the force plans, the lever, the Mб diagram), sheet 3 the
// dynamics. Each is written as sheetN.pdf, sheetN.svg and sheetN.dxf.

#include "kinematics/Calculation.h"
#include "report/ChosenPositions.h"
#include "report/SheetDrawing.h"
#include "report/SheetLayout.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

struct SheetOptions {
    SheetFormat format = SheetFormat::A1;
    SheetPeople people;
    QString variant;  // the variant's name (a batch row's), empty for none
    std::optional<std::pair<int, int>> positions;  // K, L; none: one of each stroke
    // N of the scheme; the result the sheets are made from holds its scheme at this count
    // (WithSchemePositions).
    int schemePositions = kDefaultSchemePositions;
    QDate date;
};

SheetDrawing KinematicsSheet(const CalculationResult& result, const SheetOptions& options);
// None when the forces were not computed.
std::optional<SheetDrawing> ForcesSheet(const CalculationResult& result, const SheetOptions& options);
// None when the dynamics cannot be computed (the crank does not turn fully).
std::optional<SheetDrawing> DynamicsSheet(const CalculationResult& result, const SheetOptions& options);

// Writes every sheet the result allows into `dir` (which must exist); `written` receives the
// paths. Stops at the first failure with its message.
bool WriteSheets(const CalculationResult& result, const SheetOptions& options, const QString& dir, QString& error,
                 QStringList* written = nullptr);

inline constexpr const char* kSheetWorkTitle = QT_TRANSLATE_NOOP("Report", "Анализ шарнирно-рычажного механизма");
