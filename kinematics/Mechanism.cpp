#include "kinematics/Mechanism.h"

namespace {
constexpr double kDefaultLoa = 0.1;
constexpr double kDefaultLab = 0.6;
constexpr double kDefaultLbc = 0.6;
constexpr double kDefaultLde = 0.5;
constexpr double kDefaultLoc = 1.0;
constexpr std::int32_t kDefaultPositionCount = 8;
}  // namespace

void SetDefaultParameters(Mechanism& m)
{
    m.Loa = kDefaultLoa;
    m.Lab = kDefaultLab;
    m.Lbc = kDefaultLbc;
    m.Lde = kDefaultLde;
    m.Loc = kDefaultLoc;
    m.PositionCount = kDefaultPositionCount;
    SetDerivedLengths(m);
}
