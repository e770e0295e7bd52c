#pragma once
// A finished calculation as plain data: what the CSV file, the pictures and the paged report are
// made from. The window takes it from its own state after Calculate; the command line computes it
// with RunCalculation, which is the same sequence Calculate runs.

#include "kinematics/Characteristics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QObject;

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

// The force analysis of a calculation: of the table's positions (CSV, report table, summary) and
// of the diagrams' 180 positions (the report's chart), for one set of force parameters.
struct SnapshotForces {
    bool computed = false;       // false: nothing below holds; `error` says why when it is not empty
    QString error;
    ForceParameters parameters;
    ForceArrays table;           // one entry per table row
    ForceArrays diagrams;        // one entry per diagram row; empty when that solve faulted
    double largestDifference = 0;  // largest |Mб(groups) − Mб(lever)| over both
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
    SnapshotForces forces;

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
// The force analysis is run with `forces` (the defaults, ω1 = 1, without the window).
void AddLaterQuantities(CalculationSnapshot& snapshot, const ForceParameters& forces = {});

// Runs the force analysis again with `parameters` unless it already holds for them. A fault is
// kept in snapshot.forces.error and leaves the rest of the snapshot as it was.
void UpdateForces(CalculationSnapshot& snapshot, const ForceParameters& parameters);

// The force parameters the window's forces tab shows (fields "EditLinearMass", "EditSliderMass",
// "EditResistance", "EditOmega1", box "CheckGravity" found under `window`); a field that is
// missing or does not read as an acceptable number keeps its default.
ForceParameters WindowForceParameters(const QObject& window);

// The force columns of the CSV: "name, unit" headers and the table rows' values.
std::vector<ExtraColumn> ForceColumns(const SnapshotForces& forces);

// The largest |Mб| (groups) over the table and the crank angle (degrees) of the first position
// where it occurs; false when the forces were not computed.
bool LargestBalancingTorque(const CalculationSnapshot& snapshot, double& torque, double& degrees);

// The dead angle in degrees, as the report and the summary show it.
double DegreesOf(double radians);
