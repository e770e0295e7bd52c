#pragma once
// The linkage with the default lengths, assembled as the program assembles it, for the tools that
// draw the program's pictures (they are built by hand and link nothing of the program).

#include <QPointF>

#include <cmath>
#include <optional>

namespace tools {

constexpr double kPi = 3.14159265358979323846;

// Default lengths, metres.
constexpr double kLoa = 0.1;
constexpr double kLab = 0.6;
constexpr double kLbc = 0.6;
constexpr double kLde = 0.5;
constexpr double kLoc = 1.0;

struct Pose {
    QPointF O, A, B, C, D, E;
};

// The pose at the crank angle phi: B left of the directed line C->A, E below D on the guide
// x = -Loc/2; none where the linkage does not assemble.
inline std::optional<Pose> Assemble(double phi)
{
    Pose p;
    p.O = {0, 0};
    p.C = {-kLoc, 0};
    p.A = {kLoa * std::cos(phi), kLoa * std::sin(phi)};
    const double dx = p.A.x() - p.C.x();
    const double dy = p.A.y() - p.C.y();
    const double d = std::hypot(dx, dy);
    if (d > kLab + kLbc || d < std::fabs(kLab - kLbc))
        return std::nullopt;
    const double a = (kLbc * kLbc - kLab * kLab + d * d) / (2 * d);
    const double h = std::sqrt(kLbc * kLbc - a * a);
    p.B = {p.C.x() + a * dx / d - h * dy / d, p.C.y() + a * dy / d + h * dx / d};
    p.D = (p.A + p.B) / 2;
    const double guideX = -kLoc / 2;
    const double run = guideX - p.D.x();
    if (std::fabs(run) > kLde)
        return std::nullopt;
    p.E = {guideX, p.D.y() - std::sqrt(kLde * kLde - run * run)};
    return p;
}

} // namespace tools
