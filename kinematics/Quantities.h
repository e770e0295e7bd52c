#pragma once
// Every quantity the program shows or writes, once: its symbol, unit and meaning, and where a
// result keeps its values. The results grid's captions and tooltips, the analysis tabs' table
// headers, the CSV header and the report's tables are all made from these lists.

#include "kinematics/Accelerations.h"
#include "kinematics/Dynamics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Solver.h"

#include <array>
#include <string>
#include <vector>

struct Quantity {
    const char* symbol;   // "Xa": the grid's caption and the start of every header
    const char* unit;     // "м"; empty for a plain number
    const char* meaning;  // "координата x точки A (конец кривошипа OA)"
    // How the value computed for ω1 = 1 рад/с grows with the crank speed: 0 for positions and
    // forces given as they are, 1 for velocities (times ω1), 2 for accelerations (times ω1²).
    int crankSpeedPower;
};

// "Xa, м" (or only the symbol when there is no unit): the header of a column.
std::string QuantityHeader(const Quantity& q);
// "Xa — координата x точки A (конец кривошипа OA), м"; for values shown as computed for the unit
// crank speed, a velocity adds " (при ω1 = 1 рад/с)".
std::string QuantityToolTip(const Quantity& q, bool atUnitCrankSpeed = false);

// A quantity and the array of a result's `Arrays` that holds its values.
template <class Arrays>
struct ArrayQuantity {
    Quantity quantity;
    std::vector<double> Arrays::*values;
};

extern const Quantity kPositionNumber;     // "k", the crank position's number
extern const Quantity kCrankAngleDegrees;  // "φ, °"

constexpr int kTableQuantityCount = 14;
// The results table's columns: positions and velocities of A, B, D and E.
extern const std::array<ArrayQuantity<PositionArrays>, kTableQuantityCount> kTableQuantities;
// The point accelerations written beside them.
extern const std::array<ArrayQuantity<AccelerationArrays>, 7> kPointAccelerationQuantities;
// The accelerations tab's table after its angle: angular velocities and accelerations of the
// links, the accelerations' magnitudes and the slider's acceleration.
extern const std::array<ArrayQuantity<AccelerationArrays>, 11> kLinkMotionQuantities;
// The force analysis: both balancing torques, the joints' reactions and the guide's force.
extern const std::array<ArrayQuantity<ForceArrays>, 9> kForceQuantities;
// The dynamics' table after its angle; the CSV writes the first kExportedDynamicsQuantities of
// them after the forces.
extern const std::array<ArrayQuantity<DynamicsColumns>, 5> kDynamicsQuantities;
constexpr std::size_t kExportedDynamicsQuantities = 4;
