#include "kinematics/PositionQuantities.h"

#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

using Q = PositionQuantity;

CheckedReal Length(double x, double y)
{
    const CheckedReal cx = x, cy = y;
    return Sqrt(cx * cx + cy * cy);
}

bool IsForce(Q q) { return q >= Q::R01 && q <= Q::Mb; }

double At(const std::vector<double>& v, std::size_t k) { return v[k]; }

// The value for ω1 = 1 (kinematics) or for the loads' ω1 (forces), and the power of ω1 it
// scales with.
double BaseValue(const SolvedTable& t, Q q, std::size_t k, int& power)
{
    const PositionArrays& p = *t.positions;
    const AccelerationArrays& a = *t.accelerations;
    power = 0;
    switch (q) {
    case Q::VA: power = 1; return At(p.Va, k);
    case Q::VB: power = 1; return Length(p.Vxb[k], p.Vyb[k]).Value();
    case Q::VD: power = 1; return Length(p.Vxd[k], p.Vyd[k]).Value();
    case Q::VE: power = 1; return std::fabs(p.Ve[k]);
    case Q::Omega2: power = 1; return At(a.Omega2, k);
    case Q::Omega3: power = 1; return At(a.Omega3, k);
    case Q::Omega4: power = 1; return At(a.Omega4, k);
    case Q::AA: power = 2; return At(a.Aa, k);
    case Q::AB: power = 2; return At(a.Ab, k);
    case Q::AD: power = 2; return At(a.Ad, k);
    case Q::AE: power = 2; return At(a.AeAbs, k);
    case Q::Eps2: power = 2; return At(a.Eps2, k);
    case Q::Eps3: power = 2; return At(a.Eps3, k);
    case Q::Eps4: power = 2; return At(a.Eps4, k);
    case Q::R01: return At(t.forces->RO, k);
    case Q::R12: return At(t.forces->RA, k);
    case Q::R23: return At(t.forces->RB, k);
    case Q::R03: return At(t.forces->RC, k);
    case Q::R24: return At(t.forces->RD, k);
    case Q::R45: return At(t.forces->RE, k);
    case Q::N05: return At(t.forces->NguideAbs, k);
    case Q::Mb: return At(t.forces->MbGroups, k);
    }
    return 0;
}

}  // namespace

std::string PositionOutsideTableText(long long k, int rows)
{
    if (rows <= 0)
        return "положение " + WholeNumberText(k) + " вне таблицы: таблица пуста";
    return "положение " + WholeNumberText(k) + " вне таблицы: в ней положения от 0 до "
           + WholeNumberText(rows - 1);
}

int SolvedTable::Rows() const
{
    if (!positions || !accelerations)
        return 0;
    return static_cast<int>(std::min(positions->Size(), accelerations->Size()));
}

std::optional<double> ExactValue(const SolvedTable& t, PositionQuantity q, int k)
{
    if (k < 0 || k >= t.Rows())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(k);
    if (IsForce(q) && (!t.forces || index >= t.forces->Size()))
        return std::nullopt;
    int power = 0;
    const CheckedReal value = BaseValue(t, q, index, power);
    const CheckedReal omega1 = InfoOf(q).isSigned ? t.omega1 : std::fabs(t.omega1);
    if (power == 1)
        return (value * omega1).Value();
    if (power == 2)
        return (value * (omega1 * omega1)).Value();
    return value.Value();
}

double LargestMagnitude(const SolvedTable& t, PositionQuantity q)
{
    double largest = 0;
    for (int k = 0; k < t.Rows(); ++k) {
        if (const std::optional<double> v = ExactValue(t, q, k))
            largest = std::max(largest, std::fabs(*v));
    }
    return largest;
}
