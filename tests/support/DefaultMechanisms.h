#pragma once
// The mechanisms the tests start from: the defaults at N positions, or the defaults with other
// link lengths.

#include "kinematics/Mechanism.h"

inline Mechanism DefaultMechanism(int n)
{
    Mechanism m;
    SetDefaultParameters(m);
    m.PositionCount = n;
    return m;
}

inline Mechanism MakeMechanism(double loa, double lab, double lbc, double lde, double loc, int n)
{
    Mechanism m = DefaultMechanism(n);
    m.Loa = loa;
    m.Lab = lab;
    m.Lbc = lbc;
    m.Lde = lde;
    m.Loc = loc;
    return m;
}
