// The drawings of the drawing tab, checked pixel by pixel on bitmaps of the tab's sizes.

#include "DrawingFixture.h"

#include "views/MechanismDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <initializer_list>
#include <optional>
#include <utility>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RoundingRow {
    double v;
    std::optional<int> expected;
};

TEST(PixelRounding, HalvesGoToEvenAndExtremesAreHeld)
{
    const RoundingRow rows[] = {
        {12.5, 12}, {13.5, 14}, {-12.5, -12}, {-13.5, -14}, {0.5, 0}, {-0.5, 0},
        {12.4999, 12}, {12.5001, 13}, {-112.5, -112}, {0.0, 0}, {-0.0, 0},
        {1e6, kPixelLimit}, {-1e300, -kPixelLimit}, {kInf, kPixelLimit}, {-kInf, -kPixelLimit},
        {kNaN, std::nullopt},
    };
    for (const RoundingRow& row : rows)
        EXPECT_EQ(RoundPixel(row.v), row.expected) << row.v;
}

TEST(PixelRounding, MechanismAndPlanMappings)
{
    // O, C and the guide of the defaults at 250 px/m.
    EXPECT_EQ(PositionMapping(0, 0, 250), QPoint(100, 0));
    EXPECT_EQ(PositionMapping(-1.0, 0, 250), QPoint(-150, 0));
    EXPECT_EQ(PositionMapping(-0.5, -0.260071, 250), QPoint(-25, 65));
    // A scale of 0 sends everything to O; a negative one reflects through O.
    EXPECT_EQ(PositionMapping(-0.45, 0.239792, 0), QPoint(100, 0));
    for (const auto& [x, y] : std::initializer_list<std::pair<double, double>>{
             {0.1, 0.0}, {-0.45, 0.239792}, {-0.5, -0.260071}}) {
        const QPoint p = *PositionMapping(x, y, 250);
        EXPECT_EQ(*PositionMapping(x, y, -250), QPoint(200 - p.x(), -p.y()));
    }
    // The plan: y upwards on the picture means a negative row.
    EXPECT_EQ(PlanMapping(-0.021799, 0.05, 500), QPoint(-11, -25));
    EXPECT_EQ(PlanMapping(0, 0.065677, 500), QPoint(0, -33));
    EXPECT_EQ(PlanMapping(kNaN, 0, 500), std::nullopt);
    EXPECT_EQ(PositionMapping(1, 1, kNaN), std::nullopt);
}

TEST(MechanismDrawing, DefaultsPlaceOCAndTheGuide)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    auto image = MakeImage(kMechanismWidth, kImageHeight);
    DrawMechanism(*image, a, 0, m, 250);

    // The frame line C-O runs along row 0 between the two rings.
    for (int x = -140; x <= 89; ++x)
        ASSERT_TRUE(IsBlue(At(*image, x, 0))) << x;
    // Rings are filled white: the centres of O and C show white, the links stop at the ring.
    EXPECT_TRUE(IsWhite(At(*image, 100, 0)));
    EXPECT_TRUE(IsWhite(At(*image, -150, 0)));
    // The ring of O is centred on (100, 0): its upper half is symmetric about x = 100.
    int minX = 1000, maxX = -1000;
    for (int y = -8; y <= -2; ++y)
        for (int x = 92; x <= 108; ++x)
            if (IsBlack(At(*image, x, y))) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_NEAR((minX + maxX) / 2.0, 100.0, 0.5);
    EXPECT_NEAR(maxX - minX, 10, 1);

    // The guide is the column x = -25, from 80 px below E (row 65) to 30 px above it.
    for (int y = 72; y <= 140; ++y)
        ASSERT_TRUE(IsBlue(At(*image, -25, y))) << y;
    for (int y = 37; y <= 57; ++y)
        ASSERT_TRUE(IsBlue(At(*image, -25, y))) << y;
    EXPECT_TRUE(IsWhite(At(*image, -25, 65)));   // inside the ring of E
    EXPECT_TRUE(IsWhite(At(*image, -25, 150)));  // beyond the guide's end
    EXPECT_TRUE(IsWhite(At(*image, -31, 120)));  // beside it
}

