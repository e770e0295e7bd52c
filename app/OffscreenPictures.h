#pragma once
// The pictures of a result made without the window: the six diagrams laid out at the report's
// size, and the velocity plan and the mechanism of position 0 at the drawing tab's start-up
// scales, with the paths of the joints, as the window's first Calculate draws them.

#include "kinematics/Calculation.h"
#include "report/DiagramCharts.h"

#include <QImage>

#include <array>

class OffscreenPictures {
public:
    explicit OffscreenPictures(const CalculationResult& result);

    std::array<TChart*, kDiagramChartCount> Charts() const { return charts_.All(); }
    QImage velocityPlan;
    QImage mechanismDrawing;

private:
    DiagramCharts charts_;
};
