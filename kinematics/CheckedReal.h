#pragma once
// A real whose arithmetic raises the floating-point faults of the computation as
// FloatingPointError: an invalid operation (0/0, inf - inf, 0 * inf, the root of a negative
// number, an ordered comparison with NaN), a division of a non-zero value by zero, and an
// overflow of finite operands to infinity. Underflow and inexact results are not faults.
//
// The tests are explicit rather than read from the status flags: the compiler is free to move
// arithmetic across a flag test, but not across the branch that inspects the result.

#include <cmath>

namespace checked_real_detail {
[[noreturn]] void RaiseInvalidOperation();
// Called only for a non-finite result; raises when the operands explain no such result.
void CheckSumOrProduct(double result, double a, double b);
void CheckQuotient(double result, double a, double b);
}  // namespace checked_real_detail

class CheckedReal {
public:
    constexpr CheckedReal(double value = 0) : value_(value) {}  // NOLINT: implicit on purpose
    constexpr double Value() const { return value_; }

    friend CheckedReal operator+(CheckedReal a, CheckedReal b)
    {
        const double r = a.value_ + b.value_;
        if (!std::isfinite(r))
            checked_real_detail::CheckSumOrProduct(r, a.value_, b.value_);
        return r;
    }
    friend CheckedReal operator-(CheckedReal a, CheckedReal b)
    {
        const double r = a.value_ - b.value_;
        if (!std::isfinite(r))
            checked_real_detail::CheckSumOrProduct(r, a.value_, -b.value_);
        return r;
    }
    friend CheckedReal operator*(CheckedReal a, CheckedReal b)
    {
        const double r = a.value_ * b.value_;
        if (!std::isfinite(r))
            checked_real_detail::CheckSumOrProduct(r, a.value_, b.value_);
        return r;
    }
    friend CheckedReal operator/(CheckedReal a, CheckedReal b)
    {
        const double r = a.value_ / b.value_;
        if (b.value_ == 0 || !std::isfinite(r))
            checked_real_detail::CheckQuotient(r, a.value_, b.value_);
        return r;
    }
    friend CheckedReal operator-(CheckedReal a) { return -a.value_; }

    // Ordered comparisons: NaN on either side is an invalid operation.
    friend bool operator>(CheckedReal a, CheckedReal b)
    {
        if (std::isnan(a.value_) || std::isnan(b.value_))
            checked_real_detail::RaiseInvalidOperation();
        return a.value_ > b.value_;
    }
    friend bool operator<(CheckedReal a, CheckedReal b) { return b > a; }

private:
    double value_;
};

inline CheckedReal Sqrt(CheckedReal x)
{
    if (x.Value() < 0)
        checked_real_detail::RaiseInvalidOperation();
    return std::sqrt(x.Value());
}

inline CheckedReal Abs(CheckedReal x) { return std::fabs(x.Value()); }

namespace checked_real_detail {
// The argument made opaque to the optimiser: a sine and a cosine of one value are then never
// merged into one library call in some functions and not in others, so every formula reaches
// the same library routine wherever it is compiled and different paths give the same bits.
inline double Opaque(double x)
{
#if defined(__x86_64__)
    asm("" : "+x"(x));
#else
    asm("" : "+m"(x));
#endif
    return x;
}

inline double CircularArgument(CheckedReal x)
{
    if (std::isinf(x.Value()))
        RaiseInvalidOperation();
    return Opaque(x.Value());
}
}  // namespace checked_real_detail

inline CheckedReal Sin(CheckedReal x) { return std::sin(checked_real_detail::CircularArgument(x)); }
inline CheckedReal Cos(CheckedReal x) { return std::cos(checked_real_detail::CircularArgument(x)); }
inline CheckedReal Tan(CheckedReal x) { return std::tan(checked_real_detail::CircularArgument(x)); }
inline CheckedReal Atan2(CheckedReal y, CheckedReal x) { return std::atan2(y.Value(), x.Value()); }