TEST(MechanismDrawing, LabelsSitAtTheirOffsets)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    auto image = MakeImage(kMechanismWidth, kImageHeight);
    DrawMechanism(*image, a, 0, m, 250);

    // "A" has its top-left corner at (Ax + 7, Ay - 7) = (132, -7); "O" at (100, 7).
    struct Box { int left, top; };
    for (const Box box : {Box{132, -7}, Box{100, 7}}) {
        int red = 0;
        for (int y = box.top - 6; y < box.top + 30; ++y)
            for (int x = box.left - 6; x < box.left + 24; ++x)
                if (IsReddish(At(*image, x, y))) {
                    ++red;
                    EXPECT_GE(x, box.left);
                    EXPECT_GE(y, box.top);
                    EXPECT_LT(y, box.top + 24);
                }
        EXPECT_GT(red, 10) << box.left << "," << box.top;
    }
}

TEST(MechanismDrawing, ScaleZeroDrawsEverythingAtOAndNegativeScaleReflects)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    auto image = MakeImage(kMechanismWidth, kImageHeight);
    DrawMechanism(*image, a, 0, m, 0);
    QRect drawn;
    for (int y = -184; y < 184; ++y)
        for (int x = -178; x < 178; ++x)
            if (!IsWhite(At(*image, x, y)))
                drawn |= QRect(x, y, 1, 1);
    // Labels, supports and the guide (80 below, 30 above) around the one pixel (100, 0); the six
    // letters of one point move round it so that none covers another, up to three steps away.
    EXPECT_GE(drawn.left(), 30);
    EXPECT_LE(drawn.right(), 170);
    EXPECT_GE(drawn.top(), -90);
    EXPECT_LE(drawn.bottom(), 95);
    for (int y = 12; y <= 75; ++y)
        ASSERT_TRUE(IsBlue(At(*image, 100, y))) << y;

    // Path dots at -120 are the dots at 120 reflected through (100, 0).
    auto positive = MakeImage(kMechanismWidth, kImageHeight);
    auto negative = MakeImage(kMechanismWidth, kImageHeight);
    for (int k = 0; k < 2; ++k) {
        PlotPathPoints(*positive, a, k, m, 120);
        PlotPathPoints(*negative, a, k, m, -120);
    }
    int dots = 0;
    for (int y = -150; y < 150; ++y)
        for (int x = 23; x < 178; ++x) {
            EXPECT_EQ(IsBlack(At(*positive, x, y)), IsBlack(At(*negative, 200 - x, -y))) << x << "," << y;
            dots += IsBlack(At(*positive, x, y)) ? 1 : 0;
        }
    EXPECT_EQ(dots, 8);
}

TEST(PathPoints, FourSinglePixelsRoundedToEven)
{
    Mechanism m = DefaultMechanism();
    m.GuideOffset = 40;
    PositionArrays a;
    ResizeAll(a, 1);
    a.Ye[0] = 3;       // E = (-40, 3)  -> (60, -3)
    a.Xa[0] = 12.5;    // A = (12.5, -13.5) -> (112, 14)
    a.Ya[0] = -13.5;
    a.Xb[0] = -12.5;   // B = (-12.5, 13.5) -> (88, -14)
    a.Yb[0] = 13.5;
    a.Xd[0] = 0.5;     // D = (0.5, 1.5) -> (100, -2)
    a.Yd[0] = 1.5;
    auto image = MakeImage(kMechanismWidth, kImageHeight);
    PlotPathPoints(*image, a, 0, m, 1);

    const QPoint expected[] = {{60, -3}, {112, 14}, {88, -14}, {100, -2}};
    for (const QPoint& p : expected)
        EXPECT_TRUE(IsBlack(At(*image, p.x(), p.y()))) << p.x() << "," << p.y();
    int nonWhite = 0;
    const QImage& picture = image->Picture();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            nonWhite += picture.pixel(x, y) != QColor(Qt::white).rgb() ? 1 : 0;
    EXPECT_EQ(nonWhite, 4);
}

