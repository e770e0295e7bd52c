#include "kinematics/CheckedReal.h"

#include "kinematics/Errors.h"

namespace checked_real_detail {

namespace {
[[noreturn]] void RaiseDivisionByZero() { throw FloatingPointError(kDivisionByZeroText); }
[[noreturn]] void RaiseOverflow() { throw FloatingPointError(kOverflowText); }
}  // namespace

void RaiseInvalidOperation() { throw FloatingPointError(kInvalidOperationText); }

void CheckSumOrProduct(double result, double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return;  // a quiet NaN passes through without a fault
    if (std::isnan(result))
        RaiseInvalidOperation();  // inf - inf, 0 * inf
    if (std::isfinite(a) && std::isfinite(b))
        RaiseOverflow();
}

void CheckQuotient(double result, double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return;
    if (b == 0) {
        if (a == 0)
            RaiseInvalidOperation();
        if (std::isfinite(a))
            RaiseDivisionByZero();
        return;  // inf / 0 is an exact infinity
    }
    if (std::isnan(result))
        RaiseInvalidOperation();  // inf / inf
    if (std::isinf(result) && std::isfinite(a))
        RaiseOverflow();
}

}  // namespace checked_real_detail
