#pragma once
// Every quantity the program shows or writes, once: its symbol, unit and meaning, and where a
// result keeps its values. The results grid's captions and tooltips, the analysis tabs' table
// headers, the CSV header and the report's tables are all made from these lists.

#include "kinematics/Accelerations.h"
#include "kinematics/Dynamics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/Solver.h"

#include <array>
#include <cstddef>
#include <optional>
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

// "Xa, м" (or only the symbol when there is no unit): the header of a column in a file, the same
// in every language.
std::string QuantityHeader(const Quantity& q);
// The same header as the interface's language writes it: "Jпр, кг·м²" reads "Jred, kg·m²".
std::string ShownQuantityHeader(const Quantity& q);
// In the interface's language: "Xa — координата x точки A (конец кривошипа OA), м"; for values shown as computed for the unit
// crank speed, a velocity adds " (при ω1 = 1 рад/с)".
std::string QuantityToolTip(const Quantity& q, bool atUnitCrankSpeed = false);

// A quantity and the array of a result's `Arrays` that holds its values.
template <class Arrays>
struct ArrayQuantity {
    Quantity quantity;
    std::vector<double> Arrays::*values;
};

// The quantities of a list of them, in its order.
template <class Arrays, std::size_t N>
std::vector<const Quantity*> QuantitiesOf(const std::array<ArrayQuantity<Arrays>, N>& list)
{
    std::vector<const Quantity*> quantities;
    for (const ArrayQuantity<Arrays>& q : list)
        quantities.push_back(&q.quantity);
    return quantities;
}

extern const Quantity kPositionNumber;     // "k", the crank position's number
extern const Quantity kCrankAngleDegrees;  // "φ, °"

constexpr int kTableQuantityCount = 14;
// The results table's columns: positions and velocities of A, B, D and E.
extern const std::array<ArrayQuantity<PositionArrays>, kTableQuantityCount> kTableQuantities;
// The point accelerations written beside them.
extern const std::array<ArrayQuantity<AccelerationArrays>, 7> kPointAccelerationQuantities;
// The links' angular velocities and accelerations: ω and ε of AB, BC and DE.
extern const std::array<ArrayQuantity<AccelerationArrays>, 6> kLinkAngularQuantities;
// The accelerations tab's table after its angle: angular velocities and accelerations of the
// links, the accelerations' magnitudes and the slider's acceleration.
extern const std::array<ArrayQuantity<AccelerationArrays>, 11> kLinkMotionQuantities;
// The force analysis: both balancing torques, the joints' reactions and the guide's force.
extern const std::array<ArrayQuantity<ForceArrays>, 9> kForceQuantities;
// The reactions' components, named Rij by the convention kReactionConvention states.
extern const std::array<ArrayQuantity<ForceArrays>, 13> kReactionComponentQuantities;
extern const char* const kReactionConvention;
// The dynamics' table after its angle; the CSV writes the first kExportedDynamicsQuantities of
// them after the forces.
extern const std::array<ArrayQuantity<DynamicsColumns>, 5> kDynamicsQuantities;
constexpr std::size_t kExportedDynamicsQuantities = 4;

// The quantities of one table position that a student finds by hand and the program checks:
// their names (as a student writes them, and in Latin letters), units and signs. Magnitudes for
// velocities, accelerations and reactions; signed values, counter-clockwise positive, for ω, ε
// and Mб. Reactions in the Rij convention of ForceAnalysis.h (the force of link i on link j, 0 the
// frame): R01 at O, R12 at A, R23 at B, R03 at C, R24 at D, R45 at E, N05 the guide on the
// slider. A reaction and its opposite have one magnitude, so R21, R32, R30, R42, R54, R10, N50
// and R05 name the same quantities.
enum class PositionQuantity {
    VA, VB, VD, VE,
    Omega2, Omega3, Omega4,
    AA, AB, AD, AE,
    Eps2, Eps3, Eps4,
    R01, R12, R23, R03, R24, R45, N05,
    Mb,
};

struct QuantityInfo {
    PositionQuantity id;
    const char* name;        // "ω2": the name of the list, and of answer files
    const char* latin;       // "w2": the same in Latin letters
    const char* unit;        // "рад/с"
    bool isSigned;           // counter-clockwise positive; otherwise a magnitude
    const char* caption;     // "угловая скорость шатуна AB"
    const char* alsoNamed;   // further accepted names separated by spaces, or ""
};

// Every quantity, in the order of the list above.
const std::vector<QuantityInfo>& PositionQuantityList();
const QuantityInfo& InfoOf(PositionQuantity q);

// The quantity a typed name stands for. Blanks around it, letter case, Cyrillic letters that
// look like Latin ones (vА, Мб), subscript digits (ω₂) and the Latin forms (w2, e2, Mb) are
// all accepted.
std::optional<PositionQuantity> FindQuantity(const std::string& typed);

// "неизвестная величина «vF»; можно: vA, vB, …" for a name FindQuantity does not know.
std::string UnknownQuantityText(const std::string& typed);

