#include "kinematics/Quantities.h"

namespace {

const char* const kMetres = "м";
const char* const kMetresPerSecond = "м/с";
const char* const kAcceleration = "м/с²";
const char* const kAngularVelocity = "рад/с";
const char* const kAngularAcceleration = "рад/с²";
const char* const kNewtons = "Н";
const char* const kNewtonMetres = "Н·м";
const char* const kInertia = "кг·м²";
const char* const kJoules = "Дж";

using P = PositionArrays;
using A = AccelerationArrays;
using F = ForceArrays;
using D = DynamicsColumns;

}  // namespace

std::string QuantityHeader(const Quantity& q)
{
    std::string header = q.symbol;
    if (*q.unit)
        header += std::string(", ") + q.unit;
    return header;
}

std::string QuantityToolTip(const Quantity& q, bool atUnitCrankSpeed)
{
    std::string tip = std::string(q.symbol) + " — " + q.meaning;
    if (*q.unit)
        tip += std::string(", ") + q.unit;
    if (atUnitCrankSpeed && q.crankSpeedPower == 1)
        tip += " (при ω1 = 1 рад/с)";
    return tip;
}

const Quantity kPositionNumber{"k", "", "номер положения кривошипа", 0};
const Quantity kCrankAngleDegrees{"φ", "°", "угол поворота кривошипа", 0};

const std::array<ArrayQuantity<PositionArrays>, kTableQuantityCount> kTableQuantities = {{
    {{"Xa", kMetres, "координата x точки A (конец кривошипа OA)", 0}, &P::Xa},
    {{"Ya", kMetres, "координата y точки A (конец кривошипа OA)", 0}, &P::Ya},
    {{"Vxa", kMetresPerSecond, "проекция скорости точки A на ось x", 1}, &P::Vxa},
    {{"Vya", kMetresPerSecond, "проекция скорости точки A на ось y", 1}, &P::Vya},
    {{"Xb", kMetres, "координата x точки B (шарнир шатуна AB и коромысла BC)", 0}, &P::Xb},
    {{"Yb", kMetres, "координата y точки B (шарнир шатуна AB и коромысла BC)", 0}, &P::Yb},
    {{"Vxb", kMetresPerSecond, "проекция скорости точки B на ось x", 1}, &P::Vxb},
    {{"Vyb", kMetresPerSecond, "проекция скорости точки B на ось y", 1}, &P::Vyb},
    {{"Xd", kMetres, "координата x точки D (середина шатуна AB)", 0}, &P::Xd},
    {{"Yd", kMetres, "координата y точки D (середина шатуна AB)", 0}, &P::Yd},
    {{"Vxd", kMetresPerSecond, "проекция скорости точки D на ось x", 1}, &P::Vxd},
    {{"Vyd", kMetresPerSecond, "проекция скорости точки D на ось y", 1}, &P::Vyd},
    {{"Ye", kMetres, "координата y ползуна E на вертикальной направляющей", 0}, &P::Ye},
    {{"Ve", kMetresPerSecond, "скорость ползуна E вдоль направляющей (вверх — плюс)", 1}, &P::Ve},
}};

const std::array<ArrayQuantity<AccelerationArrays>, 7> kPointAccelerationQuantities = {{
    {{"Axa", kAcceleration, "проекция ускорения точки A на ось x", 2}, &A::Axa},
    {{"Aya", kAcceleration, "проекция ускорения точки A на ось y", 2}, &A::Aya},
    {{"Axb", kAcceleration, "проекция ускорения точки B на ось x", 2}, &A::Axb},
    {{"Ayb", kAcceleration, "проекция ускорения точки B на ось y", 2}, &A::Ayb},
    {{"Axd", kAcceleration, "проекция ускорения точки D на ось x", 2}, &A::Axd},
    {{"Ayd", kAcceleration, "проекция ускорения точки D на ось y", 2}, &A::Ayd},
    {{"Ae", kAcceleration, "ускорение ползуна E вдоль направляющей (вверх — плюс)", 2}, &A::Ae},
}};

const std::array<ArrayQuantity<AccelerationArrays>, 11> kLinkMotionQuantities = {{
    {{"ω2", kAngularVelocity, "угловая скорость шатуна AB", 1}, &A::Omega2},
    {{"ω3", kAngularVelocity, "угловая скорость коромысла BC", 1}, &A::Omega3},
    {{"ω4", kAngularVelocity, "угловая скорость звена DE", 1}, &A::Omega4},
    {{"ε2", kAngularAcceleration, "угловое ускорение шатуна AB", 2}, &A::Eps2},
    {{"ε3", kAngularAcceleration, "угловое ускорение коромысла BC", 2}, &A::Eps3},
    {{"ε4", kAngularAcceleration, "угловое ускорение звена DE", 2}, &A::Eps4},
    {{"|aA|", kAcceleration, "полное ускорение точки A", 2}, &A::Aa},
    {{"|aB|", kAcceleration, "полное ускорение точки B", 2}, &A::Ab},
    {{"|aD|", kAcceleration, "полное ускорение точки D", 2}, &A::Ad},
    {{"|aE|", kAcceleration, "полное ускорение ползуна E", 2}, &A::AeAbs},
    {{"aE", kAcceleration, "ускорение ползуна E вдоль направляющей (вверх — плюс)", 2}, &A::Ae},
}};

const std::array<ArrayQuantity<ForceArrays>, 9> kForceQuantities = {{
    {{"Mб (группы Ассура)", kNewtonMetres, "уравновешивающий момент на кривошипе по группам Ассура", 0},
     &F::MbGroups},
    {{"Mб (рычаг Жуковского)", kNewtonMetres, "уравновешивающий момент на кривошипе по рычагу Жуковского", 0},
     &F::MbLever},
    {{"|R| в O", kNewtons, "реакция стойки на кривошип в шарнире O", 0}, &F::RO},
    {{"|R| в A", kNewtons, "реакция кривошипа на шатун в шарнире A", 0}, &F::RA},
    {{"|R| в B", kNewtons, "реакция шатуна на коромысло в шарнире B", 0}, &F::RB},
    {{"|R| в C", kNewtons, "реакция стойки на коромысло в шарнире C", 0}, &F::RC},
    {{"|R| в D", kNewtons, "реакция шатуна на звено DE в шарнире D", 0}, &F::RD},
    {{"|R| в E", kNewtons, "реакция звена DE на ползун в шарнире E", 0}, &F::RE},
    {{"|N| направляющей", kNewtons, "сила, с которой направляющая давит на ползун", 0}, &F::NguideAbs},
}};

const std::array<ArrayQuantity<DynamicsColumns>, 5> kDynamicsQuantities = {{
    {{"Jпр", kInertia, "приведённый к кривошипу момент инерции механизма", 0}, &D::Jpr},
    {{"Mпр", kNewtonMetres, "приведённый к кривошипу момент сил тяжести и сопротивления", 0}, &D::Mpr},
    {{"ΔT", kJoules, "изменение кинетической энергии машины от φ = 0", 0}, &D::DeltaT},
    {{"ω1", kAngularVelocity, "угловая скорость кривошипа с маховиком (установившееся движение)", 0}, &D::Omega},
    {{"ε1", kAngularAcceleration, "угловое ускорение кривошипа с маховиком", 0}, &D::Epsilon},
}};
