#pragma once
// Refining a root or an extreme that a scan of samples has bracketed: bisection on a sign change
// and golden-section search for the largest value. Shared by the mechanism's characteristics and
// the dynamics, so that both locate their extremes the same way and to the same tolerance.

#include <cmath>

constexpr double kRefineAngleTolerance = 1e-12;  // rad
constexpr int kMaxRefineSteps = 200;             // bisection halves ~1.7e-3 rad to 1e-12 in ~31

// A root of f in [a, b] where f(a) and f(b) differ in sign (f(a) > 0 >= f(b) or the reverse).
template <class F>
double Bisect(F f, double a, double b)
{
    const bool aPositive = f(a) > 0;
    for (int i = 0; i < kMaxRefineSteps && b - a > kRefineAngleTolerance; ++i) {
        const double mid = a + (b - a) / 2;
        if ((f(mid) > 0) == aPositive)
            a = mid;
        else
            b = mid;
    }
    return a + (b - a) / 2;
}

// The angle of the largest g in [a, b] (golden section; g unimodal there).
template <class G>
double GoldenMax(G g, double a, double b)
{
    const double r = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - r * (b - a), x2 = a + r * (b - a);
    double g1 = g(x1), g2 = g(x2);
    for (int i = 0; i < kMaxRefineSteps && b - a > kRefineAngleTolerance; ++i) {
        if (g1 < g2) {
            a = x1;
            x1 = x2;
            g1 = g2;
            x2 = a + r * (b - a);
            g2 = g(x2);
        } else {
            b = x2;
            x2 = x1;
            g2 = g1;
            x1 = b - r * (b - a);
            g1 = g(x1);
        }
    }
    return g1 < g2 ? x2 : x1;
}
