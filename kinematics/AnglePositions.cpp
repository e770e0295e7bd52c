#include "kinematics/AnglePositions.h"

#include "kinematics/PositionKinematics.h"

AnglePositions SolveAtAngles(const Mechanism& record, const std::vector<double>& angles)
{
    ClearUpperVectorState();
    Mechanism m = record;
    SetDerivedLengths(m);
    const LinkageLengths lengths = LengthsOf(m);
    AnglePositions out;
    out.positions.Resize(angles.size());
    if (AssemblyFails(lengths))
        return out;
    PositionValues values;
    CrankPosition crank;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        values.Clear();
        ComputeCrank(lengths, angles[i], crank, values);
        const bool closed = ComputeLinkage(lengths, crank, values, PositionDetail::Full);
        if (!closed)
            return out;
        for (int f = 0; f < values.AssignedCount(); ++f) {
            const auto field = static_cast<PositionField>(f);
            (out.positions.*ArrayOf(field))[i] = values[field];
        }
        out.rows = static_cast<int>(i) + 1;
    }
    return out;
}
