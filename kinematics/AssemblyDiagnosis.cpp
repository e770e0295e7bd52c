#include "kinematics/AssemblyDiagnosis.h"

#include "kinematics/Angles.h"
#include "kinematics/NumberText.h"

#include "kinematics/TextCatalogue.h"
#include <cmath>

namespace {

// "… at φ = 12°": the failure's words with the angle where it happens.
std::string AtAngle(const char* failure, int degrees) { return Fill(Tr(failure), {FormatGeneral(degrees)}); }

// Plain arithmetic is enough here: every value is tested before it is used.
std::string DescribePosition(const Mechanism& m, int degrees)
{
    const double phi = Radians(degrees);
    const double xa = m.Loa * std::cos(phi), ya = m.Loa * std::sin(phi);
    const double acx = xa + m.Loc, acy = ya;  // from C at (-Loc, 0) to A
    const double ac = std::hypot(acx, acy);
    if (ac > m.Lab + m.Lbc || ac < std::fabs(m.Lab - m.Lbc) || ac == 0)
        return AtAngle(QT_TRANSLATE_NOOP("Kinematics", "шатун AB и коромысло BC не достают друг до друга при φ = %1°"), degrees);
    const double c = (m.Lbc * m.Lbc + m.Lab * m.Lab - ac * ac) / (2 * m.Lbc * m.Lab);
    if (c >= 1 || c <= -1)
        return AtAngle(QT_TRANSLATE_NOOP("Kinematics", "шатун AB и коромысло BC ложатся на одну прямую при φ = %1°"), degrees);

    // B left of the directed line C->A, as the solver places it; D is the middle of AB.
    const double c2 = (m.Lbc * m.Lbc + ac * ac - m.Lab * m.Lab) / (2 * m.Lbc * ac);
    const double delta = std::atan2(std::sqrt(1 - c2 * c2), c2);
    const double theta3 = std::atan2(acy, acx) + delta;
    const double xb = -m.Loc + m.Lbc * std::cos(theta3);
    const double xd = (xa + xb) / 2;
    if (std::fabs(xd + m.Loc / 2) >= m.Lde)
        return AtAngle(QT_TRANSLATE_NOOP("Kinematics", "звено DE не достаёт до направляющей ползуна при φ = %1°"), degrees);
    return {};
}

}  // namespace

std::string DescribeAssemblyFailure(const Mechanism& m)
{
    // The lengths the solver divides by.
    const struct {
        const char* name;
        double value;
    } divisors[] = {{"Lab", m.Lab}, {"Lbc", m.Lbc}, {"Lde", m.Lde}};
    for (const auto& length : divisors) {
        if (!std::isfinite(length.value) || length.value == 0)
            return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "длина %1 не может быть равна %2 м")), {length.name, FormatGeneral(length.value)});
    }
    if (m.Loa + m.Loc > m.Lab + m.Lbc)
        return Tr(QT_TRANSLATE_NOOP("Kinematics", "Механизм не собирается: Lab + Lbc < Loa + Loc"));
    for (int degrees = 0; degrees < 360; ++degrees) {
        std::string failure = DescribePosition(m, degrees);
        if (!failure.empty())
            return failure;
    }
    return {};
}
