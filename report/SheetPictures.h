#pragma once
// The pictures sheets are made of, each in a field of the sheet and at a stated factor: vector
// plans (velocity, acceleration, force plans, the lever) and diagrams against the crank angle.

#include "report/SheetDrawing.h"
#include "report/SheetLayout.h"

#include <QString>

#include <optional>
#include <vector>

struct PlanVector;

// A plan: named points relative to the pole (in the plan's units) and the segments between them.
struct PlanPicture {
    struct Point {
        QString name;  // empty: not lettered
        double x = 0, y = 0;
    };
    struct Segment {
        int from = 0, to = 0;
        bool arrow = true;
        SheetLayer layer = SheetLayer::Contour;
    };
    std::vector<Point> points;
    std::vector<Segment> segments;

    int Add(const QString& name, double x, double y);
    void Join(int from, int to, bool arrow = true, SheetLayer layer = SheetLayer::Contour);
    // The largest distance of a point from the pole and the extents, in plan units.
    double Width() const;
    double Height() const;
    double LargestReach() const;
};

// The factor (units per mm) at which `plans` all fit a field of `widthMm` x `heightMm`: the
// smallest round factor; none when nothing is drawn.
std::optional<double> PlanFactor(const std::vector<const PlanPicture*>& plans, double widthMm, double heightMm);

// Draws `plan` at `mu` units per mm centred in `field`, lettered, with `caption` under it.
// Returns where the pole fell.
SheetPoint DrawPlan(SheetDrawing& sheet, const SheetField& field, const PlanPicture& plan, double mu,
                    const QString& caption, double textHeight);

// A curve of a diagram: its values at the crank angles in degrees.
struct PlotCurve {
    std::vector<double> degrees;
    std::vector<double> values;
    SheetLayer layer = SheetLayer::Contour;
};

// A diagram against φ from 0 to 360° in `field`: axes, the φ ticks every 30°, the values' ticks
// and labels at round steps, the curves, the name of the quantity and both factors. Returns the factor of the values (none when every value
// is 0 or not finite: the axes alone are drawn).
std::optional<double> DrawDiagram(SheetDrawing& sheet, const SheetField& field, const std::vector<PlotCurve>& curves,
                                  const QString& symbol, const QString& unit, double textHeight);

// "μ<symbol> = <factor> <unit>/мм", in the program's number text.
QString FactorText(const QString& symbol, double mu, const QString& unit);
// A field shrunk by `margin` on every side.
SheetField Inset(const SheetField& field, double margin);
