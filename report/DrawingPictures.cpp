#include "report/DrawingPictures.h"

#include "views/AccelerationPlanDrawing.h"
#include "views/ForcePlanDrawing.h"
#include "views/MechanismDrawing.h"

#include <QPainter>

namespace {

bool Drawn(const CalculationResult& r, int position)
{
    return position >= 0 && position < r.Kinematics().diagrams.Rows();
}

// A drawing painted about the centre of a picture of `size`, on white.
std::function<void(QPainter&)> AboutCentre(QSize size, std::function<void(QPainter&)> paint)
{
    return [size, paint = std::move(paint)](QPainter& painter) {
        painter.save();
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        painter.translate(size.width() / 2, size.height() / 2);
        paint(painter);
        painter.restore();
    };
}

// An analysis tab's plan: the bitmap drawn as the tab draws it, the SVG painted by the same routine.
template <typename Plan, typename Draw, typename Paint>
DrawingPicture AnalysisPlanPicture(const char* name, const Plan& plan, double scale, Draw draw, Paint paint)
{
    const QSize size(kAnalysisPlanWidth, kAnalysisPlanHeight);
    QImage bitmap(size, QImage::Format_RGB32);
    draw(bitmap, plan, scale);
    return {QString::fromLatin1(name), bitmap, [plan, size, scale, paint](QPainter& p) {
                p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
                paint(p, size, plan, scale);
            }};
}

}  // namespace

void PaintVelocityPlanPicture(QPainter& painter, const CalculationResult& r, int position, double planScale)
{
    if (Drawn(r, position))
        PaintVelocityPlan(painter, r.Kinematics().diagrams.positions, position, planScale);
}

void PaintMechanismPicture(QPainter& painter, const CalculationResult& r, int position, double positionScale)
{
    if (!Drawn(r, position))
        return;
    const KinematicsResult& k = r.Kinematics();
    const QRect bounds(-kMechanismPictureWidth / 2, -kDrawingHeight / 2, kMechanismPictureWidth, kDrawingHeight);
    PaintPathPoints(painter, k.diagrams.positions, k.diagrams.Rows(), k.solved, positionScale, bounds);
    PaintMechanism(painter, k.diagrams.positions, position, k.solved, positionScale);
}

DrawingPicture VelocityPlanPicture(const CalculationResult& r, int position, double planScale, const QImage& bitmap)
{
    return {QStringLiteral("Image1"), bitmap, AboutCentre(QSize(kVelocityPlanWidth, kDrawingHeight), [&r, position, planScale](QPainter& p) {
                PaintVelocityPlanPicture(p, r, position, planScale);
            })};
}

DrawingPicture MechanismPicture(const CalculationResult& r, int position, double positionScale, const QImage& bitmap)
{
    return {QStringLiteral("Image2"), bitmap,
            AboutCentre(QSize(kMechanismPictureWidth, kDrawingHeight), [&r, position, positionScale](QPainter& p) {
                PaintMechanismPicture(p, r, position, positionScale);
            })};
}

std::optional<DrawingPicture> AccelerationPlanPicture(const CalculationResult& r, int position, double scale)
{
    const AccelerationArrays& a = r.Kinematics().diagrams.accelerations;
    if (!r.Kinematics().diagrams.HasAccelerations() || position < 0 || static_cast<std::size_t>(position) >= a.Size())
        return std::nullopt;
    const AccelerationPlan plan = AccelerationPlanAt(a, static_cast<std::size_t>(position), r.input.loads.Omega1);
    return AnalysisPlanPicture("AccelPlanImage", plan, scale, DrawAccelerationPlan, PaintAccelerationPlan);
}

std::optional<DrawingPicture> ForcePlanPicture(const CalculationResult& r, int position, double scale)
{
    const std::vector<PositionForces>& detail = r.forces.diagramDetail;
    const AccelerationArrays& a = r.Kinematics().diagrams.accelerations;
    if (!r.forces.computed || position < 0 || static_cast<std::size_t>(position) >= detail.size()
        || static_cast<std::size_t>(position) >= a.Size())
        return std::nullopt;
    const auto at = static_cast<std::size_t>(position);
    const ForcePlan plan = GroupPlan(detail[at], a.Theta2[at], a.Theta3[at]);
    return AnalysisPlanPicture("ForcePlanImage", plan, scale, DrawForcePlan, PaintForcePlan);
}
