#pragma once
// The pictures of a result made without the window: the six diagrams laid out at the report's
// size, and the velocity plan and the mechanism of position 0 at the drawing tab's start-up
// scales, with the paths of the joints, as the window's first Calculate draws them.

#include "kinematics/Calculation.h"
#include "report/DiagramCharts.h"
#include "report/DrawingPictures.h"

#include <QImage>

#include <array>
#include <vector>

class OffscreenPictures {
public:
    explicit OffscreenPictures(const CalculationResult& result);

    std::array<TChart*, kDiagramChartCount> Charts() const { return charts_.All(); }
    // Image1 and Image2 to save: these bitmaps, and the same drawings as vectors.
    std::vector<DrawingPicture> Drawings() const;
    QImage velocityPlan;
    QImage mechanismDrawing;

private:
    const CalculationResult& result_;
    DiagramCharts charts_;
};
