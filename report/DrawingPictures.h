#pragma once
// The window's drawings as pictures to save: each its bitmap, written as PNG pixel for pixel, and
// the same drawing painted through a painter, written as SVG, so that vectors stay vectors.

#include "kinematics/Calculation.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

// The analysis tabs' plan pictures, in pixels.
constexpr int kAnalysisPlanWidth = 335;
constexpr int kAnalysisPlanHeight = 340;

struct DrawingPicture {
    QString name;    // the picture's component, the files' name: "Image1"
    QImage bitmap;   // what the PNG shows
    std::function<void(QPainter& painter)> paint;  // the drawing at the bitmap's size, origin top left
};

// The drawing tab's two pictures of diagram row `position`, through a painter whose origin the
// caller has put at the picture's centre: the velocity plan; the mechanism with the paths of its
// joints over the turn.
void PaintVelocityPlanPicture(QPainter& painter, const CalculationResult& result, int position, double planScale);
void PaintMechanismPicture(QPainter& painter, const CalculationResult& result, int position, double positionScale);

// The drawing tab's pictures with the window's bitmaps.
DrawingPicture VelocityPlanPicture(const CalculationResult& result, int position, double planScale, const QImage& bitmap);
DrawingPicture MechanismPicture(const CalculationResult& result, int position, double positionScale,
                                const QImage& bitmap);
// The acceleration plan and the force plan of the group 2-3 of diagram row `position` at the
// analysis tabs' scales, drawn as the tabs draw them; none where the result holds no such plan.
std::optional<DrawingPicture> AccelerationPlanPicture(const CalculationResult& result, int position, double scale);
std::optional<DrawingPicture> ForcePlanPicture(const CalculationResult& result, int position, double scale);
