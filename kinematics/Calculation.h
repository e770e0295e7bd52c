#pragma once
// One Calculate, start to end, and everything it produces: the one place every reader takes its
// numbers from. The window's Calculate (on its thread or on the worker behind the progress
// dialog), the command line and every batch row call Calculate and nothing else; the table, the
// diagrams, the drawings, the analysis tabs, the status bar and every export read the result.
//
// The result is built in two stages. The kinematics (study, solves, accelerations,
// characteristics) depend on the record only and are shared, never copied, by every result made
// from them; the force analysis depends on the loads too. A change of the loads makes a new
// result with WithLoads: the same kinematics, the loads' parts computed again. A later analysis
// is one more part of the result, computed in the stage it depends on, and one more reader.

#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/ComputationProgress.h"
#include "kinematics/Dynamics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "kinematics/Study.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The diagrams, the drawings and the plans always show their own solve of 180 crank positions,
// 2 degrees apart, whatever N the table has.
constexpr int kDiagramPositionCount = 180;

// The drawing sheets' scheme shows the mechanism in N crank positions 360°/N apart, N from 1 to 24,
// the 12 of the usual assignment unless asked otherwise.
constexpr int kDefaultSchemePositions = 12;
constexpr int kMostSchemePositions = 24;

// How a Calculate runs beyond the record and the loads. Every Calculate scans the dead positions
// and studies the rocker length; whether the study's length replaces the typed one is the
// student's choice. A choice that changes this sequence belongs here.
struct CalculationOptions {
    bool adoptLbc = true;        // false: the study still runs and reports, the typed Lbc stays
};

struct CalculationInput {
    Mechanism typed{};           // the record as the user gave it; its N is the table's
    ForceParameters loads;       // the force analysis's masses, resistance, gravity and ω1
    CalculationOptions options;
    double delta = kDefaultDelta;  // the dynamics' coefficient of speed fluctuation δ
};

// One solve of the mechanism and the accelerations of the positions it reached.
struct SolvedPositions {
    Mechanism record{};          // as solved: Lad and GuideOffset set, N the count of this solve
    SolveOutcome outcome;        // a faulted solve counts no position
    PositionArrays positions;    // positions 0 .. Rows()-1 hold this solve's values
    std::string solveError;      // the fault that ended the solve (the diagrams' only)
    AccelerationArrays accelerations;  // for ω1 = 1, one entry per row; empty after a fault
    std::string accelerationsError;

    int Rows() const;
    bool HasAccelerations() const { return accelerationsError.empty() && solveError.empty(); }
};

// What the record alone decides.
struct KinematicsResult {
    Mechanism solved{};          // the adopted record: the study's Lbc, Lad and GuideOffset set, the user's N
    double scanLbc = 0;          // the rocker length the dead-position scan ran with (the typed one)
    bool lbcChosen = false;      // the study's choice replaced the typed Lbc
    StudyOutcome studyOutcome;   // what the study found and chose (also when it was not adopted)
    StudyResults study;          // the dead angles and the three curves over the rocker length
    SolvedPositions table;       // the final solve at the user's N
    SolvedPositions diagrams;    // the solve at kDiagramPositionCount positions
    MechanismCharacteristics characteristics;  // of the adopted lengths
    std::string characteristicsError;
    // The two extreme positions solved at their exact angles (Extreme1, Extreme2): rows 0 and 1;
    // none when the characteristics hold no numbers.
    PositionArrays extremes;
    int extremeRows = 0;
    std::string extremesError;

    std::vector<double> DeadAngles() const;   // radians, in scan order
    // The characteristics when they hold numbers (computed, and the crank turns fully).
    const MechanismCharacteristics* TurningCharacteristics() const;
};

// The force analysis of the table's and the diagrams' positions for one set of loads.
struct ForceResult {
    ForceParameters loads;
    bool computed = false;       // false: nothing below holds; `error` says why when it is not empty
    std::string error;
    ForceArrays table;           // one entry per table row
    std::vector<PositionForces> tableDetail;    // every force of every table row, for the worked solution
    ForceArrays diagrams;        // one entry per diagram row
    std::vector<PositionForces> diagramDetail;  // every force of every diagram row, for the force plan
    double largestDifference = 0;  // largest |Mб(groups) − Mб(lever)| over both
};

// The dynamics of the machine for one set of loads and δ: the cycle's curves and figures, and the
// values at the table's positions.
struct DynamicsPart {
    DynamicsResult curves;       // Status and Reason say whether anything holds
    DynamicsColumns table;       // one entry per table row when computed
    std::string error;           // the arithmetic fault that stopped it (nothing holds then)

