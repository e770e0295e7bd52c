#pragma once
// One crank position of the six-link mechanism: the loop-closure and velocity formulas of the
// solver, shared by the solver and by the study's fast runs so that both give the same bits.
// Every operation is checked (CheckedReal) and raises FloatingPointError where it faults.

#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <array>
#include <cmath>

// The lengths a solve works with; Lad and GuideOffset as the solve has just set them.
struct LinkageLengths {
    double Loa = 0, Lab = 0, Lbc = 0, Lde = 0, Loc = 0, Lad = 0, GuideOffset = 0;
};
LinkageLengths LengthsOf(const Mechanism& m);

// Loa + Loc > Lab + Lbc: the linkage cannot be assembled. Equality passes.
bool AssemblyFails(const LinkageLengths& lengths);

// Angle of position k out of n in the normal mode: (2*pi/N)*k.
double NormalCrankAngle(int n, int k);

// The cosines of triangle ABC at B (c) and at C (c2) from the diagonal AC, and the sine that goes
// with a cosine, in the order every solve evaluates them. Written once for the checked reals of
// the solver and the plain reals of the study's screen: wherever the checked operations raise
// nothing, both give the same bits.
template <typename Real>
Real CosineAtB(Real lbc, Real lab, Real ac)
{
    return (lbc * lbc + lab * lab - ac * ac) / (2 * lbc * lab);
}
template <typename Real>
Real CosineAtC(Real lbc, Real lab, Real ac)
{
    return (lbc * lbc + ac * ac - lab * lab) / (2 * lbc * ac);
}
inline CheckedReal SineOfCosine(CheckedReal c) { return Sqrt(1 - c * c); }
inline double SineOfCosine(double c) { return std::sqrt(1 - c * c); }
// arccos c in [0, pi], formed as atan2(sqrt(1 - c^2), c).
inline CheckedReal AngleOfCosine(CheckedReal c) { return Atan2(SineOfCosine(c), c); }

// The per-position values in the order a solve assigns them; a fault leaves the ones already
// assigned in place, the rest stay unassigned.
enum class PositionField : int {
    Xa, Ya, Gamma, Xb, Yb, Xd, Yd, Ye,
    Vxa, Vya, Vxb, Vyb, Vxd, Vyd, Ve,
    Va, PlanXa, PlanYa, PlanXb, PlanYb, PlanXd, PlanYd, PlanXe, PlanYe,
};
constexpr int kPositionFieldCount = 24;

// The array of PositionArrays that holds a field.
std::vector<double> PositionArrays::*ArrayOf(PositionField field);

class PositionValues {
public:
    void Clear() { assigned_ = 0; }
    void Assign(PositionField field, double value)
    {
        values_[static_cast<std::size_t>(field)] = value;
        assigned_ = static_cast<int>(field) + 1;
    }
    double operator[](PositionField field) const { return values_[static_cast<std::size_t>(field)]; }
    bool Has(PositionField field) const { return static_cast<int>(field) < assigned_; }
    // Fields 0 .. AssignedCount()-1 are assigned.
    int AssignedCount() const { return assigned_; }

private:
    std::array<double, kPositionFieldCount> values_{};
    int assigned_ = 0;
};

// What the crank position alone decides (independent of the rocker and the slider dyad).
struct CrankPosition {
    double phi = 0;
    double sinPhi = 0, cosPhi = 0;
    double AC = 0;   // length of the diagonal from C to A
    double psi = 0;  // direction of the vector from C to A
};

// Crank pin A and diagonal AC; assigns Xa and Ya.
void ComputeCrank(const LinkageLengths& lengths, double phi, CrankPosition& crank, PositionValues& out);

enum class PositionDetail {
    Full,         // every value of the position
    ForExtremes,  // what Gamma and Ve need; the slider height and the velocity plan are left
                  // out (unassigned, holding no value) where they provably cannot fault
};

// Everything after the crank for a position whose Xa and Ya are assigned already. Returns false
// (having assigned nothing more) when triangle ABC does not close.
bool ComputeLinkage(const LinkageLengths& lengths, const CrankPosition& crank, PositionValues& out,
                    PositionDetail detail);

struct Extremes {
    double maxVe = 0, maxGamma = 0, minGamma = 0;
};
// The extremes of a complete run, compared in position order (a NaN is an invalid operation).
Extremes FindExtremes(const double* ve, const double* gamma, int n);