TEST(VelocityPlan, SegmentEpIsVertical)
{
    PositionArrays a;
    ResizeAll(a, 1);
    Put(a, 0, {0, 0.1, 0, 0, 0, 0, 0, -0.1, 0, -0.060817, 0.075548, 0, -0.12});
    auto image = MakeImage(kPlanWidth, kImageHeight);
    DrawVelocityPlan(*image, a, 0, 500);
    // e = (0, 60): the segment from e to p is the column x = 0.
    for (int y = 5; y <= 55; ++y) {
        ASSERT_TRUE(IsBlack(At(*image, 0, y))) << y;
        ASSERT_TRUE(IsWhite(At(*image, 3, y))) << y;
    }
    for (int y = 5; y <= 45; ++y)
        ASSERT_TRUE(IsWhite(At(*image, -3, y))) << y;
    // The caption sits at (3, 3) from the centre, a = (-50, 0) is joined to p.
    EXPECT_TRUE(IsBlack(At(*image, -25, 0)));
    bool captionRed = false;
    for (int y = 3; y < 27; ++y)
        for (int x = 3; x < 60; ++x)
            captionRed = captionRed || IsReddish(At(*image, x, y));
    EXPECT_TRUE(captionRed);
}

TEST(Drawing, SamePositionTwiceChangesNothingAndANewPositionKeepsBoth)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    for (const bool plan : {true, false}) {
        const int width = plan ? kPlanWidth : kMechanismWidth;
        auto draw = [&](TImage& image, int i) {
            if (plan) {
                DrawVelocityPlan(image, a, i, 500);
            } else {
                DrawMechanism(image, a, i, m, 250);
                PlotPathPoints(image, a, 0, m, 250);
                PlotPathPoints(image, a, 1, m, 250);
            }
        };
        auto once = MakeImage(width, kImageHeight);
        draw(*once, 0);
        const QImage first = once->Picture();
        draw(*once, 0);
        EXPECT_EQ(once->Picture(), first) << plan;

        auto second = MakeImage(width, kImageHeight);
        draw(*second, 1);
        draw(*once, 1);
        // The later drawing is whole; most of the earlier one shows where the later left white.
        const QImage& both = once->Picture();
        const QImage& alone = second->Picture();
        const QRgb white = QColor(Qt::white).rgb();
        int earlier = 0, earlierKept = 0;
        for (int y = 0; y < both.height(); ++y)
            for (int x = 0; x < both.width(); ++x) {
                if (alone.pixel(x, y) != white)
                    ASSERT_EQ(both.pixel(x, y), alone.pixel(x, y)) << x << "," << y;
                else if (first.pixel(x, y) != white) {
                    ++earlier;
                    earlierKept += both.pixel(x, y) == first.pixel(x, y) ? 1 : 0;
                }
            }
        EXPECT_GT(earlier, 100) << plan;
        EXPECT_GT(earlierKept, earlier * 9 / 10) << plan;
    }
}

