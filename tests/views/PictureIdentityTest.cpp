// The window's pictures at the default scales stay what they were, pixel for pixel: the drawing
// tab's velocity plan and mechanism (with the paths and the canvas state carried from one
// drawing to the next), the acceleration plan and the force plan. The reference pictures in
// data/ were made before the drawings learnt to paint onto other devices; ORVEK_WRITE_PICTURES=DIR
// writes the current ones to DIR instead of comparing.

#include "kinematics/Calculation.h"
#include "kinematics/Mechanism.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/ForcePlanDrawing.h"
#include "views/MechanismDrawing.h"
#include "views/TImage.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr QSize kAnalysisPlanSize(335, 340);
constexpr double kDefaultAccelScale = 2000;
constexpr double kDefaultForceScale = 0.5;

CalculationResult ResultOf(double loc)
{
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.typed.Loc = loc;
    return Calculate(input);
}

// Compares with the stored picture, or stores it when asked to.
void Check(const QImage& picture, const char* name)
{
    const QString file = QString::fromLatin1(name) + QStringLiteral(".png");
    if (const char* out = std::getenv("ORVEK_WRITE_PICTURES")) {
        ASSERT_TRUE(picture.save(QDir(QString::fromLocal8Bit(out)).filePath(file)));
        return;
    }
    const QImage stored(QStringLiteral(ORVEK_SOURCE_DIR "/tests/views/data/") + file);
    ASSERT_FALSE(stored.isNull()) << name;
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = stored.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(a.size(), b.size()) << name;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += (a.pixel(x, y) & 0xFFFFFFu) != (b.pixel(x, y) & 0xFFFFFFu) ? 1 : 0;
    EXPECT_EQ(differing, 0) << name;
}

// The drawing tab's two pictures after showing position `first` and then `second`: the second
// blanking keeps the border of the pen the first drawing left.
void CheckDrawingTab(const CalculationResult& r, int first, int second, const char* prefix)
{
    const KinematicsResult& k = r.Kinematics();
    const PositionArrays& a = k.diagrams.positions;
    TImage plan;
    plan.resize(kVelocityPlanWidth, kDrawingHeight);
    TImage mechanism;
    mechanism.resize(kMechanismPictureWidth, kDrawingHeight);
    for (const int i : {first, second}) {
        ClearImage(plan);
        ClearImage(mechanism);
        DrawVelocityPlan(plan, a, i, kDefaultPlanScale);
        DrawMechanism(mechanism, a, i, k.solved, kDefaultPositionScale);
        for (int p = 0; p < k.diagrams.Rows(); ++p)
            PlotPathPoints(mechanism, a, p, k.solved, kDefaultPositionScale);
    }
    Check(plan.Picture(), (std::string(prefix) + "-velocity").c_str());
    Check(mechanism.Picture(), (std::string(prefix) + "-mechanism").c_str());
}

TEST(PictureIdentity, DrawingTabAtDefaultScales)
{
    CheckDrawingTab(ResultOf(1), 0, 45, "defaults");
    CheckDrawingTab(ResultOf(1.05), 120, 7, "loc105");
}

TEST(PictureIdentity, AnalysisPlansAtDefaultScales)
{
    const CalculationResult r = ResultOf(1);
    const AccelerationArrays& acc = r.Kinematics().diagrams.accelerations;
    ASSERT_TRUE(r.forces.computed);
    for (const int k : {0, 60, 130}) {
        const auto at = static_cast<std::size_t>(k);
        QImage accel(kAnalysisPlanSize, QImage::Format_RGB32);
        DrawAccelerationPlan(accel, AccelerationPlanAt(acc, at, r.input.loads.Omega1), kDefaultAccelScale);
        Check(accel, ("acceleration-" + std::to_string(k)).c_str());
        QImage force(kAnalysisPlanSize, QImage::Format_RGB32);
        DrawForcePlan(force, GroupPlan(r.forces.diagramDetail[at], acc.Theta2[at], acc.Theta3[at]), kDefaultForceScale);
        Check(force, ("force-" + std::to_string(k)).c_str());
    }
}

}  // namespace

namespace {

// The Paint routines give a vector device lines, not a picture, and on a bitmap the very pixels
// of the drawing tab's routines.
TEST(PictureIdentity, PaintRoutinesDrawTheSamePixelsAndVectors)
{
    const CalculationResult r = ResultOf(1);
    const KinematicsResult& k = r.Kinematics();
    TImage mechanism;
    mechanism.resize(kMechanismPictureWidth, kDrawingHeight);
    ClearImage(mechanism);
    DrawMechanism(mechanism, k.diagrams.positions, 30, k.solved, kDefaultPositionScale);
    QImage painted = mechanism.Picture().copy();
    {
        // The same drawing painted over the blank picture's inside through a plain painter.
        TImage blank;
        blank.resize(kMechanismPictureWidth, kDrawingHeight);
        ClearImage(blank);
        painted = blank.Picture().copy();
        QPainter painter(&painted);
        painter.translate(kMechanismPictureWidth / 2, kDrawingHeight / 2);
        PaintMechanism(painter, k.diagrams.positions, 30, k.solved, kDefaultPositionScale);
    }
    EXPECT_EQ(painted, mechanism.Picture());

    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(kMechanismPictureWidth, kDrawingHeight));
    {
        QPainter painter(&generator);
        painter.translate(kMechanismPictureWidth / 2, kDrawingHeight / 2);
        PaintMechanism(painter, k.diagrams.positions, 30, k.solved, kDefaultPositionScale);
        PaintVelocityPlan(painter, k.diagrams.positions, 30, kDefaultPlanScale);
    }
    const QString text = QString::fromUtf8(svg.data());
    EXPECT_FALSE(text.contains(QStringLiteral("<image")));
    EXPECT_TRUE(text.contains(QStringLiteral(">A<")) && text.contains(QStringLiteral(">p,o,c<"))) << "letters as text";
    EXPECT_GE(text.count(QStringLiteral("<polyline")) + text.count(QStringLiteral("<path")), 10) << "links as lines";
}

}  // namespace
