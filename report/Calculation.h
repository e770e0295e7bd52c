#pragma once
// A finished calculation as plain data: what the CSV file, the pictures and the paged report are
// made from. The window takes it from its own state after Calculate; the command line computes it
// with RunCalculation, which is the same sequence Calculate runs.

#include "kinematics/Characteristics.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The diagrams always show their own solve of 180 crank positions (2 degrees apart).
constexpr int kDiagramPositionCount = 180;

// A further group of per-position quantities (accelerations, forces): one column each, with the
// header in the same "name, unit" form as the others and one value per table row.
struct ExtraColumn {
    QString header;
    std::vector<double> values;
};

// A further section of the report (the mechanism's characteristics, accelerations, forces).
struct ReportSection {
    QString title;
    QStringList lines;
    bool nextToInput = false;  // characteristics: after the dead positions; later quantities: at the end
};

struct CalculationSnapshot {
    Mechanism typed{};           // the record as the user gave it (Lbc before the study)
    Mechanism adopted{};         // the record after the study: Lbc is the adopted one
    bool lbcChosen = false;      // false when no study run completed
    std::vector<double> deadAngles;  // radians, in scan order
    PositionArrays table;        // the final solve at N; rows 0 .. tableRows-1 are valid
    int tableRows = 0;
    PositionArrays diagrams;     // the diagrams' solve at 180 positions
    int diagramRows = 0;
    StudyResults study;
    std::optional<MechanismCharacteristics> characteristics;  // of the adopted mechanism, when computed
    std::vector<ExtraColumn> extraColumns;
    std::vector<ReportSection> extraSections;

    int PositionCount() const { return adopted.PositionCount; }
};

// Why a calculation was not run: the window's own refusal text for too many positions.
QString PositionCountRefusal(std::int32_t n);  // empty when n is acceptable

// Scan, study, adopted Lbc and final solve at typed.PositionCount, then the diagrams' solve at
// 180 positions, each on fresh solver state. Throws FloatingPointError with the exact fault text.
CalculationSnapshot RunCalculation(const Mechanism& typed);

// Adds what the program computes beyond the table: the mechanism's characteristics (a report
// section, the summary's columns) and the accelerations of the table's positions (further CSV
// columns). A fault there is reported in the report instead of ending the calculation.
void AddLaterQuantities(CalculationSnapshot& snapshot);

// The dead angle in degrees, as the report and the summary show it.
double DegreesOf(double radians);