TEST(ClearImage, BorderTakesTheLastPenWidth)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    struct Row {
        const char* before;
        int border;
    };
    for (const Row row : {Row{"nothing", 1}, Row{"plan", 3}, Row{"mechanism", 2}, Row{"dots", 2}}) {
        const std::string before = row.before;
        auto image = MakeImage(before == "plan" ? kPlanWidth : kMechanismWidth, kImageHeight);
        if (before == "plan")
            DrawVelocityPlan(*image, a, 0, 500);
        if (before == "mechanism" || before == "dots")
            DrawMechanism(*image, a, 0, m, 250);
        if (before == "dots")
            PlotPathPoints(*image, a, 0, m, 250);
        ClearImage(*image);
        const QImage& p = image->Picture();
        const int w = p.width(), h = p.height();
        for (int d = 0; d < row.border; ++d) {
            EXPECT_TRUE(IsBlack(p.pixel(d, h / 2))) << before << " left " << d;
            EXPECT_TRUE(IsBlack(p.pixel(w - 1 - d, h / 3))) << before << " right " << d;
            EXPECT_TRUE(IsBlack(p.pixel(w / 2, d))) << before << " top " << d;
            EXPECT_TRUE(IsBlack(p.pixel(w / 3, h - 1 - d))) << before << " bottom " << d;
        }
        const int b = row.border;
        EXPECT_TRUE(IsWhite(p.pixel(b, h / 2))) << before;
        EXPECT_TRUE(IsWhite(p.pixel(w - 1 - b, h / 2))) << before;
        EXPECT_TRUE(IsWhite(p.pixel(w / 2, b))) << before;
        EXPECT_TRUE(IsWhite(p.pixel(w / 2, h - 1 - b))) << before;
        // Everything inside is blank again.
        const QImage inside = p.copy(b, b, w - 2 * b, h - 2 * b);
        QImage white(inside.size(), inside.format());
        white.fill(Qt::white);
        EXPECT_EQ(inside, white) << before;
    }
}

TEST(Drawing, ExtremeScalesAndNonFiniteValuesDrawSafely)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    auto image = MakeImage(kMechanismWidth, kImageHeight);
    DrawMechanism(*image, a, 0, m, 1e6);
    PlotPathPoints(*image, a, 0, m, 1e6);
    DrawMechanism(*image, a, 0, m, -1e6);
    // O does not move with the scale: its ring is still there.
    EXPECT_TRUE(IsWhite(At(*image, 100, 0)));
    bool ringTop = false;
    for (int y = -7; y <= -3; ++y)
        ringTop = ringTop || IsBlack(At(*image, 100, y));
    EXPECT_TRUE(ringTop);

    PositionArrays broken;
    ResizeAll(broken, 1);
    for (auto* v : {&broken.Xa, &broken.Ya, &broken.Xb, &broken.Yb, &broken.Xd, &broken.Yd, &broken.Ye,
                    &broken.PlanXa, &broken.PlanYa, &broken.PlanXb, &broken.PlanYb, &broken.PlanXd,
                    &broken.PlanYd, &broken.PlanXe, &broken.PlanYe})
        (*v)[0] = kNaN;
    broken.Xa[0] = kInf;
    broken.Ya[0] = -kInf;
    auto plan = MakeImage(kPlanWidth, kImageHeight);
    DrawVelocityPlan(*plan, broken, 0, 500);
    DrawVelocityPlan(*plan, a, 0, kNaN);
    // Only the caption "p,o,c" can be drawn: every segment has a point without a pixel.
    const QImage& p = plan->Picture();
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            ASSERT_FALSE(IsBlack(p.pixel(x, y))) << x << "," << y;

    auto mechanism = MakeImage(kMechanismWidth, kImageHeight);
    DrawMechanism(*mechanism, broken, 0, m, 250);
    PlotPathPoints(*mechanism, broken, 0, m, 250);
    EXPECT_TRUE(IsBlue(At(*mechanism, 0, 0)));   // C-O is still drawn
    EXPECT_TRUE(IsBlue(At(*mechanism, 130, 30)));  // and O-A runs off towards A at infinity
}

TEST(Drawing, IndexOutsideTheArraysDrawsNothing)
{
    const Mechanism m = DefaultMechanism();
    const PositionArrays a = DefaultArrays();
    const PositionArrays empty;
    auto image = MakeImage(kMechanismWidth, kImageHeight);
    const QImage blank = image->Picture();
    for (const int i : {-1, 2, 180, std::numeric_limits<int>::max()}) {
        DrawMechanism(*image, a, i, m, 250);
        DrawVelocityPlan(*image, a, i, 500);
        PlotPathPoints(*image, a, i, m, 250);
    }
    DrawMechanism(*image, empty, 0, m, 250);
    PlotPathPoints(*image, empty, 0, m, 250);
    EXPECT_EQ(image->Picture(), blank);
}

}  // namespace
