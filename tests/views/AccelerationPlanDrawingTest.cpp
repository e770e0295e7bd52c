// The vector plans of the analysis tabs on bitmaps: letters that never overlap, arrows ending on
// their points, the scale bar's caption, the plan growing with its scale, and the force chain.

#include "kinematics/Accelerations.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/ForcePlanDrawing.h"
#include "views/PlanCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

constexpr QSize kPictureSize(335, 340);
constexpr double kScale = 1500;

QImage Picture()
{
    QImage image(kPictureSize, QImage::Format_RGB32);
    image.fill(Qt::black);  // the drawing blanks it
    return image;
}

// The plan of position k of an n-position solve of the defaults with the adopted rocker.
AccelerationPlan PlanOf(int n, int k)
{
    Mechanism m;
    SetDefaultParameters(m);
    m.Lbc = 0.9;
    m.PositionCount = n;
    SolverState s;
    const int done = SolveMechanism(m, s).positionsDone;
    AccelerationArrays a;
    ComputeAccelerations(m, s.arrays, done, a);
    const auto i = static_cast<std::size_t>(k);
    AccelerationPlan plan;
    plan.a = {a.Axa[i], a.Aya[i]};
    plan.b = {a.Axb[i], a.Ayb[i]};
    plan.d = {a.Axd[i], a.Ayd[i]};
    plan.e = {0, a.Ae[i]};
    plan.nBA = {a.AnBAx[i], a.AnBAy[i]};
    plan.tBA = {a.AtBAx[i], a.AtBAy[i]};
    plan.nBC = {a.AnBCx[i], a.AnBCy[i]};
    plan.tBC = {a.AtBCx[i], a.AtBCy[i]};
    plan.nED = {a.AnEDx[i], a.AnEDy[i]};
    plan.tED = {a.AtEDx[i], a.AtEDy[i]};
    return plan;
}

std::map<QString, QPoint> Anchors(const DrawnPlan& drawn)
{
    std::map<QString, QPoint> anchors;
    for (const PlanLabel& label : drawn.labels)
        anchors[label.text] = label.anchor;
    return anchors;
}

void ExpectApartAndInside(const DrawnPlan& drawn, const QRect& area)
{
    ASSERT_EQ(drawn.labels.size(), drawn.boxes.size());
    for (std::size_t i = 0; i < drawn.boxes.size(); ++i) {
        EXPECT_TRUE(area.contains(drawn.boxes[i])) << drawn.labels[i].text.toStdString();
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(drawn.boxes[i].intersects(drawn.boxes[j]))
                << drawn.labels[i].text.toStdString() << " over " << drawn.labels[j].text.toStdString();
        for (const PlanLabel& other : drawn.labels)
            EXPECT_FALSE(drawn.boxes[i].contains(other.anchor))
                << drawn.labels[i].text.toStdString() << " hides " << other.text.toStdString();
    }
}

TEST(PlanLabels, CrowdedPointsGetBoxesThatDoNotOverlap)
{
    const QRect bounds(0, 0, 335, 300);
    std::vector<PlanLabel> labels;
    for (const char* text : {"π", "a", "b", "d", "e", "n1", "n2", "n3"})
        labels.push_back({QPoint(160, 150), QString::fromUtf8(text)});
    DrawnPlan drawn{labels, PlaceLabels(labels, PlanFont(), QPoint(160, 150), bounds)};
    ExpectApartAndInside(drawn, bounds);
    // Each letter stays near its point.
    for (const QRect& box : drawn.boxes)
        EXPECT_LT((box.center() - QPoint(160, 150)).manhattanLength(), 120);

    // A point in a corner still gets its letter inside the picture.
    const std::vector<PlanLabel> corner{{QPoint(0, 0), QStringLiteral("b")}, {QPoint(334, 299), QStringLiteral("e")}};
    ExpectApartAndInside({corner, PlaceLabels(corner, PlanFont(), QPoint(160, 150), bounds)}, bounds);
}

TEST(PlanLabels, ALetterGoesToTheSideAwayFromThePole)
{
    const QRect bounds(0, 0, 335, 300);
    const std::vector<PlanLabel> right{{QPoint(250, 150), QStringLiteral("a")}};
    const QRect box = PlaceLabels(right, PlanFont(), QPoint(150, 150), bounds).front();
    EXPECT_GT(box.left(), 250);
    const std::vector<PlanLabel> above{{QPoint(150, 50), QStringLiteral("a")}};
    EXPECT_LT(PlaceLabels(above, PlanFont(), QPoint(150, 150), bounds).front().bottom(), 50);
}