    bool Computed() const { return error.empty() && curves.Status == DynamicsStatus::Computed; }
    // Why there are no dynamics, for the tab and the status bar; empty when they were computed.
    std::string Reason() const;
};

// The positions of the sheets' scheme. Where their count divides kDiagramPositionCount they are
// rows of the diagrams' solve and its forces, and nothing is held here; otherwise they have a solve
// of their own at that count, with its accelerations and the forces of the result's loads.
struct SchemePart {
    int count = kDefaultSchemePositions;
    SolvedPositions own;           // Rows() == 0 where the diagrams' rows serve
    ForceArrays forces;            // of `own`, one entry per row, when the forces could be computed
    std::vector<PositionForces> forceDetail;
    std::string forcesError;

    bool UsesDiagramRows() const { return count > 0 && kDiagramPositionCount % count == 0; }
};

// A Calculate that the scan, the study or the final solve could not finish: nothing else was
// computed, and nothing is shown of it but the fault.
struct CalculationFailure {
    std::string text;            // the fault's text ("Floating point division by zero")
    Mechanism record{};          // the record as the computation left it when the fault ended it
};

struct CalculationResult {
    CalculationInput input;
    std::optional<CalculationFailure> failure;
    std::shared_ptr<const KinematicsResult> kinematics;  // null after a failure
    ForceResult forces;                                  // for input.loads
    DynamicsPart dynamics;                               // for input.loads and input.delta
    SchemePart scheme;                                   // the sheets' scheme, 12 positions after Calculate

    bool Failed() const { return failure.has_value(); }
    const KinematicsResult& Kinematics() const { return *kinematics; }
    // The first fault of a part (accelerations, characteristics, diagrams, forces), in the order
    // they are computed; empty when every part holds.
    std::string FirstPartError() const;
    // The first fault of the parts that depend on the loads (forces, dynamics); empty when none.
    std::string LoadsPartError() const;
};

// The whole Calculate: scan, study and final solve at the typed N (FindDeadPositionsAndStudy),
// then the diagrams' solve, the accelerations of both solves, the characteristics and the force
// analysis. A floating-point fault of the first stage gives a result with `failure`; a fault of a
// later part is kept in that part's error and leaves the other parts computed. With `progress`,
// the first stage reports how far it got and throws ComputationCancelled soon after a cancel
// request (nothing is returned then). A record with too many positions (PositionCountRefusal) is
// the caller's to refuse; given one, the result fails with the refusal's text.
CalculationResult Calculate(const CalculationInput& input, ComputationProgress* progress = nullptr);

// A fresh solve of `record` at its N and the accelerations of the positions it reached, as
// Calculate makes the diagrams' solve; a fault is kept in the part's errors.
SolvedPositions SolvePositions(const Mechanism& record);

// The same kinematics with other loads (and δ): the force analysis and the dynamics computed
// again, through the same functions Calculate uses. Without `delta`, the result's own δ stays.
CalculationResult WithLoads(const CalculationResult& result, const ForceParameters& loads);
CalculationResult WithLoads(const CalculationResult& result, const ForceParameters& loads, double delta);

// The same result with the sheets' scheme in `count` positions (1 .. kMostSchemePositions; other
// counts are clamped into that range). A count that does not divide kDiagramPositionCount gets its
// own solve, accelerations and forces here, through the functions Calculate uses.
CalculationResult WithSchemePositions(const CalculationResult& result, int count);

// The scheme part of `kinematics` at `count` positions for `loads`.
SchemePart AnalyseScheme(const KinematicsResult& kinematics, const ForceParameters& loads, int count);
// The forces of the scheme's own solve for other loads; its positions stay.
void AnalyseSchemeForces(SchemePart& scheme, const KinematicsResult& kinematics, const ForceParameters& loads);

// The force analysis of `kinematics` for `loads`.
ForceResult AnalyseForces(const KinematicsResult& kinematics, const ForceParameters& loads);

// The dynamics of `kinematics` for `loads` and `delta`; none, with the reason, where the crank
// does not turn fully.
DynamicsPart AnalyseDynamics(const KinematicsResult& kinematics, const ForceParameters& loads, double delta);

// The largest |Mб| (groups) over the table and the crank angle (degrees, (360/N)·k) of the first
// position where it occurs; false when the forces were not computed.
bool LargestBalancingTorque(const CalculationResult& result, double& torque, double& degrees);

// How many times Calculate has run in this process: what tests count to show that nothing but a
// Calculate computes.
long CalculateCallCount();
