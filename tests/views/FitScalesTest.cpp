// "Вписать": the scales it picks hold every joint and every plan end inside the picture in every
// position of the turn, for the defaults, for a wide frame (Loc = 1,5) and a fast crank
// (ω1 = 10); the mechanism's letters never cover each other or another joint's ring.

#include "kinematics/Calculation.h"
#include "kinematics/Mechanism.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/FitScales.h"
#include "views/ForcePlanDrawing.h"
#include "views/MechanismDrawing.h"
#include "views/PlanCanvas.h"

#include <QRect>

#include <gtest/gtest.h>

namespace {

constexpr QSize kPlanPicture(335, 368);
constexpr QSize kMechanismPicture(356, 368);
constexpr QSize kAnalysisPicture(335, 340);

struct Variant {
    const char* name;
    double lab, loc, omega1;
};
// Loc = 1,5 needs a longer coupler to close the four-bar.
constexpr Variant kVariants[] = {{"defaults", 0.6, 1, 1}, {"Loc 1,5", 0.8, 1.5, 1}, {"ω1 = 10", 0.6, 1, 10}};

CalculationResult ResultOf(const Variant& v)
{
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.typed.Lab = v.lab;
    input.typed.Loc = v.loc;
    input.loads.Omega1 = v.omega1;
    return Calculate(input);
}

// Picture coordinates from drawing coordinates (origin at the centre).
QRect Picture(QSize size)
{
    return QRect(-size.width() / 2, -size.height() / 2, size.width(), size.height());
}

TEST(FitScales, EveryJointAndPlanEndStaysInsideForTheWholeTurn)
{
    for (const Variant& v : kVariants) {
        const CalculationResult r = ResultOf(v);
        ASSERT_FALSE(r.Failed()) << v.name;
        const KinematicsResult& k = r.Kinematics();
        const PositionArrays& p = k.diagrams.positions;
        const int rows = k.diagrams.Rows();
        ASSERT_EQ(rows, kDiagramPositionCount) << v.name;
        const auto plan = FitVelocityPlanScale(p, rows, kPlanPicture);
        const auto position = FitPositionScale(p, rows, k.solved, kMechanismPicture);
        ASSERT_TRUE(plan && position) << v.name;
        const QRect planArea = Picture(kPlanPicture);
        const QRect mechanismArea = Picture(kMechanismPicture);
        for (int i = 0; i < rows; ++i) {
            const auto at = static_cast<std::size_t>(i);
            for (const auto& [x, y] : {std::pair{p.PlanXa[at], p.PlanYa[at]}, std::pair{p.PlanXb[at], p.PlanYb[at]},
                                       std::pair{p.PlanXe[at], p.PlanYe[at]}})
                EXPECT_TRUE(planArea.contains(*PlanMapping(x, y, *plan))) << v.name << " plan, row " << i;
            for (const auto& [x, y] : {std::pair{p.Xa[at], p.Ya[at]}, std::pair{p.Xb[at], p.Yb[at]},
                                       std::pair{p.Xd[at], p.Yd[at]}, std::pair{-k.solved.GuideOffset, p.Ye[at]},
                                       std::pair{-k.solved.Loc, 0.0}})
                EXPECT_TRUE(mechanismArea.contains(*PositionMapping(x, y, *position))) << v.name << " joint, row " << i;
        }

        const AccelerationArrays& a = k.diagrams.accelerations;
        const double accel = FitAccelerationScale(a, v.omega1, kAnalysisPicture);
        const double force = FitForceScale(r.forces.diagramDetail, a, kAnalysisPicture);
        ASSERT_GT(accel, 0) << v.name;
        ASSERT_GT(force, 0) << v.name;
        const QRect area = PlanArea(kAnalysisPicture);
        for (std::size_t i = 0; i < a.Size(); i += 5) {
            const AccelerationPlan ap = AccelerationPlanAt(a, i, v.omega1);
            const std::vector<PlanVector> ends{ap.a, ap.b, ap.d, ap.e, ap.a + ap.nBA, ap.nBC, ap.d + ap.nED};
            const PlanFrame frame(ends, accel, area.size());
            for (const PlanVector& end : ends)
                EXPECT_TRUE(area.contains(*frame.Pixel(end))) << v.name << " acceleration plan, row " << i;
            const std::vector<PlanVector> chain = ChainPoints(GroupPlan(r.forces.diagramDetail[i], a.Theta2[i], a.Theta3[i]));
            const PlanFrame forces(chain, force, area.size());
            for (const PlanVector& end : chain)
                EXPECT_TRUE(area.contains(*forces.Pixel(end))) << v.name << " force plan, row " << i;
        }
    }
}

TEST(FitScales, TheScalesAreOneOverARoundFactor)
{
    const CalculationResult r = ResultOf(kVariants[0]);
    const KinematicsResult& k = r.Kinematics();
    const auto plan = FitVelocityPlanScale(k.diagrams.positions, k.diagrams.Rows(), kPlanPicture);
    const auto position = FitPositionScale(k.diagrams.positions, k.diagrams.Rows(), k.solved, kMechanismPicture);
    ASSERT_TRUE(plan && position);
    // 1, 2, 2,5, 4 or 5 times a power of ten units per pixel.
    for (const int scale : {*plan, *position}) {
        double mantissa = 1.0 / scale;
        while (mantissa < 1)
            mantissa *= 10;
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 2.5) < 1e-9
                    || std::fabs(mantissa - 4) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
            << scale;
    }
    EXPECT_GT(*plan, kDefaultPlanScale) << "the defaults' plan is a heap of letters at 500";
    // Nothing solved: no scale.
    EXPECT_FALSE(FitVelocityPlanScale(k.diagrams.positions, 0, kPlanPicture));
}

TEST(FitScales, MechanismLettersCoverNoLetterAndNoOtherJoint)
{
    for (const Variant& v : kVariants) {
        const CalculationResult r = ResultOf(v);
        const KinematicsResult& k = r.Kinematics();
        const int rows = k.diagrams.Rows();
        const auto position = FitPositionScale(k.diagrams.positions, rows, k.solved, kMechanismPicture);
        ASSERT_TRUE(position);
        for (const double scale : {static_cast<double>(*position), static_cast<double>(kDefaultPositionScale)}) {
            for (int i = 0; i < rows; i += 3) {
                const std::vector<MechanismLetter> letters = MechanismLetters(k.diagrams.positions, i, k.solved, scale);
                ASSERT_EQ(letters.size(), 6u);
                for (std::size_t a = 0; a < letters.size(); ++a) {
                    for (std::size_t b = 0; b < letters.size(); ++b) {
                        if (a == b)
                            continue;
                        EXPECT_FALSE(letters[a].box.intersects(letters[b].box))
                            << v.name << ", row " << i << ": " << letters[a].text.toStdString() << " over "
                            << letters[b].text.toStdString();
                        const QRect ring(letters[b].joint - QPoint(5, 5), QSize(11, 11));
                        if (letters[b].joint != letters[a].joint) {
                            EXPECT_FALSE(letters[a].box.intersects(ring))
                                << v.name << ", row " << i << ": " << letters[a].text.toStdString() << " over the ring of "
                                << letters[b].text.toStdString();
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