TEST(ScaleBar, CaptionGivesUnitsPerPixel)
{
    EXPECT_EQ(ScaleBarText(QStringLiteral("a"), 1000, QStringLiteral("м/с²")), QStringLiteral("μa = 0,001 м/с²/пикс"));
    EXPECT_EQ(ScaleBarText(QStringLiteral("F"), 0.2, QStringLiteral("Н")), QStringLiteral("μF = 5 Н/пикс"));
    EXPECT_EQ(ScaleBarText(QStringLiteral("F"), 3, QStringLiteral("Н")), QStringLiteral("μF = 0,333333333333333 Н/пикс"));
    for (const double bad : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_TRUE(ScaleBarText(QStringLiteral("a"), bad, QStringLiteral("м/с²")).isEmpty()) << bad;
}

TEST(AccelerationPlan, ArrowsEndOnTheirPointsAndLettersStayApart)
{
    for (const int k : {0, 3, 7}) {
        QImage image = Picture();
        const DrawnPlan drawn = DrawAccelerationPlan(image, PlanOf(8, k), kScale);
        const auto anchors = Anchors(drawn);
        ASSERT_EQ(anchors.size(), 8u) << k;
        // The black arrowheads of the accelerations sit on a, b, d and e.
        for (const char* point : {"a", "b", "d", "e"})
            EXPECT_EQ(image.pixel(anchors.at(QString::fromLatin1(point))), 0xFF000000u) << k << point;
        // e lies on the vertical through the pole: E runs on a vertical guide.
        EXPECT_EQ(anchors.at(QStringLiteral("e")).x(), anchors.at(QStringLiteral("π")).x()) << k;
        // d halves ab.
        const QPoint mid = (anchors.at(QStringLiteral("a")) + anchors.at(QStringLiteral("b"))) / 2;
        EXPECT_LE((anchors.at(QStringLiteral("d")) - mid).manhattanLength(), 2) << k;
        ExpectApartAndInside(drawn, PlanArea(kPictureSize));
        // Letters are painted red over the picture.
        int red = 0;
        for (const QRect& box : drawn.boxes)
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    red += QColor(image.pixel(x, y)).red() > 200 && QColor(image.pixel(x, y)).green() < 100;
        EXPECT_GT(red, 20) << k;
    }
}

TEST(AccelerationPlan, ThePlanGrowsWithItsScale)
{
    QImage small = Picture();
    QImage large = Picture();
    const auto at1 = Anchors(DrawAccelerationPlan(small, PlanOf(8, 2), kScale));
    const auto at2 = Anchors(DrawAccelerationPlan(large, PlanOf(8, 2), 2 * kScale));
    const QPoint pa1 = at1.at(QStringLiteral("a")) - at1.at(QStringLiteral("π"));
    const QPoint pa2 = at2.at(QStringLiteral("a")) - at2.at(QStringLiteral("π"));
    EXPECT_GT(pa1.manhattanLength(), 20);
    EXPECT_LE((pa2 - 2 * pa1).manhattanLength(), 2);
    EXPECT_NE(small, large);
}

TEST(AccelerationPlan, APointThatIsNoNumberIsLeftOut)
{
    AccelerationPlan plan = PlanOf(8, 1);
    plan.e = {0, std::numeric_limits<double>::quiet_NaN()};
    QImage image = Picture();
    const DrawnPlan drawn = DrawAccelerationPlan(image, plan, kScale);
    EXPECT_EQ(Anchors(drawn).count(QStringLiteral("e")), 0u);
    EXPECT_EQ(Anchors(drawn).count(QStringLiteral("a")), 1u);
}

TEST(ForcePlan, AClosedChainEndsWhereItStarts)
{
    ForcePlan plan;
    plan.chain = {{QStringLiteral("G2"), {0, -100}, false},
                  {QStringLiteral("Fи2"), {60, 20}, false},
                  {QStringLiteral("Z"), {0, 0}, false},
                  {QStringLiteral("R12"), {-60, 80}, true}};
    plan.resultants = {{QStringLiteral("S"), 0, 1}};
    const std::vector<PlanVector> points = ChainPoints(plan);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points.back().x, 0);
    EXPECT_EQ(points.back().y, 0);

    QImage image = Picture();
    const DrawnPlan drawn = DrawForcePlan(image, plan, 1);
    const auto anchors = Anchors(drawn);
    // The zero force has neither arrow nor letter; the others are lettered at their middles.
    EXPECT_EQ(anchors.count(QStringLiteral("Z")), 0u);
    ASSERT_EQ(anchors.size(), 4u);
    const QPoint g2 = anchors.at(QStringLiteral("G2"));
    const QPoint r12 = anchors.at(QStringLiteral("R12"));
    // G2 runs 100 px down from the start, R12 from 60 px right and 80 px down back to it.
    EXPECT_EQ(r12 - g2, QPoint(30, -10));
    ExpectApartAndInside(drawn, PlanArea(kPictureSize));
    EXPECT_GT(std::count_if(image.constBits(), image.constBits() + image.sizeInBytes(), [](uchar b) { return b != 0xFF; }),
              100);
}

}  // namespace
