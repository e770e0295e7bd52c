#include "app/OffscreenPictures.h"

#include "views/MechanismDrawing.h"
#include "views/TImage.h"

OffscreenPictures::OffscreenPictures(const CalculationResult& result) : result_(result), charts_(result)
{
    TImage plan;
    plan.resize(kVelocityPlanWidth, kDrawingHeight);
    TImage mechanism;
    mechanism.resize(kMechanismPictureWidth, kDrawingHeight);
    const KinematicsResult& k = result.Kinematics();
    const PositionArrays& a = k.diagrams.positions;
    const int rows = k.diagrams.Rows();
    if (rows > 0) {
        DrawVelocityPlan(plan, a, 0, kDefaultPlanScale);
        DrawMechanism(mechanism, a, 0, k.solved, kDefaultPositionScale);
        for (int i = 0; i < rows; ++i)
            PlotPathPoints(mechanism, a, i, k.solved, kDefaultPositionScale);
    }
    velocityPlan = plan.Picture();
    mechanismDrawing = mechanism.Picture();
}

std::vector<DrawingPicture> OffscreenPictures::Drawings() const
{
    return {VelocityPlanPicture(result_, 0, kDefaultPlanScale, velocityPlan),
            MechanismPicture(result_, 0, kDefaultPositionScale, mechanismDrawing)};
}
