#include "app/TabSolve.h"

#include "kinematics/CheckedReal.h"
#include "kinematics/PositionKinematics.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

bool SameLengths(const Mechanism& a, const Mechanism& b)
{
    return a.Loa == b.Loa && a.Lab == b.Lab && a.Lbc == b.Lbc && a.Lde == b.Lde && a.Loc == b.Loc;
}

void AnalyseSolve(TabSolve& solve, const Mechanism& m, const PositionArrays& positions, int count, const TabSolve* other)
{
    const bool keepCharacteristics = solve.valid && SameLengths(solve.mechanism, m);
    const bool takeCharacteristics = !keepCharacteristics && other && other->valid && SameLengths(other->mechanism, m);
    solve.valid = false;
    solve.mechanism = m;
    // The angles of the positions follow the solve's N, which is the length of its arrays; the
    // record may already hold another N again (the diagrams solve 180 positions of their own).
    solve.mechanism.PositionCount = static_cast<std::int32_t>(std::min<std::size_t>(positions.Size(), kMaxPositionCount));
    for (std::vector<double> PositionArrays::*array :
         {&PositionArrays::Xa, &PositionArrays::Ya, &PositionArrays::Xb, &PositionArrays::Yb, &PositionArrays::Xd,
          &PositionArrays::Yd, &PositionArrays::Ye, &PositionArrays::Vxa, &PositionArrays::Vya, &PositionArrays::Vxb,
          &PositionArrays::Vyb, &PositionArrays::Vxd, &PositionArrays::Vyd, &PositionArrays::Ve})
        solve.positions.*array = positions.*array;
    solve.count = std::clamp(count, 0, static_cast<int>(solve.positions.Size()));
    ComputeAccelerations(solve.mechanism, solve.positions, solve.count, solve.accelerations);
    if (takeCharacteristics)
        solve.characteristics = other->characteristics;
    else if (!keepCharacteristics)
        solve.characteristics = ComputeCharacteristics(solve.mechanism);
    solve.valid = true;
}

double Degrees(double radians)
{
    return (CheckedReal(radians) * (180 / kPi)).Value();
}
