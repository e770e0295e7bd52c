#include "app/TabSolve.h"

#include "kinematics/CheckedReal.h"
#include "kinematics/PositionKinematics.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

bool SameLengths(const Mechanism& a, const Mechanism& b)
{
    return a.Loa == b.Loa && a.Lab == b.Lab && a.Lbc == b.Lbc && a.Lde == b.Lde && a.Loc == b.Loc;
}

TabSolve AnalyseSolve(const Mechanism& m, const PositionArrays& positions, int count, const TabSolve* known)
{
    TabSolve solve;
    solve.mechanism = m;
    // The angles of the positions follow the solve's N, which is the length of its arrays; the
    // record may already hold another N again (the diagrams solve 180 positions of their own).
    solve.mechanism.PositionCount = static_cast<std::int32_t>(std::min<std::size_t>(positions.Size(), kMaxPositionCount));
    solve.positions = positions;
    solve.count = std::clamp(count, 0, static_cast<int>(positions.Size()));
    ComputeAccelerations(solve.mechanism, positions, solve.count, solve.accelerations);
    if (known && known->valid && SameLengths(known->mechanism, m))
        solve.characteristics = known->characteristics;
    else
        solve.characteristics = ComputeCharacteristics(solve.mechanism);
    solve.valid = true;
    return solve;
}

double Degrees(double radians)
{
    return (CheckedReal(radians) * (180 / kPi)).Value();
}
