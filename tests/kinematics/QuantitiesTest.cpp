// The one list of quantities: the headers every table and file is made from, the tooltips of the
// results grid, and the arrays the values are taken from.

#include "kinematics/Quantities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// No two quantities of the list read the same array.
template <class Arrays, std::size_t Count>
bool Distinct(const std::array<ArrayQuantity<Arrays>, Count>& quantities)
{
    for (std::size_t i = 0; i < Count; ++i)
        for (std::size_t j = i + 1; j < Count; ++j)
            if (quantities[i].values == quantities[j].values)
                return false;
    return true;
}

template <class Arrays, std::size_t Count>
std::vector<std::string> Headers(const std::array<ArrayQuantity<Arrays>, Count>& quantities)
{
    std::vector<std::string> headers;
    for (const auto& q : quantities)
        headers.push_back(QuantityHeader(q.quantity));
    return headers;
}

TEST(Quantities, HeadersAreThoseOfTheTablesAndFilesByteForByte)
{
    std::string csv = QuantityHeader(kPositionNumber) + ";" + QuantityHeader(kCrankAngleDegrees);
    for (const std::string& header : Headers(kTableQuantities))
        csv += ";" + header;
    EXPECT_EQ(csv, "k;φ, °;Xa, м;Ya, м;Vxa, м/с;Vya, м/с;Xb, м;Yb, м;Vxb, м/с;Vyb, м/с;Xd, м;Yd, м;Vxd, м/с;"
                   "Vyd, м/с;Ye, м;Ve, м/с");
    EXPECT_EQ(Headers(kPointAccelerationQuantities),
              (std::vector<std::string>{"Axa, м/с²", "Aya, м/с²", "Axb, м/с²", "Ayb, м/с²", "Axd, м/с²", "Ayd, м/с²",
                                        "Ae, м/с²"}));
    EXPECT_EQ(Headers(kLinkMotionQuantities),
              (std::vector<std::string>{"ω2, рад/с", "ω3, рад/с", "ω4, рад/с", "ε2, рад/с²", "ε3, рад/с²",
                                        "ε4, рад/с²", "|aA|, м/с²", "|aB|, м/с²", "|aD|, м/с²", "|aE|, м/с²",
                                        "aE, м/с²"}));
    EXPECT_EQ(Headers(kForceQuantities),
              (std::vector<std::string>{"Mб (группы Ассура), Н·м", "Mб (рычаг Жуковского), Н·м", "|R| в O, Н",
                                        "|R| в A, Н", "|R| в B, Н", "|R| в C, Н", "|R| в D, Н", "|R| в E, Н",
                                        "|N| направляющей, Н"}));
    std::string dynamics;
    for (std::size_t q = 0; q < kExportedDynamicsQuantities; ++q)
        dynamics += (q ? ";" : "") + QuantityHeader(kDynamicsQuantities[q].quantity);
    EXPECT_EQ(dynamics, "Jпр, кг·м²;Mпр, Н·м;ΔT, Дж;ω1, рад/с");
    EXPECT_TRUE(Distinct(kDynamicsQuantities));
}

TEST(Quantities, TheGridsTooltipsNameTheVelocitiesForTheUnitCrankSpeed)
{
    EXPECT_EQ(QuantityToolTip(kTableQuantities[0].quantity, true), "Xa — координата x точки A (конец кривошипа OA), м");
    EXPECT_EQ(QuantityToolTip(kTableQuantities[2].quantity, true),
              "Vxa — проекция скорости точки A на ось x, м/с (при ω1 = 1 рад/с)");
    EXPECT_EQ(QuantityToolTip(kTableQuantities[13].quantity, true),
              "Ve — скорость ползуна E вдоль направляющей (вверх — плюс), м/с (при ω1 = 1 рад/с)");
    // Shown at the crank speed in use, a velocity's tooltip makes no claim of ω1.
    EXPECT_EQ(QuantityToolTip(kLinkMotionQuantities[0].quantity), "ω2 — угловая скорость шатуна AB, рад/с");
    EXPECT_EQ(QuantityToolTip(kPositionNumber), "k — номер положения кривошипа");
}

TEST(Quantities, EveryQuantityReadsItsOwnArrayAndScalesWithTheCrankSpeedByItsUnit)
{
    EXPECT_TRUE(Distinct(kTableQuantities));
    for (const auto& q : kTableQuantities) {
        const std::string unit = q.quantity.unit;
        EXPECT_EQ(q.quantity.crankSpeedPower, unit == "м/с" ? 1 : 0) << q.quantity.symbol;
    }
    EXPECT_EQ(kTableQuantities[13].values, &PositionArrays::Ve);
    EXPECT_EQ(kTableQuantities[12].values, &PositionArrays::Ye);

    EXPECT_TRUE(Distinct(kLinkMotionQuantities));
    EXPECT_TRUE(Distinct(kPointAccelerationQuantities));
    EXPECT_TRUE(Distinct(kForceQuantities));
    for (const auto& q : kLinkMotionQuantities) {
        EXPECT_EQ(q.quantity.crankSpeedPower, std::string(q.quantity.unit) == "рад/с" ? 1 : 2) << q.quantity.symbol;
    }
    EXPECT_EQ(kLinkMotionQuantities[10].values, &AccelerationArrays::Ae);
    EXPECT_EQ(kForceQuantities[8].values, &ForceArrays::NguideAbs);
    for (const auto& q : kForceQuantities)
        EXPECT_EQ(q.quantity.crankSpeedPower, 0) << q.quantity.symbol;
}

}  // namespace
