// The sheets' scheme in a count of positions of the student's choice: the diagrams' rows where the
// count divides them, a solve of its own where it does not.

#include "kinematics/Calculation.h"

#include "kinematics/Errors.h"

#include <algorithm>

SchemePart AnalyseScheme(const KinematicsResult& k, const ForceParameters& loads, int count)
{
    SchemePart scheme;
    scheme.count = std::clamp(count, 1, kMostSchemePositions);
    if (scheme.UsesDiagramRows())
        return scheme;
    Mechanism record = k.solved;
    record.PositionCount = scheme.count;
    scheme.own = SolvePositions(record);
    AnalyseSchemeForces(scheme, k, loads);
    return scheme;
}

void AnalyseSchemeForces(SchemePart& scheme, const KinematicsResult& k, const ForceParameters& loads)
{
    scheme.forces = ForceArrays{};
    scheme.forceDetail.clear();
    scheme.forcesError.clear();
    if (!scheme.own.HasAccelerations() || scheme.own.Rows() == 0)
        return;
    // As the force analysis of the table and the diagrams: no working stroke, no resistance.
    const MechanismCharacteristics* turning = k.TurningCharacteristics();
    const MechanismCharacteristics c = turning ? *turning : MechanismCharacteristics{};
    try {
        ComputeForces(scheme.own.record, scheme.own.positions, scheme.own.accelerations, c, loads, scheme.forces,
                      &scheme.forceDetail);
    } catch (const FloatingPointError& e) {
        scheme.forces = ForceArrays{};
        scheme.forceDetail.clear();
        scheme.forcesError = e.what();
    }
}

CalculationResult WithSchemePositions(const CalculationResult& result, int count)
{
    CalculationResult changed = result;
    if (changed.kinematics)
        changed.scheme = AnalyseScheme(*changed.kinematics, changed.input.loads, count);
    else
        changed.scheme.count = std::clamp(count, 1, kMostSchemePositions);
    return changed;
}
