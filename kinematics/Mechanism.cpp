#include "kinematics/Mechanism.h"

namespace {

// The built-in mechanism: the five lengths in metres and the count of crank positions.
struct Defaults {
    double loa, lab, lbc, lde, loc;
    std::int32_t positionCount;
};
constexpr Defaults kDefaults{0.1, 0.6, 0.6, 0.5, 1.0, 8};

}  // namespace

void SetDefaultParameters(Mechanism& m)
{
    const double reserved = m.Reserved;
    m = Mechanism{kDefaults.loa, kDefaults.lab, kDefaults.lbc, kDefaults.lde, kDefaults.loc, 0, reserved, 0,
                  kDefaults.positionCount};
    SetDerivedLengths(m);
}
